#include "platform/inhouse/core/registration.h"

#include <objbase.h>

#include <stdexcept>
#include <utility>

#include "platform/com/failure.h"
#include "platform/inhouse/prova/ProvaServer.h"
#include "platform/inhouse/armazenagem/LocaisArmazenagemServer.h"
#include "platform/inhouse/armazenagem/MovimentoServer.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/cfrt/servidores_cfrt.h"
#include "platform/inhouse/login/servidor_filial.h"
#include "platform/inhouse/login/servidores_login.h"
#include "platform/inhouse/editor/EditorServer.h"
#include "platform/inhouse/historico/HistoricoServer.h"
#include "platform/inhouse/documento/DocumentoServer.h"
#include "platform/inhouse/modelos/ModelosRelatorio.h"
#include "platform/inhouse/localidades/EstadoFiscalServer.h"
#include "platform/inhouse/naturezas/NaturezasServer.h"
#include "platform/inhouse/opcomerciais/OpComerciaisServer.h"
#include "platform/inhouse/pedidos/PedidosServer.h"
#include "platform/inhouse/condicoes/CondicoesServer.h"
#include "platform/inhouse/condicoes/DocumentosPagtoServer.h"
#include "platform/inhouse/cotacoes/CotacaoFornecedorServer.h"
#include "platform/inhouse/produtos/ProdutoServer.h"
#include "platform/inhouse/relatorios/ParametrosRelatorio.h"
#include "platform/inhouse/relatorios/RelatorioComponente.h"
#include "platform/inhouse/relatorios/RelatoriosComerciais.h"
#include "platform/inhouse/xml/LeitorXml.h"
#include "platform/inhouse/localidades/servidores_localidades.h"

