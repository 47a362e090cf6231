// The root object's commercial operations object, made for the root's own session.
#include <new>

#include "platform/com/com_ptr.h"
#include "platform/com/failure.h"
#include "server/messages.h"
#include "server/root/CQV_Inicializa.h"
#include "server/root/fabricas_modulos.h"

namespace server {

HRESULT CQV_Inicializa::FT_OperacoesComerciais(IOperacoesComerciais** ppOperacoes) noexcept try {
    if (!ppOperacoes) return E_POINTER;
    *ppOperacoes = nullptr;
    const fabrica_operacoes_comerciais fabrica = fabrica_operacoes_comerciais_registrada();
    if (!fabrica) com::fail(msg::falha_operacoes_comerciais, E_NOTIMPL);
    com::com_ptr<IUnknown> objeto;
    try {
        objeto = com::com_ptr<IUnknown>::attach(
            fabrica(m_sessao.m_sEmpresa.c_str(), m_sessao.m_iUsuario, m_sessao.m_lNumeroSessao));
    } catch (const std::bad_alloc&) {
        com::fail(msg::falha_operacoes_comerciais, E_OUTOFMEMORY);
    }
    *ppOperacoes = static_cast<IOperacoesComerciais*>(objeto.detach());
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace server
