#include "platform/inhouse/historico/HistoricoServer.h"

#include <cstddef>
#include <cstring>
#include <string>

#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

static_assert(sizeof(__MIDL___MIDL_itf_CNSHIS_0000_0000_0002) == 92);
static_assert(offsetof(__MIDL___MIDL_itf_CNSHIS_0000_0000_0002, Classificacao) == 4);
static_assert(offsetof(__MIDL___MIDL_itf_CNSHIS_0000_0000_0002, Texto) == 10);
static_assert(offsetof(__MIDL___MIDL_itf_CNSHIS_0000_0000_0002, Codigo) == 86);
static_assert(sizeof(__MIDL___MIDL_itf_CNSHIS_0000_0000_0001) == 2);

HRESULT STDMETHODCALLTYPE HistoricoServer::Posicoes(LONG reservado1, LONG reservado2, LONG reservado3,
                                                    WORD* quantidade,
                                                    __MIDL___MIDL_itf_CNSHIS_0000_0000_0001* posicoes) noexcept try {
    if (!quantidade) return E_POINTER;
    const WORD espaco = *quantidade;
    if (HRESULT hr = faults().enter("Posicoes", std::to_string(reservado1) + " " + std::to_string(reservado2) + " " +
                                                    std::to_string(reservado3) + " quantidade=" + std::to_string(espaco));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (espaco > 0 && !posicoes) return E_POINTER;
    // Code order: the leading number of the code, then the code text.
    auto query = m_store.prepare(
        "SELECT posicao FROM historico WHERE empresa = ? COLLATE NOCASE ORDER BY CAST(codigo AS INTEGER), codigo");
    query.bind_text(1, m_empresa);
    WORD n = 0;
    while (n < espaco && query.step()) posicoes[n++].Posicao = static_cast<WORD>(query.column_int(0));
    *quantidade = n;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE HistoricoServer::Quantidade(WORD* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    if (HRESULT hr = faults().enter("Quantidade"); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare("SELECT COUNT(*) FROM historico WHERE empresa = ? COLLATE NOCASE");
    query.bind_text(1, m_empresa);
    *quantidade = query.step() ? static_cast<WORD>(query.column_int(0)) : 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE HistoricoServer::Le(LONG posicao, __MIDL___MIDL_itf_CNSHIS_0000_0000_0002* historico) noexcept try {
    if (!historico) return E_POINTER;
    if (HRESULT hr = faults().enter("Le", "posicao=" + std::to_string(posicao)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(
        "SELECT classificacao, texto, codigo FROM historico WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    if (!query.step()) return QV_E_HISTORICO_DESCONHECIDO;
    __MIDL___MIDL_itf_CNSHIS_0000_0000_0002 r{};
    r.IdPrincipal = posicao;
    poe_campo(r.Classificacao, query.column_text(0));
    poe_campo(r.Texto, query.column_text(1));
    poe_campo(r.Codigo, query.column_text(2));
    *historico = r;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
