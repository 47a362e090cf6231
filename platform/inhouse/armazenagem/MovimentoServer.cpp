#include "platform/inhouse/armazenagem/MovimentoServer.h"

#include <cstring>
#include <string>

#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/produtos/valores_produto.h"

namespace inhouse {

namespace {

// The product key as the caller packs it.
#pragma pack(push, 1)
struct chave_produto {
    int32_t produto;
    uint16_t item1, item2, item3;
};
#pragma pack(pop)
static_assert(sizeof(chave_produto) == 10);

}  // namespace

HRESULT STDMETHODCALLTYPE MovimentoServer::QuantidadeSaldosLocais(QV_CHAVE_PRODUTO_10 produto, WORD filial, LONG tipos,
                                                                  LONG opcao, LONG* quantidade, LONG zero) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    chave_produto k;
    std::memcpy(&k, produto.dados, sizeof k);
    if (HRESULT hr = faults().enter("QuantidadeSaldosLocais",
                                    "produto=" + std::to_string(k.produto) + " itens=" + std::to_string(k.item1) + "," +
                                        std::to_string(k.item2) + "," + std::to_string(k.item3) + " filial=" +
                                        std::to_string(filial) + " tipos=" + std::to_string(tipos) + " opcao=" +
                                        std::to_string(opcao) + " zero=" + std::to_string(zero));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    // One row per place of the branch holding the key, its kinds among `tipos` summed.
    auto q = m_store.prepare(
        "SELECT s.local, COALESCE(l.codigo, ''), group_concat(s.quantidade, ' ') FROM estoque_saldo s"
        " LEFT JOIN local_armazenagem l ON l.empresa = s.empresa AND l.posicao = s.local"
        " WHERE s.empresa = ?1 COLLATE NOCASE AND s.produto = ?2 AND s.item1 = ?3 AND s.item2 = ?4 AND s.item3 = ?5"
        " AND s.filial = ?6 AND (?7 >> (s.tipo - 1)) & 1 GROUP BY s.local ORDER BY s.local");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(k.produto)).bind(3, static_cast<int64_t>(k.item1));
    q.bind(4, static_cast<int64_t>(k.item2)).bind(5, static_cast<int64_t>(k.item3)).bind(6, static_cast<int64_t>(filial));
    q.bind(7, static_cast<int64_t>(tipos));
    std::vector<REG_SALDO_LOCAL> saldos;
    while (q.step()) {
        REG_SALDO_LOCAL r{};
        r.produto = k.produto;
        r.item1 = k.item1;
        r.item2 = k.item2;
        r.item3 = k.item3;
        r.filial = filial;
        r.local = static_cast<uint16_t>(q.column_int(0));
        poe_campo(r.codigo_local, q.column_text(1));
        const std::string quantidades = q.column_text(2);
        for (size_t inicio = 0; inicio < quantidades.size();) {
            size_t fim = quantidades.find(' ', inicio);
            if (fim == std::string::npos) fim = quantidades.size();
            r.saldo += valor_decimal(quantidades.substr(inicio, fim - inicio), 4);
            inicio = fim + 1;
        }
        saldos.push_back(r);
    }
    m_saldos = std::move(saldos);
    *quantidade = static_cast<LONG>(m_saldos.size());
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MovimentoServer::SaldosLocais(LONG quantidade, BYTE* saldos) noexcept try {
    if (HRESULT hr = faults().enter("SaldosLocais", "quantidade=" + std::to_string(quantidade)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (quantidade < 0) return E_INVALIDARG;
    if (quantidade > 0 && !saldos) return E_POINTER;
    for (LONG i = 0; i < quantidade; ++i) {
        const REG_SALDO_LOCAL r = static_cast<size_t>(i) < m_saldos.size() ? m_saldos[static_cast<size_t>(i)] : REG_SALDO_LOCAL{};
        std::memcpy(saldos + i * sizeof r, &r, sizeof r);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
