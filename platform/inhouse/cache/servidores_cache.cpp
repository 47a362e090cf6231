// What the cache's stand-ins answer beyond their initialisation, over the store.
#include "platform/inhouse/cache/servidores_cache.h"

#include <string>

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
