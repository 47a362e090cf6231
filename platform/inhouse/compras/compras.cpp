// The purchasing server's entries that the product position calls: the purchase search (8), a
// purchase's status (30) and record (5), and what purchases received of purchase-order items (25).
#include <cstring>
#include <string>
#include <vector>

#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/compras/documentos_compras.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

using compras::blocos_resposta;
using compras::documento;

namespace {
std::string descreve_produto(const CHAVE_PRODUTO_GRADE& p) {
    return "produto=" + std::to_string(p.produto) + " itens=" + std::to_string(p.item1) + "," + std::to_string(p.item2) +
           "," + std::to_string(p.item3);
}
}  // namespace

HRESULT STDMETHODCALLTYPE ComprasServer::BuscaCompras(LONG inicio, LONG fim, QV_FILTRO_COMPRAS_310 filtro,
                                                      BYTE** lista) noexcept try {
    if (!lista) return E_POINTER;
    *lista = nullptr;
    FILTRO_COMPRAS f;
    std::memcpy(&f, filtro.dados, sizeof f);
    const std::vector<uint16_t> filiais = compras::filiais_filtro(f.quantidade_filiais, f.filiais);
    std::string texto = "inicio=" + std::to_string(inicio) + " fim=" + std::to_string(fim) + " " + descreve_produto(f.produto) +
                        " filiais=" + std::to_string(filiais.size());
    for (uint16_t filial : filiais) texto += " " + std::to_string(filial);
    if (HRESULT hr = faults().enter("BuscaCompras", std::move(texto)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(
        "SELECT c.chave, c.emissao, c.filial FROM compra c WHERE c.empresa = ?1 COLLATE NOCASE AND EXISTS"
        " (SELECT 1 FROM compra_item i WHERE i.empresa = c.empresa AND i.compra = c.chave AND i.produto = ?2"
        " AND (?3 = 0 OR i.item1 = ?3) AND (?4 = 0 OR i.item2 = ?4) AND (?5 = 0 OR i.item3 = ?5)) ORDER BY c.chave");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(f.produto.produto)).bind(3, static_cast<int64_t>(f.produto.item1));
    q.bind(4, static_cast<int64_t>(f.produto.item2)).bind(5, static_cast<int64_t>(f.produto.item3));
    std::vector<documento> achadas;
    while (q.step()) {
        const uint32_t dia = compras::dia_documento(q.column_text(1));
        if (dia >= static_cast<uint32_t>(inicio) && dia <= static_cast<uint32_t>(fim) &&
            compras::filial_aceita(filiais, q.column_int(2)))
            achadas.push_back({q.column_int64(0), dia});
    }
    *lista = compras::lista_chaves(achadas);
    return achadas.empty() ? S_FALSE : S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ComprasServer::SituacaoCompra(LONGLONG chave, BYTE* situacao) noexcept try {
    if (!situacao) return E_POINTER;
    if (HRESULT hr = faults().enter("SituacaoCompra", "chave=" + std::to_string(chave)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT cancelada FROM compra WHERE empresa = ? COLLATE NOCASE AND chave = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(chave));
    if (!q.step()) return QV_E_COMPRA_DESCONHECIDA;
    SITUACAO_DOCUMENTO s{};
    s.cancelado = static_cast<uint8_t>(q.column_int(0));
    std::memcpy(situacao, &s, sizeof s);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ComprasServer::LeCompra(LONGLONG chave, BYTE* compra) noexcept try {
    if (!compra) return E_POINTER;
    if (HRESULT hr = faults().enter("LeCompra", "chave=" + std::to_string(chave)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    COMPRA c{};
    {
        auto q = m_store.prepare("SELECT fornecedor, entrada, emissao FROM compra WHERE empresa = ? COLLATE NOCASE AND chave = ?");
        q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(chave));
        if (!q.step()) return QV_E_COMPRA_DESCONHECIDA;
        c.fornecedor = q.column_int(0);
        c.entrada = static_cast<int32_t>(compras::dia_documento(q.column_text(1)));
        c.emissao = static_cast<int32_t>(compras::dia_documento(q.column_text(2)));
    }
    std::vector<ITEM_COMPRA> itens;
    auto q = m_store.prepare(
        "SELECT produto, item1, item2, item3, quantidade, valor_unitario FROM compra_item"
        " WHERE empresa = ? COLLATE NOCASE AND compra = ? ORDER BY ordem");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(chave));
    while (q.step()) {
        ITEM_COMPRA& i = itens.emplace_back();
        i = ITEM_COMPRA{};
        i.produto = {q.column_int(0), static_cast<uint16_t>(q.column_int(1)), static_cast<uint16_t>(q.column_int(2)),
                     static_cast<uint16_t>(q.column_int(3))};
        // The table keeps 4 decimals, the record 8.
        i.quantidade = q.column_int64(4) * 10000;
        i.valor_unitario = q.column_int64(5) * 10000;
    }
    blocos_resposta blocos;
    c.quantidade_itens = static_cast<uint16_t>(itens.size());
    c.itens = blocos.novo(itens);
    std::memcpy(compra, &c, sizeof c);
    blocos.entrega();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ComprasServer::Atendimentos(LONG inicio, LONG fim, LONGLONG origem, LONG quantidade, BYTE* pedidos,
                                                      BYTE* respostas) noexcept try {
    if (quantidade < 0) return E_INVALIDARG;
    if (quantidade > 0 && (!pedidos || !respostas)) return E_POINTER;
    if (HRESULT hr = faults().enter("Atendimentos", "inicio=" + std::to_string(inicio) + " fim=" + std::to_string(fim) +
                                                        " origem=" + std::to_string(origem) + " quantidade=" +
                                                        std::to_string(quantidade));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(
        "SELECT c.emissao, i.quantidade FROM compra_item i JOIN compra c ON c.empresa = i.empresa AND c.chave = i.compra"
        " WHERE i.empresa = ?1 COLLATE NOCASE AND i.ordem_compra = ?2 AND i.item_ordem = ?3 AND c.cancelada = 0"
        " AND c.chave <> ?4");
    for (LONG n = 0; n < quantidade; ++n) {
        ATENDIMENTO_ORDEM pedido;
        std::memcpy(&pedido, pedidos + n * sizeof pedido, sizeof pedido);
        ATENDIMENTO_ORDEM resposta{};
        if (pedido.ordem != 0) {
            resposta.ordem = pedido.ordem;
            resposta.item = pedido.item;
            q.reset();
            q.bind_text(1, m_empresa).bind(2, pedido.ordem).bind(3, static_cast<int64_t>(pedido.item)).bind(4, static_cast<int64_t>(origem));
            while (q.step()) {
                const uint32_t dia = compras::dia_documento(q.column_text(0));
                if (dia >= static_cast<uint32_t>(inicio) && dia <= static_cast<uint32_t>(fim)) resposta.recebido += q.column_int64(1);
            }
        }
        std::memcpy(respostas + n * sizeof resposta, &resposta, sizeof resposta);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
