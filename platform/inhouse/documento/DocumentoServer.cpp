#include "platform/inhouse/documento/DocumentoServer.h"

#include <objbase.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/documento/registros_documento.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE DocumentoServer::Posicoes(BYTE** lista) noexcept try {
    if (!lista) return E_POINTER;
    *lista = nullptr;
    if (HRESULT hr = faults().enter("Posicoes"); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    std::vector<uint32_t> posicoes;
    auto query = m_store.prepare("SELECT posicao FROM documento WHERE empresa = ? COLLATE NOCASE ORDER BY posicao");
    query.bind_text(1, m_empresa);
    while (query.step() && posicoes.size() < 0xFFFF) posicoes.push_back(static_cast<uint32_t>(query.column_int(0)));
    if (posicoes.empty()) return S_OK;
    auto* bloco = static_cast<BYTE*>(CoTaskMemAlloc(tamanho_lista_documentos));
    auto* array = static_cast<uint32_t*>(CoTaskMemAlloc(posicoes.size() * sizeof(uint32_t)));
    if (!bloco || !array) {
        CoTaskMemFree(bloco);
        CoTaskMemFree(array);
        return E_OUTOFMEMORY;
    }
    std::memcpy(array, posicoes.data(), posicoes.size() * sizeof(uint32_t));
    const uint16_t quantidade = static_cast<uint16_t>(posicoes.size());
    uint32_t campo = 0;
    try {
        campo = com::wire_pointer_put(array);
    } catch (...) {
        CoTaskMemFree(bloco);
        CoTaskMemFree(array);
        return E_OUTOFMEMORY;
    }
    std::memcpy(bloco, &quantidade, sizeof quantidade);
    std::memcpy(bloco + 2, &campo, sizeof campo);
    *lista = bloco;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE DocumentoServer::Le(LONG posicao, QV_CADDOC_250* documento) noexcept try {
    if (!documento) return E_POINTER;
    if (HRESULT hr = faults().enter("Le", "posicao=" + std::to_string(posicao)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(
        "SELECT filial, descricao, codigo FROM documento WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    if (!query.step()) return QV_E_DOCUMENTO_DESCONHECIDO;
    tagREG_CADDOCPS r{};
    r.filial = static_cast<WORD>(query.column_int(0));
    poe_campo(r.descricao, query.column_text(1));
    poe_campo(r.codigo, query.column_text(2));
    *documento = como_bloco<QV_CADDOC_250>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
