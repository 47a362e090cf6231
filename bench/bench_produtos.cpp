// The product list of a price table as a web page uses it: BuscaPonteiros, a sort by price, then
// every product's code, name and price. Two sides:
//  - the server's own time, in this process: the list class made directly over a fresh in-memory
//    store holding the demo company and n bench products, with the stand-ins registered here, as
//    the unit tests do; n = 10,000 and 100,000, so that the growth can be compared with n log n;
//  - the client's reads through IDispatch from this (another) process: the bench installation's
//    demo company gets 100,000 bench products, two price tables pricing the first 10,000 (B10K)
//    and all of them (B100K), and a read is compared with empty calls to the probe server.
// The prices of a table are a permutation of its products, so that the sorted order is known and
// every read can be checked against it.
#include <objbase.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "bench/harness.h"
#include "bench/sessao_demo.h"
#include "bench/instalacao.h"
#include "masterdata/CTW_DF_Produtos.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/registration.h"
#include "platform/inhouse/core/seed.h"
#include "platform/inhouse/core/store.h"
#include "server/holders/dados_instalacao.h"

namespace {

constexpr int passo_preco = 7919;   // prime, so i * 7919 mod n is a permutation for n = 10^k

// Position k of a table of n products sorted by price holds the product whose price rank is k.
std::vector<int> ordem_por_preco(int n) {
    std::vector<int> produto(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) produto[static_cast<size_t>((static_cast<long long>(i) * passo_preco) % n)] = i;
    return produto;
}

long long centavos(int i, int n) { return (static_cast<long long>(i) * passo_preco) % n + 100; }

std::string codigo_bench(int i) {
    char t[16];
    std::snprintf(t, sizeof t, "B%06d", i);
    return t;
}

// The price as the list shows it with 2 decimals: thousands with '.', decimals with ','.
std::string preco_mostrado(long long c) {
    char t[32];
    const long long reais = c / 100;
    if (reais >= 1000) std::snprintf(t, sizeof t, "%lld.%03lld,%02lld", reais / 1000, reais % 1000, c % 100);
    else std::snprintf(t, sizeof t, "%lld,%02lld", reais, c % 100);
    return t;
}

struct tabela_bench {
    const char* codigo;
    int produtos;   // the first `produtos` bench products are priced in it
};

// Adds `total` bench products after the demo company's and one price table per entry; nothing
// when the first table is already there (the bench installation keeps them between runs).
void prepara_catalogo(inhouse::store& s, int total, std::initializer_list<tabela_bench> tabelas) {
    auto existe = s.prepare("SELECT COUNT(*) FROM tabela_preco WHERE empresa = 'DEMO' AND servicos = 0 AND codigo = ?");
    existe.bind_text(1, tabelas.begin()->codigo);
    if (existe.step() && existe.column_int(0) > 0) return;
    auto ultimo = s.prepare("SELECT COALESCE(MAX(posicao), 0) FROM produto WHERE empresa = 'DEMO'");
    ultimo.step();
    const int primeira = ultimo.column_int(0) + 1;
    auto ultima_tabela = s.prepare("SELECT COALESCE(MAX(posicao), 0) FROM tabela_preco WHERE empresa = 'DEMO' AND servicos = 0");
    ultima_tabela.step();
    int tabela = ultima_tabela.column_int(0);
    s.write([&] {
        auto p = s.prepare("INSERT INTO produto (empresa, posicao, codigo, nome, classificacao, tipo, unidade, grade1, grade2,"
                           " casas_preco, ativo) VALUES ('DEMO', ?, ?, ?, '9999.99.99', 'A', 1, 0, 0, 2, 1)");
        for (int i = 0; i < total; ++i) {
            p.reset();
            p.bind(1, primeira + i).bind_text(2, codigo_bench(i)).bind_text(3, "Produto de bench " + codigo_bench(i)).run();
        }
        for (const tabela_bench& t : tabelas) {
            ++tabela;
            auto c = s.prepare("INSERT INTO tabela_preco (empresa, servicos, posicao, tipo, codigo, nome, validade, bloqueada)"
                               " VALUES ('DEMO', 0, ?, 'V', ?, 'Tabela de bench', '', 0)");
            c.bind(1, tabela).bind_text(2, t.codigo).run();
            auto preco = s.prepare("INSERT INTO produto_preco (empresa, tabela, produto, preco) VALUES ('DEMO', ?, ?, ?)");
            for (int i = 0; i < t.produtos; ++i) {
                const long long v = centavos(i, t.produtos);
                char texto[32];
                std::snprintf(texto, sizeof texto, "%lld.%02lld", v / 100, v % 100);
                preco.reset();
                preco.bind(1, tabela).bind(2, primeira + i).bind_text(3, texto).run();
            }
        }
    });
}

// ---- the server's own time, in this process ----

struct tempo_servidor {
    bench::sample busca, ordena;
    long falhas = 0;
};

template <class Getter>
std::string texto(Getter&& getter, long& falhas) {
    BSTR out = nullptr;
    if (getter(&out) != S_OK) ++falhas;
    com::unique_bstr owned(out);
    return com::from_bstr(out);
}

// One list of n products in one table: a new object, its table, BuscaPonteiros (timed), the sort
// by price (timed), then every product checked against the known order (untimed).
tempo_servidor mede_no_processo(int n, int rodadas) {
    tempo_servidor r;
    std::optional<inhouse::store> s(inhouse::store::in_memory());
    inhouse::load_seed(*s, inhouse::demo_seed());
    prepara_catalogo(*s, n, {{"BENCH", n}});
    auto registro = inhouse::register_stand_ins(*s);
    const bench::sessao_demo sessao;

    const std::vector<int> ordem = ordem_por_preco(n);
    com::unique_bstr tabela = com::to_bstr(std::string("BENCH"));
    com::unique_bstr tipo = com::to_bstr(std::string("A"));
    for (int k = 0; k <= rodadas; ++k) {   // round 0 warms the connections up and is not kept
        auto lista = com::make<masterdata::CTW_DF_Produtos>();
        VARIANT_BOOL valida = VARIANT_FALSE;
        if (lista->SetTabelaPrecos(tabela.get(), &valida) != S_OK || valida != VARIANT_TRUE) ++r.falhas;
        ULONG quantidade = 0;
        const double t0 = bench::now_ns();
        if (lista->BuscaPonteiros(tipo.get(), &quantidade) != S_OK || quantidade != static_cast<ULONG>(n)) ++r.falhas;
        const double t1 = bench::now_ns();
        if (lista->SetOrdenacao(3) != S_OK) ++r.falhas;
        const double t2 = bench::now_ns();
        if (k > 0) {
            r.busca.batches.push_back((t1 - t0) / n);
            r.ordena.batches.push_back((t2 - t1) / n);
        }
        for (int i = 0; i < n && i < static_cast<int>(quantidade); ++i) {
            const int produto = ordem[static_cast<size_t>(i)];
            if (lista->LePosicao(static_cast<ULONG>(i)) != S_OK ||
                texto([&](BSTR* o) { return lista->GetCodigo(o); }, r.falhas) != codigo_bench(produto) ||
                texto([&](BSTR* o) { return lista->GetPreco(o); }, r.falhas) != preco_mostrado(centavos(produto, n)))
                ++r.falhas;
        }
    }
    bench::limpa_servidor();
    registro.revoke();
    return r;
}

// ---- the client's reads, from another process ----


struct lista_produtos {
    com::com_ptr<IDispatch> lista;
    LONG quantidade = -1;
    DISPID le_posicao = 0, codigo = 0, nome = 0, preco = 0;
};

// A new list from the root's factory: its table, BuscaPonteiros and the sort by price.
lista_produtos carrega(IDispatch* raiz, DISPID fabrica, const char* tabela) {
    lista_produtos l;
    com::unique_variant objeto;
    if (bench::chama(raiz, fabrica, {}, objeto.get()) != S_OK || V_VT(objeto.get()) != VT_DISPATCH || !V_DISPATCH(objeto.get()))
        return l;
    l.lista = com::com_ptr<IDispatch>(V_DISPATCH(objeto.get()));
    com::unique_bstr codigo = com::to_bstr(std::string(tabela));
    com::unique_variant valida;
    if (bench::chama(l.lista.get(), bench::dispid_of(l.lista.get(), L"SetTabelaPrecos"), {bench::bstr(codigo.get())},
              valida.get()) != S_OK ||
        V_VT(valida.get()) != VT_BOOL || V_BOOL(valida.get()) != VARIANT_TRUE)
        return l;
    com::unique_bstr tipo = com::to_bstr(std::string("A"));
    com::unique_variant n;
    if (bench::chama(l.lista.get(), bench::dispid_of(l.lista.get(), L"BuscaPonteiros"), {bench::bstr(tipo.get())}, n.get()) != S_OK)
        return l;
    if (VariantChangeType(n.get(), n.get(), 0, VT_I4) != S_OK) return l;
    if (bench::chama(l.lista.get(), bench::dispid_of(l.lista.get(), L"SetOrdenacao"), {bench::i4(3)}, nullptr) != S_OK) return l;
    l.quantidade = V_I4(n.get());
    l.le_posicao = bench::dispid_of(l.lista.get(), L"LePosicao");
    l.codigo = bench::dispid_of(l.lista.get(), L"GetCodigo");
    l.nome = bench::dispid_of(l.lista.get(), L"GetNome");
    l.preco = bench::dispid_of(l.lista.get(), L"GetPreco");
    return l;
}

bool texto_igual(const com::unique_variant& v, const std::string& esperado) {
    return V_VT(v.get()) == VT_BSTR && com::from_bstr(V_BSTR(v.get())) == esperado;
}

// One product as a page reads it: the cursor, then its code, name and price, each checked.
bool le_produto(const lista_produtos& l, LONG i, int produto, int n) {
    com::unique_variant codigo, nome, preco;
    const std::string c = codigo_bench(produto);
    return bench::chama(l.lista.get(), l.le_posicao, {bench::i4(i)}, nullptr) == S_OK &&
           bench::chama(l.lista.get(), l.codigo, {}, codigo.get()) == S_OK && texto_igual(codigo, c) &&
           bench::chama(l.lista.get(), l.nome, {}, nome.get()) == S_OK && texto_igual(nome, "Produto de bench " + c) &&
           bench::chama(l.lista.get(), l.preco, {}, preco.get()) == S_OK && texto_igual(preco, preco_mostrado(centavos(produto, n)));
}

void run() {
    // The server's own time.
    constexpr int tamanhos[] = {10000, 100000};
    double por_produto[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        const int n = tamanhos[k];
        tempo_servidor t;
        try {
            t = mede_no_processo(n, 3);
        } catch (...) {
            std::printf("  (the in-process list of %d products could not be made)\n", n);
            return;
        }
        const std::string tamanho = std::to_string(n);
        bench::print("in process: BuscaPonteiros, per product (" + tamanho + ")", t.busca, t.falhas);
        bench::print("in process: sort by price, per product (" + tamanho + ")", t.ordena, t.falhas);
        bench::sample total;
        for (size_t b = 0; b < t.busca.batches.size(); ++b) total.batches.push_back(t.busca.batches[b] + t.ordena.batches[b]);
        bench::print("in process: both, per product (" + tamanho + ", every product checked)", total, t.falhas);
        por_produto[k] = total.median();
    }
    std::printf("  %-58s %12.2f x  (n log n: %.2f, linear: 1.00)\n", "server time per product 100,000 / 10,000",
                por_produto[1] / por_produto[0], std::log(100000.0) / std::log(10000.0));

    // The client's reads.
    const auto clientes =
        bench::abre_instalacao([](inhouse::store& s) { prepara_catalogo(s, 100000, {{"B10K", 10000}, {"B100K", 100000}}); });
    if (!clientes) return;
    const auto& [sonda, raiz] = *clientes;
    if (!bench::login(raiz.get(), L"DEMO", L"ADMIN", L"admin123").ok()) {
        std::printf("  (login failed)\n");
        return;
    }
    const DISPID vazio = bench::dispid_of(sonda.get(), L"Vazio");
    const DISPID fabrica = bench::dispid_of(raiz.get(), L"TW_DF_Produtos");
    DISPPARAMS none{};
    constexpr int chamadas_por_produto = 4;
    const tabela_bench tabelas[] = {{"B10K", 10000}, {"B100K", 100000}};
    for (const tabela_bench& t : tabelas) {
        const double inicio = bench::now_ns();
        const lista_produtos l = carrega(raiz.get(), fabrica, t.codigo);
        const double carga = bench::now_ns() - inicio;
        if (l.quantidade != t.produtos) {
            std::printf("  (the table %s did not load: %ld)\n", t.codigo, static_cast<long>(l.quantidade));
            return;
        }
        const std::vector<int> ordem = ordem_por_preco(t.produtos);
        LONG i = 0;
        long falhas = 0, falhas_vazio = 0;
        const auto [leitura, vazias] = bench::measure_pair(
            [&] {
                if (!le_produto(l, i, ordem[static_cast<size_t>(i)], t.produtos)) ++falhas;
                i = (i + passo_preco) % t.produtos;   // positions spread over the whole list
            },
            [&] {
                for (int c = 0; c < chamadas_por_produto; ++c) {
                    com::unique_variant r;
                    if (sonda->Invoke(vazio, IID_NULL, 0, DISPATCH_METHOD, &none, r.get(), nullptr, nullptr) != S_OK)
                        ++falhas_vazio;
                }
            },
            1000, 10);
        const std::string tamanho = std::to_string(t.produtos);
        std::printf("  %-58s %12s  (one load: the table's products read, of a register of 100,040)\n",
                    ("client: table, BuscaPonteiros and sort (" + tamanho + ")").c_str(), bench::duration(carga).c_str());
        bench::print("client: LePosicao + code, name, price (" + tamanho + ", each checked)", leitura, falhas);
        bench::print("4 empty method calls through IDispatch", vazias, falhas_vazio);
        bench::ratio(("product read / 4 empty calls (" + tamanho + ")").c_str(), leitura, vazias);
    }
}

bench::registrar reg("9 products of a price table", run);

}  // namespace
