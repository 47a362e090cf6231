// A customer's history as the invoices and master servers give it, over the store: the documents
// of venda_cliente ('P' order, 'V' sale, 'D' return; one product each) make the sales summary, the
// rows of posicao_financeira the financial position. Days are "yyyy-mm-dd" texts, amounts
// CURRENCY ticks.
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "base/QVDataCurta.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cache/registros_historico.h"
#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/core/dia_iso.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {

// A task-memory copy of one record; throws bad_alloc.
template <class T>
T* bloco_de(const T& r) {
    auto* p = static_cast<T*>(CoTaskMemAlloc(sizeof r));
    if (!p) throw std::bad_alloc();
    std::memcpy(p, &r, sizeof r);
    return p;
}

// Owns the blocks of a summary until they are handed over.
struct blocos_resumo {
    REG_RESUMO_VENDAS* resumo = nullptr;
    REG_MAIS_COMPRADOS* mais = nullptr;
    REG_LINHA_RESUMO_VENDAS* linhas = nullptr;
    ~blocos_resumo() {
        CoTaskMemFree(resumo);
        CoTaskMemFree(mais);
        CoTaskMemFree(linhas);
    }
};

}  // namespace

HRESULT STDMETHODCALLTYPE NotasFiscaisServer::ResumoVendas(QV_RESUMO_VENDAS_12 pedido, WORD* quantidade,
                                                           BYTE** resumo) noexcept try {
    if (!quantidade || !resumo) return E_POINTER;
    *quantidade = 0;
    *resumo = nullptr;
    REG_PEDIDO_RESUMO_VENDAS p{};
    std::memcpy(&p, &pedido, sizeof p);
    const auto* posicoes = static_cast<const uint32_t*>(com::wire_pointer_get(p.posicoes));
    const uint32_t cliente = (posicoes && p.quantidade > 0) ? posicoes[0] : 0;
    if (HRESULT hr = faults().enter("ResumoVendas", "cliente=" + std::to_string(cliente) + " periodo=" +
                                                        dia_iso(p.data_inicial) + ".." + dia_iso(p.data_final) +
                                                        " quantidade=" + std::to_string(p.quantidade));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (!posicoes || p.quantidade == 0) return E_INVALIDARG;
    const std::string inicio = dia_iso(p.data_inicial), fim = p.data_final ? dia_iso(p.data_final) : std::string("9999");
    constexpr const char* periodo = "empresa = ? AND cliente = ? AND data BETWEEN ? AND ?";
    const auto liga = [&](sqlite::statement& q, int primeiro) {
        q.bind_text(primeiro, m_empresa).bind(primeiro + 1, static_cast<int64_t>(cliente));
        q.bind_text(primeiro + 2, inicio).bind_text(primeiro + 3, fim);
    };
    REG_RESUMO_VENDAS r{};
    {
        auto q = m_store.prepare(std::string("SELECT COALESCE(SUM(CASE tipo WHEN 'P' THEN valor END), 0),"
                                             " COALESCE(SUM(CASE tipo WHEN 'V' THEN valor END), 0),"
                                             " COALESCE(SUM(CASE tipo WHEN 'D' THEN valor END), 0),"
                                             " CASE WHEN SUM(tipo = 'V') > 1 THEN CAST((julianday(MAX(CASE tipo WHEN 'V' THEN data END))"
                                             " - julianday(MIN(CASE tipo WHEN 'V' THEN data END))) / (SUM(tipo = 'V') - 1) AS INTEGER)"
                                             " ELSE 0 END FROM venda_cliente WHERE ") + periodo);
        liga(q, 1);
        if (q.step()) {
            r.pedidos = q.column_int64(0);
            r.vendas = q.column_int64(1);
            r.devolucoes = q.column_int64(2);
            r.intervalo_medio = static_cast<uint32_t>(q.column_int64(3));
        }
    }
    blocos_resumo blocos;
    {
        REG_MAIS_COMPRADOS mais{};
        bool algum = false;
        for (int i = 0; i < 2; ++i) {
            auto q = m_store.prepare(std::string("SELECT produto, item1, item2, item3, SUM(") + (i == 0 ? "quantidade" : "valor") +
                                     ") AS total FROM venda_cliente WHERE tipo = 'V' AND produto > 0 AND " + periodo +
                                     " GROUP BY produto, item1, item2, item3 ORDER BY total DESC, produto LIMIT 1");
            liga(q, 1);
            if (!q.step()) continue;
            algum = true;
            REG_CHAVE_MAIS_COMPRADO& chave = i == 0 ? mais.por_quantidade : mais.por_valor;
            chave.produto = static_cast<uint32_t>(q.column_int64(0));
            for (int g = 0; g < 3; ++g) chave.grade[g] = static_cast<uint16_t>(q.column_int(1 + g));
            (i == 0 ? mais.quantidade : mais.valor) = q.column_int64(4);
        }
        if (algum) blocos.mais = bloco_de(mais);
    }
    std::vector<REG_LINHA_RESUMO_VENDAS> linhas;
    {
        auto q = m_store.prepare(std::string("SELECT numero, documento, filial, data, data2, valor, valor2, vendedor, conta,"
                                             " extra32, extra16 FROM venda_cliente WHERE tipo = 'V' AND ") +
                                 periodo + " ORDER BY data DESC, numero DESC LIMIT 20");
        liga(q, 1);
        while (q.step()) {
            REG_LINHA_RESUMO_VENDAS l{};
            l.numero = static_cast<uint32_t>(q.column_int64(0));
            poe_campo(l.documento, q.column_text(1));
            l.filial = static_cast<uint16_t>(q.column_int(2));
            l.data1 = iso_dia(q.column_text(3));
            l.data2 = iso_dia(q.column_text(4));
            l.valor1 = q.column_int64(5);
            l.valor2 = q.column_int64(6);
            l.vendedor = static_cast<uint16_t>(q.column_int(7));
            l.conta = static_cast<uint32_t>(q.column_int64(8));
            l.extra32 = static_cast<uint32_t>(q.column_int64(9));
            l.extra16 = static_cast<uint16_t>(q.column_int(10));
            linhas.push_back(l);
        }
    }
    if (!linhas.empty()) {
        blocos.linhas = bloco_tarefa(linhas);
        if (!blocos.linhas) return E_OUTOFMEMORY;
    }
    r.quantidade_linhas = static_cast<uint16_t>(linhas.size());
    blocos.resumo = bloco_de(r);
    // The handles are the last thing that can fail: from here on the blocks are the caller's.
    const uint32_t h_mais = blocos.mais ? com::wire_pointer_put(blocos.mais) : 0;
    uint32_t h_linhas = 0;
    try {
        h_linhas = blocos.linhas ? com::wire_pointer_put(blocos.linhas) : 0;
    } catch (...) {
        com::wire_pointer_take(h_mais);
        throw;
    }
    blocos.resumo->mais_comprados = h_mais;
    blocos.resumo->linhas = h_linhas;
    blocos.mais = nullptr;
    blocos.linhas = nullptr;
    *resumo = reinterpret_cast<BYTE*>(std::exchange(blocos.resumo, nullptr));
    *quantidade = 1;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MestreServer::PosicaoFinanceira(QV_POSICAO_FINANCEIRA_56 pedido, BYTE* posicao) noexcept try {
    if (!posicao) return E_POINTER;
    REG_PEDIDO_POSICAO_FINANCEIRA p{};
    std::memcpy(&p, &pedido, sizeof p);
    if (HRESULT hr = faults().enter("PosicaoFinanceira", "cliente=" + std::to_string(p.cliente) + " periodo=" +
                                                             dia_iso(p.data_inicial) + ".." + dia_iso(p.data_final) +
                                                             " opcoes=" + std::to_string(p.opcoes));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    REG_POSICAO_FINANCEIRA r{};
    auto q = m_store.prepare(
        "SELECT a_vencer, vencido, maior_atraso, baixas_inadimplencia, comprometido, limite, adiantamentos, media_atraso,"
        " quantidade_baixas, data_limite FROM posicao_financeira WHERE empresa = ? AND cliente = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(p.cliente));
    if (q.step()) {
        r.a_vencer = q.column_int64(0);
        r.vencido = q.column_int64(1);
        r.maior_atraso = q.column_int64(2);
        r.baixas_inadimplencia = q.column_int64(3);
        r.comprometido = q.column_int64(4);
        r.limite = q.column_int64(5);
        r.adiantamentos = q.column_int64(6);
        r.media_atraso = static_cast<uint16_t>(q.column_int(7));
        r.quantidade_baixas = static_cast<uint16_t>(q.column_int(8));
        r.data_limite = iso_dia(q.column_text(9));
    }
    std::memcpy(posicao, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
