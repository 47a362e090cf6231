#include "sales/relatorios_vendas.h"

#include <cstring>

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/CConexaoCliente.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/cache/registros_relatorios.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/pedidos/registros_pedidos.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/cfrt/relatorio_plano.h"
#include "sales/messages.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"

namespace sales {

namespace {

constexpr size_t offset_mestre_326 = 326;
constexpr int opcao_cliente = 0;
constexpr uint16_t com_representante = 1;
constexpr char constante_113 = 'N';
constexpr uint8_t constante_134 = 5;

template <class Itf>
com::com_ptr<Itf> servidor(com::com_ptr<Itf> s, const char* texto) {
    if (!s) com::fail(texto, E_FAIL);
    return s;
}

// The server reads the report file's name from the request; an empty file is there first, as the
// servers that only append expect.
void cria_arquivo_vazio(const server::arquivo_temporario& arquivo) {
    inhouse::grava_arquivo(com::to_wide(arquivo.caminho()), "");
}

}  // namespace

// Sales of a period.

HRESULT CTW_FT_RelatorioVendas::SetDataInicial(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataInicial(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_RelatorioVendas::SetDataFinal(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataFinal(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_RelatorioVendas::SetCliente(BSTR bsCliente) noexcept try {
    QVCFRT cliente{};
    return server::CPoolConexoes::GetInstancia()->GetConexaoCliente()->Existe(com::from_bstr(bsCliente).c_str(),
                                                                              &m_lCliente, &cliente, opcao_cliente) == 1
               ? S_OK
               : S_FALSE;
} catch (...) {
    return report();
}

HRESULT CTW_FT_RelatorioVendas::SetFilial(BSTR bsFilial) noexcept try {
    return relatorio_vendas_base::SetFilial(bsFilial) ? S_OK : S_FALSE;
} catch (...) {
    return report();
}

server::arquivo_temporario CTW_FT_RelatorioVendas::GravaRelatorio() {
    server::arquivo_temporario arquivo(NomeTemporario("NTF"));
    inhouse::REQ_RELATORIO_VENDAS pedido{};
    inhouse::poe_campo(pedido.arquivo, arquivo.caminho());
    inhouse::poe_campo(pedido.razao_social, server::CSessaoGlobal::GetInstancia()->GetRazaoSocial());
    inhouse::poe_campo(pedido.modelo, Modelo());
    pedido.cliente = static_cast<uint32_t>(m_lCliente);
    pedido.data_inicial = m_usDataInicial;
    pedido.data_final = m_usDataFinal;
    pedido.filial = static_cast<uint16_t>(m_lFilial);
    auto notas = servidor(server::CCacheServidores::GetInstancia()->GetServidorNotasFiscais(), msg::gerar_relatorio);
    VerificaRelatorio(notas->RelatorioVendas(inhouse::como_bloco<QV_RELATORIO_VENDAS_912>(pedido)), msg::gerar_relatorio);
    return arquivo;
}

// The order list.

HRESULT CTW_FT_RelatorioRelacaoPedidos::SetDataInicial(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataInicial(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_RelatorioRelacaoPedidos::SetDataFinal(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataFinal(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_RelatorioRelacaoPedidos::SetCodigoCliente(BSTR bsCliente) noexcept try {
    m_sCliente = com::from_bstr(bsCliente);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_RelatorioRelacaoPedidos::SetPosicaoRepresentante(ULONG ulPosRepresentante) noexcept {
    m_ulRepresentante = ulPosRepresentante;
    return S_OK;
}

server::arquivo_temporario CTW_FT_RelatorioRelacaoPedidos::GravaRelatorio() {
    auto* cache = server::CCacheServidores::GetInstancia();
    auto mestre = servidor(cache->GetServidorMestreComercial(), msg::ler_mestre_comercial);
    QV_PARAMETROS_472 parametros{};
    if (HRESULT hr = mestre->LeParametros(&parametros); FAILED(hr)) com::fail(msg::ler_mestre_comercial, hr);

    REG_RELATORIO_PEDIDOS pedido{};
    pedido.ByteMestre326 = parametros.dados[offset_mestre_326];
    pedido.PosicaoRepresentante = m_ulRepresentante;
    pedido.DataInicial = m_usDataInicial;
    pedido.DataFinal = m_usDataFinal;
    inhouse::poe_campo(pedido.Modelo, Modelo());
    server::arquivo_temporario arquivo(NomeTemporario("FTL"));
    cria_arquivo_vazio(arquivo);
    inhouse::poe_campo(pedido.Arquivo, arquivo.caminho());
    CConexaoPlano* plano = server::CPoolConexoes::GetInstancia()->GetConexaoPlano();
    inhouse::poe_campo(pedido.Empresa, plano->GetEmpresa());
    if (!m_sCliente.empty()) {
        DWORD ponteiro = 0;
        _RegContaPS conta{};
        plano->Existe(m_sCliente.c_str(), &ponteiro, &conta);
        pedido.PosicaoCliente = static_cast<int32_t>(ponteiro);
    }
    auto pedidos = servidor(cache->GetServidorPedidos(), msg::gerar_relatorio);
    VerificaRelatorio(pedidos->RelatorioPedidos(inhouse::como_bloco<QV_RELATORIO_PEDIDOS_834>(pedido)), msg::gerar_relatorio);
    return arquivo;
}

// Commissions to pay.

HRESULT CTW_FT_RelatorioComissoesPagar::SetDataInicial(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataInicial(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_RelatorioComissoesPagar::SetDataFinal(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataFinal(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_RelatorioComissoesPagar::SetPosicaoRepresentante(ULONG ulPosRepresentante) noexcept {
    m_ulRepresentante = ulPosRepresentante;
    return S_OK;
}

server::arquivo_temporario CTW_FT_RelatorioComissoesPagar::GravaRelatorio() {
    const auto* sessao = server::CSessaoGlobal::GetInstancia();
    server::arquivo_temporario arquivo(NomeTemporario("FCO"));
    cria_arquivo_vazio(arquivo);
    // The texts the request points to live until the server's call has returned.
    const std::string representante = std::to_string(m_ulRepresentante) + "\n";
    const std::string modelo = Modelo(), razao_social = sessao->GetRazaoSocial(), empresa = sessao->GetEmpresa();
    const com::wire_pointer_loan nome_arquivo(arquivo.caminho().c_str()), texto_representante(representante.c_str()),
        texto_modelo(modelo.c_str()), texto_razao_social(razao_social.c_str()), texto_empresa(empresa.c_str());

    inhouse::REQ_RELATORIO_COMERCIAL pedido{};
    pedido.sessao = static_cast<uint32_t>(sessao->GetNumeroSessao());
    pedido.arquivo = nome_arquivo.field();
    pedido.representante_texto = texto_representante.field();
    pedido.modelo = texto_modelo.field();
    pedido.razao_social = texto_razao_social.field();
    pedido.empresa = texto_empresa.field();
    pedido.data_inicial = m_usDataInicial;
    pedido.data_final = m_usDataFinal;
    pedido.com_representante = com_representante;
    pedido.usuario = static_cast<uint16_t>(sessao->GetUsuario());
    pedido.constante_113 = constante_113;
    pedido.constante_134 = constante_134;
    auto comissoes = servidor(server::CCacheServidores::GetInstancia()->GetServidorRelatoriosMovimentos(),
                              msg::erro_gerar_relatorio);
    VerificaRelatorio(comissoes->RelatorioComissoes(reinterpret_cast<BYTE*>(&pedido)), msg::erro_gerar_relatorio);
    return arquivo;
}

}  // namespace sales
