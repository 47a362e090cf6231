#include "sales/fabricas_visitas_historico.h"

#include "platform/com/com_ptr.h"
#include "sales/CAgendamentoVisitas.h"
#include "sales/CTW_FT_AgendamentoVisita.h"
#include "sales/CTW_FT_AgendamentosVisitas.h"
#include "sales/CTW_FT_HistoricoCliente.h"
#include "server/root/fabricas_modulos.h"

namespace sales {

namespace {
template <class Classe, class Itf>
IUnknown* cria() {
    return static_cast<Itf*>(com::make<Classe>().detach());
}

IUnknown* cria_agendamento_visitas(const char* empresa, WORD usuario, long sessao) {
    auto objeto = com::make<CAgendamentoVisitas>();
    objeto->Inicializa(empresa, usuario, sessao);
    return static_cast<IAgendamentoVisitas*>(objeto.detach());
}

struct fabrica {
    const IID* iid;
    server::fabrica_modulo cria;
};
const fabrica fabricas[] = {
    {&__uuidof(ITW_FT_AgendamentosVisitas), &cria<CTW_FT_AgendamentosVisitas, ITW_FT_AgendamentosVisitas>},
    {&__uuidof(ITW_FT_AgendamentoVisita), &cria<CTW_FT_AgendamentoVisita, ITW_FT_AgendamentoVisita>},
    {&__uuidof(ITW_FT_HistoricoCliente), &cria<CTW_FT_HistoricoCliente, ITW_FT_HistoricoCliente>},
};
}  // namespace

void registra_fabricas_visitas_historico() {
    for (const auto& f : fabricas) server::registra_fabrica(*f.iid, f.cria);
    server::registra_fabrica_com_sessao(__uuidof(IAgendamentoVisitas), &cria_agendamento_visitas);
}

}  // namespace sales
