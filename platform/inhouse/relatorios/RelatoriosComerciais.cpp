#include "platform/inhouse/relatorios/RelatoriosComerciais.h"

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "base/CQVChaveOrigem.h"
#include "base/QVCurrency.h"
#include "platform/com/wire_pointer.h"

namespace inhouse {

namespace {
constexpr uint8_t comissoes = 5;
constexpr uint8_t movimentos = 17;
}  // namespace

namespace {

// The representatives' positions of the request's text ("7\n", or several numbers).
std::set<int64_t> representantes_de(const std::string& texto) {
    std::set<int64_t> posicoes;
    int64_t numero = -1;
    for (char c : texto + '\n') {
        if (std::isdigit(static_cast<unsigned char>(c))) numero = (numero < 0 ? 0 : numero * 10) + (c - '0');
        else if (numero >= 0) posicoes.insert(numero), numero = -1;
    }
    return posicoes;
}

std::string reais(int64_t valor) { return std::string("R$ ") + QVFormataCYDecimais(CURRENCY{.int64 = valor}, 2).c_str(); }

// One line per order issued in the period and not cancelled, of the request's representatives (all
// when it names none): the order's total and the commission its items earn, each item's value at
// its product's commission rate (hundredths of a percent).
void lista_comissoes(arquivo_relatorio& r, store& dados, const REQ_RELATORIO_COMERCIAL& p, const std::string& representante) {
    const std::set<int64_t> filtro = representantes_de(representante);
    auto q = dados.prepare(
        "SELECT p.posicao, p.data_emissao, p.cliente, p.representante, p.total,"
        " COALESCE(SUM(i.valor * pr.comissao), 0) / 10000 FROM pedido p"
        " LEFT JOIN pedido_item i ON i.empresa = p.empresa AND i.pedido = p.posicao"
        " LEFT JOIN produto pr ON pr.empresa = p.empresa AND pr.posicao = i.produto"
        " WHERE p.empresa = ?1 COLLATE NOCASE AND p.cancelado = 0 AND p.data_emissao >= ?2"
        " AND (?3 = 0 OR p.data_emissao <= ?3) GROUP BY p.posicao ORDER BY p.representante, p.mes, p.sequencia");
    q.bind_text(1, com::wire_text(p.empresa)).bind(2, static_cast<int64_t>(p.data_inicial));
    q.bind(3, static_cast<int64_t>(p.data_final));
    int64_t pedidos = 0, vendido = 0, comissoes = 0;
    while (q.step()) {
        if (p.com_representante && !filtro.contains(q.column_int64(3))) continue;
        r.linha(std::string("Pedido ") + QVFormataChaveMesAno(static_cast<uint32_t>(q.column_int64(0))).c_str() + " de " +
                data_relatorio(static_cast<uint16_t>(q.column_int64(1))) + ", representante " +
                std::to_string(q.column_int64(3)) + ", cliente " + std::to_string(q.column_int64(2)) + ": " +
                reais(q.column_int64(4)) + ", comissão " + reais(q.column_int64(5)));
        ++pedidos;
        vendido += q.column_int64(4);
        comissoes += q.column_int64(5);
    }
    r.linha("Pedidos: " + std::to_string(pedidos) + ", vendido " + reais(vendido) + ", comissões a pagar " + reais(comissoes));
}

}  // namespace

arquivo_relatorio relatorio_comissoes(store& dados, const REQ_RELATORIO_COMERCIAL& p) {
    std::string representante = com::wire_text(p.representante_texto);
    while (!representante.empty() && representante.back() == '\n') representante.pop_back();
    arquivo_relatorio r("COMISSÕES A PAGAR", com::wire_text(p.razao_social), com::wire_text(p.modelo));
    r.periodo(p.data_inicial, p.data_final)
        .parametro("Empresa", com::wire_text(p.empresa))
        .parametro("Representante", p.com_representante ? representante : "Todos");
    lista_comissoes(r, dados, p, representante);
    return r;
}

HRESULT STDMETHODCALLTYPE RelatoriosComerciais::Relatorio(BYTE* pedido) noexcept try {
    if (!pedido) return E_POINTER;
    REQ_RELATORIO_COMERCIAL p;
    std::memcpy(&p, pedido, sizeof p);
    if (HRESULT hr = faults().enter("Relatorio", hex_bytes(&p, sizeof p)); FAILED(hr)) return hr;
    const std::string arquivo = com::wire_text(p.arquivo);
    if (arquivo.empty() || (p.constante_134 != comissoes && p.constante_134 != movimentos)) return E_INVALIDARG;
    if (p.constante_134 == comissoes) {
        relatorio_comissoes(m_store, p).grava(arquivo_comissoes(arquivo));
    } else {
        arquivo_relatorio r("MOVIMENTOS COMERCIAIS", com::wire_text(p.razao_social), com::wire_text(p.modelo));
        r.periodo(p.data_inicial, p.data_final)
            .parametro("Empresa", com::wire_text(p.empresa))
            .parametro("Representante", p.representante ? std::to_string(p.representante) : "Todos")
            .parametro("Tipo de data", std::string(1, p.tipo_data ? p.tipo_data : '-'))
            .parametro("Situação", std::string(1, p.situacao ? p.situacao : '-'));
        r.grava(arquivo);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
