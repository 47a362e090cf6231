#include "platform/inhouse/armazenagem/LocaisArmazenagemServer.h"

#include <cstring>

#include "platform/inhouse/armazenagem/registros_armazenagem.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {

// The places whose type is among the filter's characters ("X": every place), in code order.
constexpr const char* sql_locais =
    "SELECT posicao, codigo FROM local_armazenagem WHERE empresa = ?1 COLLATE NOCASE"
    " AND (?2 = 'X' OR instr(?2, tipo) > 0) ORDER BY codigo";

}  // namespace

HRESULT STDMETHODCALLTYPE LocaisArmazenagemServer::Quantidade(BSTR tipos, LONG opcao, LONG* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    std::string filtro = com::from_bstr(tipos);
    if (HRESULT hr = faults().enter("Quantidade", "tipos=" + filtro + " opcao=" + std::to_string(opcao)); FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(sql_locais);
    q.bind_text(1, m_empresa).bind_text(2, filtro);
    LONG n = 0;
    while (q.step()) ++n;
    m_tipos = std::move(filtro);
    *quantidade = n;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE LocaisArmazenagemServer::Indice(LONG quantidade, BYTE* indice) noexcept try {
    if (HRESULT hr = faults().enter("Indice", "quantidade=" + std::to_string(quantidade)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (quantidade < 0) return E_INVALIDARG;
    if (quantidade > 0 && !indice) return E_POINTER;
    auto q = m_store.prepare(sql_locais);
    q.bind_text(1, m_empresa).bind_text(2, m_tipos);
    for (LONG i = 0; i < quantidade; ++i) {
        REG_INDICE_LOCAL_ARMAZENAGEM e{};
        if (q.step()) {
            e.ponteiro = static_cast<uint32_t>(q.column_int64(0));
            poe_campo(e.codigo, q.column_text(1));
        }
        std::memcpy(indice + i * sizeof e, &e, sizeof e);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE LocaisArmazenagemServer::Le(LONG ponteiro, BYTE* registro, LONG opcao) noexcept try {
    if (!registro) return E_POINTER;
    if (HRESULT hr = faults().enter("Le", "ponteiro=" + std::to_string(ponteiro) + " opcao=" + std::to_string(opcao));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(
        "SELECT codigo, nome, tipo, filial FROM local_armazenagem WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(ponteiro));
    REG_LOCAL_ARMAZENAGEM r{};
    if (!q.step()) return QV_E_LOCAL_DESCONHECIDO;
    poe_campo(r.codigo, q.column_text(0));
    poe_campo(r.nome, q.column_text(1));
    const std::string tipo = q.column_text(2);
    r.tipo = tipo.empty() ? ' ' : tipo[0];
    r.filial = static_cast<uint16_t>(q.column_int(3));
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE LocaisArmazenagemServer::LocalPadrao(LONG produto, WORD filial, BYTE* registro) noexcept try {
    if (!registro) return E_POINTER;
    if (HRESULT hr = faults().enter("LocalPadrao", "produto=" + std::to_string(produto) + " filial=" + std::to_string(filial));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(
        "SELECT local FROM produto_local_padrao WHERE empresa = ? COLLATE NOCASE AND produto = ? AND filial = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(produto)).bind(3, static_cast<int64_t>(filial));
    REG_LOCAL_PADRAO r{};
    r.filial = filial;
    if (q.step()) r.local = static_cast<uint32_t>(q.column_int64(0));
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
