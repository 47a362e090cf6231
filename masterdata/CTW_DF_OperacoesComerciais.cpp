#include "masterdata/CTW_DF_OperacoesComerciais.h"

#include <memory>

#include "masterdata/messages.h"
#include "masterdata/operacoes_comerciais_sugestao.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CBufferCFRT.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {

// The positions list, its array freed on every road.
struct ponteiros_opcomerciais {
    tagREG_DFSNTF_PONTEIROS_OPCPS lista{};
    ponteiros_opcomerciais() = default;
    ponteiros_opcomerciais(const ponteiros_opcomerciais&) = delete;
    ponteiros_opcomerciais& operator=(const ponteiros_opcomerciais&) = delete;
    ~ponteiros_opcomerciais() { CConexaoOpComerciais::LiberaPonteiros(lista); }
};

}  // namespace

CConexaoOpComerciais& CTW_DF_OperacoesComerciais::conexao() {
    return *server::CPoolConexoes::GetInstancia()->GetConexaoOpComerciais();
}

CConexaoOpComerciais& CTW_DF_OperacoesComerciais::conexao_filtrada() {
    CConexaoOpComerciais& c = conexao();
    c.LimpaFiltros();
    c.SetTipoNF(m_cTipoNF);
    c.SetOpComercial(m_lOpComercial);
    if (m_filial) c.SetFilial(m_wFilial, *m_filial);
    if (m_produto) c.SetProduto(*m_produto);
    if (m_cliente) c.SetCliente(*m_cliente);
    return c;
}

HRESULT CTW_DF_OperacoesComerciais::BuscaPonteiros(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    if (!m_operacoes.empty()) return com::put_number(pulQuantidade, static_cast<ULONG>(m_operacoes.size()));

    CConexaoOpComerciais& c = conexao();
    c.SetTipoNF(m_cTipoNF);
    ponteiros_opcomerciais posicoes;
    // A failed connection lists nothing (and the next call asks again).
    if (FAILED(c.BuscaPonteirosOpComerciais(&posicoes.lista))) return S_OK;
    const auto* array = static_cast<const uint32_t*>(com::wire_pointer_get(posicoes.lista.ponteiros));
    std::vector<m_Operacao> listadas;
    for (uint32_t i = 0; array && i < posicoes.lista.quantidade; ++i) {
        _REG_DFSNTF_OPERACOES_COMERCIAIS_PS r{};
        if (c.Le(static_cast<WORD>(array[i] & 0xFFFF), 0, &r) != S_OK) continue;
        if (r.indisponivel_web != 0) continue;
        listadas.push_back({std::string(inhouse::texto_campo(r.codigo)), std::string(inhouse::texto_campo(r.descricao))});
    }
    m_operacoes = std::move(listadas);
    return com::put_number(pulQuantidade, static_cast<ULONG>(m_operacoes.size()));
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::LePosicao(ULONG ulPosArray) noexcept try {
    if (ulPosArray >= m_operacoes.size()) return E_INVALIDARG;
    m_sCodigo = m_operacoes[ulPosArray].codigo;
    m_sDescricao = m_operacoes[ulPosArray].descricao;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::GetCodigo(BSTR* pbsCodigo) noexcept try {
    return com::put_text(pbsCodigo, m_sCodigo);
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::GetDescricao(BSTR* pbsDescricao) noexcept try {
    return com::put_text(pbsDescricao, m_sDescricao);
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::LeCodigo(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = VARIANT_FALSE;
    const std::string codigo = com::from_bstr(bsCodigo);
    for (const m_Operacao& o : m_operacoes) {
        if (o.codigo == codigo) {
            m_sCodigo = o.codigo;
            m_sDescricao = o.descricao;
            *pvbExiste = VARIANT_TRUE;
        }
    }
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::Existe(BSTR bsCodigo, LONG* lValue) noexcept try {
    if (!lValue) return E_POINTER;
    *lValue = 0;
    DWORD valor = 0;
    _REG_DFSNTF_OPERACOES_COMERCIAIS_PS r{};
    if (SUCCEEDED(conexao().Existe(com::from_bstr(bsCodigo).c_str(), &valor, &r))) *lValue = static_cast<LONG>(valor);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::GetCfopSugerida(LONG* lValue) noexcept try {
    if (!lValue) return E_POINTER;
    HRESULT hr = S_OK;
    return com::put_number(lValue, CfopSugerida(conexao_filtrada(), &hr));
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::GetIcmsSugerido(BSTR* bsValue) noexcept try {
    HRESULT hr = S_OK;
    return com::put_text(bsValue, IcmsSugerido(conexao_filtrada(), &hr));
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::SetOpComercial(LONG lPonteiro) noexcept try {
    m_lOpComercial = static_cast<DWORD>(lPonteiro);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::SetFilial(LONG lFilial) noexcept try {
    inhouse::REG_FILIAL filial{};
    const HRESULT hr = server::CPoolConexoes::GetInstancia()->GetConexaoFilial()->Le(lFilial, &filial);
    if (FAILED(hr)) com::fail(msg::carregar_filial, hr);
    m_filial = std::make_unique<inhouse::REG_FILIAL>(filial);
    m_wFilial = static_cast<WORD>(lFilial);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::SetCliente(BSTR sCliente) noexcept try {
    CConexaoPlanoContabil& plano = *server::CPoolConexoes::GetInstancia()->GetConexaoPlanoContabil();
    IQVDF_Plano* servidor = nullptr;
    HRESULT hr = plano.Servidor(servidor);
    LONG chave = 0;
    _RegContaPS conta{};
    if (SUCCEEDED(hr)) hr = servidor->BuscaCodigo(com::to_bstr(com::from_bstr(sCliente)).get(), &chave,
                                                   reinterpret_cast<BYTE*>(&conta));
    if (FAILED(hr)) com::fail(msg::carregar_cliente, hr);
    // The customer's record must be read whole: a customer not found or not read is a failure,
    // never a zeroed record passed on as the filter.
    QVCFRT cliente{};
    cliente.posicao_plano = chave;
    CBufferCFRT* buffer = server::CCacheServidores::GetInstancia()->GetBufferCFRT();
    hr = chave == 0 || !buffer ? QVCFRT_NAO_ENCONTRADO : buffer->Le(&cliente, 0);
    if (hr != S_OK) com::fail(msg::carregar_cliente, FAILED(hr) ? hr : 0);
    m_cliente = std::make_unique<QVCFRT>(cliente);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_OperacoesComerciais::SetProduto(BSTR sProduto) noexcept try {
    long posicao = 0;
    _REG_PRODUTOPS produto{};
    const int achado = server::CPoolConexoes::GetInstancia()->GetMyConexaoProduto()->ExisteProduto(
        com::from_bstr(sProduto).c_str(), 'A', 1, &posicao, &produto);
    if (achado < 0) com::fail(msg::carregar_produto, static_cast<HRESULT>(achado));
    // A product that is not found is no filter: a zeroed record would pass as a product.
    if (achado != 1) com::fail(msg::carregar_produto);
    m_produto = std::make_unique<_REG_PRODUTOPS>(produto);
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata
