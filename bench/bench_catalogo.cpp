// The web catalogue's HTML rows of a price table, as the older web pages ask for them: the list of
// product pointers, then TabelaProdutos block by block (1,000 rows each). The server's own time,
// in this process: the catalogue class made directly over a fresh in-memory store holding the
// demo company and n bench products (every one priced in the bench table, every fifth with a
// quote, "<" and "&" in its name), with the stand-ins registered here. n = 1,000 and 10,000, their
// rounds interleaved, so that the growth can be compared with linear; every row of the output is
// counted and the escaped names checked.
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
#include "sales/CProdutos.h"
#include "server/root/CQV_Inicializa.h"

namespace {

std::string nome_bench(int i) {
    char t[64];
    if (i % 5 == 0) std::snprintf(t, sizeof t, "Caneca \"%06d\" <grande> & cia", i);
    else std::snprintf(t, sizeof t, "Produto de catalogo %06d", i);
    return t;
}

void prepara(inhouse::store& s, int n) {
    s.write([&] {
        s.db().exec("INSERT INTO tabela_preco (empresa, servicos, posicao, tipo, codigo, nome, validade, bloqueada)"
                    " VALUES ('DEMO', 0, 90, 'V', 'BENCHWEB', 'Tabela de bench', '', 0)");
        auto p = s.prepare("INSERT INTO produto (empresa, posicao, codigo, nome, classificacao, tipo, unidade, casas_preco, ativo)"
                           " VALUES ('DEMO', ?, ?, ?, '9999.99.99', 'A', 1, 2, 1)");
        auto preco = s.prepare("INSERT INTO produto_preco (empresa, tabela, produto, preco) VALUES ('DEMO', 90, ?, ?)");
        for (int i = 0; i < n; ++i) {
            char codigo[16];
            std::snprintf(codigo, sizeof codigo, "W%06d", i);
            p.reset();
            p.bind(1, 1000 + i).bind_text(2, codigo).bind_text(3, nome_bench(i)).run();
            preco.reset();
            preco.bind(1, 1000 + i).bind_text(2, std::to_string(10 + i % 1000) + ".90").run();
        }
    });
}

// One catalogue of n bench products: its store, kept for the whole run.
struct cenario {
    int n;
    std::optional<inhouse::store> loja;
    bench::sample por_produto;
    long falhas = 0;

    explicit cenario(int quantidade) : n(quantidade), loja(inhouse::store::in_memory()) {
        inhouse::load_seed(*loja, inhouse::demo_seed());
        prepara(*loja, n);
    }

    // One round: the stand-ins registered over this store and a fresh login (not timed), then the
    // list and every block of HTML rows (timed); `guarda` false for the warm-up round.
    void rodada(bool guarda) {
        auto registro = inhouse::register_stand_ins(*loja);
        const bench::sessao_demo sessao;
        {
            auto raiz = com::make<server::CQV_Inicializa>();
            INT resultado = -1;
            if (raiz->Inicializa(com::to_bstr(std::string("DEMO")).get(), com::to_bstr(std::string("ADMIN")).get(),
                                 com::to_bstr(std::string("admin123")).get(), &resultado) != S_OK ||
                resultado != 0)
                ++falhas;
            com::unique_bstr tabela = com::to_bstr(std::string("BENCHWEB"));
            auto catalogo = com::make<sales::CProdutos>();
            if (catalogo->Inicializa(raiz.get()) != S_OK) ++falhas;
            LONG quantidade = 0;
            const double t0 = bench::now_ns();
            if (catalogo->BuscaApenasPonteirosProdutos(tabela.get(), &quantidade) != S_OK) ++falhas;
            size_t linhas = 0, escapadas = 0;
            for (USHORT bloco = 0; static_cast<LONG>(bloco) * 1000 < quantidade; ++bloco) {
                BSTR html = nullptr;
                if (catalogo->TabelaProdutos(tabela.get(), bloco, &html) != S_OK) ++falhas;
                const std::string texto = com::from_bstr(html);
                SysFreeString(html);
                for (size_t p = texto.find('\n'); p != std::string::npos; p = texto.find('\n', p + 1)) ++linhas;
                for (size_t p = texto.find("&lt;grande&gt;"); p != std::string::npos; p = texto.find("&lt;grande&gt;", p + 1))
                    ++escapadas;
            }
            const double t1 = bench::now_ns();
            if (linhas != static_cast<size_t>(n) || escapadas != static_cast<size_t>((n + 4) / 5)) ++falhas;
            if (guarda) por_produto.batches.push_back((t1 - t0) / n);
        }
        bench::limpa_servidor();
        registro.revoke();
    }
};

void run() {
    std::optional<cenario> pequeno, grande;
    try {
        pequeno.emplace(1000);
        grande.emplace(10000);
        // The rounds of the two sizes alternate, so that a change of the machine's load weighs on
        // both alike; round 0 of each warms up and is not kept.
        for (int k = 0; k <= 7; ++k) {
            pequeno->rodada(k > 0);
            grande->rodada(k > 0);
        }
    } catch (...) {
        std::printf("  (the in-process catalogue could not be made)\n");
        return;
    }
    for (const cenario* c : {&*pequeno, &*grande})
        bench::print("in process: list + HTML rows, per product (" + std::to_string(c->n) + ")", c->por_produto,
                     c->falhas);
    std::printf("  %-58s %12.2f x  (medians; linear: 1.00; goal: under 5 us a product)\n",
                "server time per product 10,000 / 1,000", grande->por_produto.median() / pequeno->por_produto.median());
}

bench::registrar reg("12 web catalogue HTML", run);

}  // namespace
