#pragma once
// Class and interface ids of the stand-ins for the maker's data servers: {D7A3Ennn-...}.
// One place, shared by the server (which creates them) and the stand-ins (which register them).
#include <windows.h>

namespace inhouse {

constexpr GUID inhouse_guid(unsigned short n) {
    return GUID{0xD7A3E000u | n, 0x4C1E, 0x4F5A, {0x8B, 0x2D, 0x5A, 0x0C, 0x3E, 0x9F, 0x10, 0x00}};
}

// Company server: the list of companies of the installation (login).
inline constexpr GUID CLSID_EmpresaServer = inhouse_guid(0x001);
// 0x002-0x07F: the other servers of the login; their interface ids are 0x80 higher (0x081 ...),
// declared in inhouse.idl (__uuidof reaches them).
inline constexpr GUID CLSID_UsuarioServer = inhouse_guid(0x002);          // IQVUsuarios
inline constexpr GUID CLSID_UsuarioFilialServer = inhouse_guid(0x003);    // IQVUsuarioFilial
inline constexpr GUID CLSID_FilialServer = inhouse_guid(0x004);           // IQVCN_Filial

// 0xE00-0xEFF: the framework's own.
// The proving stand-in (its interface IProvaServer, D7A3EE01, is declared in inhouse.idl).
inline constexpr GUID CLSID_ProvaServer = inhouse_guid(0xE00);
// The six classes of the server factory QVCriaServidor (kinds 0 to 5) and the interface each
// holder asks for. No data server of ours implements them yet.
template <int tipo>
    requires(tipo >= 0 && tipo <= 5)
inline constexpr GUID CLSID_QVServidor = inhouse_guid(0xE10 + tipo);
template <int tipo>
    requires(tipo >= 0 && tipo <= 5)
inline constexpr GUID IID_IQVServidor = inhouse_guid(0xE20 + tipo);

// 0x100-0x1FF: the data servers of the process-wide cache and of the customer/supplier accessor.
// Their interface ids are 0x80 higher (0x181 ...), declared in inhouse.idl (__uuidof reaches them).
inline constexpr GUID CLSID_SaldosContabeisServer = inhouse_guid(0x101);      // cache slot 0
inline constexpr GUID CLSID_MestreContabilServer = inhouse_guid(0x102);       // cache slot 1
inline constexpr GUID CLSID_PortadoresServer = inhouse_guid(0x103);           // cache slot 3
inline constexpr GUID CLSID_NotasFiscaisServer = inhouse_guid(0x104);         // cache slot 4
inline constexpr GUID CLSID_CondicoesPagamentoServer = inhouse_guid(0x105);   // cache slot 6
inline constexpr GUID CLSID_CategoriasServer = inhouse_guid(0x106);           // cache slot 7
inline constexpr GUID CLSID_TabelasPrecoServer = inhouse_guid(0x107);         // cache slot 8
inline constexpr GUID CLSID_AgendamentosServer = inhouse_guid(0x108);         // cache slot 9
inline constexpr GUID CLSID_EstoqueServer = inhouse_guid(0x109);              // cache slot 11
inline constexpr GUID CLSID_MestreServer = inhouse_guid(0x10A);               // cache slot 12
inline constexpr GUID CLSID_RelatoriosMovimentosServer = inhouse_guid(0x10B); // cache slot 13
inline constexpr GUID CLSID_SaldosBancariosServer = inhouse_guid(0x10C);      // cache slot 14
inline constexpr GUID CLSID_MestreComercialServer = inhouse_guid(0x10D);      // cache slot 16
inline constexpr GUID CLSID_PedidosServer = inhouse_guid(0x10E);              // cache slot 17
inline constexpr GUID CLSID_OrdensCompraServer = inhouse_guid(0x10F);         // cache slot 18
inline constexpr GUID CLSID_CotacoesServer = inhouse_guid(0x110);             // cache slot 19
inline constexpr GUID CLSID_ComprasServer = inhouse_guid(0x111);              // cache slot 20
inline constexpr GUID CLSID_LeiautesServer = inhouse_guid(0x112);             // cache slot 21
// The chart server (IQVDF_Plano): the CFRT chart and the accounts of the session data cache.
inline constexpr GUID CLSID_PlanoServer = inhouse_guid(0x113);
// The CFRT register server (IQVDF_CFRT).
inline constexpr GUID CLSID_CFRTServer = inhouse_guid(0x114);
// Bank accounts and bearers of the session data cache (IQVFN_Banco).
inline constexpr GUID CLSID_BancoServer = inhouse_guid(0x115);
// The managerial chart's server (IQVDF_Plano over the managerial chart).
inline constexpr GUID CLSID_PlanoGerencialServer = inhouse_guid(0x116);
// The state and municipality servers (IQVEstados, IQVMunicipios).
inline constexpr GUID CLSID_EstadoServer = inhouse_guid(0x130);
inline constexpr GUID CLSID_MunicipioServer = inhouse_guid(0x131);
// The state server of the invoice tax calculation (IQVDF_Estado, 0x1B2): states by text or code
// and the ICMS rates of a state for a branch.
inline constexpr GUID CLSID_EstadoFiscalServer = inhouse_guid(0x132);

// The XML reader component (IQVXmlLeitor, 0x2B0; its handler and attributes 0x2B1, 0x2B2).
inline constexpr GUID CLSID_LeitorXml = inhouse_guid(0x230);
// The report-model component (IQVModelosRelatorio, 0x2C0): the models of a module's component.
inline constexpr GUID CLSID_ModelosRelatorio = inhouse_guid(0x240);
// 0x200-0x2FF: the maker's other components. Interface ids 0x80 higher, declared in each
// family's IDL.
// The editor server (IQVSEditor): a company's text files of a module.
inline constexpr GUID CLSID_EditorServer = inhouse_guid(0x210);
// 0x250: the report component, which hands a report server's file back (IQVRelatorio, 0x2D0).
inline constexpr GUID CLSID_RelatorioComponente = inhouse_guid(0x250);
// 0x258: the report-parameters component (IQVParametrosRelatorio, 0x2D8).
inline constexpr GUID CLSID_ParametrosRelatorio = inhouse_guid(0x258);
// 0x259: the commercial report server (IQVRelatoriosComerciais, 0x2D9).
inline constexpr GUID CLSID_RelatoriosComerciais = inhouse_guid(0x259);
// The operation natures server (IQVDF_Naturezas): the company's CFOP natures.
inline constexpr GUID CLSID_NaturezasServer = inhouse_guid(0x260);
// The commercial operations server (IQVDF_OperacoesComerciais, 0x2E8).
inline constexpr GUID CLSID_OpComerciaisServer = inhouse_guid(0x268);
// The standard-history server (IQVCN_Historico, 0x2A0).
inline constexpr GUID CLSID_HistoricoServer = inhouse_guid(0x220);
// The document register's server (IQVDF_CadastroDocumento, 0x2A8).
inline constexpr GUID CLSID_DocumentoServer = inhouse_guid(0x228);
// The product server (IQVDF_Produto, 0x2EA): products, price tables, units, grids and services;
// the services connection's server answers the same interface with the service count.
inline constexpr GUID CLSID_ProdutoServer = inhouse_guid(0x26A);
inline constexpr GUID CLSID_ServicoServer = inhouse_guid(0x26B);
// The payment-condition server (IQVDF_Materiais, 0x2FC) and the payment-document server
// (IQVDF_Documento, 0x2FD), one class for both kinds: payment forms and billing types.
inline constexpr GUID CLSID_CondicoesServer = inhouse_guid(0x27C);
inline constexpr GUID CLSID_FormasPagamentoServer = inhouse_guid(0x27D);
inline constexpr GUID CLSID_TiposCobrancaServer = inhouse_guid(0x27E);
// The storage-places server (IQVES_LocaisArmazenagem, 0x2FA): the company's stock storage places.
inline constexpr GUID CLSID_LocaisArmazenagemServer = inhouse_guid(0x27A);
// The stock-movement server (IQVES_Movimento, 0x2FB): a product's balances per storage place.
inline constexpr GUID CLSID_MovimentoServer = inhouse_guid(0x27B);
// The quotation server of the suppliers' answers (IQVCP_CotacaoFornecedor, 0x310).
inline constexpr GUID CLSID_CotacaoFornecedorServer = inhouse_guid(0x290);

}  // namespace inhouse
