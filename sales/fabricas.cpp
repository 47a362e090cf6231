#include "sales/fabricas.h"

#include "platform/com/object.h"
#include "sales/CTW_FT_InfoPedido.h"
#include "sales/CTW_FT_ListaPedidos.h"
#include "sales/relatorios_estoque.h"
#include "sales/relatorios_vendas.h"
#include "sales/CTW_FT_Documentos.h"
#include "sales/CTW_FT_FornecedorCliente.h"
#include "sales/CTW_FT_GerenciaClienteFornecedor.h"
#include "base/QVCurrency.h"
#include "sales/CTW_FT_PosicaoProdutos.h"
#include "sales/CTW_FT_Pedido.h"
#include "sales/CTW_ES_SaldoTotal.h"
#include "sales/CAgendamentoVisitas.h"
#include "sales/CCotacaoWeb.h"
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

IUnknown* cria_cotacao(server::cotacao_raiz** raiz) {
    auto objeto = com::make<CCotacaoWeb>();
    *raiz = objeto.get();
    return static_cast<ICotacaoWeb*>(objeto.detach());
}

struct fabrica {
    const IID* iid;
    server::fabrica_modulo cria;
};
const fabrica fabricas[] = {
    {&__uuidof(ITW_FT_Pedido), &cria<CTW_FT_Pedido, ITW_FT_Pedido>},
    {&__uuidof(ITW_FT_InfoPedido), &cria<CTW_FT_InfoPedido, ITW_FT_InfoPedido>},
    {&__uuidof(ITW_FT_ListaPedidos), &cria<CTW_FT_ListaPedidos, ITW_FT_ListaPedidos>},
    {&__uuidof(ITW_ES_RelatorioRegistroEstoque), &cria<CTW_ES_RelatorioRegistroEstoque, ITW_ES_RelatorioRegistroEstoque>},
    {&__uuidof(ITW_ES_RelatorioMovimentos), &cria<CTW_ES_RelatorioMovimentos, ITW_ES_RelatorioMovimentos>},
    {&__uuidof(ITW_ES_RelatorioInventario), &cria<CTW_ES_RelatorioInventario, ITW_ES_RelatorioInventario>},
    {&__uuidof(ITW_ES_RelatorioPontoReposicao), &cria<CTW_ES_RelatorioPontoReposicao, ITW_ES_RelatorioPontoReposicao>},
    {&__uuidof(ITW_FT_RelatorioVendas), &cria<CTW_FT_RelatorioVendas, ITW_FT_RelatorioVendas>},
    {&__uuidof(ITW_FT_RelatorioRelacaoPedidos), &cria<CTW_FT_RelatorioRelacaoPedidos, ITW_FT_RelatorioRelacaoPedidos>},
    {&__uuidof(ITW_FT_RelatorioComissoesPagar), &cria<CTW_FT_RelatorioComissoesPagar, ITW_FT_RelatorioComissoesPagar>},
    {&__uuidof(ITW_FT_Documentos), &cria<CTW_FT_Documentos, ITW_FT_Documentos>},
    {&__uuidof(ITW_FT_FornecedorCliente), &cria<CTW_FT_FornecedorCliente, ITW_FT_FornecedorCliente>},
    {&__uuidof(ITW_FT_GerenciaClienteFornecedor), &cria<CTW_FT_GerenciaClienteFornecedor, ITW_FT_GerenciaClienteFornecedor>},
    {&__uuidof(ITW_FT_AgendamentosVisitas), &cria<CTW_FT_AgendamentosVisitas, ITW_FT_AgendamentosVisitas>},
    {&__uuidof(ITW_FT_AgendamentoVisita), &cria<CTW_FT_AgendamentoVisita, ITW_FT_AgendamentoVisita>},
    {&__uuidof(ITW_FT_HistoricoCliente), &cria<CTW_FT_HistoricoCliente, ITW_FT_HistoricoCliente>},
    {&__uuidof(ITW_ES_SaldoTotal), &cria<CTW_ES_SaldoTotal, ITW_ES_SaldoTotal>},
};

std::string valor(const std::map<std::string, std::string>& filtro, const char* chave) {
    const auto it = filtro.find(chave);
    return it == filtro.end() ? std::string() : it->second;
}

IUnknown* cria_posicao_produtos(const std::map<std::string, std::string>& filtro) {
    return static_cast<ITW_FT_PosicaoProdutos*>(CTW_FT_PosicaoProdutos::Cria(LeFiltroPosicao(filtro)).detach());
}
}  // namespace

filtro_posicao LeFiltroPosicao(const std::map<std::string, std::string>& filtro) {
    filtro_posicao f;
    f.codigo = valor(filtro, "CODIGO");
    f.grade1 = valor(filtro, "GRADE1");
    f.grade2 = valor(filtro, "GRADE2");
    f.grade3 = valor(filtro, "GRADE3");
    f.tabela = valor(filtro, "TABPRECOS");
    f.filial = QVConverteTextoUI2(valor(filtro, "FILIAL").c_str());
    // Only an upper-case "V" sets a stock kind.
    f.ep = valor(filtro, "EP") == "V";
    f.ept = valor(filtro, "EPT") == "V";
    f.etpe = valor(filtro, "ETPE") == "V";
    return f;
}

void registra_fabricas() {
    for (const auto& f : fabricas) server::registra_fabrica(*f.iid, f.cria);
    server::registra_fabrica_posicao_produtos(&cria_posicao_produtos);
    server::registra_fabrica_com_sessao(__uuidof(IAgendamentoVisitas), &cria_agendamento_visitas);
    server::registra_fabrica_cotacao(&cria_cotacao);
}

}  // namespace sales
