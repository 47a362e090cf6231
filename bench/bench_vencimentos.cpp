// Due dates on business days: 10,000 instalments spread over ten years, each through a
// calculator of its own as the payment condition makes them, once the company's holiday calendar
// is loaded; and a condition of 120 monthly instalments with the customer's rules applied. The
// calendar must be read from the store once per company, never per instalment.
#include <cstdio>
#include <vector>

#include "base/CQVData.h"
#include "bench/harness.h"
#include "ft/ftlibrary/CCondicaoPagamento.h"
#include "ft/ftlibrary/CQVCalculaVencimento.h"
#include "platform/inhouse/caldias/CFeriado.h"
#include "platform/inhouse/core/seed.h"
#include "platform/inhouse/core/store_processo.h"

namespace {

struct instalment {
    uint16_t data;
    CQVCalculaVencimentoDados regras;
};

// Dates from 2016 to 2025, a mix of rules: anticipate, postpone, a weekday, days of the month.
std::vector<instalment> instalments(int n) {
    std::vector<instalment> v;
    const uint32_t inicio = qv_numero_dia(1, 1, 2016), dias = qv_numero_dia(1, 1, 2026) - inicio;
    for (int i = 0; i < n; ++i) {
        instalment p{static_cast<uint16_t>(inicio + (static_cast<uint32_t>(i) * 7919u) % dias), {}};
        p.regras.SetLetra(i % 2 ? 'A' : 'P');
        if (i % 5 == 1) p.regras.SetDiaSemana(static_cast<int8_t>(2 + i % 5));
        if (i % 5 == 2) p.regras.SetDiasMes(10, 25);
        if (i % 5 == 3) p.regras.SetDiasAdicionar(static_cast<int8_t>(i % 9));
        v.push_back(p);
    }
    return v;
}

void run() {
    inhouse::store data = inhouse::store::in_memory();
    inhouse::load_seed(data, inhouse::demo_seed());
    inhouse::publica_store publicada(data);
    const std::vector<instalment> fonte = instalments(10000);
    const unsigned cargas_antes = CFeriado::GetCargas();

    long falhas = 0;
    size_t i = 0;
    const auto um = bench::measure([&] {
        const instalment& p = fonte[i++ % fonte.size()];
        CQVCalculaVencimento calculo;
        calculo.Inicializa("DEMO", 1, 1);
        calculo.SetParametros(true, 0, 0);
        if (calculo.Calcula(p.regras, p.data) == 0) ++falhas;
    }, 10000);
    bench::print("due date, calculator per instalment (10,000 over 10 years)", um, falhas);

    _REG_COND_PAGTOPS registro{};
    std::vector<REG_LINHA_CONDICAO_PAGTO> linhas(120);
    for (size_t k = 0; k < linhas.size(); ++k) {
        linhas[k].Percentual = k + 1 < linhas.size() ? 83 : 10000 - 83 * 119;
        linhas[k].Dias = static_cast<int16_t>(30 * (k + 1));
    }
    registro.QtdParcelas = static_cast<uint8_t>(linhas.size());
    QVCFRT cliente{};
    cliente.letra_1330 = 'P';
    cliente.dias_mes[0] = 10;
    long falhas_condicao = 0;
    const auto condicao = bench::measure([&] {
        CCondicaoPagamento c;
        c.Inicializa("DEMO", 1, 1);
        c.SetValorTotal(CQVCurrencyEx(qv_cy(123456789)));
        if (!c.Inicializa(registro, linhas.data(), static_cast<uint16_t>(qv_numero_dia(5, 1, 2016)))) ++falhas_condicao;
        c.SetDadosVencimento(cliente);
    }, 20);
    bench::sample por_parcela = condicao;
    for (double& b : por_parcela.batches) b /= static_cast<double>(linhas.size());
    bench::print("condition of 120 instalments with rules (per instalment)", por_parcela, falhas_condicao);

    std::printf("  %-58s %12u\n", "calendar loads from the store for all of the above",
                CFeriado::GetCargas() - cargas_antes);
}

bench::registrar reg("10 due dates", run);

}  // namespace
