// The commercial master's initialisation from a session record and its sales parameter record.
#include <cstring>
#include <string>

#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE MestreComercialServer::InicializaRegistro(QV_SESSAO_262 sessao) noexcept try {
    if (HRESULT hr = faults().enter("InicializaRegistro", hex_bytes(&sessao, sizeof sessao)); hr != S_OK) return hr;
    m_empresa = empresa_sessao(sessao);
    m_inicializado = true;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

// Each row writes a little-endian integer of 1, 2, 4 or 8 bytes at its position (a CURRENCY as
// the amount times 10,000).
HRESULT MestreComercialServer::monta_parametros() {
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    std::memset(&m_parametros, 0, sizeof m_parametros);
    auto q = m_store.prepare(
        "SELECT posicao, largura, valor FROM parametro_venda WHERE empresa = ? COLLATE NOCASE ORDER BY posicao");
    q.bind_text(1, m_empresa);
    while (q.step()) {
        const int64_t posicao = q.column_int64(0), largura = q.column_int64(1);
        const int64_t valor = q.column_int64(2);
        if (posicao < 0 || largura < 1 || posicao + largura > static_cast<int64_t>(sizeof m_parametros)) continue;
        std::memcpy(m_parametros.dados + posicao, &valor, static_cast<size_t>(largura));
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE MestreComercialServer::LeParametros(QV_PARAMETROS_472* parametros) noexcept try {
    if (!parametros) return E_POINTER;
    if (HRESULT hr = faults().enter("LeParametros"); hr != S_OK) return hr;
    if (HRESULT hr = monta_parametros(); FAILED(hr)) return hr;
    *parametros = m_parametros;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MestreComercialServer::Parametros(BYTE** parametros) noexcept try {
    if (!parametros) return E_POINTER;
    *parametros = nullptr;
    if (HRESULT hr = faults().enter("Parametros"); hr != S_OK) return hr;
    if (HRESULT hr = monta_parametros(); FAILED(hr)) return hr;
    *parametros = m_parametros.dados;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