namespace inhouse {

namespace {

constexpr stand_in_class classes[] = {
    {&CLSID_ProvaServer, "ProvaServer", &ProvaServer::create},
    {&CLSID_SaldosContabeisServer, "SaldosContabeisServer", &SaldosContabeisServer::create},
    {&CLSID_PortadoresServer, "PortadoresServer", &PortadoresServer::create},
    {&CLSID_NotasFiscaisServer, "NotasFiscaisServer", &NotasFiscaisServer::create},
    {&CLSID_CondicoesPagamentoServer, "CondicoesPagamentoServer", &CondicoesPagamentoServer::create},
    {&CLSID_CategoriasServer, "CategoriasServer", &CategoriasServer::create},
    {&CLSID_TabelasPrecoServer, "TabelasPrecoServer", &TabelasPrecoServer::create},
    {&CLSID_AgendamentosServer, "AgendamentosServer", &AgendamentosServer::create},
    {&CLSID_EstoqueServer, "EstoqueServer", &EstoqueServer::create},
    {&CLSID_MestreServer, "MestreServer", &MestreServer::create},
    {&CLSID_RelatoriosMovimentosServer, "RelatoriosMovimentosServer", &RelatoriosMovimentosServer::create},
    {&CLSID_SaldosBancariosServer, "SaldosBancariosServer", &SaldosBancariosServer::create},
    {&CLSID_MestreComercialServer, "MestreComercialServer", &MestreComercialServer::create},
    {&CLSID_PedidosServer, "PedidosServer", &PedidosServer::create},
    {&CLSID_OrdensCompraServer, "OrdensCompraServer", &OrdensCompraServer::create},
    {&CLSID_CotacoesServer, "CotacoesServer", &CotacoesServer::create},
    {&CLSID_ComprasServer, "ComprasServer", &ComprasServer::create},
    {&CLSID_LeiautesServer, "LeiautesServer", &LeiautesServer::create},
    {&CLSID_PlanoServer, "PlanoServer", &PlanoServer::create},
    {&CLSID_PlanoGerencialServer, "PlanoGerencialServer", &PlanoServer::create_gerencial},
    {&CLSID_CFRTServer, "CFRTServer", &CFRTServer::create},
    {&CLSID_BancoServer, "BancoServer", &BancoServer::create},
    {&CLSID_EmpresaServer, "EmpresaServer", &EmpresaServer::create},
    {&CLSID_UsuarioServer, "UsuarioServer", &UsuarioServer::create},
    {&CLSID_UsuarioFilialServer, "UsuarioFilialServer", &UsuarioFilialServer::create},
    {&CLSID_MestreContabilServer, "MestreContabilServer", &MestreContabilServer::create},
    {&CLSID_LeitorXml, "LeitorXml", &LeitorXml::create},
    {&CLSID_ModelosRelatorio, "ModelosRelatorio", &ModelosRelatorio::create},
    {&CLSID_EditorServer, "EditorServer", &EditorServer::create},
    {&CLSID_RelatorioComponente, "RelatorioComponente", &RelatorioComponente::create},
    {&CLSID_ParametrosRelatorio, "ParametrosRelatorio", &ParametrosRelatorio::create},
    {&CLSID_RelatoriosComerciais, "RelatoriosComerciais", &RelatoriosComerciais::create},
    {&CLSID_FilialServer, "FilialServer", &FilialServer::create},
    {&CLSID_NaturezasServer, "NaturezasServer", &NaturezasServer::create},
    {&CLSID_OpComerciaisServer, "OpComerciaisServer", &OpComerciaisServer::create},
    {&CLSID_HistoricoServer, "HistoricoServer", &HistoricoServer::create},
    {&CLSID_DocumentoServer, "DocumentoServer", &DocumentoServer::create},
    {&CLSID_EstadoServer, "EstadoServer", &EstadoServer::create},
    {&CLSID_MunicipioServer, "MunicipioServer", &MunicipioServer::create},
    {&CLSID_ProdutoServer, "ProdutoServer", &ProdutoServer::create},
    {&CLSID_ServicoServer, "ServicoServer", &ProdutoServer::create_servicos},
    {&CLSID_EstadoFiscalServer, "EstadoFiscalServer", &EstadoFiscalServer::create},
    {&CLSID_CondicoesServer, "CondicoesServer", &CondicoesServer::create},
    {&CLSID_FormasPagamentoServer, "FormasPagamentoServer", &DocumentosPagtoServer::create_formas},
    {&CLSID_TiposCobrancaServer, "TiposCobrancaServer", &DocumentosPagtoServer::create_cobrancas},
    {&CLSID_LocaisArmazenagemServer, "LocaisArmazenagemServer", &LocaisArmazenagemServer::create},
    {&CLSID_MovimentoServer, "MovimentoServer", &MovimentoServer::create},
    {&CLSID_CotacaoFornecedorServer, "CotacaoFornecedorServer", &CotacaoFornecedorServer::create},
};

}  // namespace

std::span<const stand_in_class> stand_in_classes() { return classes; }

stand_in_registration::stand_in_registration(stand_in_registration&& other) noexcept
    : m_entries(std::move(other.m_entries)) {
    other.m_entries.clear();
}

stand_in_registration& stand_in_registration::operator=(stand_in_registration&& other) noexcept {
    if (this != &other) {
        revoke();
        m_entries = std::move(other.m_entries);
        other.m_entries.clear();
    }
    return *this;
}

stand_in_factory& stand_in_registration::factory(REFCLSID clsid) const {
    for (const auto& e : m_entries)
        if (IsEqualCLSID(e.factory->clsid(), clsid)) return *e.factory.get();
    throw std::out_of_range("stand-in class not registered: " + guid_text(clsid));
}

void stand_in_registration::revoke() noexcept {
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
        if (it->cookie) CoRevokeClassObject(it->cookie);
    m_entries.clear();
}

stand_in_registration register_stand_ins(store& data) {
    stand_in_registration registration;
    registration.m_entries.reserve(std::size(classes));
    for (const auto& c : classes) {
        stand_in_registration::entry e;
        e.factory = com::make<stand_in_factory>(*c.clsid, c.name, c.create, data);
        com::check(CoRegisterClassObject(*c.clsid, static_cast<IClassFactory*>(e.factory.get()),
                                         CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &e.cookie),
                   std::string("Erro ao registrar o servidor de dados ") + c.name + ".");
        registration.m_entries.push_back(std::move(e));
    }
    return registration;
}

}  // namespace inhouse
