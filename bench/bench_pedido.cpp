// The order library, per item, for orders of 100 and 1,000 items: building the order item by item
// (every addition recalculates the order, as the order-entry object does), and the linear part
// alone: the totals and apportioning, the items to their wire records and the order loaded back,
// into a buffer and into the task-memory array the orders server receives. A linear figure costs
// the same per item at both sizes.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/harness.h"
#include "ft/ftlibrary/CFTAppInfo.h"
#include "ft/ftlibrary/CPedido.h"
#include "ft/ftlibrary/libera_registro_pedido.h"
#include "ft/ftlibrary/pendura_itens.h"
#include "platform/com/wire_pointer.h"

namespace {

class parametros_fixos : public CFTAppInfo {
public:
    parametros_fixos() { m_registro[ParametroImpostos] = 1; }
    const BYTE* GetParametrosFT() override { return m_registro; }

private:
    BYTE m_registro[TamanhoParametrosFT]{};
};

std::vector<CItemPedido> itens(int n) {
    std::vector<CItemPedido> v;
    for (int i = 0; i < n; ++i) {
        CItemPedido item;
        if (i % 5 == 4) {
            item.SetTipo('S');
            item.SetValor(qv_cy(10000LL * (100 + i % 17)));
            item.SetAliquotaRetencao(1, 150);
        } else {
            item.SetValorUnitario(100000000LL * (3 + i % 11) + 33300000);
            item.SetQuantidade(qv_cy(10000LL * (1 + i % 4)));
            item.SetAliquotaICMS(i % 3 ? 1800 : 1200);
            item.SetAliquotaICMSST(i % 7 ? 0 : 1700);
        }
        item.SetVolumes(qv_cy(10000));
        item.CalculaValores();
        v.push_back(item);
    }
    return v;
}

// One whole round for n items; false when the loaded order differs from the built one.
bool pedido_inteiro(const std::vector<CItemPedido>& fonte, parametros_fixos& app) {
    CPedido pedido;
    pedido.SetAppInfo(&app);
    for (const CItemPedido& item : fonte) pedido.AdicionaItem(item);
    pedido.SetEncargoProduto(1, qv_cy(10000LL * 57));
    pedido.SetValorDescontoRateio(qv_cy(10000LL * 13));
    pedido.CalculaTotais();
    const CURRENCY pagar = pedido.CalculaTotalPagar();

    REG_PEDIDO registro;
    std::memset(&registro, 0, sizeof registro);
    if (ft::pendura_itens(pedido, registro) != S_OK) return false;
    CPedido de_volta;
    de_volta.SetAppInfo(&app);
    const bool ok = de_volta.SetRegistro(registro) == S_OK && de_volta.GetQtdItens() == pedido.GetQtdItens() &&
                    de_volta.CalculaTotalPagar() == pagar;
    ft::libera_registro_pedido(registro);
    return ok;
}

// The linear part: one recalculation, every item to its record, the order loaded back. The item
// records go into a buffer of the benchmark's own (`com_memoria` false) or into a new task-memory
// array as the order-entry object hangs it on the record (`com_memoria` true).
bool uma_vez(CPedido& pedido, parametros_fixos& app, std::vector<REG_ITEM_PEDIDO>& buffer, bool com_memoria) {
    pedido.CalculaTotais();
    const CURRENCY pagar = pedido.CalculaTotalPagar();
    REG_PEDIDO registro;
    std::memset(&registro, 0, sizeof registro);
    if (com_memoria) {
        if (ft::pendura_itens(pedido, registro) != S_OK) return false;
    } else {
        for (uint16_t i = 0; i < pedido.GetQtdItens(); ++i) buffer[i] = pedido.GetItem(i).GetRegistroPedido();
        registro.QtdItens = pedido.GetQtdItens();
        registro.Itens = com::wire_pointer_put(buffer.data());
    }
    CPedido de_volta;
    de_volta.SetAppInfo(&app);
    const bool ok = de_volta.SetRegistro(registro) == S_OK && de_volta.GetQtdItens() == pedido.GetQtdItens() &&
                    de_volta.CalculaTotalPagar() == pagar;
    if (com_memoria) ft::libera_registro_pedido(registro);
    else com::wire_pointer_take(registro.Itens);
    return ok;
}

bench::sample por_item(const bench::sample& s, int n) {
    bench::sample r;
    for (double b : s.batches) r.batches.push_back(b / n);
    return r;
}

void run() {
    parametros_fixos app;
    for (int n : {100, 1000}) {
        const std::vector<CItemPedido> fonte = itens(n);
        char nome[96];
        // Every addition recalculates the whole order (its apportioning moves every share), so
        // building an order item by item is quadratic in its items.
        long falhas = 0;
        const auto inteiro = bench::measure([&] { if (!pedido_inteiro(fonte, app)) ++falhas; }, 1, n == 100 ? 9 : 3);
        std::snprintf(nome, sizeof nome, "%d items, each added (per item)", n);
        bench::print(nome, por_item(inteiro, n), falhas);

        CPedido pedido;
        pedido.SetAppInfo(&app);
        for (const CItemPedido& item : fonte) pedido.AdicionaItem(item);
        pedido.SetEncargoProduto(1, qv_cy(10000LL * 57));
        pedido.SetValorDescontoRateio(qv_cy(10000LL * 13));
        std::vector<REG_ITEM_PEDIDO> buffer(n);
        for (bool com_memoria : {false, true}) {
            long falhas_linear = 0;
            const auto linear = bench::measure([&] {
                if (!uma_vez(pedido, app, buffer, com_memoria)) ++falhas_linear;
            }, 3);
            std::snprintf(nome, sizeof nome, "%d items: totals, records and back%s (per item)", n,
                          com_memoria ? ", task memory" : "");
            bench::print(nome, por_item(linear, n), falhas_linear);
        }
    }
}

bench::registrar reg("8 order library", run);

}  // namespace
