#include "platform/inhouse/condicoes/DocumentosPagtoServer.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/com/text.h"
#include "platform/inhouse/condicoes/documentos_pagto_store.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

HRESULT DocumentosPagtoServer::create_formas(store& data, std::shared_ptr<fault_plan> faults, REFIID iid,
                                             void** ppv) noexcept try {
    return com::make<DocumentosPagtoServer>(data, std::move(faults), tipo_forma_pagamento)->QueryInterface(iid, ppv);
} catch (...) {
    return stand_in_failure();
}

HRESULT DocumentosPagtoServer::create_cobrancas(store& data, std::shared_ptr<fault_plan> faults, REFIID iid,
                                                void** ppv) noexcept try {
    return com::make<DocumentosPagtoServer>(data, std::move(faults), tipo_cobranca)->QueryInterface(iid, ppv);
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE DocumentosPagtoServer::Quantidade(BSTR tipo, WORD* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    std::string t = com::from_bstr(tipo);
    if (HRESULT hr = faults().enter("Quantidade", "tipo=" + t); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const auto lista = lista_documentos_pagamento(m_store, m_empresa, t);
    m_tipo_lista = std::move(t);
    *quantidade = static_cast<WORD>(std::min<size_t>(lista.size(), 65535));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE DocumentosPagtoServer::Busca(WORD quantidade, BYTE* registros) noexcept try {
    if (!registros && quantidade) return E_POINTER;
    if (quantidade) std::memset(registros, 0, quantidade * sizeof(_REG_DOCUMENTOPS));
    if (HRESULT hr = faults().enter("Busca", "quantidade=" + std::to_string(quantidade)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const auto lista = lista_documentos_pagamento(m_store, m_empresa, m_tipo_lista);
    const size_t n = std::min<size_t>(quantidade, lista.size());
    if (n) std::memcpy(registros, lista.data(), n * sizeof(_REG_DOCUMENTOPS));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE DocumentosPagtoServer::Existe(BSTR codigo, WORD* posicao, BYTE* registro) noexcept try {
    if (!posicao || !registro) return E_POINTER;
    *posicao = 0;
    std::memset(registro, 0, sizeof(_REG_DOCUMENTOPS));
    const std::string c = com::from_bstr(codigo);
    if (HRESULT hr = faults().enter("Existe", "codigo=" + c); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    _REG_DOCUMENTOPS r{};
    if (!existe_documento_pagamento(m_store, m_empresa, m_tipo, c, r)) return S_OK;
    std::memcpy(registro, &r, sizeof r);
    *posicao = r.Posicao;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE DocumentosPagtoServer::Le(WORD posicao, BYTE* registro) noexcept try {
    if (!registro) return E_POINTER;
    std::memset(registro, 0, sizeof(_REG_DOCUMENTOPS));
    if (HRESULT hr = faults().enter("Le", "posicao=" + std::to_string(posicao)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    _REG_DOCUMENTOPS r{};
    if (!le_documento_pagamento(m_store, m_empresa, m_tipo, posicao, r)) return QV_E_DOCUMENTO_PAGTO_DESCONHECIDO;
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
