// Finance: payment authorisations, the cash flow, bank balances, financial positions, the finance
// report, period types and the older result objects of the root object's finance methods.
#include "member_table.h"

// INT_PTR members: the library holds them as the 32-bit integer they are in the product, on both
// builds, so that the x86_64 library is the same as the i686 one.
#define INT_PTR_T L"long"

namespace typelib_table {
namespace {
using enum kind;

constexpr itf interfaces[] = {
    {L"ITW_FN_AutorizacaoPagamento", L"IDispatch", true},
    {L"ITW_FN_ListaAutorizacoesPagamento", L"IDispatch", true},
    {L"ITW_FN_FiltroFluxoCaixa", L"IDispatch", true},
    {L"ITW_FN_FluxoCaixa", L"IDispatch", true},
    {L"ITW_FN_RelatorioFluxoCaixa", L"IDispatch", true},
    {L"IWebFN_ResultadoFluxoCaixa", L"IDispatch", true},
    {L"ITW_FN_SaldoContasBancarias", L"IDispatch", true},
    {L"ITW_FN_PosicaoFinanceira", L"IDispatch", true},
    {L"ITW_FN_RelatorioMovimentos", L"ITW_Relatorio", true},
    {L"IQVWEB_TipoPeriodo", L"IDispatch", true},
    {L"IQVWEB_TipoPeriodoWeb", L"IDispatch", true},
    {L"IWebFN_HistoricoTitulos", L"IDispatch", true},
    {L"IWebFN_ResultadoSaldos", L"IDispatch", true},
    {L"IWebFN_Saldo", L"IDispatch", true},
};

// The movements report lists only its own members: SetModelo, SetTipo and GeraRelatorio (slots 7
// to 9) belong to ITW_Relatorio.
constexpr member members[] = {
    // One payable title shown as text, and the decision on paying it.
    {L"ITW_FN_AutorizacaoPagamento", 7, L"SetCodigo", method, L"in BSTR"},
    {L"ITW_FN_AutorizacaoPagamento", 8, L"GetCodigo", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 9, L"GetStatus", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 10, L"GetFilial", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 11, L"GetDataEmissao", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 12, L"GetDataVencimento", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 13, L"GetDataVencimentoEfetivo", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 14, L"GetFornecedor", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 15, L"GetNumeroDocumento", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 16, L"GetClassificacao", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 17, L"GetClassificacaoGerencial", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 18, L"GetHistorico", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 19, L"GetValor", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 20, L"GetValorDesconto", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 21, L"GetDataTerminoDesconto", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 22, L"GetValorJurosDiario", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 23, L"GetValorMulta", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 24, L"GetDataInicioMulta", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 25, L"GetCobrancaApresentada", method, L"out retval BOOL*"},
    {L"ITW_FN_AutorizacaoPagamento", 26, L"GetPortador", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 27, L"GetTipoCobranca", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 28, L"GetFormaPagamento", method, L"out retval BSTR*"},
    {L"ITW_FN_AutorizacaoPagamento", 29, L"SetPonteiroFornecedor", method, L"in unsigned long"},
    {L"ITW_FN_AutorizacaoPagamento", 30, L"BuscaTitulo", method, L"out retval BOOL*"},
    {L"ITW_FN_AutorizacaoPagamento", 31, L"AlteraStatus", method, L"in ETW_FN_Pagamento, in BSTR"},
    {L"ITW_FN_AutorizacaoPagamento", 32, L"SetDataVencimento", method, L"in BSTR"},

    // Payable titles with their authorisation status, and who may change them.
    {L"ITW_FN_ListaAutorizacoesPagamento", 7, L"BuscaPonteiros", method, L"out retval unsigned long*"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 8, L"LePosicao", method, L"in unsigned long"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 9, L"GetNumero", method, L"out retval BSTR*"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 10, L"GetStatus", method, L"out retval BSTR*"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 11, L"GetFornecedor", method, L"out retval BSTR*"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 12, L"GetDataVencimento", method, L"out retval BSTR*"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 13, L"GetNumeroDocumento", method, L"out retval BSTR*"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 14, L"GetValor", method, L"out retval BSTR*"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 15, L"GetPonteiroFornecedor", method, L"out retval unsigned long*"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 16, L"GetUsuarioPodeAlterar", method, L"out retval BOOL*"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 17, L"SetBuscarTitulo", method, L"in BSTR"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 18, L"SetTipoBusca", method, L"in " INT_PTR_T},
    {L"ITW_FN_ListaAutorizacoesPagamento", 19, L"SetOrdenacao", method, L"in unsigned short"},
    {L"ITW_FN_ListaAutorizacoesPagamento", 20, L"SetPeriodoBusca", method, L"in BSTR, in BSTR"},

    // The cash-flow options, written to the filter file of the cash-flow program.
    {L"ITW_FN_FiltroFluxoCaixa", 7, L"SetFilial", method, L"in unsigned short"},
    {L"ITW_FN_FiltroFluxoCaixa", 8, L"SetTotalizacao", method, L"in unsigned short"},
    {L"ITW_FN_FiltroFluxoCaixa", 9, L"SetDataInicial", method, L"in BSTR"},
    {L"ITW_FN_FiltroFluxoCaixa", 10, L"SetDataFinal", method, L"in BSTR"},
    {L"ITW_FN_FiltroFluxoCaixa", 11, L"SetSituacaoTitulos", method, L"in BSTR"},
    {L"ITW_FN_FiltroFluxoCaixa", 12, L"SetSituacaoComissao", method, L"in BSTR"},
    {L"ITW_FN_FiltroFluxoCaixa", 13, L"SetSimplificado", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 14, L"SetExibirHistorico", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 15, L"SetDetalharTesouraria", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 16, L"SetExibirVencimentoOriginal", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 17, L"SetOcultarTransferencia", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 18, L"SetOcultarTransferenciaFiliais", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 19, L"SetOcultarAplicacaoResgate", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 20, L"SetIncluirPrevisoes", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 21, L"SetConsiderarValores", method, L"in VARIANT_BOOL, in BSTR"},
    {L"ITW_FN_FiltroFluxoCaixa", 22, L"SetIncluirReceberAbertos", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 23, L"SetIncluirPagarAbertos", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 24, L"SetNaoConsiderarTesouraria", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 25, L"SetAdicionarFloat", method, L"in VARIANT_BOOL, in unsigned short"},
    {L"ITW_FN_FiltroFluxoCaixa", 26, L"SetExportarQVR", method, L"in VARIANT_BOOL"},
    {L"ITW_FN_FiltroFluxoCaixa", 27, L"GravarFiltro", method, L"out retval BSTR*"},

    // The cash-flow grid, read cell by cell.
    {L"ITW_FN_FluxoCaixa", 7, L"IniciaProcesso", method, L"in BSTR"},
    {L"ITW_FN_FluxoCaixa", 8, L"GetQuantidadeColunas", method, L"out retval UINT*"},
    {L"ITW_FN_FluxoCaixa", 9, L"GetQuantidadeLinhas", method, L"out retval UINT*"},
    {L"ITW_FN_FluxoCaixa", 10, L"GetItem", method, L"in UINT, in UINT, out retval BSTR*"},

    // The cash-flow report text.
    {L"ITW_FN_RelatorioFluxoCaixa", 7, L"GeraRelatorio", method, L"in BSTR, out retval BSTR*"},

    // The older cash-flow grid of the root object, column before line.
    {L"IWebFN_ResultadoFluxoCaixa", 7, L"ColCount", get, L"out retval UINT*"},
    {L"IWebFN_ResultadoFluxoCaixa", 8, L"LineCount", get, L"out retval UINT*"},
    {L"IWebFN_ResultadoFluxoCaixa", 9, L"GetItem", method, L"in UINT, in UINT, out retval BSTR*"},

    // Bank-account balances of a period, line by line and in total.
    {L"ITW_FN_SaldoContasBancarias", 7, L"SetDataInicial", method, L"in BSTR"},
    {L"ITW_FN_SaldoContasBancarias", 8, L"SetDataFinal", method, L"in BSTR"},
    {L"ITW_FN_SaldoContasBancarias", 9, L"SetIncluirContasInativas", method, L"in BOOL"},
    {L"ITW_FN_SaldoContasBancarias", 10, L"BuscaSaldos", method, L"out retval unsigned long*"},
    {L"ITW_FN_SaldoContasBancarias", 11, L"GetTotalSaldoInicial", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 12, L"GetTotalEntrada", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 13, L"GetTotalSaida", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 14, L"GetTotalSaldoDisponivel", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 15, L"GetTotalSaldoTotal", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 16, L"GetTotalSaldoLimite", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 17, L"LeLinha", method, L"in unsigned long"},
    {L"ITW_FN_SaldoContasBancarias", 18, L"GetCodigo", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 19, L"GetContaCorrente", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 20, L"GetSaldoInicial", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 21, L"GetSaldoEntrada", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 22, L"GetSaldoSaida", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 23, L"GetSaldoDisponivel", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 24, L"GetSaldoTotal", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 25, L"GetLimite", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 26, L"GetTipo", method, L"out retval BSTR*"},
    {L"ITW_FN_SaldoContasBancarias", 27, L"SetOrdenacao", method, L"in unsigned short"},

    // The financial position of a customer or supplier.
    {L"ITW_FN_PosicaoFinanceira", 7, L"SetDataInicial", method, L"in BSTR"},
    {L"ITW_FN_PosicaoFinanceira", 8, L"SetDataFinal", method, L"in BSTR"},
    {L"ITW_FN_PosicaoFinanceira", 9, L"SetCodigo", method, L"in BSTR"},
    {L"ITW_FN_PosicaoFinanceira", 10, L"BuscaPosicao", method, L"out retval BOOL*"},
    {L"ITW_FN_PosicaoFinanceira", 11, L"GetCodigo", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 12, L"GetNome", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 13, L"GetCnpjCpf", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 14, L"GetInscricaoEstadual", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 15, L"GetEndereco", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 16, L"GetEmail", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 17, L"GetMunicipio", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 18, L"GetUf", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 19, L"GetCEP", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 20, L"GetContato", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 21, L"GetTelefone", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 22, L"GetCategoria", method, L"in unsigned short, out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 23, L"GetValorLimite", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 24, L"GetDataLimite", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 25, L"GetCreditoUtilizado", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 26, L"GetAdiantamentos", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 27, L"GetPedidos", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 28, L"GetChequesPredatados", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 29, L"GetCreditoDisponivel", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 30, L"GetVendaBloqueada", method, L"out retval BOOL*"},
    {L"ITW_FN_PosicaoFinanceira", 31, L"GetSaldoAVencer", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 32, L"GetValorMaiorAcumulo", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 33, L"GetDataMaiorAcumulo", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 34, L"GetPrazoMedioFaturamento", method, L"out retval unsigned short*"},
    {L"ITW_FN_PosicaoFinanceira", 35, L"GetSaldoVencido", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 36, L"GetMediaAtraso", method, L"out retval unsigned short*"},
    {L"ITW_FN_PosicaoFinanceira", 37, L"GetMaiorAtraso", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 38, L"GetChequesDevolvidos", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 39, L"GetQtdBaixasInadimplencia", method, L"out retval unsigned short*"},
    {L"ITW_FN_PosicaoFinanceira", 40, L"GetValorBaixasInadimplencia", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 41, L"GetClienteDesde", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 42, L"GetSituacao", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 43, L"GetDataSituacao", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 44, L"GetValorMaiorFatura", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 45, L"GetDataMaiorFatura", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 46, L"GetValorUltimaFatura", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 47, L"GetDataUltimaFatura", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 48, L"GetFrequenciaMediaCompra", method, L"out retval unsigned short*"},
    {L"ITW_FN_PosicaoFinanceira", 49, L"GetValorMedioCompra", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 50, L"GetValorTotalCompras", method, L"out retval BSTR*"},
    {L"ITW_FN_PosicaoFinanceira", 51, L"GetQtdeMaiorAtraso", method, L"out retval unsigned short*"},

    // Finance movements report.
    {L"ITW_FN_RelatorioMovimentos", 10, L"SetDataInicial", method, L"in BSTR"},
    {L"ITW_FN_RelatorioMovimentos", 11, L"SetDataFinal", method, L"in BSTR"},
    {L"ITW_FN_RelatorioMovimentos", 12, L"SetTipoData", method, L"in BSTR"},
    {L"ITW_FN_RelatorioMovimentos", 13, L"SetTipoSituacao", method, L"in BSTR"},
    {L"ITW_FN_RelatorioMovimentos", 14, L"SetPosicaoRepresentante", method, L"in unsigned long"},

    // The installation's period types.
    {L"IQVWEB_TipoPeriodo", 7, L"BuscaPosicao", method, L"in long, out retval IQVWEB_TipoPeriodoWeb**"},
    {L"IQVWEB_TipoPeriodo", 8, L"BuscaPonteiros", method, L"in BSTR, out retval long*"},
    {L"IQVWEB_TipoPeriodo", 9, L"Inicializa", method, L"in IQV_Inicializa*"},

    // One period type.
    {L"IQVWEB_TipoPeriodoWeb", 7, L"Descricao", get, L"out retval BSTR*"},
    {L"IQVWEB_TipoPeriodoWeb", 8, L"NumDias", get, L"out retval unsigned short*"},
    {L"IQVWEB_TipoPeriodoWeb", 9, L"Posicao", get, L"out retval long*"},

    // The financial-position figures of the root object's older method.
    {L"IWebFN_HistoricoTitulos", 7, L"ValorVencer", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 8, L"MaiorValorNumaData", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 9, L"ValorVencido", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 10, L"MaiorAtraso", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 11, L"ValorMaiorTitulo", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 12, L"ValorUltimoTitulo", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 13, L"ValorMedio", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 14, L"ValorPgtoVista", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 15, L"ValorTotal", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 16, L"ValorInadimplencia", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 17, L"ValorPedido", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 18, L"ValorLimite", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 19, L"ValorAdiantamento", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 20, L"ValorChequeDevolvidos", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 21, L"ValorChequePreDtd", get, L"out retval CURRENCY*"},
    {L"IWebFN_HistoricoTitulos", 22, L"DataMaiorValorNumaDada", get, L"out retval BSTR*"},
    {L"IWebFN_HistoricoTitulos", 23, L"PrazoMedioFaturamento", get, L"out retval unsigned short*"},
    {L"IWebFN_HistoricoTitulos", 24, L"MediaAtraso", get, L"out retval unsigned short*"},
    {L"IWebFN_HistoricoTitulos", 25, L"DataMaiorTitulo", get, L"out retval BSTR*"},
    {L"IWebFN_HistoricoTitulos", 26, L"DataUltimoTitulo", get, L"out retval BSTR*"},
    {L"IWebFN_HistoricoTitulos", 27, L"MediaTitulos", get, L"out retval unsigned short*"},
    {L"IWebFN_HistoricoTitulos", 28, L"QtdPgtoVista", get, L"out retval unsigned short*"},
    {L"IWebFN_HistoricoTitulos", 29, L"QtdTitInadimplencia", get, L"out retval unsigned short*"},
    {L"IWebFN_HistoricoTitulos", 30, L"DataLimite", get, L"out retval BSTR*"},

    // The bank-balance lines of the root object's older method, with their totals.
    {L"IWebFN_ResultadoSaldos", 7, L"Size", method, L"out retval UINT*"},
    {L"IWebFN_ResultadoSaldos", 8, L"GetItem", method, L"in UINT, out retval IWebFN_Saldo**"},
    {L"IWebFN_ResultadoSaldos", 9, L"TotalSaldoAnterior", method, L"out retval CURRENCY*"},
    {L"IWebFN_ResultadoSaldos", 10, L"TotalEntradas", method, L"out retval CURRENCY*"},
    {L"IWebFN_ResultadoSaldos", 11, L"TotalSaidas", method, L"out retval CURRENCY*"},
    {L"IWebFN_ResultadoSaldos", 12, L"TotalSaldoDisponivel", method, L"out retval CURRENCY*"},
    {L"IWebFN_ResultadoSaldos", 13, L"TotalSaldoTotal", method, L"out retval CURRENCY*"},
    {L"IWebFN_ResultadoSaldos", 14, L"TotalLimite", method, L"out retval CURRENCY*"},

    // One bank-balance line of the older result.
    {L"IWebFN_Saldo", 7, L"Codigo", get, L"out retval BSTR*"},
    {L"IWebFN_Saldo", 8, L"ContaCorrente", get, L"out retval BSTR*"},
    {L"IWebFN_Saldo", 9, L"SaldoInicial", get, L"out retval CURRENCY*"},
    {L"IWebFN_Saldo", 10, L"Entrada", get, L"out retval CURRENCY*"},
    {L"IWebFN_Saldo", 11, L"Saida", get, L"out retval CURRENCY*"},
    {L"IWebFN_Saldo", 12, L"SaldoDisponivel", get, L"out retval CURRENCY*"},
    {L"IWebFN_Saldo", 13, L"SaldoTotal", get, L"out retval CURRENCY*"},
    {L"IWebFN_Saldo", 14, L"Limite", get, L"out retval CURRENCY*"},
    {L"IWebFN_Saldo", 15, L"TextoSaldo", get, L"out retval BSTR*"},
};

constexpr coclass coclasses[] = {
    {L"TW_FN_AutorizacaoPagamento", L"ITW_FN_AutorizacaoPagamento", false},
    {L"TW_FN_ListaAutorizacoesPagamento", L"ITW_FN_ListaAutorizacoesPagamento", false},
    {L"TW_FN_FiltroFluxoCaixa", L"ITW_FN_FiltroFluxoCaixa", false},
    {L"TW_FN_FluxoCaixa", L"ITW_FN_FluxoCaixa", false},
    {L"TW_FN_RelatorioFluxoCaixa", L"ITW_FN_RelatorioFluxoCaixa", false},
    {L"WebFN_ResultadoFluxoCaixa", L"IWebFN_ResultadoFluxoCaixa", false},
    {L"TW_FN_SaldoContasBancarias", L"ITW_FN_SaldoContasBancarias", false},
    {L"TW_FN_PosicaoFinanceira", L"ITW_FN_PosicaoFinanceira", false},
    {L"TW_FN_RelatorioMovimentos", L"ITW_FN_RelatorioMovimentos", false},
    {L"QVWEB_TipoPeriodo", L"IQVWEB_TipoPeriodo", true},
    {L"QVWEB_TipoPeriodoWeb", L"IQVWEB_TipoPeriodoWeb", true},
    {L"WebFN_HistoricoTitulos", L"IWebFN_HistoricoTitulos", false},
    {L"WebFN_ResultadoSaldos", L"IWebFN_ResultadoSaldos", false},
    {L"WebFN_Saldo", L"IWebFN_Saldo", false},
};
}  // namespace

subsystem_table finance_table() { return {L"finance", interfaces, members, coclasses}; }

}  // namespace typelib_table
