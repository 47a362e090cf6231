// What the cache's stand-ins answer beyond their initialisation, over the store.
#include "platform/inhouse/cache/servidores_cache.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/com/text.h"

#include "platform/inhouse/cache/registros_cache.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE CategoriasServer::LeCategoria(LONG posicao, QV_CATEGORIA_80* categoria) noexcept try {
    if (!categoria) return E_POINTER;
    if (HRESULT hr = faults().enter("LeCategoria", "posicao=" + std::to_string(posicao)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare("SELECT nome, codigo FROM categoria WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    _REG_CATEGORIAS_PS r{};
    if (query.step()) {
        poe_campo(r.nome, query.column_text(0));
        r.codigo = static_cast<uint16_t>(query.column_int(1));
    }
    *categoria = como_bloco<QV_CATEGORIA_80>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CategoriasServer::BuscaCategorias(BSTR nome, BSTR tipo, LONG codigo, LONG* quantidade,
                                                            BYTE** nomes, BYTE** codigos) noexcept try {
    if (!quantidade || !nomes || !codigos) return E_POINTER;
    *quantidade = 0;
    *nomes = nullptr;
    *codigos = nullptr;
    const std::string n = com::from_bstr(nome), t = com::from_bstr(tipo);
    if (HRESULT hr = faults().enter("BuscaCategorias", "nome=" + n + " tipo=" + t + " codigo=" + std::to_string(codigo));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    // The stand-in's categories have no kind of their own: a kind filter finds nothing.
    auto query = m_store.prepare(
        "SELECT nome, codigo FROM categoria WHERE empresa = ? COLLATE NOCASE AND substr(nome, 1, length(?)) = ?"
        " AND ? = '' AND (? = 0 OR codigo = ?) ORDER BY posicao");
    query.bind_text(1, m_empresa).bind_text(2, n).bind_text(3, n).bind_text(4, t);
    query.bind(5, static_cast<int64_t>(codigo)).bind(6, static_cast<int64_t>(codigo));
    std::vector<_REG_CATEGORIAS_PS> achadas;
    while (query.step()) {
        _REG_CATEGORIAS_PS r{};
        poe_campo(r.nome, query.column_text(0));
        r.codigo = static_cast<uint16_t>(query.column_int(1));
        achadas.push_back(r);
    }
    if (achadas.empty()) return S_OK;
    constexpr size_t largura_nome = sizeof(_REG_CATEGORIAS_PS::nome);
    auto* bloco_nomes = static_cast<BYTE*>(CoTaskMemAlloc(achadas.size() * largura_nome));
    auto* bloco_codigos = static_cast<BYTE*>(CoTaskMemAlloc(achadas.size() * sizeof(uint16_t)));
    if (!bloco_nomes || !bloco_codigos) {
        CoTaskMemFree(bloco_nomes);
        CoTaskMemFree(bloco_codigos);
        return E_OUTOFMEMORY;
    }
    for (size_t i = 0; i < achadas.size(); ++i) {
        std::memcpy(bloco_nomes + i * largura_nome, achadas[i].nome, largura_nome);
        std::memcpy(bloco_codigos + i * sizeof(uint16_t), &achadas[i].codigo, sizeof(uint16_t));
    }
    *quantidade = static_cast<LONG>(achadas.size());
    *nomes = bloco_nomes;
    *codigos = bloco_codigos;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MestreServer::LeMestre(QV_MESTRE_1324* mestre) noexcept try {
    if (!mestre) return E_POINTER;
    if (HRESULT hr = faults().enter("LeMestre"); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    REG_MESTRE r{};
    {
        auto query = m_store.prepare("SELECT indice_moeda FROM mestre WHERE empresa = ? COLLATE NOCASE");
        query.bind_text(1, m_empresa);
        if (query.step()) poe_campo(r.indice_moeda, query.column_text(0));
    }
    auto query = m_store.prepare("SELECT numero, nome FROM mestre_indice WHERE empresa = ? COLLATE NOCASE");
    query.bind_text(1, m_empresa);
    while (query.step()) {
        const int numero = query.column_int(0);
        if (numero >= 1 && numero <= REG_MESTRE::quantidade_indices) poe_campo(indice_mestre(r, numero), query.column_text(1));
    }
    *mestre = como_bloco<QV_MESTRE_1324>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
