// The stock server's balances over the store's estoque_saldo rows (layouts and what each filter
// value means: platform/inhouse/cache/registros_estoque.h).
#include <cstring>
#include <string>
#include <vector>

#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cache/registros_estoque.h"
#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/produtos/valores_produto.h"

namespace inhouse {

static_assert(sizeof(QV_CONSULTA_SALDO_66) == sizeof(REG_CONSULTA_SALDO));
static_assert(sizeof(QV_LISTA_SALDOS_60) == sizeof(REG_LISTA_SALDOS));

namespace {

// The rows of one product key, branch and place: product, items, stock kind and the four values.
constexpr const char* sql_linhas =
    "SELECT produto, item1, item2, item3, tipo, quantidade, reservado, indisponivel, custo_medio"
    " FROM estoque_saldo WHERE empresa = ? COLLATE NOCASE AND produto = ?"
    " AND (?3 = 0 OR item1 = ?3) AND (?4 = 0 OR item2 = ?4) AND (?5 = 0 OR item3 = ?5)"
    " AND (?6 = 0 OR filial = ?6) AND (?7 = 0 OR local = ?7)"
    " ORDER BY produto, item1, item2, item3, filial, local, tipo";

struct linha_estoque {
    REG_CHAVE_SALDO chave{};
    int tipo = 0;   // 1 EP, 2 EPT, 3 ETPE
    int64_t quantidade = 0, reservado = 0, indisponivel = 0, custo_medio = 0;
};

std::vector<linha_estoque> linhas_estoque(store& dados, const std::string& empresa, const REG_CHAVE_SALDO& chave,
                                          uint16_t filial, int32_t local) {
    auto q = dados.prepare(sql_linhas);
    q.bind_text(1, empresa).bind(2, static_cast<int64_t>(chave.produto));
    for (int g = 0; g < 3; ++g) q.bind(3 + g, static_cast<int64_t>(chave.itens[g]));
    q.bind(6, static_cast<int64_t>(filial)).bind(7, static_cast<int64_t>(local));
    std::vector<linha_estoque> linhas;
    while (q.step()) {
        linha_estoque l;
        l.chave.produto = static_cast<uint32_t>(q.column_int64(0));
        for (int g = 0; g < 3; ++g) l.chave.itens[g] = static_cast<uint16_t>(q.column_int(1 + g));
        l.tipo = q.column_int(4);
        l.quantidade = valor_decimal(q.column_text(5), 4);
        l.reservado = valor_decimal(q.column_text(6), 4);
        l.indisponivel = valor_decimal(q.column_text(7), 4);
        l.custo_medio = valor_decimal(q.column_text(8), 8);
        linhas.push_back(l);
    }
    return linhas;
}

std::string descreve_chave(const REG_CHAVE_SALDO& c) {
    return "produto=" + std::to_string(c.produto) + " itens=" + std::to_string(c.itens[0]) + "," +
           std::to_string(c.itens[1]) + "," + std::to_string(c.itens[2]);
}

bool mesma_combinacao(const REG_CHAVE_SALDO& a, const REG_CHAVE_SALDO& b) {
    return a.produto == b.produto && std::memcmp(a.itens, b.itens, sizeof a.itens) == 0;
}

}  // namespace

HRESULT STDMETHODCALLTYPE EstoqueServer::Saldo(QV_CONSULTA_SALDO_66 consulta, BYTE* resultado, LONG reservado1,
                                               LONG reservado2, LONG reservado3) noexcept try {
    if (!resultado) return E_POINTER;
    const auto c = de_bloco<REG_CONSULTA_SALDO>(consulta);
    REG_CHAVE_SALDO chave{c.produto, {c.itens[0], c.itens[1], c.itens[2]}};
    if (HRESULT hr = faults().enter("Saldo", descreve_chave(chave) + " filial=" + std::to_string(c.filial) +
                                                 " local=" + std::to_string(c.local) + " zeros=" +
                                                 std::to_string(reservado1) + "," + std::to_string(reservado2) +
                                                 "," + std::to_string(reservado3));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const int32_t local = c.local < 0 ? 0 : c.local;
    REG_SALDO_PRODUTO r{};
    long double custo_ponderado = 0;   // quantity x cost passes 64 bits
    int64_t quantidade_custo = 0;
    for (const auto& l : linhas_estoque(m_store, m_empresa, chave, c.filial, local)) {
        if (l.tipo < 1 || l.tipo > REG_SALDO_PRODUTO::tipos_estoque) continue;
        auto& t = r.tipos[l.tipo - 1];
        t.total += l.quantidade;
        t.reservado += l.reservado;
        t.indisponivel += l.indisponivel;
        if (l.tipo == 1 && l.quantidade > 0) {
            custo_ponderado += static_cast<long double>(l.quantidade) * static_cast<long double>(l.custo_medio);
            quantidade_custo += l.quantidade;
        }
    }
    for (auto& t : r.tipos) t.disponivel = t.total - t.reservado - t.indisponivel;
    if (quantidade_custo > 0) r.tipos[0].custo_medio = static_cast<int64_t>(custo_ponderado / static_cast<long double>(quantidade_custo));
    std::memcpy(resultado, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EstoqueServer::BuscaSaldos(QV_LISTA_SALDOS_60 pedido, BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    std::memset(resposta, 0, sizeof(REG_RESPOSTA_SALDOS));
    const auto p = de_bloco<REG_LISTA_SALDOS>(pedido);
    const auto* chaves = static_cast<const REG_CHAVE_SALDO*>(com::wire_pointer_get(p.chaves));
    std::string texto = "filial=" + std::to_string(p.filial) + " local=" + std::to_string(p.local) +
                        " chaves=" + std::to_string(p.quantidade_chaves);
    for (uint32_t i = 0; chaves && i < p.quantidade_chaves; ++i) texto += " " + descreve_chave(chaves[i]);
    if (HRESULT hr = faults().enter("BuscaSaldos", std::move(texto)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (p.quantidade_chaves > 0 && !chaves) return E_INVALIDARG;
    std::vector<_REG_ES_SALDOS_PRODUTOSPS> linhas;
    for (uint32_t i = 0; i < p.quantidade_chaves; ++i) {
        for (const auto& l : linhas_estoque(m_store, m_empresa, chaves[i], p.filial, p.local < 0 ? 0 : p.local)) {
            if (linhas.empty() || !mesma_combinacao(linhas.back().chave, l.chave)) {
                linhas.emplace_back();
                linhas.back().chave = l.chave;
            }
            auto& row = linhas.back();
            int64_t* saldos[] = {&row.saldo_ep, &row.saldo_ept, &row.saldo_etpe};
            if (l.tipo >= 1 && l.tipo <= 3) *saldos[l.tipo - 1] += l.quantidade;
        }
    }
    if (linhas.empty()) return S_OK;
    const size_t bytes = linhas.size() * sizeof(_REG_ES_SALDOS_PRODUTOSPS);
    auto* bloco = static_cast<BYTE*>(CoTaskMemAlloc(bytes));
    if (!bloco) return E_OUTOFMEMORY;
    std::memcpy(bloco, linhas.data(), bytes);
    REG_RESPOSTA_SALDOS r{static_cast<uint32_t>(linhas.size()), 0};
    try {
        r.linhas = com::wire_pointer_put(bloco);
    } catch (...) {
        CoTaskMemFree(bloco);
        throw;
    }
    std::memcpy(resposta, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
