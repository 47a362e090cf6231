// The root object's factories: one new module object per call, found by the interface it answers.
#include <new>
#include <type_traits>

#include "server/root/CQV_Inicializa.h"
#include "server/root/fabricas_modulos.h"
#include "server/messages.h"
#include "platform/com/failure.h"

namespace masterdata {
class CTW_DF_ContaGerencial;
class CTW_DF_ContaContabil;
class CTW_DF_PlanoGerencial;
class CTW_DF_PlanoContabil;
class CTW_DF_PlanoCFRT;
class CTW_DF_PlanoContas;
class CTW_DF_PlanoContasContabil;
class CTW_DF_ModelosRelatorios;
class CTW_DF_RelatorioPlanoGerencial;
class CTW_DF_RelatorioPlanoContabil;
class CTW_DF_Propriedades;
class CTW_DF_Historicos;
class CTW_DF_ListaEstados;
class CTW_DF_ListaMunicipios;
class CTW_DF_ListaFiliais;
class CTW_DF_InfoCliente;
class CTW_DF_NaturezasOperacao;
class CTW_DF_InfoNatureza;
class CTW_DF_OperacoesComerciais;
class CTW_DF_Produtos;
class CTW_DF_TabelasPreco;
class CTW_DF_Servicos;
class CTW_DF_InfoProduto;
}  // namespace masterdata
namespace sales {
class CTW_FT_Documentos;
}  // namespace sales

namespace sales {
class CTW_FT_InfoPedido;
class CTW_FT_ListaPedidos;
class CTW_ES_RelatorioRegistroEstoque;
class CTW_ES_RelatorioMovimentos;
class CTW_ES_RelatorioInventario;
class CTW_ES_RelatorioPontoReposicao;
class CTW_FT_RelatorioVendas;
class CTW_FT_RelatorioRelacaoPedidos;
class CTW_FT_RelatorioComissoesPagar;
}  // namespace sales

namespace sales {
class CTW_FT_FornecedorCliente;
class CTW_FT_GerenciaClienteFornecedor;
}  // namespace sales

namespace sales {
class CTW_FT_Pedido;
}  // namespace sales

namespace sales {
class CTW_FT_AgendamentosVisitas;
class CTW_FT_AgendamentoVisita;
class CTW_FT_HistoricoCliente;
}  // namespace sales

namespace sales {
class CTW_ES_SaldoTotal;
}  // namespace sales

