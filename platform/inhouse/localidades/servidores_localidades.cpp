#include "platform/inhouse/localidades/servidores_localidades.h"

#include <cstring>
#include <string>

#include "platform/inhouse/localidades/registros_localidades.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {

constexpr char colunas_estado[] = "SELECT posicao, nome, sigla, exterior, regiao_geo, regiao_fiscal FROM estado ";
constexpr char colunas_municipio[] =
    "SELECT posicao, codigo_fiscal, codigo_ibge, nome, uf, (SELECT e.posicao FROM estado e WHERE e.empresa ="
    " municipio.empresa AND e.sigla = municipio.uf COLLATE NOCASE) FROM municipio ";

template <class Registro>
void poe_estado(Registro& r, sqlite::statement& q) {
    poe_campo(r.nome, q.column_text(1));
    poe_campo(r.sigla, q.column_text(2));
    r.exterior = q.column_int(3) ? 'S' : 'N';
    r.regiao_geo = static_cast<uint8_t>(q.column_int(4));
    r.regiao_fiscal = static_cast<uint8_t>(q.column_int(5));
}

template <class Registro>
void poe_municipio(Registro& r, sqlite::statement& q) {
    r.codigo_fiscal = static_cast<int32_t>(q.column_int(1));
    r.codigo_ibge = static_cast<int32_t>(q.column_int(2));
    poe_campo(r.nome, q.column_text(3));
    poe_campo(r.uf, q.column_text(4));
    if constexpr (requires { r.estado; }) r.estado = static_cast<uint16_t>(q.column_int(5));
}

}  // namespace

HRESULT STDMETHODCALLTYPE EstadoServer::Quantidade(WORD* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    if (HRESULT hr = faults().enter("Quantidade"); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT count(*) FROM estado WHERE empresa = ? COLLATE NOCASE");
    q.bind_text(1, m_empresa);
    *quantidade = q.step() ? static_cast<WORD>(q.column_int(0)) : 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EstadoServer::LeTodos(WORD quantidade, BYTE* estados) noexcept try {
    if (!estados && quantidade) return E_POINTER;
    if (HRESULT hr = faults().enter("LeTodos", "quantidade=" + std::to_string(quantidade)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto* saida = reinterpret_cast<REG_ESTADO_ENTRADA*>(estados);
    std::memset(saida, 0, sizeof(REG_ESTADO_ENTRADA) * quantidade);
    auto q = m_store.prepare(std::string(colunas_estado) + "WHERE empresa = ? COLLATE NOCASE ORDER BY posicao LIMIT ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(quantidade));
    for (WORD i = 0; i < quantidade && q.step(); ++i) {
        saida[i].posicao = static_cast<int32_t>(q.column_int(0));
        poe_estado(saida[i], q);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EstadoServer::Le(LONG posicao, BYTE* estado) noexcept try {
    if (!estado) return E_POINTER;
    if (HRESULT hr = faults().enter("Le", "posicao=" + std::to_string(posicao)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    REG_ESTADO r{};
    auto q = m_store.prepare(std::string(colunas_estado) + "WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    const bool achou = q.step();
    if (achou) poe_estado(r, q);
    std::memcpy(estado, &r, sizeof r);
    return achou ? S_OK : S_FALSE;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MunicipioServer::Pesquisa(LONG codigo_fiscal, WORD* posicao, BYTE* municipio) noexcept try {
    if (!posicao || !municipio) return E_POINTER;
    *posicao = 0;
    if (HRESULT hr = faults().enter("Pesquisa", "codigo_fiscal=" + std::to_string(codigo_fiscal)); FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    _REG_MUNICIPIO_PS r{};
    auto q = m_store.prepare(std::string(colunas_municipio) +
                             "WHERE empresa = ? COLLATE NOCASE AND codigo_fiscal = ? ORDER BY posicao LIMIT 1");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(codigo_fiscal));
    if (q.step()) {
        poe_municipio(r, q);
        *posicao = static_cast<WORD>(q.column_int(0));
    }
    std::memcpy(municipio, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MunicipioServer::Quantidade(LONG* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    if (HRESULT hr = faults().enter("Quantidade"); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT count(*) FROM municipio WHERE empresa = ? COLLATE NOCASE");
    q.bind_text(1, m_empresa);
    *quantidade = q.step() ? static_cast<LONG>(q.column_int(0)) : 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MunicipioServer::LeTodos(LONG quantidade, BYTE* municipios) noexcept try {
    if (quantidade < 0) return E_INVALIDARG;
    if (!municipios && quantidade) return E_POINTER;
    if (HRESULT hr = faults().enter("LeTodos", "quantidade=" + std::to_string(quantidade)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto* saida = reinterpret_cast<REG_MUNICIPIO_ENTRADA*>(municipios);
    std::memset(saida, 0, sizeof(REG_MUNICIPIO_ENTRADA) * static_cast<size_t>(quantidade));
    auto q = m_store.prepare(std::string(colunas_municipio) + "WHERE empresa = ? COLLATE NOCASE ORDER BY posicao LIMIT ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(quantidade));
    for (LONG i = 0; i < quantidade && q.step(); ++i) {
        saida[i].posicao = static_cast<int16_t>(q.column_int(0));
        poe_municipio(saida[i], q);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MunicipioServer::Le(LONG posicao, BYTE* municipio) noexcept try {
    if (!municipio) return E_POINTER;
    if (HRESULT hr = faults().enter("Le", "posicao=" + std::to_string(posicao)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    _REG_MUNICIPIO_PS r{};
    auto q = m_store.prepare(std::string(colunas_municipio) + "WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    const bool achou = q.step();
    if (achou) poe_municipio(r, q);
    std::memcpy(municipio, &r, sizeof r);
    return achou ? S_OK : S_FALSE;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
