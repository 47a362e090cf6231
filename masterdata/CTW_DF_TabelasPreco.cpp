#include "masterdata/CTW_DF_TabelasPreco.h"

#include "base/QVDataCurta.h"
#include "base/QVRelogio.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {

CMyConexaoProduto& conexao_produto() { return *server::CPoolConexoes::GetInstancia()->GetMyConexaoProduto(); }

// Open today: not blocked, and no end date or one after today (a table ending today is closed).
bool oferecida(const _REG_TABELA_PRECOSPS& t, uint16_t hoje) {
    return t.bloqueada == 0 && (t.validade == 0 || t.validade > hoje);
}

_TW_DF_TabelasPreco entrada_de(const _REG_TABELA_PRECOSPS& t) {
    _TW_DF_TabelasPreco e{};
    inhouse::poe_campo(e.codigo, inhouse::texto_campo(t.codigo));
    inhouse::poe_campo(e.nome, inhouse::texto_campo(t.nome));
    e.validade = t.validade;
    return e;
}

}  // namespace

HRESULT CTW_DF_TabelasPreco::BuscaPonteiros(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    const uint16_t hoje = QVGetDataAtual();
    CMyConexaoProduto& conexao = conexao_produto();
    const BYTE tipo = static_cast<BYTE>(m_cTipo);
    const long n = m_bServico ? conexao.BuscaQuantidadeTabelasPrecoServico(tipo) : conexao.BuscaQuantidadeTabelaPrecoOK(tipo);
    if (n < 0) com::fail(msg::quantidade_tabelas_precos, n);
    std::vector<WORD> ponteiros(static_cast<size_t>(n));
    if (n > 0) {
        const HRESULT hr = m_bServico ? conexao.BuscaPonteirosTabelaPrecosServicos(static_cast<WORD>(n), tipo, ponteiros.data())
                                      : conexao.BuscaPonteirosTabPrecosOK(static_cast<WORD>(n), tipo, ponteiros.data());
        if (FAILED(hr)) com::fail(msg::quantidade_tabelas_precos, hr);
    }
    std::vector<_TW_DF_TabelasPreco> lidas;
    for (WORD p : ponteiros) {
        _REG_TABELA_PRECOSPS t{};
        const HRESULT hr = m_bServico ? conexao.LeTabelaPrecosServico(p, &t) : conexao.LeTabelaPreco(p, &t);
        if (FAILED(hr)) com::fail(msg::ler_tabela_precos, hr);
        if (oferecida(t, hoje)) lidas.push_back(entrada_de(t));
    }
    lista() = std::move(lidas);
    return com::put_number(pulQuantidade, static_cast<ULONG>(lista().size()));
} catch (...) {
    return report();
}

HRESULT CTW_DF_TabelasPreco::LePosicao(ULONG ulPosArray) noexcept {
    if (ulPosArray >= lista().size()) return E_INVALIDARG;
    m_atual = lista()[ulPosArray];
    return S_OK;
}

HRESULT CTW_DF_TabelasPreco::GetCodigo(BSTR* pbsCodigo) noexcept try {
    return com::put_text(pbsCodigo, inhouse::texto_campo(m_atual.codigo));
} catch (...) {
    return report();
}

HRESULT CTW_DF_TabelasPreco::GetNome(BSTR* pbsNome) noexcept try {
    return com::put_text(pbsNome, inhouse::texto_campo(m_atual.nome));
} catch (...) {
    return report();
}

HRESULT CTW_DF_TabelasPreco::SetTipo(VARIANT_BOOL vbServico) noexcept {
    m_bServico = vbServico == VARIANT_TRUE;
    return S_OK;
}

HRESULT CTW_DF_TabelasPreco::GetValidade(BSTR* pbsValidade) noexcept try {
    return com::put_text(pbsValidade, QVFormataData(m_atual.validade, false));
} catch (...) {
    return report();
}

HRESULT CTW_DF_TabelasPreco::GetTabelaPreco(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = VARIANT_FALSE;
    const uint16_t hoje = QVGetDataAtual();
    const std::string codigo = com::from_bstr(bsCodigo);
    long ponteiro = 0;
    _REG_TABELA_PRECOSPS t{};
    const BYTE tipo = static_cast<BYTE>(m_cTipo);
    const int resposta = m_bServico ? conexao_produto().ExisteTabelaPrecosServico(codigo.c_str(), tipo, &ponteiro, &t)
                                    : conexao_produto().ExisteTabelaPreco(codigo.c_str(), tipo, &ponteiro, &t);
    if (resposta < 0) com::fail(msg::procurar_tabela_precos, resposta);
    const bool achou = resposta == 1 && (m_bServico || ponteiro > 0);
    if (achou && oferecida(t, hoje)) {
        m_atual = entrada_de(t);
        *pvbExiste = VARIANT_TRUE;
    }
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata
