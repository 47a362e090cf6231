// The holiday calendar stand-in: Brazil's national holidays (fixed and Easter-based), the
// company's own from the store, and one read of the store per company.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/CQVData.h"
#include "base/QVDataCurta.h"
#include "platform/inhouse/caldias/CFeriado.h"
#include "platform/inhouse/caldias/feriados_nacionais.h"
#include "platform/inhouse/condicoes/condicoes_store.h"
#include "platform/inhouse/core/seed.h"
#include "platform/inhouse/core/store_processo.h"

namespace {

uint16_t dia(int d, int m, int a) { return static_cast<uint16_t>(qv_numero_dia(d, m, a)); }

TEST(CFeriado, DomingoDePascoa) {
    struct caso {
        int ano, dia, mes;
    };
    // Published Easter dates.
    const caso casos[] = {{2024, 31, 3}, {2025, 20, 4}, {2026, 5, 4}, {2027, 28, 3},
                          {2028, 16, 4}, {2029, 1, 4},  {2030, 21, 4}, {1900, 15, 4}, {2000, 23, 4}};
    for (const auto& c : casos) {
        int d = 0, m = 0;
        qv_domingo_pascoa(c.ano, d, m);
        EXPECT_EQ(d * 100 + m, c.dia * 100 + c.mes) << c.ano;
    }
}

std::string lista(int ano) {
    std::string texto;
    for (const auto& f : qv_feriados_nacionais(ano)) texto += std::to_string(f.dia) + "/" + std::to_string(f.mes) + " ";
    return texto;
}

TEST(CFeriado, FeriadosNacionaisDoAno) {
    EXPECT_EQ(lista(2026), "1/1 16/2 17/2 3/4 21/4 1/5 4/6 7/9 12/10 2/11 15/11 20/11 25/12 ");
    EXPECT_EQ(lista(2025), "1/1 3/3 4/3 18/4 21/4 1/5 19/6 7/9 12/10 2/11 15/11 20/11 25/12 ");
    // Before 2024, 20 November was not a national holiday.
    EXPECT_EQ(lista(2023), "1/1 20/2 21/2 7/4 21/4 1/5 8/6 7/9 12/10 2/11 15/11 25/12 ");
    // Carnival in March; Tiradentes fell on Easter Sunday.
    EXPECT_EQ(lista(2019), "1/1 4/3 5/3 19/4 21/4 1/5 20/6 7/9 12/10 2/11 15/11 25/12 ");
}

class CalendarioDemo : public ::testing::Test {
protected:
    CalendarioDemo() { inhouse::load_seed(m_store, inhouse::demo_seed()); }
    inhouse::store m_store = inhouse::store::in_memory();
    inhouse::publica_store m_publicada{m_store};
};

TEST_F(CalendarioDemo, DiasUteisDaEmpresa) {
    CFeriado f;
    int proprios = -1;
    ASSERT_EQ(f.InicializaFinanc("demo", &proprios), S_OK);  // the company key ignores case
    EXPECT_EQ(proprios, 2);
    struct caso {
        uint16_t data;
        bool util;
    };
    const caso casos[] = {
        {dia(25, 1, 2027), false},  // the company's: São Paulo
        {dia(9, 7, 2026), false},   // the company's: the state's
        {dia(10, 7, 2026), true},   {dia(3, 4, 2026), false}, {dia(2, 4, 2026), true},
        {dia(7, 3, 2026), false},   // Saturday
        {dia(8, 3, 2026), false},   // Sunday
        {dia(29, 2, 2024), true},   {dia(4, 6, 2027), true},
    };
    for (const auto& c : casos) EXPECT_EQ(f.EhDiaUtil(c.data), c.util) << QVFormataData(c.data, true).c_str();

    // Another company has only the national holidays.
    CFeriado outra;
    ASSERT_EQ(outra.InicializaFinanc("OUTRA", &proprios), S_OK);
    EXPECT_EQ(proprios, 0);
    EXPECT_TRUE(outra.EhDiaUtil(dia(9, 7, 2026)));
}

TEST_F(CalendarioDemo, DiaUtilNosDoisSentidos) {
    CFeriado f;
    ASSERT_EQ(f.InicializaFinanc("DEMO", nullptr), S_OK);
    EXPECT_EQ(f.GetDiaUtilFinanc(0, dia(16, 2, 2026), 0, false, 0), dia(18, 2, 2026));
    EXPECT_EQ(f.GetDiaUtilFinanc(0, dia(16, 2, 2026), 0, true, 0), dia(13, 2, 2026));
    EXPECT_EQ(f.GetDiaUtilFinanc(0, dia(18, 2, 2026), 0, true, 0), dia(18, 2, 2026));
    EXPECT_EQ(f.GetDiaUtilFinanc(0, 0, 0, false, 0), 0);
    // No business day after the last day a 16-bit field holds (Friday 04/06/2027) but itself.
    EXPECT_EQ(f.GetDiaUtilFinanc(0, 65535, 0, false, 0), 65535);
}

TEST_F(CalendarioDemo, LidoUmaVezPorEmpresa) {
    const unsigned antes = CFeriado::GetCargas();
    for (int i = 0; i < 20; ++i) {
        CFeriado f;
        ASSERT_EQ(f.InicializaFinanc(i % 2 ? "DEMO" : "OUTRA", nullptr), S_OK);
    }
    EXPECT_EQ(CFeriado::GetCargas(), antes + 2);
    // A company's holiday added later is seen once the calendars are dropped.
    m_store.db().exec("INSERT INTO feriado_empresa (empresa, dia, mes, ano) VALUES ('DEMO', 10, 7, 2026)");
    CFeriado::DescartaCalendarios();
    CFeriado f;
    ASSERT_EQ(f.InicializaFinanc("DEMO", nullptr), S_OK);
    EXPECT_FALSE(f.EhDiaUtil(dia(10, 7, 2026)));
    EXPECT_TRUE(f.EhDiaUtil(dia(10, 7, 2025)));
    EXPECT_EQ(CFeriado::GetCargas(), antes + 3);
}

TEST(CFeriadoSemStore, FalhaReportadaENacionaisValem) {
    CFeriado f;
    EXPECT_TRUE(FAILED(f.InicializaFinanc("DEMO", nullptr)));
    EXPECT_EQ(f.InicializaFinanc("", nullptr), E_INVALIDARG);
    EXPECT_FALSE(f.EhDiaUtil(dia(25, 12, 2026)));
    EXPECT_TRUE(f.EhDiaUtil(dia(9, 7, 2026)));
}

TEST_F(CalendarioDemo, CondicoesDePagamentoDaDemo) {
    _REG_COND_PAGTOPS r{};
    std::vector<REG_LINHA_CONDICAO_PAGTO> linhas;
    ASSERT_TRUE(inhouse::le_condicao_pagamento(m_store, "DEMO", 3, r, linhas));
    EXPECT_STREQ(r.Nome, "Entrada + 2x");
    EXPECT_STREQ(r.CodigoTexto, "3");
    EXPECT_EQ(r.Codigo, 3);
    EXPECT_EQ(r.QtdParcelas, 3);
    EXPECT_EQ(r.Entrada, 1);
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[0].Dias, 0);
    EXPECT_EQ(linhas[2].Dias, 60);
    EXPECT_EQ(linhas[2].Percentual, 3334);
    ASSERT_TRUE(inhouse::le_condicao_pagamento(m_store, "DEMO", 4, r, linhas));
    EXPECT_EQ(r.TipoCobranca, 1);
    EXPECT_EQ(r.Taxa, 200);
    EXPECT_FALSE(inhouse::le_condicao_pagamento(m_store, "DEMO", 99, r, linhas));
    EXPECT_TRUE(linhas.empty());
}

}  // namespace
