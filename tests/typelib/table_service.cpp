// Service attendance and documents: attendances with their services, expenses and sessions, the
// older attendance classes, service lists, the service report and the document-store search.
#include "tests/typelib/member_table.h"

namespace typelib_table {
namespace {
using enum kind;

constexpr itf interfaces[] = {
    {L"ITW_GE_Atendimento", L"IDispatch", true},
    {L"IWebGE_ConexaoAtTec", L"IDispatch", true},
    {L"IWebGE_ResultadoBuscaAtTec", L"IDispatch", true},
    {L"IWebGE_AtTec", L"IDispatch", true},
    {L"IWebGE_ServicoAtTec", L"IDispatch", true},
    {L"IWebGE_DespesaAtTec", L"IDispatch", true},
    {L"ITW_GE_ListaEquipamentos", L"IDispatch", true},
    {L"ITW_GE_ListaAssistencias", L"IDispatch", true},
    {L"ITW_GE_ListaMarcas", L"IDispatch", true},
    {L"ITW_GE_ListaModelos", L"IDispatch", true},
    {L"ITW_GE_ListaSituacoes", L"IDispatch", true},
    {L"ITW_GE_ListaTipos", L"IDispatch", true},
    {L"ITW_GE_RelatorioAtendimento", L"ITW_Relatorio", true},
    {L"IWebGD_ResultadoBuscaRapida", L"IDispatch", true},
    {L"IWebGD_Doc", L"IDispatch", true},
    {L"IWebGD_TipDoc", L"IDispatch", true},
};

// The service report lists only its own members: SetModelo, SetTipo and GeraRelatorio (slots 7
// to 9) belong to ITW_Relatorio.
constexpr member members[] = {
    // A service attendance read and edited in memory, saved as a whole.
    {L"ITW_GE_Atendimento", 7, L"BuscaPonteiros", method, L"out retval " INT_PTR_T L"*"},
    {L"ITW_GE_Atendimento", 8, L"LePosicao", method, L"in " INT_PTR_T},
    {L"ITW_GE_Atendimento", 9, L"GetNumero", method, L"out retval unsigned long*"},
    {L"ITW_GE_Atendimento", 10, L"GetDataEmissao", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 11, L"GetDataFaturamento", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 12, L"GetDataVencimento", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 13, L"QtdeServicos", method, L"in " INT_PTR_T L", out retval " INT_PTR_T L"*"},
    {L"ITW_GE_Atendimento", 14, L"GetServico", method, L"in " INT_PTR_T},
    {L"ITW_GE_Atendimento", 15, L"LeAtendimento", method, L"in " INT_PTR_T L", out retval BOOL*"},
    {L"ITW_GE_Atendimento", 16, L"GetCodCliente", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 17, L"GetNomeCliente", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 18, L"GetCodFilial", method, L"out retval unsigned short*"},
    {L"ITW_GE_Atendimento", 19, L"GetNomeFilial", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 20, L"GetCodServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 21, L"GetNomeServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 22, L"GetSituacaoServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 23, L"GetPonteiroExecutorServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 24, L"GetValorServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 25, L"GetCodTabPrecosServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 26, L"GetNomeTabPrecosServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 27, L"GetDescricaoServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 28, L"GetDataSaidaServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 29, L"GetComentarioServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 30, L"GetTotalHorasServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 31, L"GetDataRetornoServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 32, L"QtdeDespesas", method, L"in " INT_PTR_T L", out retval " INT_PTR_T L"*"},
    {L"ITW_GE_Atendimento", 33, L"GetDespesa", method, L"in " INT_PTR_T},
    {L"ITW_GE_Atendimento", 34, L"GetCodDespesa", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 35, L"GetDescricaoDespesa", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 36, L"GetValorDespesa", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 37, L"GetComentarioDespesa", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 38, L"SetDadosDespesa", method, L"in BSTR*, in BSTR*, in BSTR*"},
    {L"ITW_GE_Atendimento", 39, L"SetDadosServico", method, L"in BSTR*, in BSTR*, in BSTR*, in BSTR*, in BSTR*, in BSTR*, in BSTR*, in BSTR*, in BSTR*, in BSTR*, in long, in " INT_PTR_T},
    {L"ITW_GE_Atendimento", 40, L"GetApelidoExecutorServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 41, L"SetDados", method, L"in BSTR*, in BSTR*, in BSTR*, in BSTR*, in BSTR*, in BSTR*, in long"},
    {L"ITW_GE_Atendimento", 42, L"QtdeAtendimentos", method, L"out retval " INT_PTR_T L"*"},
    {L"ITW_GE_Atendimento", 43, L"GetProximoNumero", method, L"out retval unsigned long*"},
    {L"ITW_GE_Atendimento", 44, L"QtdeSessoes", method, L"out retval " INT_PTR_T L"*"},
    {L"ITW_GE_Atendimento", 45, L"GetHoraInicialSessao", method, L"in " INT_PTR_T L", out retval BSTR*"},
    {L"ITW_GE_Atendimento", 46, L"GetHoraFinalSessao", method, L"in " INT_PTR_T L", out retval BSTR*"},
    {L"ITW_GE_Atendimento", 47, L"SetHoraInicialSessao", method, L"in " INT_PTR_T L", in BSTR*"},
    {L"ITW_GE_Atendimento", 48, L"SetHoraFinalSessao", method, L"in " INT_PTR_T L", in BSTR*"},
    {L"ITW_GE_Atendimento", 49, L"AdicionaSessao", method, L"in BSTR*, in BSTR*"},
    {L"ITW_GE_Atendimento", 50, L"RemoveSessao", method, L"in " INT_PTR_T},
    {L"ITW_GE_Atendimento", 51, L"LimpaAtendimentoAtual", method, L""},
    {L"ITW_GE_Atendimento", 52, L"AtualizaTotalHoras", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 53, L"LimpaServicoAtual", method, L""},
    {L"ITW_GE_Atendimento", 54, L"LimpaDespesaAtual", method, L""},
    {L"ITW_GE_Atendimento", 55, L"AtualizaSessoes", method, L""},
    {L"ITW_GE_Atendimento", 56, L"GetUnidadeServico", method, L"out retval BSTR*"},
    {L"ITW_GE_Atendimento", 57, L"GetQtdeCasasDecimais", method, L"out retval " INT_PTR_T L"*"},
    {L"ITW_GE_Atendimento", 58, L"PossuiFormatoHorario", method, L"out retval BOOL*"},
    {L"ITW_GE_Atendimento", 59, L"SetOrdenacaoPrincipal", method, L"in unsigned short"},
    {L"ITW_GE_Atendimento", 60, L"SetOrdenacaoServicos", method, L"in unsigned short"},
    {L"ITW_GE_Atendimento", 61, L"SetOrdenacaoDespesas", method, L"in unsigned short"},
    {L"ITW_GE_Atendimento", 62, L"SetFiltrarPorExecutor", method, L"in BOOL"},
    {L"ITW_GE_Atendimento", 63, L"ExecutadoPorOutrem", method, L"out retval BOOL*"},
    {L"ITW_GE_Atendimento", 64, L"CalculaValorTotalServico", method, L"in BSTR, in BSTR, out retval BSTR*"},
    {L"ITW_GE_Atendimento", 65, L"GetValorUnitarioServico", method, L"out retval BSTR*"},

    // The older attendance connection: search, save, numbering and printing.
    {L"IWebGE_ConexaoAtTec", 7, L"BuscaAtendimentos", method, L"in IQVHashTable*, out retval IWebGE_ResultadoBuscaAtTec**"},
    {L"IWebGE_ConexaoAtTec", 8, L"GravaAtendimento", method, L"in IWebGE_AtTec*"},
    {L"IWebGE_ConexaoAtTec", 9, L"GetQtdModelos", method, L"out retval int*"},
    {L"IWebGE_ConexaoAtTec", 10, L"GetModelo", method, L"in int, out retval BSTR*"},
    {L"IWebGE_ConexaoAtTec", 11, L"GerarRTF", method, L"in IWebGE_AtTec*, in BSTR, in BSTR"},
    {L"IWebGE_ConexaoAtTec", 12, L"AlterarNumeroAtendimento", get, L"out retval BOOL*"},
    {L"IWebGE_ConexaoAtTec", 13, L"ProximoNumero", get, L"out retval unsigned long*"},
    {L"IWebGE_ConexaoAtTec", 14, L"SugerirNumero", get, L"out retval BOOL*"},
    {L"IWebGE_ConexaoAtTec", 15, L"SetDadosTabPrincipal", method, L"in unsigned long, in unsigned long, in unsigned long, in BSTR, in BSTR"},

    // The attendances found by the older connection.
    {L"IWebGE_ResultadoBuscaAtTec", 7, L"Size", get, L"out retval unsigned short*"},
    {L"IWebGE_ResultadoBuscaAtTec", 8, L"GetItem", method, L"in unsigned short, out retval IWebGE_AtTec**"},
    {L"IWebGE_ResultadoBuscaAtTec", 9, L"GetNumero", method, L"in unsigned short, out retval unsigned long*"},
    {L"IWebGE_ResultadoBuscaAtTec", 10, L"GetDataEmissao", method, L"in unsigned short, out retval BSTR*"},
    {L"IWebGE_ResultadoBuscaAtTec", 11, L"GetDataFaturamento", method, L"in unsigned short, out retval BSTR*"},
    {L"IWebGE_ResultadoBuscaAtTec", 12, L"GetDataVencimento", method, L"in unsigned short, out retval BSTR*"},
    {L"IWebGE_ResultadoBuscaAtTec", 13, L"GetFilial", method, L"in unsigned short, out retval unsigned long*"},
    {L"IWebGE_ResultadoBuscaAtTec", 14, L"GetCliente", method, L"in unsigned short, out retval unsigned long*"},

    // One raw attendance record with its service and expense lines.
    {L"IWebGE_AtTec", 7, L"Filial", get, L"out retval unsigned long*"},
    {L"IWebGE_AtTec", 8, L"Filial", put, L"in unsigned long"},
    {L"IWebGE_AtTec", 9, L"NrAtendimento", get, L"out retval unsigned long*"},
    {L"IWebGE_AtTec", 10, L"NrAtendimento", put, L"in unsigned long"},
    {L"IWebGE_AtTec", 11, L"DataEmissao", get, L"out retval BSTR*"},
    {L"IWebGE_AtTec", 12, L"DataFaturamento", get, L"out retval BSTR*"},
    {L"IWebGE_AtTec", 13, L"DataFaturamento", put, L"in BSTR"},
    {L"IWebGE_AtTec", 14, L"DataVencimento", get, L"out retval BSTR*"},
    {L"IWebGE_AtTec", 15, L"DataVencimento", put, L"in BSTR"},
    {L"IWebGE_AtTec", 16, L"Cliente", get, L"out retval unsigned long*"},
    {L"IWebGE_AtTec", 17, L"Cliente", put, L"in unsigned long"},
    {L"IWebGE_AtTec", 18, L"SizeServicos", get, L"out retval unsigned short*"},
    {L"IWebGE_AtTec", 19, L"GetServico", method, L"in unsigned short, out retval IWebGE_ServicoAtTec**"},
    {L"IWebGE_AtTec", 20, L"SetServico", method, L"in unsigned short, in IWebGE_ServicoAtTec*"},
    {L"IWebGE_AtTec", 21, L"AdicionaServico", method, L"in IWebGE_ServicoAtTec*"},
    {L"IWebGE_AtTec", 22, L"RemoveServico", method, L"in unsigned short"},
    {L"IWebGE_AtTec", 23, L"SizeDespesas", get, L"out retval unsigned short*"},
    {L"IWebGE_AtTec", 24, L"GetDespesa", method, L"in unsigned short, out retval IWebGE_DespesaAtTec**"},
    {L"IWebGE_AtTec", 25, L"SetDespesa", method, L"in unsigned short, in IWebGE_DespesaAtTec*"},
    {L"IWebGE_AtTec", 26, L"AdicionaDespesa", method, L"in IWebGE_DespesaAtTec*"},

    // One raw service line with its work sessions.
    {L"IWebGE_ServicoAtTec", 7, L"Executor", get, L"out retval unsigned long*"},
    {L"IWebGE_ServicoAtTec", 8, L"Executor", put, L"in unsigned long"},
    {L"IWebGE_ServicoAtTec", 9, L"Servico", get, L"out retval unsigned long*"},
    {L"IWebGE_ServicoAtTec", 10, L"Servico", put, L"in unsigned long"},
    {L"IWebGE_ServicoAtTec", 11, L"TabelaDePreco", get, L"out retval unsigned long*"},
    {L"IWebGE_ServicoAtTec", 12, L"TabelaDePreco", put, L"in unsigned long"},
    {L"IWebGE_ServicoAtTec", 13, L"DataSaida", get, L"out retval BSTR*"},
    {L"IWebGE_ServicoAtTec", 14, L"DataSaida", put, L"in BSTR"},
    {L"IWebGE_ServicoAtTec", 15, L"DataRetorno", get, L"out retval BSTR*"},
    {L"IWebGE_ServicoAtTec", 16, L"DataRetorno", put, L"in BSTR"},
    {L"IWebGE_ServicoAtTec", 17, L"Quantidade", get, L"out retval BSTR*"},
    {L"IWebGE_ServicoAtTec", 18, L"Quantidade", put, L"in BSTR"},
    {L"IWebGE_ServicoAtTec", 19, L"ValorUnitario", get, L"out retval BSTR*"},
    {L"IWebGE_ServicoAtTec", 20, L"ValorUnitario", put, L"in BSTR"},
    {L"IWebGE_ServicoAtTec", 21, L"Descricao", get, L"out retval BSTR*"},
    {L"IWebGE_ServicoAtTec", 22, L"Descricao", put, L"in BSTR"},
    {L"IWebGE_ServicoAtTec", 23, L"Comentario", get, L"out retval BSTR*"},
    {L"IWebGE_ServicoAtTec", 24, L"Comentario", put, L"in BSTR"},
    {L"IWebGE_ServicoAtTec", 25, L"Realizado", get, L"out retval VARIANT_BOOL*"},
    {L"IWebGE_ServicoAtTec", 26, L"Realizado", put, L"in VARIANT_BOOL"},
    {L"IWebGE_ServicoAtTec", 27, L"SizeSessoes", get, L"out retval unsigned short*"},
    {L"IWebGE_ServicoAtTec", 28, L"GetSessaoHoraInicial", method, L"in unsigned short, out retval unsigned short*"},
    {L"IWebGE_ServicoAtTec", 29, L"GetSessaoHoraFinal", method, L"in unsigned short, out retval unsigned short*"},
    {L"IWebGE_ServicoAtTec", 30, L"SetSessaoHoraInicial", method, L"in unsigned short, in unsigned short"},
    {L"IWebGE_ServicoAtTec", 31, L"SetSessaoHoraFinal", method, L"in unsigned short, in unsigned short"},
    {L"IWebGE_ServicoAtTec", 32, L"AdicionaSessao", method, L"in unsigned short, in unsigned short"},
    {L"IWebGE_ServicoAtTec", 33, L"RemoveSessao", method, L"in unsigned short"},

    // One raw expense line.
    {L"IWebGE_DespesaAtTec", 7, L"Descricao", get, L"out retval BSTR*"},
    {L"IWebGE_DespesaAtTec", 8, L"Descricao", put, L"in BSTR"},
    {L"IWebGE_DespesaAtTec", 9, L"Comentario", get, L"out retval BSTR*"},
    {L"IWebGE_DespesaAtTec", 10, L"Comentario", put, L"in BSTR"},
    {L"IWebGE_DespesaAtTec", 11, L"Valor", get, L"out retval BSTR*"},
    {L"IWebGE_DespesaAtTec", 12, L"Valor", put, L"in BSTR"},

    // The company's equipment.
    {L"ITW_GE_ListaEquipamentos", 7, L"BuscaPonteiros", method, L"out retval " INT_PTR_T L"*"},
    {L"ITW_GE_ListaEquipamentos", 8, L"LePosicao", method, L"in " INT_PTR_T},
    {L"ITW_GE_ListaEquipamentos", 9, L"GetCodigo", method, L"out retval BSTR*"},
    {L"ITW_GE_ListaEquipamentos", 10, L"GetNome", method, L"out retval BSTR*"},
    {L"ITW_GE_ListaEquipamentos", 11, L"GetTipo", method, L"out retval BSTR*"},
    {L"ITW_GE_ListaEquipamentos", 12, L"GetCodigoMarca", method, L"out retval BSTR*"},
    {L"ITW_GE_ListaEquipamentos", 13, L"GetCodigoModelo", method, L"out retval BSTR*"},
    {L"ITW_GE_ListaEquipamentos", 14, L"GetCodigoTipo", method, L"out retval BSTR*"},

    // Technical assistances (no data yet).
    {L"ITW_GE_ListaAssistencias", 7, L"BuscaPonteiros", method, L"out retval " INT_PTR_T L"*"},
    {L"ITW_GE_ListaAssistencias", 8, L"LePosicao", method, L"in " INT_PTR_T},
    {L"ITW_GE_ListaAssistencias", 9, L"GetNumero", method, L"out retval unsigned long*"},
    {L"ITW_GE_ListaAssistencias", 10, L"GetDataAbertura", method, L"out retval BSTR*"},
    {L"ITW_GE_ListaAssistencias", 11, L"GetNomeCliente", method, L"out retval BSTR*"},

    // Equipment brands (no data yet).
    {L"ITW_GE_ListaMarcas", 7, L"BuscaPonteiros", method, L"out retval " INT_PTR_T L"*"},
    {L"ITW_GE_ListaMarcas", 8, L"LePosicao", method, L"in " INT_PTR_T},
    {L"ITW_GE_ListaMarcas", 9, L"GetCodigo", method, L"out retval BSTR*"},
    {L"ITW_GE_ListaMarcas", 10, L"GetNome", method, L"out retval BSTR*"},

    // Equipment models (no data yet).
    {L"ITW_GE_ListaModelos", 7, L"BuscaPonteiros", method, L"out retval " INT_PTR_T L"*"},
    {L"ITW_GE_ListaModelos", 8, L"LePosicao", method, L"in " INT_PTR_T},
    {L"ITW_GE_ListaModelos", 9, L"GetCodigo", method, L"out retval BSTR*"},
    {L"ITW_GE_ListaModelos", 10, L"GetNome", method, L"out retval BSTR*"},

    // Attendance situations (no data yet).
    {L"ITW_GE_ListaSituacoes", 7, L"BuscaPonteiros", method, L"out retval " INT_PTR_T L"*"},
    {L"ITW_GE_ListaSituacoes", 8, L"LePosicao", method, L"in " INT_PTR_T},
    {L"ITW_GE_ListaSituacoes", 9, L"GetCodigo", method, L"out retval BSTR*"},
    {L"ITW_GE_ListaSituacoes", 10, L"GetNome", method, L"out retval BSTR*"},

    // Equipment types (no data yet).
    {L"ITW_GE_ListaTipos", 7, L"BuscaPonteiros", method, L"out retval " INT_PTR_T L"*"},
    {L"ITW_GE_ListaTipos", 8, L"LePosicao", method, L"in " INT_PTR_T},
    {L"ITW_GE_ListaTipos", 9, L"GetCodigo", method, L"out retval BSTR*"},
    {L"ITW_GE_ListaTipos", 10, L"GetNome", method, L"out retval BSTR*"},

    // Service report: the attendance and the report layouts.
    {L"ITW_GE_RelatorioAtendimento", 10, L"SetAtendimentoTecnico", method, L"in unsigned short"},
    {L"ITW_GE_RelatorioAtendimento", 11, L"GetQtdModelos", method, L"out retval long*"},
    {L"ITW_GE_RelatorioAtendimento", 12, L"GetModelo", method, L"in unsigned short, out retval BSTR*"},

    // The documents and query words of a document-store search; the member ids are fixed.
    {L"IWebGD_ResultadoBuscaRapida", 7, L"Size", get, L"out retval unsigned int*", 1},
    {L"IWebGD_ResultadoBuscaRapida", 8, L"GetItem", method, L"in unsigned int, out retval IWebGD_Doc**", 2},
    {L"IWebGD_ResultadoBuscaRapida", 9, L"TokenCount", get, L"out retval unsigned int*", 3},
    {L"IWebGD_ResultadoBuscaRapida", 10, L"GetToken", method, L"in unsigned int, out retval BSTR*", 4},

    // One stored document and the copy of its file; the member ids are fixed.
    {L"IWebGD_Doc", 7, L"Posicao", get, L"out retval unsigned long*", 1},
    {L"IWebGD_Doc", 8, L"TipoDocumento", get, L"out retval IWebGD_TipDoc**", 2},
    {L"IWebGD_Doc", 9, L"OriginalFileName", get, L"out retval BSTR*", 3},
    {L"IWebGD_Doc", 10, L"OriginalFileExtension", get, L"out retval BSTR*", 4},
    {L"IWebGD_Doc", 11, L"Versao", get, L"out retval unsigned int*", 5},
    {L"IWebGD_Doc", 12, L"Descricao", get, L"out retval BSTR*", 6},
    {L"IWebGD_Doc", 13, L"DataEmissao", get, L"out retval BSTR*", 7},
    {L"IWebGD_Doc", 14, L"Campos", get, L"out retval BSTR*", 8},
    {L"IWebGD_Doc", 15, L"TransferFileToTmp", method, L"in BSTR, out retval BSTR*", 9},

    // A document type; the member ids are fixed.
    {L"IWebGD_TipDoc", 7, L"Posicao", get, L"out retval unsigned long*", 1},
    {L"IWebGD_TipDoc", 8, L"Nome", get, L"out retval BSTR*", 2},
};

constexpr coclass coclasses[] = {
    {L"TW_GE_Atendimento", L"ITW_GE_Atendimento", false},
    {L"WebGE_ConexaoAtTec", L"IWebGE_ConexaoAtTec", false},
    {L"WebGE_ResultadoBuscaAtTec", L"IWebGE_ResultadoBuscaAtTec", false},
    {L"WebGE_AtTec", L"IWebGE_AtTec", true},
    {L"WebGE_ServicoAtTec", L"IWebGE_ServicoAtTec", true},
    {L"WebGE_DespesaAtTec", L"IWebGE_DespesaAtTec", true},
    {L"TW_GE_ListaEquipamentos", L"ITW_GE_ListaEquipamentos", false},
    {L"TW_GE_ListaAssistencias", L"ITW_GE_ListaAssistencias", false},
    {L"TW_GE_ListaMarcas", L"ITW_GE_ListaMarcas", false},
    {L"TW_GE_ListaModelos", L"ITW_GE_ListaModelos", false},
    {L"TW_GE_ListaSituacoes", L"ITW_GE_ListaSituacoes", false},
    {L"TW_GE_ListaTipos", L"ITW_GE_ListaTipos", false},
    {L"TW_GE_RelatorioAtendimento", L"ITW_GE_RelatorioAtendimento", false},
    {L"WebGD_ResultadoBuscaRapida", L"IWebGD_ResultadoBuscaRapida", false},
    {L"WebGD_Doc", L"IWebGD_Doc", false},
    {L"WebGD_TipDoc", L"IWebGD_TipDoc", false},
};
}  // namespace

subsystem_table service_table() { return {L"service", interfaces, members, coclasses}; }

}  // namespace typelib_table
