#include "platform/inhouse/prova/ProvaServer.h"

#include "platform/com/text.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE ProvaServer::Versao(LONG* versao) noexcept try {
    if (!versao) return E_POINTER;
    if (HRESULT hr = faults().enter("Versao"); FAILED(hr)) return hr;
    *versao = m_store.schema_version();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProvaServer::RazaoSocial(BSTR chave, BSTR* razao) noexcept try {
    if (!razao) return E_POINTER;
    *razao = nullptr;
    const std::string key = com::from_bstr(chave);
    if (HRESULT hr = faults().enter("RazaoSocial", "chave=" + key); FAILED(hr)) return hr;
    auto query = m_store.prepare("SELECT razao_social FROM empresa WHERE chave = ?");
    query.bind_text(1, key);
    com::unique_bstr text = com::to_bstr(query.step() ? query.column_text(0) : std::string());
    *razao = text.release();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProvaServer::GravaRazaoSocial(BSTR chave, BSTR razao) noexcept try {
    const std::string key = com::from_bstr(chave);
    const std::string name = com::from_bstr(razao);
    if (HRESULT hr = faults().enter("GravaRazaoSocial", "chave=" + key + " razao=" + name); FAILED(hr))
        return hr;
    m_store.write([&] {
        m_store.prepare("INSERT OR REPLACE INTO empresa (chave, razao_social) VALUES (?, ?)")
            .bind_text(1, key)
            .bind_text(2, name)
            .run();
    });
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
