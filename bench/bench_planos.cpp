// Loading a chart of accounts as a web page does: the root object's factory, BuscaPonteiros, then
// every account read through IDispatch from this (another) process. Two companies of the bench
// installation carry charts of 1,000 and 10,000 accounts, so that the load of both sizes can be
// timed in alternation and compared: a load that grows linearly costs the same per account.
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "bench/harness.h"
#include "bench/instalacao.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/store.h"
#include "server/holders/dados_instalacao.h"

namespace {

struct empresa_bench {
    const char* chave;
    int contas;
};
constexpr empresa_bench pequena{"BENCH1K", 1000};
constexpr empresa_bench grande{"BENCH10K", 10000};

struct conta_esperada {
    std::string classificacao, codigo, nome, tipo;
};

// The bench companies are copies of the demo company's login (its ADMIN user and password, its
// branches and modules) with a chart of their own; made once per bench installation.
void prepara_empresa(inhouse::store& s, const empresa_bench& e) {
    auto existe = s.prepare("SELECT 1 FROM empresa WHERE chave = ?");
    existe.bind_text(1, e.chave);
    if (existe.step()) return;
    s.write([&] {
        auto copia = [&](const char* sql) { s.prepare(sql).bind_text(1, e.chave).run(); };
        copia("INSERT INTO empresa (chave, razao_social) VALUES (?, 'Empresa do benchmark')");
        copia("INSERT INTO empresa_sistema (empresa, tipos_vevureze) SELECT ?, tipos_vevureze FROM empresa_sistema"
              " WHERE empresa = 'DEMO'");
        copia("INSERT INTO empresa_modulo (empresa, modulo) SELECT ?, modulo FROM empresa_modulo WHERE empresa = 'DEMO'");
        copia("INSERT INTO filial (empresa, posicao, codigo, nome) SELECT ?, posicao, codigo, nome FROM filial"
              " WHERE empresa = 'DEMO'");
        copia("INSERT INTO usuario (empresa, numero, nome, senha_sal, senha_hash, senha_iteracoes, nome_completo,"
              " apelido, bloqueado, todos_direitos) SELECT ?, numero, nome, senha_sal, senha_hash, senha_iteracoes,"
              " nome_completo, apelido, bloqueado, todos_direitos FROM usuario WHERE empresa = 'DEMO' AND nome = 'ADMIN'");
        copia("INSERT INTO usuario_filial (empresa, usuario, filial, ativa) SELECT ?, usuario, filial, ativa"
              " FROM usuario_filial WHERE empresa = 'DEMO' AND usuario = 1");
        copia("INSERT INTO plano_configuracao (empresa) VALUES (?)");
        auto conta = s.prepare(
            "INSERT INTO plano_conta (empresa, posicao, classificacao, codigo, nome, tipo) VALUES (?, ?, ?, ?, ?, ?)");
        for (int i = 1; i <= e.contas; ++i) {
            char classificacao[16], codigo[16], nome[32];
            // Title accounts every tenth, postable ones between, as a real chart alternates them.
            std::snprintf(classificacao, sizeof classificacao, "%d.%05d", 1 + i / 5000, i);
            std::snprintf(codigo, sizeof codigo, "%d", 100000 + i);
            std::snprintf(nome, sizeof nome, "Conta de teste %05d", i);
            conta.reset();
            conta.bind_text(1, e.chave)
                .bind(2, i)
                .bind_text(3, classificacao)
                .bind_text(4, codigo)
                .bind_text(5, nome)
                .bind_text(6, i % 10 == 0 ? "T" : "A")
                .run();
        }
    });
}

// The accounts in the order the loaded chart stands in: by classification, byte by byte.
std::vector<conta_esperada> contas_de(inhouse::store& s, const empresa_bench& e) {
    auto q = s.prepare("SELECT classificacao, codigo, nome, tipo FROM plano_conta WHERE empresa = ?"
                       " ORDER BY classificacao COLLATE BINARY");
    q.bind_text(1, e.chave);
    std::vector<conta_esperada> out;
    while (q.step()) out.push_back({q.column_text(0), q.column_text(1), q.column_text(2), q.column_text(3)});
    return out;
}

using bench::chama;
using bench::i4;

bool entra(IDispatch* raiz, DISPID inicializa, const char* empresa) {
    com::unique_bstr e = com::to_bstr(std::string(empresa)), u(SysAllocString(L"ADMIN")),
                     p(SysAllocString(L"admin123"));
    return bench::login(raiz, inicializa, e.get(), u.get(), p.get()).ok();
}

struct leitor_plano {
    com::com_ptr<IDispatch> plano;
    DISPID busca, le_posicao, classificacao, codigo, nome, tipo;
};

// A new chart object from the root's factory, loaded: its account count, or -1 on a failure.
LONG carrega(IDispatch* raiz, DISPID fabrica, leitor_plano* leitor = nullptr) {
    com::unique_variant objeto;
    if (chama(raiz, fabrica, {}, objeto.get()) != S_OK || V_VT(objeto.get()) != VT_DISPATCH ||
        !V_DISPATCH(objeto.get()))
        return -1;
    IDispatch* plano = V_DISPATCH(objeto.get());
    constexpr DISPID busca = 1;   // BuscaPonteiros in the type library: no name look-up inside the timing
    com::unique_variant n;
    if (chama(plano, busca, {}, n.get()) != S_OK || V_VT(n.get()) != VT_I4) return -1;
    if (leitor) {
        leitor->plano = com::com_ptr<IDispatch>(plano);
        leitor->busca = busca;
        leitor->le_posicao = bench::dispid_of(plano, L"LePosicao");
        leitor->classificacao = bench::dispid_of(plano, L"GetClassificacao");
        leitor->codigo = bench::dispid_of(plano, L"GetCodigo");
        leitor->nome = bench::dispid_of(plano, L"GetNome");
        leitor->tipo = bench::dispid_of(plano, L"GetTipo");
    }
    return V_I4(n.get());
}

bool texto_igual(IDispatch* plano, DISPID id, const std::string& esperado) {
    com::unique_variant v;
    return chama(plano, id, {}, v.get()) == S_OK && V_VT(v.get()) == VT_BSTR &&
           com::from_bstr(V_BSTR(v.get())) == esperado;
}

void run() {
    std::vector<conta_esperada> esperadas;
    const auto clientes = bench::abre_instalacao([&](inhouse::store& s) {
        prepara_empresa(s, pequena);
        prepara_empresa(s, grande);
        esperadas = contas_de(s, grande);
    });
    if (!clientes) return;
    const auto& [sonda, raiz] = *clientes;
    const DISPID vazio = bench::dispid_of(sonda.get(), L"Vazio");
    const DISPID inicializa = bench::dispid_of(raiz.get(), L"Inicializa");
    const DISPID fabrica = bench::dispid_of(raiz.get(), L"TW_DF_PlanoContabil");
    DISPPARAMS none{};

    // Loads, the two sizes in alternation (one login each: one session serves the process). The
    // first load after a login also opens the chart connection; it is not timed.
    bench::sample carga_pequena, carga_grande;
    long falhas_carga = 0;
    for (int rodada = 0; rodada < 5; ++rodada) {
        for (const auto* e : {&pequena, &grande}) {
            if (!entra(raiz.get(), inicializa, e->chave)) ++falhas_carga;
            if (carrega(raiz.get(), fabrica) != e->contas) ++falhas_carga;
            const int vezes = e == &pequena ? 10 : 1;
            (e == &pequena ? carga_pequena : carga_grande).batches.push_back(bench::time_batch([&] {
                if (carrega(raiz.get(), fabrica) != e->contas) ++falhas_carga;
            }, vezes));
        }
    }
    bench::print("load a chart of 1,000 accounts (factory + BuscaPonteiros)", carga_pequena, falhas_carga);
    bench::print("load a chart of 10,000 accounts (factory + BuscaPonteiros)", carga_grande, falhas_carga);
    bench::sample por_conta_pequena = carga_pequena, por_conta_grande = carga_grande;
    for (double& b : por_conta_pequena.batches) b /= pequena.contas;
    for (double& b : por_conta_grande.batches) b /= grande.contas;
    bench::print("  the same per account, 1,000", por_conta_pequena, falhas_carga);
    bench::print("  the same per account, 10,000", por_conta_grande, falhas_carga);
    bench::ratio("load per account 10,000 / 1,000 (1.00: linear)", por_conta_grande, por_conta_pequena);

    // Every account of the large chart, read as a page reads it (cursor, then four texts), each
    // text checked against the store; against as many empty calls, interleaved.
    leitor_plano leitor{};
    long falhas_leitura = 0, falhas_vazio = 0;
    if (!entra(raiz.get(), inicializa, grande.chave) || carrega(raiz.get(), fabrica, &leitor) != grande.contas ||
        esperadas.size() != static_cast<size_t>(grande.contas)) {
        std::printf("  (the chart of 10,000 accounts could not be loaded)\n");
        return;
    }
    IDispatch* plano = leitor.plano.get();
    LONG i = 0;
    constexpr int chamadas_por_conta = 5;
    const auto [leitura, vazias] = bench::measure_pair(
        [&] {
            const conta_esperada& e = esperadas[static_cast<size_t>(i)];
            const bool ok = chama(plano, leitor.le_posicao, {i4(i)}, nullptr) == S_OK &&
                            texto_igual(plano, leitor.classificacao, e.classificacao) &&
                            texto_igual(plano, leitor.codigo, e.codigo) && texto_igual(plano, leitor.nome, e.nome) &&
                            texto_igual(plano, leitor.tipo, e.tipo);
            if (!ok) ++falhas_leitura;
            i = (i + 1) % grande.contas;
        },
        [&] {
            for (int k = 0; k < chamadas_por_conta; ++k) {
                com::unique_variant r;
                if (sonda->Invoke(vazio, IID_NULL, 0, DISPATCH_METHOD, &none, r.get(), nullptr, nullptr) != S_OK)
                    ++falhas_vazio;
            }
        },
        grande.contas / 10, 10);
    bench::print("read one account: LePosicao + 4 texts (10,000, each checked)", leitura, falhas_leitura);
    bench::print("5 empty method calls through IDispatch", vazias, falhas_vazio);
    bench::ratio("account read / 5 empty calls (per call)", leitura, vazias);
    bench::sample carga_e_leitura = carga_grande;
    for (double& b : carga_e_leitura.batches) b = b / grande.contas + leitura.median();
    bench::print("load and read, per account (10,000)", carga_e_leitura, falhas_carga + falhas_leitura);
}

bench::registrar reg("6 chart of accounts", run);

}  // namespace
