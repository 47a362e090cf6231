// The invoices server's search and read (entries 8 and 5), over nota_fiscal and nota_fiscal_item.
#include <cstring>
#include <string>
#include <vector>

#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/compras/documentos_compras.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

using compras::blocos_resposta;
using compras::documento;

HRESULT STDMETHODCALLTYPE NotasFiscaisServer::BuscaNotas(QV_PERIODO_NOTAS_24 periodo, QV_FILTRO_NOTAS_1136 filtro,
                                                         BYTE** chaves) noexcept try {
    if (!chaves) return E_POINTER;
    *chaves = nullptr;
    PERIODO_NOTAS p;
    std::memcpy(&p, periodo.dados, sizeof p);
    FILTRO_NOTAS f;
    std::memcpy(&f, filtro.dados, sizeof f);
    if (HRESULT hr = faults().enter("BuscaNotas", "inicio=" + std::to_string(p.inicio) + " fim=" + std::to_string(p.fim) +
                                                      " produto=" + std::to_string(f.produto));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(
        "SELECT n.chave, n.emissao FROM nota_fiscal n WHERE n.empresa = ?1 COLLATE NOCASE AND (?2 = 0 OR EXISTS"
        " (SELECT 1 FROM nota_fiscal_item i WHERE i.empresa = n.empresa AND i.nota = n.chave AND i.produto = ?2))"
        " ORDER BY n.chave");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(f.produto));
    std::vector<int32_t> achadas;
    while (q.step()) {
        const uint32_t dia = compras::dia_documento(q.column_text(1));
        if (dia >= static_cast<uint32_t>(p.inicio) && dia <= static_cast<uint32_t>(p.fim))
            achadas.push_back(static_cast<int32_t>(q.column_int64(0)));
    }
    if (achadas.empty()) return S_OK;
    blocos_resposta blocos;
    LISTA_NOTAS lista{static_cast<int32_t>(achadas.size()), blocos.novo(achadas)};
    auto* bloco = static_cast<BYTE*>(CoTaskMemAlloc(sizeof lista));
    if (!bloco) return E_OUTOFMEMORY;
    std::memcpy(bloco, &lista, sizeof lista);
    blocos.entrega();
    *chaves = bloco;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE NotasFiscaisServer::LeNota(QV_CHAVE_NOTA_38 chave, BYTE* nota) noexcept try {
    if (!nota) return E_POINTER;
    CHAVE_NOTA k;
    std::memcpy(&k, chave.dados, sizeof k);
    if (HRESULT hr = faults().enter("LeNota", "chave=" + std::to_string(k.chave)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    NOTA_FISCAL n{};
    {
        auto q = m_store.prepare(
            "SELECT numero, condicao, emissao, frete FROM nota_fiscal WHERE empresa = ? COLLATE NOCASE AND chave = ?");
        q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(k.chave));
        if (!q.step()) return QV_E_NOTA_DESCONHECIDA;
        n.numero = q.column_int(0);
        n.condicao = static_cast<uint16_t>(q.column_int(1));
        n.emissao = static_cast<uint16_t>(compras::dia_documento(q.column_text(2)));
        n.frete = static_cast<uint8_t>(q.column_int(3));
    }
    std::vector<ITEM_NOTA> itens;
    auto q = m_store.prepare(
        "SELECT produto, item1, item2, item3, quantidade, valor_unitario, valor_icms, valor_ipi, cfop, casas_quantidade,"
        " casas_valor FROM nota_fiscal_item WHERE empresa = ? COLLATE NOCASE AND nota = ? ORDER BY ordem");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(k.chave));
    while (q.step()) {
        ITEM_NOTA& i = itens.emplace_back();
        i = ITEM_NOTA{};
        i.produto = {q.column_int(0), static_cast<uint16_t>(q.column_int(1)), static_cast<uint16_t>(q.column_int(2)),
                     static_cast<uint16_t>(q.column_int(3))};
        i.quantidade = q.column_int64(4);
        i.valor_unitario = q.column_int64(5) * 10000;   // the table keeps 4 decimals, the record 8
        i.valor_icms = q.column_int64(6);
        i.valor_ipi = q.column_int64(7);
        poe_campo(i.cfop, q.column_text(8));
        i.casas_quantidade = static_cast<uint8_t>(q.column_int(9));
        i.casas_valor = static_cast<uint8_t>(q.column_int(10));
    }
    blocos_resposta blocos;
    n.quantidade_itens = static_cast<uint16_t>(itens.size());
    n.itens = blocos.novo(itens);
    std::memcpy(nota, &n, sizeof n);
    blocos.entrega();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
