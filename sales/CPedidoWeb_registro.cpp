// The web order's values and the record it is saved with.
#include <cstring>
#include <new>

#include "base/CQVCurrencyEx.h"
#include "base/CQVCurrencyEx8.h"
#include "base/QVCurrency.h"
#include "ft/ftlibrary/memoria_tarefa.h"
#include "platform/com/failure.h"
#include "platform/com/wire_pointer.h"
#include "sales/CPedidoWeb.h"
#include "sales/CPedidos.h"
#include "sales/messages.h"

namespace sales {

namespace {

// An eight-decimal value as a CURRENCY (four decimals), rounded half away from zero.
CURRENCY quatro_casas(int64_t valor8) {
    CURRENCY cy;
    cy.int64 = (valor8 >= 0 ? valor8 + 5000 : valor8 - 5000) / 10000;
    return cy;
}

// An item's IPI amount: quantity x rate (%) x unit price.
CURRENCY ipi_item(const CItemPedido& item) {
    CQVCurrencyEx8 valor = item.GetValorUnitario() * item.GetQuantidade();
    valor = valor * item.GetAliquotaIPI();
    return quatro_casas(valor.GetValor() / 100);
}

void* bloco_tarefa(size_t bytes) {
    void* bloco = ft::aloca_tarefa(bytes);
    if (!bloco) throw std::bad_alloc();
    std::memset(bloco, 0, bytes);
    return bloco;
}

}  // namespace

// Over the items not free of charge: each item's quantity times its net unit price (the unit
// price less the unit discount). The discount is taken per unit sold: the old sum of the unit
// discount times the unit price stood for nothing and made the value wrong whenever a discount
// was given.
CURRENCY CPedidoWeb::valor_produtos() const {
    int64_t soma8 = 0;
    for (const CItemPedido& item : m_pedido.GetItens()) {
        if (item.GetLivreCobranca()) continue;
        const CQVCurrencyEx8 linha = item.GetValorUnitarioLiquido() * item.GetQuantidade();
        soma8 += linha.GetValor();
    }
    return CQVCurrencyEx(true, true, CQVCurrencyEx(quatro_casas(soma8))).GetValor();
}

CURRENCY CPedidoWeb::total_ipi() const {
    CURRENCY soma{};
    for (const CItemPedido& item : m_pedido.GetItens()) {
        if (item.GetLivreCobranca() || item.GetNaoTotaliza()) continue;
        soma = soma + ipi_item(item);
    }
    return soma;
}

void CPedidoWeb::MontaRegistro(registro_gravacao& gravacao) {
    REG_PEDIDO& r = gravacao.registro;
    r = m_registro;
    r.Observacoes = r.Itens = r.Parcelas = r.Entradas = r.Bloco = 0;
    r.QtdItens = r.QtdEntradas = 0;
    r.QtdParcelas = 0;
    r.TamanhoObservacoes = 0;
    if (m_filial) {
        USHORT codigo = 0;
        (void)m_filial->get_Codigo(&codigo);
        r.PosicaoFilial = codigo;
    }

    // The client's notes, whole, with their NUL.
    if (!m_sObservacoes.empty()) {
        const size_t tamanho = m_sObservacoes.size() + 1;
        void* notas = bloco_tarefa(tamanho);
        std::memcpy(notas, m_sObservacoes.c_str(), tamanho);
        r.Observacoes = com::wire_pointer_put(notas);
        r.TamanhoObservacoes = static_cast<uint16_t>(tamanho);
    }

    const uint16_t n = m_pedido.GetQtdItens();
    auto* itens = static_cast<REG_ITEM_PEDIDO*>(bloco_tarefa(sizeof(REG_ITEM_PEDIDO) * n));
    r.Itens = com::wire_pointer_put(itens);
    r.QtdItens = n;
    CURRENCY ipi{};
    for (uint16_t i = 0; i < n; ++i) {
        const CItemPedido& item = m_pedido.GetItem(i);
        item.GetRegistro(itens[i]);
        itens[i].DescontoUnitario = item.GetDescontoUnitarioValor().GetValor();
        itens[i].CodigoNatureza = i < m_cfops.size() ? m_cfops[i] : 0;
        itens[i].ValorIPI = ipi_item(item);
        itens[i].Flag4 = 1;
        ipi = ipi + itens[i].ValorIPI;
    }
    r.Entradas = com::wire_pointer_put(bloco_tarefa(0));

    (void)m_pedido.SetDesconto(r.DescontoProdutos, 0);
    r.TotalProdutosCliente2 = m_pedido.CalculaTotalPagar();
    r.TotalIPI = ipi;
    r.Byte1922 = 1;
    if (!m_condicao) {
        r.PosicaoCondicaoPagamento = 0;
        return;
    }
    r.EncargoRateio = m_condicao->GetValorAcrescimo().GetValor();
    r.DescontoProdutos = m_pedido.GetDescontoTotal();
    r.TotalProdutosCliente = r.TotalProdutosCliente3 = m_pedido.CalculaTotalPagar();
    const uint16_t parcelas = m_condicao->GetQtdParcelas();
    // The record counts instalments in one byte.
    if (parcelas > 255) com::fail(msg::pedido_parcelas_demais, E_INVALIDARG);
    auto* registros = static_cast<REG_PARCELA_PEDIDO*>(bloco_tarefa(sizeof(REG_PARCELA_PEDIDO) * parcelas));
    r.Parcelas = com::wire_pointer_put(registros);
    r.QtdParcelas = static_cast<uint8_t>(parcelas);
    for (uint16_t i = 0; i < parcelas; ++i) m_condicao->GetParcela(i).GetRegistro(registros[i]);
}

}  // namespace sales
