// Order entry on the server's side: an order of 100 items built through the order-entry object
// in this process, as a web page drives it (AdicionaItem for each item, the totals, the 30/60/90
// instalments and SetDados, which builds the record the orders server would receive), over a
// fresh in-memory store with the demo company and the stand-ins registered here. The figure is
// per item; every addition recalculates the whole order, so it grows with the order's size.
#include <objbase.h>

#include <cstdio>
#include <optional>
#include <string>

#include "bench/harness.h"
#include "bench/sessao_demo.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registration.h"
#include "platform/inhouse/core/seed.h"
#include "platform/inhouse/core/store.h"
#include "platform/inhouse/core/store_processo.h"
#include "sales/CTW_FT_Pedido.h"

namespace {

constexpr int itens_pedido = 100;

com::unique_bstr b(const std::string& t) { return com::to_bstr(t); }

// One whole order; false when a step did not succeed.
bool um_pedido() {
    auto pedido = com::make<sales::CTW_FT_Pedido>();
    VARIANT_BOOL ok = VARIANT_FALSE;
    const auto codigo = b("101"), quantidade = b("2"), valor = b("39,90"), desconto = b("0"), icms = b("18"),
               ipi = b("5"), zero = b("0"), vazio = b(""), entrega = b("20/12/2026"), peso = b("0,22"),
               g1 = b("M"), g2 = b("AZ"), cfop = b("5102"), tabela = b("VAREJO"), filial = b("1"), cliente = b("C001");
    for (int i = 0; i < itens_pedido; ++i) {
        // The same product and grids: each item has its own complement, so none is a repetition.
        const auto complemento = b("item " + std::to_string(i));
        if (pedido->AdicionaItem(codigo.get(), quantidade.get(), valor.get(), desconto.get(), icms.get(), ipi.get(),
                                 zero.get(), vazio.get(), entrega.get(), complemento.get(), peso.get(), peso.get(),
                                 g1.get(), g2.get(), vazio.get(), 0, cfop.get(), 0, tabela.get(), filial.get(),
                                 cliente.get(), &ok) != S_OK)
            return false;
    }
    if (pedido->CalculaValoresTotais(b("15,00").get()) != S_OK || pedido->CalculaParcelas(b("2").get()) != S_OK) return false;
    const auto t = [&](auto metodo) {
        BSTR out = nullptr;
        ((*pedido.get()).*metodo)(&out);
        com::unique_bstr owned(out);
        return com::from_bstr(out);
    };
    using P = sales::CTW_FT_Pedido;
    const auto total = b(t(&P::GetTotalProdutos)), desconto_total = b(t(&P::GetDescontoTotal)),
               total_ipi = b(t(&P::GetTotalIPI));
    return pedido->SetDados(vazio.get(), filial.get(), cliente.get(), entrega.get(), b("VENDA").get(), cfop.get(),
                            vazio.get(), vazio.get(), total.get(), desconto_total.get(), total_ipi.get(), b("2").get(),
                            b("emitente").get(), vazio.get(), b("rodoviario").get(), vazio.get(), zero.get(), zero.get(),
                            vazio.get(), vazio.get(), vazio.get(), vazio.get(), b("BANCO").get(), b("10/12/2026").get(),
                            b("2").get(), &ok) == S_OK &&
           ok == VARIANT_TRUE && pedido->Registro().QtdItens == itens_pedido;
}

void run() {
    std::optional<inhouse::store> s(inhouse::store::in_memory());
    inhouse::load_seed(*s, inhouse::demo_seed());
    inhouse::publica_store publicada(*s);
    auto registro = inhouse::register_stand_ins(*s);
    const bench::sessao_demo sessao;

    long falhas = 0;
    um_pedido();   // warms the connections and the servers up
    const auto amostra = bench::measure([&] { if (!um_pedido()) ++falhas; }, 1, 5);
    bench::sample por_item;
    for (double t : amostra.batches) por_item.batches.push_back(t / itens_pedido);
    bench::print("order of 100 items through CTW_FT_Pedido (per item)", por_item, falhas);

    bench::limpa_servidor();
    registro.revoke();
}

bench::registrar reg("11 order entry", run);

}  // namespace