namespace server {

namespace {
// Stands for a module class that is not built yet: its factory answers as a failed creation.
// Wiring a built class is changing its factory's line below to name the class.
struct nao_construida {};

template <class T>
inline constexpr bool de_modulo = false;
template <class T>
inline constexpr bool de_modulo<modulo<T>> = true;

template <class Classe, class Itf>
com::com_ptr<Itf> novo_objeto() {
    if constexpr (std::is_same_v<Classe, nao_construida>) {
        com::fail(msg::falha_criar_objeto, E_NOTIMPL);
    } else if constexpr (de_modulo<Classe>) {
        const fabrica_modulo fabrica = fabrica_registrada(__uuidof(Itf));
        if (!fabrica) com::fail(msg::falha_criar_objeto, E_NOTIMPL);
        try {
            return com::com_ptr<Itf>::attach(static_cast<Itf*>(fabrica()));
        } catch (const std::bad_alloc&) {
            com::fail(msg::falha_criar_objeto, E_OUTOFMEMORY);
        }
    } else {
        try {
            return com::com_ptr<Itf>::attach(static_cast<Itf*>(com::make<Classe>().detach()));
        } catch (const std::bad_alloc&) {
            com::fail(msg::falha_criar_objeto, E_OUTOFMEMORY);
        }
    }
}
}  // namespace

template <class Classe, class Itf>
HRESULT CQV_Inicializa::fabrica(Itf** ppObjeto) noexcept try {
    if (!ppObjeto) return E_POINTER;
    *ppObjeto = nullptr;
    *ppObjeto = novo_objeto<Classe, Itf>().detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::TW_DF_ContaGerencial(ITW_DF_ContaGerencial** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_ContaGerencial>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_ContaContabil(ITW_DF_ContaContabil** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_ContaContabil>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_PlanoGerencial(ITW_DF_PlanoGerencial** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_PlanoGerencial>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_PlanoContabil(ITW_DF_PlanoContabil** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_PlanoContabil>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_ModelosRelatorios(ITW_DF_ModelosRelatorios** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_ModelosRelatorios>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_Historicos(ITW_DF_Historicos** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_Historicos>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_Propriedades(ITW_DF_Propriedades** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_Propriedades>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_Produtos(ITW_DF_Produtos** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_Produtos>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_PlanoCFRT(ITW_DF_PlanoCFRT** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_PlanoCFRT>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_NaturezasOperacao(ITW_DF_NaturezasOperacao** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_NaturezasOperacao>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_OperacoesComerciais(ITW_DF_OperacoesComerciais** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_OperacoesComerciais>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_TabelasPreco(ITW_DF_TabelasPreco** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_TabelasPreco>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_RelatorioPlanoGerencial(ITW_DF_RelatorioPlanoGerencial** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_RelatorioPlanoGerencial>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_RelatorioPlanoContabil(ITW_DF_RelatorioPlanoContabil** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_RelatorioPlanoContabil>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_ListaFiliais(ITW_DF_ListaFiliais** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_ListaFiliais>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_ListaEstados(ITW_DF_ListaEstados** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_ListaEstados>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_ListaMunicipios(ITW_DF_ListaMunicipios** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_ListaMunicipios>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_Servicos(ITW_DF_Servicos** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_Servicos>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_PlanoContas(ITW_DF_PlanoContas** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_PlanoContas>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_InfoProduto(ITW_DF_InfoProduto** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_InfoProduto>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_InfoCliente(ITW_DF_InfoCliente** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_InfoCliente>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_InfoNatureza(ITW_DF_InfoNatureza** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_InfoNatureza>>(pp);
}

HRESULT CQV_Inicializa::TW_ES_SaldoTotal(ITW_ES_SaldoTotal** pp) noexcept {
    return fabrica<modulo<sales::CTW_ES_SaldoTotal>>(pp);
}

HRESULT CQV_Inicializa::TW_ES_RelatorioPontoReposicao(ITW_ES_RelatorioPontoReposicao** pp) noexcept {
    return fabrica<modulo<sales::CTW_ES_RelatorioPontoReposicao>>(pp);
}

HRESULT CQV_Inicializa::TW_ES_RelatorioMovimentos(ITW_ES_RelatorioMovimentos** pp) noexcept {
    return fabrica<modulo<sales::CTW_ES_RelatorioMovimentos>>(pp);
}

HRESULT CQV_Inicializa::TW_ES_RelatorioInventario(ITW_ES_RelatorioInventario** pp) noexcept {
    return fabrica<modulo<sales::CTW_ES_RelatorioInventario>>(pp);
}

HRESULT CQV_Inicializa::TW_ES_RelatorioRegistroEstoque(ITW_ES_RelatorioRegistroEstoque** pp) noexcept {
    return fabrica<modulo<sales::CTW_ES_RelatorioRegistroEstoque>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_RelatorioRelacaoPedidos(ITW_FT_RelatorioRelacaoPedidos** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_RelatorioRelacaoPedidos>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_RelatorioComissoesPagar(ITW_FT_RelatorioComissoesPagar** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_RelatorioComissoesPagar>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_Pedido(ITW_FT_Pedido** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_Pedido>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_HistoricoCliente(ITW_FT_HistoricoCliente** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_HistoricoCliente>>(pp);
}

HRESULT CQV_Inicializa::TW_DF_PlanoContasContabil(ITW_DF_PlanoContasContabil** pp) noexcept {
    return fabrica<modulo<masterdata::CTW_DF_PlanoContasContabil>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_FornecedorCliente(ITW_FT_FornecedorCliente** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_FornecedorCliente>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_GerenciaClienteFornecedor(ITW_FT_GerenciaClienteFornecedor** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_GerenciaClienteFornecedor>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_Documentos(ITW_FT_Documentos** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_Documentos>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_AgendamentosVisitas(ITW_FT_AgendamentosVisitas** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_AgendamentosVisitas>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_AgendamentoVisita(ITW_FT_AgendamentoVisita** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_AgendamentoVisita>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_RelatorioVendas(ITW_FT_RelatorioVendas** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_RelatorioVendas>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_ListaPedidos(ITW_FT_ListaPedidos** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_ListaPedidos>>(pp);
}

HRESULT CQV_Inicializa::TW_FT_InfoPedido(ITW_FT_InfoPedido** pp) noexcept {
    return fabrica<modulo<sales::CTW_FT_InfoPedido>>(pp);
}

HRESULT CQV_Inicializa::TW_CN_RelatorioBalancete(ITW_CN_RelatorioBalancete** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_CN_RelatorioRazao(ITW_CN_RelatorioRazao** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_CN_RelatorioDiarioDetalhado(ITW_CN_RelatorioDiarioDetalhado** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_CN_RelatorioAcompanhamentoMensal(ITW_CN_RelatorioAcompanhamentoMensal** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_CN_RelatorioInversaoGerencial(ITW_CN_RelatorioInversaoGerencial** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_CN_RelatorioGerador(ITW_CN_RelatorioGerador** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_CN_SaldoContabil(ITW_CN_SaldoContabil** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_CN_Lancamentos(ITW_CN_Lancamentos** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_CN_FiltroLancamentos(IFiltroLancamento** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_CN_AcompanhamentosMensais(ITW_CN_AcompanhamentosMensais** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_CN_AcompanhamentoMensal(ITW_CN_AcompanhamentoMensal** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_FN_RelatorioMovimentos(ITW_FN_RelatorioMovimentos** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_FN_ListaAutorizacoesPagamento(ITW_FN_ListaAutorizacoesPagamento** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_FN_AutorizacaoPagamento(ITW_FN_AutorizacaoPagamento** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_FN_SaldoContasBancarias(ITW_FN_SaldoContasBancarias** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_FN_PosicaoFinanceira(ITW_FN_PosicaoFinanceira** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_FN_FiltroFluxoCaixa(ITW_FN_FiltroFluxoCaixa** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_FN_FluxoCaixa(ITW_FN_FluxoCaixa** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_FN_RelatorioFluxoCaixa(ITW_FN_RelatorioFluxoCaixa** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_GE_RelatorioAtendimento(ITW_GE_RelatorioAtendimento** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_GE_ListaAssistencias(ITW_GE_ListaAssistencias** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_GE_ListaEquipamentos(ITW_GE_ListaEquipamentos** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_GE_ListaMarcas(ITW_GE_ListaMarcas** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_GE_ListaModelos(ITW_GE_ListaModelos** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_GE_ListaSituacoes(ITW_GE_ListaSituacoes** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_GE_ListaTipos(ITW_GE_ListaTipos** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

HRESULT CQV_Inicializa::TW_GE_Atendimento(ITW_GE_Atendimento** pp) noexcept {
    return fabrica<nao_construida>(pp);
}

}  // namespace server
