#include "sales/relatorios_estoque.h"

#include <cstring>

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/cache/registros_relatorios.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/messages.h"
#include "sales/parametros_relatorio.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"

namespace sales {

namespace {

constexpr uint16_t constante_pedido = 1;
constexpr char tipo_todos = 'T';
constexpr WORD tabela_produto = 1;

// The stock server of the cache, or the report's failure.
com::com_ptr<IQVES_Estoque> servidor_estoque() {
    com::com_ptr<IQVES_Estoque> estoque = server::CCacheServidores::GetInstancia()->GetServidorEstoque();
    if (!estoque) com::fail(msg::gerar_relatorio, E_FAIL);
    return estoque;
}

bool verdadeiro(VARIANT_BOOL vb) noexcept { return vb == VARIANT_TRUE; }

// AdicionaProduto of both reports: S_FALSE and the text for a key already in the list.
HRESULT adiciona(produtos_relatorio& produtos, BSTR p, BSTR g1, BSTR g2, BSTR g3, BSTR* bsRetorno) {
    if (!bsRetorno) return E_POINTER;
    *bsRetorno = nullptr;
    const bool nova = produtos.Adiciona(p, g1, g2, g3);
    *bsRetorno = com::to_bstr(nova ? "" : msg::produto_ja_adicionado).release();
    return nova ? S_OK : S_FALSE;
}

}  // namespace

// Stock register.

HRESULT CTW_ES_RelatorioRegistroEstoque::SetDataInicial(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataInicial(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_ES_RelatorioRegistroEstoque::SetDataFinal(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataFinal(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_ES_RelatorioRegistroEstoque::SetFilial(BSTR bsFilial) noexcept try {
    relatorio_vendas_base::SetFilial(bsFilial);
    return S_OK;
} catch (...) {
    return report();
}

// Bits are set, not added: a second call with the same flags changes nothing.
HRESULT CTW_ES_RelatorioRegistroEstoque::SetTipoEstoque() noexcept {
    if (m_vbETPE) m_cTipoEstoque |= estoque::etpe;
    else m_cTipoEstoque |= (m_vbEPT ? estoque::ept : 0) | (m_vbEP ? estoque::ep : 0);
    return S_OK;
}

HRESULT CTW_ES_RelatorioRegistroEstoque::SetOpcoes() noexcept {
    if (verdadeiro(m_vbConsolida)) m_usOpcoes |= estoque::consolida_grades;
    if (verdadeiro(m_vbAnalitico)) m_usOpcoes |= estoque::analitico;
    return S_OK;
}

HRESULT CTW_ES_RelatorioRegistroEstoque::AdicionaProduto(BSTR p, BSTR g1, BSTR g2, BSTR g3, BSTR* bsRetorno) noexcept try {
    return adiciona(m_produtos, p, g1, g2, g3, bsRetorno);
} catch (...) {
    return report();
}

HRESULT CTW_ES_RelatorioRegistroEstoque::AtualizaTipoRelatorio(BSTR bsTipoRelatorio, short* sRetorno) noexcept try {
    if (!sRetorno) return E_POINTER;
    *sRetorno = parametros_relatorio::sem_informacao;
    *sRetorno = parametros_relatorio::BuscaParametrosFixos(com::from_bstr(bsTipoRelatorio));
    return S_OK;
} catch (...) {
    return report();
}

server::arquivo_temporario CTW_ES_RelatorioRegistroEstoque::GravaRelatorio() {
    textos_servidor t = TextosServidor("RES");
    const bloco_chaves chaves(m_produtos.chaves());
    inhouse::REQ_REGISTRO_ESTOQUE pedido{};
    pedido.quantidade_chaves = static_cast<uint32_t>(m_produtos.chaves().size());
    pedido.filial = static_cast<uint16_t>(m_lFilial);
    pedido.data_inicial = m_usDataInicial;
    pedido.data_final = m_usDataFinal;
    pedido.opcoes = m_usOpcoes;
    pedido.tipo_estoque = m_cTipoEstoque;
    pedido.chaves = chaves.campo();
    VerificaRelatorio(servidor_estoque()->RelatorioRegistroEstoque(t.nome.get(), t.razao_social.get(), t.modelo.get(),
                                                                   inhouse::como_bloco<QV_REGISTRO_ESTOQUE_52>(pedido)),
                      msg::gerar_relatorio);
    return std::move(t.arquivo);
}

// Stock movements.

HRESULT CTW_ES_RelatorioMovimentos::SetDataInicial(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataInicial(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_ES_RelatorioMovimentos::SetDataFinal(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataFinal(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_ES_RelatorioMovimentos::SetNomeLocais(BSTR bsNome) noexcept try {
    m_sNomeLocais = com::from_bstr(bsNome);
    return S_OK;
} catch (...) {
    return report();
}

// ETPE alone, or EP and EPT together; none given is EP.
HRESULT CTW_ES_RelatorioMovimentos::SetTipoEstoque(VARIANT_BOOL vbEP, VARIANT_BOOL vbEPT, VARIANT_BOOL vbETPE) noexcept {
    if (verdadeiro(vbETPE)) m_cTipoEstoque = estoque::etpe;
    else m_cTipoEstoque = (verdadeiro(vbEP) ? estoque::ep : 0) | (verdadeiro(vbEPT) ? estoque::ept : 0);
    if (m_cTipoEstoque == 0) m_cTipoEstoque = estoque::ep;
    return S_OK;
}

HRESULT CTW_ES_RelatorioMovimentos::SetNomeLocal(short iNomeLocal) noexcept {
    m_usLocais |= static_cast<uint16_t>(iNomeLocal);
    return S_OK;
}

HRESULT CTW_ES_RelatorioMovimentos::AdicionaProduto(BSTR p, BSTR g1, BSTR g2, BSTR g3, BSTR* bsRetorno) noexcept try {
    return adiciona(m_produtos, p, g1, g2, g3, bsRetorno);
} catch (...) {
    return report();
}

server::arquivo_temporario CTW_ES_RelatorioMovimentos::GravaRelatorio() {
    textos_servidor t = TextosServidor("MVM");
    const bloco_chaves chaves(m_produtos.chaves());
    inhouse::REQ_MOVIMENTOS_ESTOQUE pedido{};
    pedido.quantidade_chaves = static_cast<uint32_t>(m_produtos.chaves().size());
    pedido.data_inicial = m_usDataInicial;
    pedido.data_final = m_usDataFinal;
    pedido.constante_74 = constante_pedido;
    pedido.locais = m_usLocais;
    pedido.tipo_estoque = m_cTipoEstoque;
    pedido.chaves = chaves.campo();
    VerificaRelatorio(servidor_estoque()->RelatorioMovimentos(t.nome.get(), t.razao_social.get(), t.modelo.get(),
                                                              inhouse::como_bloco<QV_MOVIMENTOS_ESTOQUE_100>(pedido)),
                      msg::gerar_relatorio);
    return std::move(t.arquivo);
}

// Inventory.

HRESULT CTW_ES_RelatorioInventario::SetDataInicial(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataInicial(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_ES_RelatorioInventario::SetDataFinal(BSTR bsData) noexcept try {
    relatorio_vendas_base::SetDataFinal(bsData);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_ES_RelatorioInventario::SetFilial(BSTR bsFilial) noexcept try {
    relatorio_vendas_base::SetFilial(bsFilial);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_ES_RelatorioInventario::SetProduto(BSTR bsProduto) noexcept try {
    _REG_PRODUTOPS produto{};
    server::CPoolConexoes::GetInstancia()->GetMyConexaoProduto()->ExisteProduto(
        com::from_bstr(bsProduto).c_str(), tipo_todos, tabela_produto, &m_lProduto, &produto);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_ES_RelatorioInventario::SetOpcoes() noexcept {
    if (verdadeiro(m_vbIgnoraInativos)) m_usOpcoes |= estoque::ignora_inativos;
    if (verdadeiro(m_vbInventario)) m_usOpcoes |= estoque::inventario;
    if (verdadeiro(m_vbListaETPE)) m_usOpcoes |= estoque::lista_etpe;
    return S_OK;
}

server::arquivo_temporario CTW_ES_RelatorioInventario::GravaRelatorio() {
    textos_servidor t = TextosServidor("INV");
    inhouse::REQ_INVENTARIO pedido{};
    // The whole pointer: its low half alone would name another product past the 65,535th.
    pedido.produto = static_cast<uint32_t>(m_lProduto);
    pedido.filial = static_cast<uint16_t>(m_lFilial);
    pedido.data_inicial = m_usDataInicial;
    pedido.data_final = m_usDataFinal;
    pedido.constante_10 = constante_pedido;
    pedido.opcoes = m_usOpcoes;
    LONG situacao = 0;
    VerificaRelatorio(servidor_estoque()->RelatorioInventario(t.nome.get(), t.razao_social.get(), t.modelo.get(),
                                                              inhouse::como_bloco<QV_INVENTARIO_16>(pedido), &situacao),
                      msg::gerar_relatorio);
    return std::move(t.arquivo);
}

// Reorder point.

HRESULT CTW_ES_RelatorioPontoReposicao::SetFilial(BSTR bsFilial) noexcept try {
    return relatorio_vendas_base::SetFilial(bsFilial) ? S_OK : S_FALSE;
} catch (...) {
    return report();
}

HRESULT CTW_ES_RelatorioPontoReposicao::SetData(BSTR bsData) noexcept try {
    CTW_Relatorio::SetDataFinal(bsData, m_usData);
    return S_OK;
} catch (...) {
    return report();
}

server::arquivo_temporario CTW_ES_RelatorioPontoReposicao::GravaRelatorio() {
    textos_servidor t = TextosServidor("MVP");
    inhouse::REQ_PONTO_REPOSICAO pedido{};
    pedido.filial = static_cast<uint16_t>(m_lFilial);
    VerificaRelatorio(servidor_estoque()->RelatorioPontoReposicao(t.nome.get(), t.razao_social.get(), t.modelo.get(),
                                                                  inhouse::como_bloco<QV_PONTO_REPOSICAO_20>(pedido)),
                      msg::gerar_relatorio);
    return std::move(t.arquivo);
}

}  // namespace sales
