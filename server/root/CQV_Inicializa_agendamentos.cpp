// The root's visit schedule: the object the sales module registered, started with the root's
// company, user and session.
#include <new>

#include "server/messages.h"
#include "server/root/CQV_Inicializa.h"
#include "server/root/fabricas_modulos.h"
#include "platform/com/failure.h"

namespace server {

namespace {
// What the visit schedule's creation answers when it fails without an HRESULT of its own.
constexpr HRESULT falha_instanciar = static_cast<HRESULT>(0x8004065Fu);
}  // namespace

HRESULT CQV_Inicializa::FT_AgendamentoVisitas(IAgendamentoVisitas** ppAgendamentos) noexcept try {
    if (!ppAgendamentos) return E_POINTER;
    *ppAgendamentos = nullptr;
    const fabrica_com_sessao fabrica = fabrica_com_sessao_registrada(__uuidof(IAgendamentoVisitas));
    if (!fabrica) com::fail(msg::falha_agendamentos_visitas, falha_instanciar);
    com::com_ptr<IUnknown> objeto;
    try {
        objeto = com::com_ptr<IUnknown>::attach(
            fabrica(m_sessao.m_sEmpresa.c_str(), m_sessao.m_iUsuario, m_sessao.m_lNumeroSessao));
    } catch (const std::bad_alloc&) {
        com::fail(msg::falha_agendamentos_visitas, falha_instanciar);
    }
    *ppAgendamentos = static_cast<IAgendamentoVisitas*>(objeto.detach());
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace server
