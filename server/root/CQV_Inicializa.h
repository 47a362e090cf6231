#pragma once
// The root object: clients log in here and obtain every other object from it.
#include <cstdint>
#include <map>
#include <string>

#include "server/holders/CControleSaldos.h"
#include "server/root/CDadosTavon.h"
#include "server/root/CTW_Inicializa.h"
#include "VAVEDERAZur.h"
#include "server/process/class_table.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/CConexaoGedSrv.h"
#include "platform/inhouse/acesso/CConexaoUsuario.h"

namespace server {

class CQV_Inicializa final : public com::object<CQV_Inicializa, IQV_Inicializa> {
public:
    static constexpr com::class_info info = class_info_of(L"QV_Inicializa", &CLSID_QV_Inicializa);

    CQV_Inicializa();

    // IQV_Inicializa, in interface order
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR bsEmpresa, BSTR bsUsuario, BSTR bsSenha, INT* pResult) noexcept override;
    HRESULT STDMETHODCALLTYPE Finaliza() noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_sEmpresa(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_sRazaoSocial(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_iUsuario(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_lNumeroSessao(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_bInicializado(LONG* pVal) noexcept override;

    // Rights and users (CQV_Inicializa_acesso.cpp, CQV_Inicializa_usuarios.cpp), the session's
    // settings and module flags (CQV_Inicializa_propriedades.cpp), the company's data
    // (CQV_Inicializa_empresa.cpp); the members not built yet answer from
    // CQV_Inicializa_pendentes.cpp.
    HRESULT STDMETHODCALLTYPE PossuiAcesso(BSTR modulo, LONG controle, VARIANT_BOOL* pvbAcesso) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaUsuarios(IResultadoBuscaUsuarios** ppResultado) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PosicaoRepresentante(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DiretorioRelatorios(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE InicializaCotacao(BSTR bsUniqueId) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CotacaoWeb(ICotacaoWeb** pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PossuiTavonContabil(VARIANT_BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ConexaoAtTec(IWebGE_ConexaoAtTec** pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PossuiTavonGerenciador(VARIANT_BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GED_FazBuscaRapida(BSTR bsQuery, IWebGD_ResultadoBuscaRapida** ppResultado) noexcept override;
    HRESULT STDMETHODCALLTYPE GED_BuscaDistribuicao(ULONG lPos, IWebGD_ResultadoBuscaRapida** ppResultado) noexcept override;
    HRESULT STDMETHODCALLTYPE FN_PosicaoFinanceira(ULONG lPosicaoCFRT, BSTR bsDataInicial, BSTR bsDataFinal, IWebFN_HistoricoTitulos** ppResultado) noexcept override;
    HRESULT STDMETHODCALLTYPE FN_SaldoContas(BSTR bsDataInicial, BSTR bsDataFinal, LONG bIncluirInativas, IWebFN_ResultadoSaldos** ppResultado) noexcept override;
    HRESULT STDMETHODCALLTYPE FN_FluxoCaixa(IQVHashTable* pIFiltro, IWebFN_ResultadoFluxoCaixa** ppResultado) noexcept override;
    HRESULT STDMETHODCALLTYPE FN_FluxoCaixaRel(IQVHashTable* pIFiltro, BSTR* pbsRelatorio) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PossuiTavonFinanceiro(VARIANT_BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DataInferiorMovimentacao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DataSuperiorMovimentacao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Indices(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CaminhoLogotipo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_HomepageEmpresa(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNomeCategoria(LONG lPos, BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE FT_OperacoesComerciais(IOperacoesComerciais** ppOperacoes) noexcept override;
    HRESULT STDMETHODCALLTYPE FT_AgendamentoVisitas(IAgendamentoVisitas** ppAgendamentos) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PossuiTavonEstoque(VARIANT_BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PossuiTavonComercial(VARIANT_BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PossuiTavonGED(VARIANT_BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE VerificaImpressoraPadrao(VARIANT_BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTimeout(INT* piTimeout) noexcept override;
    HRESULT STDMETHODCALLTYPE IsDebugDev(VARIANT_BOOL* pvbDebug) noexcept override;
    // The factories of the module objects (CQV_Inicializa_fabricas.cpp); TW_FT_PosicaoProdutos,
    // which takes a filter, is among the members not built yet.
    HRESULT STDMETHODCALLTYPE TW_DF_ContaGerencial(ITW_DF_ContaGerencial** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_ContaContabil(ITW_DF_ContaContabil** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_PlanoGerencial(ITW_DF_PlanoGerencial** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_PlanoContabil(ITW_DF_PlanoContabil** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_ModelosRelatorios(ITW_DF_ModelosRelatorios** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_Historicos(ITW_DF_Historicos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_Propriedades(ITW_DF_Propriedades** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_Produtos(ITW_DF_Produtos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_PlanoCFRT(ITW_DF_PlanoCFRT** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_NaturezasOperacao(ITW_DF_NaturezasOperacao** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_OperacoesComerciais(ITW_DF_OperacoesComerciais** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_TabelasPreco(ITW_DF_TabelasPreco** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_RelatorioPlanoGerencial(ITW_DF_RelatorioPlanoGerencial** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_RelatorioPlanoContabil(ITW_DF_RelatorioPlanoContabil** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_ListaFiliais(ITW_DF_ListaFiliais** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_ListaEstados(ITW_DF_ListaEstados** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_ListaMunicipios(ITW_DF_ListaMunicipios** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_Servicos(ITW_DF_Servicos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_PlanoContas(ITW_DF_PlanoContas** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_InfoProduto(ITW_DF_InfoProduto** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_InfoCliente(ITW_DF_InfoCliente** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_InfoNatureza(ITW_DF_InfoNatureza** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_ES_SaldoTotal(ITW_ES_SaldoTotal** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_ES_RelatorioPontoReposicao(ITW_ES_RelatorioPontoReposicao** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_ES_RelatorioMovimentos(ITW_ES_RelatorioMovimentos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_ES_RelatorioInventario(ITW_ES_RelatorioInventario** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_ES_RelatorioRegistroEstoque(ITW_ES_RelatorioRegistroEstoque** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_RelatorioRelacaoPedidos(ITW_FT_RelatorioRelacaoPedidos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_RelatorioComissoesPagar(ITW_FT_RelatorioComissoesPagar** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_Pedido(ITW_FT_Pedido** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_PosicaoProdutos(IQVHashTable* pIHash, ITW_FT_PosicaoProdutos** ppPosicao) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_HistoricoCliente(ITW_FT_HistoricoCliente** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_DF_PlanoContasContabil(ITW_DF_PlanoContasContabil** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_FornecedorCliente(ITW_FT_FornecedorCliente** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_GerenciaClienteFornecedor(ITW_FT_GerenciaClienteFornecedor** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_Documentos(ITW_FT_Documentos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_AgendamentosVisitas(ITW_FT_AgendamentosVisitas** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_AgendamentoVisita(ITW_FT_AgendamentoVisita** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_RelatorioVendas(ITW_FT_RelatorioVendas** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_ListaPedidos(ITW_FT_ListaPedidos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FT_InfoPedido(ITW_FT_InfoPedido** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_RelatorioBalancete(ITW_CN_RelatorioBalancete** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_RelatorioRazao(ITW_CN_RelatorioRazao** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_RelatorioDiarioDetalhado(ITW_CN_RelatorioDiarioDetalhado** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_RelatorioAcompanhamentoMensal(ITW_CN_RelatorioAcompanhamentoMensal** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_RelatorioInversaoGerencial(ITW_CN_RelatorioInversaoGerencial** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_RelatorioGerador(ITW_CN_RelatorioGerador** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_SaldoContabil(ITW_CN_SaldoContabil** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_Lancamentos(ITW_CN_Lancamentos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_FiltroLancamentos(IFiltroLancamento** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_AcompanhamentosMensais(ITW_CN_AcompanhamentosMensais** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_CN_AcompanhamentoMensal(ITW_CN_AcompanhamentoMensal** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FN_RelatorioMovimentos(ITW_FN_RelatorioMovimentos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FN_ListaAutorizacoesPagamento(ITW_FN_ListaAutorizacoesPagamento** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FN_AutorizacaoPagamento(ITW_FN_AutorizacaoPagamento** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FN_SaldoContasBancarias(ITW_FN_SaldoContasBancarias** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FN_PosicaoFinanceira(ITW_FN_PosicaoFinanceira** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FN_FiltroFluxoCaixa(ITW_FN_FiltroFluxoCaixa** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FN_FluxoCaixa(ITW_FN_FluxoCaixa** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_FN_RelatorioFluxoCaixa(ITW_FN_RelatorioFluxoCaixa** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_GE_RelatorioAtendimento(ITW_GE_RelatorioAtendimento** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_GE_ListaAssistencias(ITW_GE_ListaAssistencias** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_GE_ListaEquipamentos(ITW_GE_ListaEquipamentos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_GE_ListaMarcas(ITW_GE_ListaMarcas** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_GE_ListaModelos(ITW_GE_ListaModelos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_GE_ListaSituacoes(ITW_GE_ListaSituacoes** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_GE_ListaTipos(ITW_GE_ListaTipos** ppObjeto) noexcept override;
    HRESULT STDMETHODCALLTYPE TW_GE_Atendimento(ITW_GE_Atendimento** ppObjeto) noexcept override;

    // The session record the holder points at after a login (tests and the factories).
    const CTW_Inicializa& sessao() const noexcept { return m_sessao; }
    // The session data cache this root object owns.
    CDadosTavon& dados_tavon() noexcept { return m_dados_tavon; }

private:
    ~CQV_Inicializa() override;   // objects come only from com::make

    HRESULT login(BSTR bsEmpresa, BSTR bsUsuario, BSTR bsSenha, int* pResult);
    // One creation road for every factory: Classe is the module class, or a stand-in for one not built.
    template <class Classe, class Itf>
    HRESULT fabrica(Itf** ppObjeto) noexcept;
    // A module flag: the byte of TIPOS_VEVUREZE at `byte`, non-zero meaning the module is in use.
    HRESULT flag_modulo(size_t byte, VARIANT_BOOL* pVal) noexcept;
    // The answer of a member not built yet.
    template <class... Saida>
    HRESULT pendente(Saida*... saidas) noexcept;
    // Reads both movement dates from the accounting master into m_movimentacao; the server's
    // answers other than S_OK come back unchanged (CQV_Inicializa_movimentacao.cpp).
    HRESULT le_movimentacao(const char* falha_criacao);
    // One movement date as "dd/mm/yy", read from the server while it is not cached.
    HRESULT data_movimentacao(bool superior, const char* falha_criacao, BSTR* pVal) noexcept;

    // Declared in the reverse of their destruction order.
    CTW_Inicializa m_sessao;
    CConexaoUsuario m_conexao_usuario;
    CSilentConexaoGedSrv m_conexao_ged;
    // The rights already asked: "<module>_<control>" -> "S" or "".
    std::map<std::string, std::string> m_direitos;
    com::com_ptr<IUnknown> m_cotacao;          // the quotation object handed out by CotacaoWeb
    com::com_ptr<IUnknown> m_atendimento;      // the attendance connection object
    CControleSaldos m_controle_saldos;
    CDadosTavon m_dados_tavon;
    // The movement dates as 16-bit day numbers, 0 while not read; emptied by each login and by
    // Finaliza, so that a new session never sees the dates of an earlier company.
    struct movimentacao {
        uint16_t inferior = 0;
        uint16_t superior = 0;
    } m_movimentacao;
};

}  // namespace server
