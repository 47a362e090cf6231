// The product server's price query (entry 95).
#include <objbase.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/produtos/ProdutoServer.h"
#include "platform/inhouse/produtos/registros_preco.h"
#include "platform/inhouse/produtos/valores_produto.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE ProdutoServer::ItensPreco(QV_CHAVE_24 chave, BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    auto* r = reinterpret_cast<RESPOSTA_ITENS_PRECO*>(resposta);
    *r = {};
    CHAVE_ITENS_PRECO k;
    std::memcpy(&k, chave.dados, sizeof k);
    if (HRESULT hr = faults().enter("ItensPreco", "produto=" + std::to_string(k.produto) + " tabela=" +
                                                      std::to_string(k.tabela) + " itens=" + std::to_string(k.item1) +
                                                      "," + std::to_string(k.item2) + "," + std::to_string(k.item3));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    // A row with item 0 in a grid applies to every item of that grid; the rows that name more
    // items come first.
    auto q = m_store.prepare(
        "SELECT preco, desconto, desconto_percentual, item1, item2, item3 FROM produto_item_preco"
        " WHERE empresa = ?1 COLLATE NOCASE AND produto = ?2 AND tabela = ?3"
        " AND item1 IN (0, ?4) AND item2 IN (0, ?5) AND item3 IN (0, ?6)"
        " ORDER BY (item1 <> 0) + (item2 <> 0) + (item3 <> 0) DESC, item1 DESC, item2 DESC, item3 DESC");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(k.produto)).bind(3, static_cast<int64_t>(k.tabela));
    q.bind(4, static_cast<int64_t>(k.item1)).bind(5, static_cast<int64_t>(k.item2)).bind(6, static_cast<int64_t>(k.item3));
    std::vector<_REG_ITENS_TABELA_PRECOPS> achados;
    while (q.step()) {
        _REG_ITENS_TABELA_PRECOPS a{};
        a.preco = valor_decimal(q.column_text(0), 8);
        a.desconto = valor_decimal(q.column_text(1), 8);
        a.desconto_percentual = q.column_int(2) ? 1 : 0;
        a.produto = k.produto;
        a.tabela = k.tabela;
        a.item1 = static_cast<uint16_t>(q.column_int(3));
        a.item2 = static_cast<uint16_t>(q.column_int(4));
        a.item3 = static_cast<uint16_t>(q.column_int(5));
        achados.push_back(a);
    }
    if (achados.empty()) return S_OK;
    auto* bloco = bloco_tarefa(achados);
    if (!bloco) return E_OUTOFMEMORY;
    r->quantidade = static_cast<LONG>(achados.size());
    r->itens = bloco;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
