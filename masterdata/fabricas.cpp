#include "masterdata/fabricas.h"

#include "masterdata/CTW_DF_ContaContabil.h"
#include "masterdata/CTW_DF_ContaGerencial.h"
#include "masterdata/CTW_DF_ModelosRelatorios.h"
#include "masterdata/CTW_DF_PlanoCFRT.h"
#include "masterdata/CTW_DF_PlanoContabil.h"
#include "masterdata/CTW_DF_PlanoContas.h"
#include "masterdata/CTW_DF_PlanoContasContabil.h"
#include "masterdata/CTW_DF_PlanoGerencial.h"
#include "masterdata/CTW_DF_RelatorioPlanoContabil.h"
#include "masterdata/CTW_DF_RelatorioPlanoGerencial.h"
#include "masterdata/CTW_DF_Propriedades.h"
#include "masterdata/CTW_DF_Historicos.h"
#include "masterdata/CTW_DF_ListaEstados.h"
#include "masterdata/CTW_DF_ListaMunicipios.h"
#include "masterdata/CTW_DF_ListaFiliais.h"
#include "masterdata/CTW_DF_InfoCliente.h"
#include "masterdata/CTW_DF_InfoNatureza.h"
#include "masterdata/CTW_DF_InfoProduto.h"
#include "masterdata/CTW_DF_NaturezasOperacao.h"
#include "masterdata/COperacoesComerciais.h"
#include "masterdata/CTW_DF_OperacoesComerciais.h"
#include "masterdata/CTW_DF_Produtos.h"
#include "masterdata/CTW_DF_Servicos.h"
#include "masterdata/CTW_DF_TabelasPreco.h"
#include "server/root/fabricas_modulos.h"

namespace masterdata {

namespace {
template <class Classe, class Itf>
IUnknown* cria() {
    return static_cast<Itf*>(com::make<Classe>().detach());
}

struct fabrica {
    const IID* iid;
    server::fabrica_modulo cria;
};
const fabrica fabricas[] = {
    {&__uuidof(ITW_DF_ContaGerencial), &cria<CTW_DF_ContaGerencial, ITW_DF_ContaGerencial>},
    {&__uuidof(ITW_DF_ContaContabil), &cria<CTW_DF_ContaContabil, ITW_DF_ContaContabil>},
    {&__uuidof(ITW_DF_PlanoGerencial), &cria<CTW_DF_PlanoGerencial, ITW_DF_PlanoGerencial>},
    {&__uuidof(ITW_DF_PlanoContabil), &cria<CTW_DF_PlanoContabil, ITW_DF_PlanoContabil>},
    {&__uuidof(ITW_DF_PlanoCFRT), &cria<CTW_DF_PlanoCFRT, ITW_DF_PlanoCFRT>},
    {&__uuidof(ITW_DF_PlanoContas), &cria<CTW_DF_PlanoContas, ITW_DF_PlanoContas>},
    {&__uuidof(ITW_DF_PlanoContasContabil), &cria<CTW_DF_PlanoContasContabil, ITW_DF_PlanoContasContabil>},
    {&__uuidof(ITW_DF_ModelosRelatorios), &cria<CTW_DF_ModelosRelatorios, ITW_DF_ModelosRelatorios>},
    {&__uuidof(ITW_DF_RelatorioPlanoGerencial), &cria<CTW_DF_RelatorioPlanoGerencial, ITW_DF_RelatorioPlanoGerencial>},
    {&__uuidof(ITW_DF_RelatorioPlanoContabil), &cria<CTW_DF_RelatorioPlanoContabil, ITW_DF_RelatorioPlanoContabil>},
    {&__uuidof(ITW_DF_Propriedades), &cria<CTW_DF_Propriedades, ITW_DF_Propriedades>},
    {&__uuidof(ITW_DF_Historicos), &cria<CTW_DF_Historicos, ITW_DF_Historicos>},
    {&__uuidof(ITW_DF_ListaEstados), &cria<CTW_DF_ListaEstados, ITW_DF_ListaEstados>},
    {&__uuidof(ITW_DF_ListaMunicipios), &cria<CTW_DF_ListaMunicipios, ITW_DF_ListaMunicipios>},
    {&__uuidof(ITW_DF_ListaFiliais), &cria<CTW_DF_ListaFiliais, ITW_DF_ListaFiliais>},
    {&__uuidof(ITW_DF_InfoCliente), &cria<CTW_DF_InfoCliente, ITW_DF_InfoCliente>},
    {&__uuidof(ITW_DF_NaturezasOperacao), &cria<CTW_DF_NaturezasOperacao, ITW_DF_NaturezasOperacao>},
    {&__uuidof(ITW_DF_InfoNatureza), &cria<CTW_DF_InfoNatureza, ITW_DF_InfoNatureza>},
    {&__uuidof(ITW_DF_OperacoesComerciais), &cria<CTW_DF_OperacoesComerciais, ITW_DF_OperacoesComerciais>},
    {&__uuidof(ITW_DF_Produtos), &cria<CTW_DF_Produtos, ITW_DF_Produtos>},
    {&__uuidof(ITW_DF_TabelasPreco), &cria<CTW_DF_TabelasPreco, ITW_DF_TabelasPreco>},
    {&__uuidof(ITW_DF_Servicos), &cria<CTW_DF_Servicos, ITW_DF_Servicos>},
    {&__uuidof(ITW_DF_InfoProduto), &cria<CTW_DF_InfoProduto, ITW_DF_InfoProduto>},
};

IUnknown* cria_operacoes_comerciais(const char* empresa, WORD usuario, long sessao) {
    auto objeto = com::make<COperacoesComerciais>();
    objeto->Inicializa(empresa, usuario, sessao);
    return static_cast<IOperacoesComerciais*>(objeto.detach());
}
}  // namespace

void registra_fabricas() {
    for (const auto& f : fabricas) server::registra_fabrica(*f.iid, f.cria);
    server::registra_fabrica_operacoes_comerciais(&cria_operacoes_comerciais);
}

}  // namespace masterdata
