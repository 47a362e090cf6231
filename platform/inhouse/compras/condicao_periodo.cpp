// Two small reads the product position needs of servers it shares: the cache's payment-condition
// server's record by position (entry 5) and the branch server's current period (entry 14).
#include <cstring>
#include <string>

#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/compras/documentos_compras.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/login/servidor_filial.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE CondicoesPagamentoServer::LeCondicao(WORD posicao, BYTE* condicao) noexcept try {
    if (!condicao) return E_POINTER;
    if (HRESULT hr = faults().enter("LeCondicao", "posicao=" + std::to_string(posicao)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT codigo, descricao FROM condicao_pagamento WHERE empresa = ? COLLATE NOCASE AND codigo = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    if (!q.step()) return QV_E_CONDICAO_DESCONHECIDA;
    CONDICAO_PAGAMENTO_CACHE r{};
    r.codigo = static_cast<uint16_t>(q.column_int(0));
    poe_campo(r.nome, q.column_text(1));
    std::memcpy(condicao, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

// The branches share the company's movement period.
HRESULT STDMETHODCALLTYPE FilialServer::LePeriodo(BYTE* periodo) noexcept try {
    if (!periodo) return E_POINTER;
    if (HRESULT hr = faults().enter("LePeriodo"); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(
        "SELECT movimentacao_inicial, movimentacao_final FROM periodo_contabil WHERE empresa = ? COLLATE NOCASE");
    q.bind_text(1, m_empresa);
    uint16_t dias[2] = {0, 0};
    if (q.step()) {
        for (int n = 0; n < 2; ++n) {
            const uint32_t dia = compras::dia_documento(q.column_text(n));
            if (dia > 0xFFFF) return QV_E_DATA_DOCUMENTO;
            dias[n] = static_cast<uint16_t>(dia);
        }
    }
    std::memcpy(periodo, dias, sizeof dias);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
