// The product position of one product with 1,000 movements (400 purchases, 300 sales invoices,
// 150 purchase orders, half of them received through purchases, and 150 quotations), the
// server's own time in this process: the stand-ins registered here over a fresh in-memory store
// holding the demo company, as the unit tests do. One position is the factory's loaders (name,
// balances, last invoice, last five purchases) and the reads a page makes afterwards (sale price,
// quantities on quotations and purchase orders).
#include <objbase.h>

#include <cstdio>
#include <optional>
#include <string>

#include "bench/harness.h"
#include "bench/sessao_demo.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/registration.h"
#include "platform/inhouse/core/seed.h"
#include "platform/inhouse/core/store.h"
#include "sales/CTW_FT_PosicaoProdutos.h"

namespace {

constexpr int produto_bench = 8;   // the demo's coffee

std::string dia(int n) {
    char t[16];
    std::snprintf(t, sizeof t, "2026-%02d-%02d", 1 + n % 11, 1 + n % 28);
    return t;
}

void prepara_movimentos(inhouse::store& s) {
    s.write([&] {
        auto compra = s.prepare("INSERT INTO compra (empresa, chave, filial, fornecedor, emissao, entrada) VALUES ('DEMO', ?, 1, 5, ?, ?)");
        auto item = s.prepare("INSERT INTO compra_item (empresa, compra, ordem, produto, quantidade, valor_unitario, ordem_compra,"
                              " item_ordem) VALUES ('DEMO', ?, 1, ?, 10000, 250000, ?, 0)");
        for (int i = 0; i < 400; ++i) {
            compra.reset();
            compra.bind(1, 1000 + i).bind_text(2, dia(i)).bind_text(3, dia(i)).run();
            item.reset();
            item.bind(1, 1000 + i).bind(2, produto_bench).bind(3, i < 75 ? 1000 + i : 0).run();
        }
        auto nota = s.prepare("INSERT INTO nota_fiscal (empresa, chave, numero, filial, cliente, emissao, condicao, frete)"
                              " VALUES ('DEMO', ?, ?, 1, 2, ?, 2, 1)");
        auto item_nota = s.prepare("INSERT INTO nota_fiscal_item (empresa, nota, ordem, produto, quantidade, valor_unitario,"
                                   " valor_icms, cfop, casas_quantidade) VALUES ('DEMO', ?, 1, ?, 20000, 390000, 140000, '5.102', 1)");
        for (int i = 0; i < 300; ++i) {
            nota.reset();
            nota.bind(1, 1000 + i).bind(2, 5000 + i).bind_text(3, dia(i)).run();
            item_nota.reset();
            item_nota.bind(1, 1000 + i).bind(2, produto_bench).run();
        }
        auto ordem = s.prepare("INSERT INTO ordem_compra (empresa, chave, filial, emissao, tipo) VALUES ('DEMO', ?, 1, ?, ?)");
        auto item_ordem = s.prepare("INSERT INTO ordem_compra_item (empresa, ordem_compra, ordem, produto, quantidade)"
                                    " VALUES ('DEMO', ?, 1, ?, 30000)");
        for (int i = 0; i < 150; ++i) {
            ordem.reset();
            ordem.bind(1, 1000 + i).bind_text(2, dia(i)).bind(3, i < 75 ? 1 : 0).run();
            item_ordem.reset();
            item_ordem.bind(1, 1000 + i).bind(2, produto_bench).run();
        }
        auto cotacao = s.prepare("INSERT INTO cotacao (empresa, chave, filial, emissao) VALUES ('DEMO', ?, 1, ?)");
        auto item_cotacao = s.prepare("INSERT INTO cotacao_item (empresa, cotacao, ordem, produto, quantidade) VALUES ('DEMO', ?, 1, ?, 40000)");
        for (int i = 0; i < 150; ++i) {
            cotacao.reset();
            cotacao.bind(1, 1000 + i).bind_text(2, dia(i)).run();
            item_cotacao.reset();
            item_cotacao.bind(1, 1000 + i).bind(2, produto_bench).run();
        }
    });
}

void run() {
    std::optional<inhouse::store> s(inhouse::store::in_memory());
    inhouse::load_seed(*s, inhouse::demo_seed());
    prepara_movimentos(*s);
    auto registro = inhouse::register_stand_ins(*s);
    const bench::sessao_demo sessao({21, 22, 25});

    sales::filtro_posicao filtro;
    filtro.codigo = "201";
    filtro.tabela = "1";
    filtro.filial = 1;
    filtro.ep = true;
    long falhas = 0;
    const auto le = [&falhas](auto&& getter, const char* esperado) {
        BSTR out = nullptr;
        if (getter(&out) != S_OK) ++falhas;
        com::unique_bstr dono(out);
        if (esperado && com::from_bstr(out) != esperado) ++falhas;
    };
    const bench::sample criacao = bench::measure([&] {
        try {
            auto p = sales::CTW_FT_PosicaoProdutos::Cria(filtro);
            if (p->UltimasCompras().size() != 5) ++falhas;
            le([&](BSTR* b) { return p->get_NumeroNF(b); }, "005.299");
        } catch (...) {
            ++falhas;
        }
    }, 5);
    auto p = sales::CTW_FT_PosicaoProdutos::Cria(filtro);
    // 75 plain orders of 3 and 75 of 3 received through one purchase of 1 each; the demo's 30 and 25.
    const bench::sample ordens = bench::measure([&] { le([&](BSTR* b) { return p->get_QuantidadeOC(b); }, "430,00"); }, 5);
    const bench::sample cotacoes = bench::measure([&] { le([&](BSTR* b) { return p->get_QuantidadeCotacao(b); }, "650,00"); }, 5);
    const bench::sample preco = bench::measure([&] { le([&](BSTR* b) { return p->get_PrecoVenda(b); }, "42,90"); }, 50);
    p = nullptr;
    bench::print("position made (loaders), 1,000 movements", criacao, falhas);
    bench::print("QuantidadeOC over 152 purchase orders", ordens, falhas);
    bench::print("QuantidadeCotacao over 151 quotations", cotacoes, falhas);
    bench::print("PrecoVenda", preco, falhas);

    bench::limpa_servidor();
    registro.revoke();
}

bench::registrar reg("11 product position", run);

}  // namespace
