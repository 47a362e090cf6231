// Due dates under a customer's rules and the company's holiday calendar.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <vector>
#include <ctime>
#include <optional>

#include "base/QVDataCurta.h"
#include "condicao_teste.h"
#include "ft/ftlibrary/CCondicaoPagamento.h"
#include "ft/ftlibrary/CQVCalculaVencimento.h"
#include "platform/com/failure.h"
#include "platform/inhouse/caldias/CFeriado.h"

namespace {

struct regra {
    char letra = 0;
    int8_t dias_mes[4] = {};
    int8_t dia_semana = 0;
    int8_t adicionar = 0;
    bool proxima = false;

    CQVCalculaVencimentoDados dados() const {
        CQVCalculaVencimentoDados d;
        d.SetLetra(letra);
        d.SetDiasMes(dias_mes[0], dias_mes[1], dias_mes[2], dias_mes[3]);
        d.SetDiaSemana(dia_semana);
        d.SetDiasAdicionar(adicionar);
        d.SetProximaOcorrencia(proxima);
        return d;
    }
};

struct caso_vencimento {
    const char* nome;
    regra r;
    uint16_t data;
    std::optional<uint16_t> esperada;  // nullopt: refused with com::failure
    HRESULT hr = S_OK;                 // the refusal's HRESULT
};

const caso_vencimento casos[] = {
    {"segunda-feira a partir de quarta", {.dia_semana = 2}, dia(4, 3, 2026), dia(9, 3, 2026)},
    {"segunda-feira já é segunda", {.dia_semana = 2}, dia(2, 3, 2026), dia(2, 3, 2026)},
    {"próxima segunda-feira", {.dia_semana = 2, .proxima = true}, dia(2, 3, 2026), dia(9, 3, 2026)},
    {"dias 10 e 25 depois do 25", {.dias_mes = {10, 25}}, dia(26, 3, 2026), dia(10, 4, 2026)},
    {"dia 10 no próprio dia", {.dias_mes = {10, 25}}, dia(10, 3, 2026), dia(10, 3, 2026)},
    {"próxima ocorrência depois do dia 10", {.dias_mes = {10, 25}, .proxima = true}, dia(10, 3, 2026), dia(25, 3, 2026)},
    {"dia 31 em mês de 30 dias", {.dias_mes = {31}}, dia(5, 4, 2026), dia(30, 4, 2026)},
    {"dia 30 cai no último de fevereiro", {.dias_mes = {30}}, dia(31, 1, 2026), dia(28, 2, 2026)},
    {"dia 30 em fevereiro bissexto", {.dias_mes = {30}}, dia(31, 1, 2024), dia(29, 2, 2024)},
    {"virada do ano pelo dia do mês", {.dias_mes = {5}}, dia(20, 12, 2026), dia(5, 1, 2027)},
    {"mais dois dias", {.adicionar = 2}, dia(30, 12, 2026), dia(1, 1, 2027)},
    {"menos dois dias", {.adicionar = -2}, dia(1, 3, 2026), dia(27, 2, 2026)},
    {"data vazia", {.adicionar = 5}, 0, 0},
    {"dia do mês negativo", {.dias_mes = {-3}}, dia(1, 3, 2026), std::nullopt, E_INVALIDARG},
    {"dia do mês 32", {.dias_mes = {10, 32}}, dia(1, 3, 2026), std::nullopt, E_INVALIDARG},
    {"dia da semana 8", {.dia_semana = 8}, dia(1, 3, 2026), std::nullopt, E_INVALIDARG},
    {"ano antes de 1900", {}, dia(1, 3, 1899), std::nullopt, E_FAIL},
    {"além do campo de 16 bits", {.adicionar = 5}, dia(2, 6, 2027), std::nullopt, DISP_E_OVERFLOW},
    // Business days of the demo company: national holidays plus 25/01 and 09/07.
    {"Carnaval adiado", {.letra = 'P'}, dia(16, 2, 2026), dia(18, 2, 2026)},
    {"Carnaval antecipado", {.letra = 'A'}, dia(17, 2, 2026), dia(13, 2, 2026)},
    {"Sexta-feira da Paixão adiada", {.letra = 'P'}, dia(3, 4, 2026), dia(6, 4, 2026)},
    {"Sexta-feira da Paixão antecipada", {.letra = 'A'}, dia(3, 4, 2026), dia(2, 4, 2026)},
    {"Corpus Christi adiado", {.letra = 'P'}, dia(4, 6, 2026), dia(5, 6, 2026)},
    {"Natal adiado", {.letra = 'P'}, dia(25, 12, 2026), dia(28, 12, 2026)},
    {"Ano-novo antecipado para o ano anterior", {.letra = 'A'}, dia(1, 1, 2027), dia(31, 12, 2026)},
    {"Ano-novo adiado", {.letra = 'P', .adicionar = 3}, dia(29, 12, 2026), dia(4, 1, 2027)},
    {"29 de fevereiro num sábado, adiado", {.letra = 'P'}, dia(29, 2, 2020), dia(2, 3, 2020)},
    {"29 de fevereiro num sábado, antecipado", {.letra = 'A'}, dia(29, 2, 2020), dia(28, 2, 2020)},
    {"29 de fevereiro útil", {.letra = 'P'}, dia(29, 2, 2024), dia(29, 2, 2024)},
    {"feriado da empresa: 9 de julho", {.letra = 'P'}, dia(9, 7, 2026), dia(10, 7, 2026)},
    {"feriado da empresa: 25 de janeiro", {.letra = 'A'}, dia(25, 1, 2027), dia(22, 1, 2027)},
    {"20 de novembro desde 2024", {.letra = 'P'}, dia(20, 11, 2026), dia(23, 11, 2026)},
    {"20 de novembro antes de 2024", {.letra = 'P'}, dia(20, 11, 2020), dia(20, 11, 2020)},
    {"dia útil fica", {.letra = 'A'}, dia(4, 3, 2026), dia(4, 3, 2026)},
    {"dia 10 num sábado, adiado", {.letra = 'P', .dias_mes = {10}}, dia(1, 1, 2026), dia(12, 1, 2026)},
    {"segunda de Carnaval antecipada", {.letra = 'A', .dia_semana = 2}, dia(11, 2, 2026), dia(13, 2, 2026)},
    {"último dia do campo é útil", {.letra = 'P'}, dia(4, 6, 2027), dia(4, 6, 2027)},
};

TEST(CQVCalculaVencimento, AplicaAsRegrasEOCalendario) {
    store_demo_publicada store;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        CQVCalculaVencimento calculo;
        calculo.Inicializa("DEMO", 1, 1);
        calculo.SetParametros(true, 0, 0);
        const CQVCalculaVencimentoDados dados = c.r.dados();
        if (c.esperada) {
            EXPECT_EQ(QVFormataData(calculo.Calcula(dados, c.data), true), QVFormataData(*c.esperada, true));
        } else {
            try {
                calculo.Calcula(dados, c.data);
                ADD_FAILURE() << "accepted";
            } catch (const com::failure& f) {
                EXPECT_EQ(f.hr, c.hr);
                EXPECT_FALSE(f.text.empty());
            }
        }
    }
}

TEST(CQVCalculaVencimento, SemDiaUtilPedidoADataNaoMuda) {
    store_demo_publicada store;
    CQVCalculaVencimento calculo;
    calculo.Inicializa("DEMO", 1, 1);
    calculo.SetParametros(false, 0, 0);
    EXPECT_EQ(calculo.Calcula(regra{.letra = 'P'}.dados(), dia(25, 12, 2026)), dia(25, 12, 2026));
    EXPECT_FALSE(calculo.GetFeriadosCarregados());
}

TEST(CQVCalculaVencimento, CalendarioIndisponivelChegaComoErro) {
    // No installation store published: the company's holidays cannot be known.
    CFeriado::DescartaCalendarios();
    CQVCalculaVencimento calculo;
    calculo.Inicializa("DEMO", 1, 1);
    calculo.SetParametros(true, 0, 0);
    EXPECT_THROW(calculo.Calcula(regra{.letra = 'P'}.dados(), dia(9, 7, 2026)), com::failure);
    EXPECT_FALSE(calculo.GetFeriadosCarregados());
    // Without a business-day move the calendar is not needed.
    EXPECT_EQ(calculo.Calcula(regra{.adicionar = 1}.dados(), dia(9, 7, 2026)), dia(10, 7, 2026));
}

TEST(CQVCalculaVencimento, CargaDoCalendarioUmaVezPorEmpresa) {
    store_demo_publicada store;
    const unsigned antes = CFeriado::GetCargas();
    for (int i = 0; i < 50; ++i) {
        CQVCalculaVencimento calculo;
        calculo.Inicializa("DEMO", 1, 1);
        calculo.SetParametros(true, 0, 0);
        calculo.Calcula(regra{.letra = 'P'}.dados(), static_cast<uint16_t>(dia(1, 1, 2026) + i));
    }
    EXPECT_EQ(CFeriado::GetCargas(), antes + 1);
}

TEST(CQVCalculaVencimento, CustomerRecordFillsTheRules) {
    QVCFRT cliente{};
    cliente.letra_1330 = 'A';
    const char dias[6] = {10, 20, 0, 30, 1, 2};  // copying stops at the first zero
    std::memcpy(cliente.dias_mes, dias, sizeof dias);
    cliente.dia_semana = 3;
    cliente.dias_adicionar = static_cast<uint8_t>(-4);
    cliente.proxima_ocorrencia = 'S';
    CQVCalculaVencimentoDados d;
    d.Carrega(cliente);
    EXPECT_EQ(d.GetLetra(), 'A');
    EXPECT_EQ(std::vector<int>(d.GetDiasMes(), d.GetDiasMes() + 6), (std::vector<int>{10, 20, 0, 0, 0, 0}));
    EXPECT_EQ(d.GetDiaSemana(), 3);
    EXPECT_EQ(d.GetDiasAdicionar(), -4);
    EXPECT_TRUE(d.GetProximaOcorrencia());
}

// The condition applies the rules to every instalment with a term; both letters move the date.
TEST(CCondicaoPagamentoVencimentos, RegrasDoClienteMovemOsVencimentos) {
    store_demo_publicada store;
    struct caso {
        const char* nome;
        char letra;
        std::vector<uint16_t> esperadas;
    };
    // Base Saturday 17/01/2026: 30 days is Carnival Monday, 138 days Corpus Christi; the
    // instalment due on the base date has no term and keeps its date.
    const caso casos[] = {
        {"sem regra", 0, {dia(17, 1, 2026), dia(16, 2, 2026), dia(4, 6, 2026)}},
        {"adiando", 'P', {dia(17, 1, 2026), dia(18, 2, 2026), dia(5, 6, 2026)}},
        {"antecipando", 'A', {dia(17, 1, 2026), dia(13, 2, 2026), dia(3, 6, 2026)}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        condicao_teste cond{{3333, 0}, {3333, 30}, {3334, 138}};
        CCondicaoPagamento condicao;
        condicao.Inicializa("DEMO", 1, 1);
        condicao.SetValorTotal(centavos(10000));
        ASSERT_TRUE(condicao.Inicializa(cond.registro, cond.dados(), dia(17, 1, 2026)));
        QVCFRT cliente{};
        cliente.letra_1330 = c.letra;
        condicao.SetDadosVencimento(cliente);
        std::vector<uint16_t> datas;
        for (const auto& p : condicao.GetParcelas()) datas.push_back(p.GetDataVencimento());
        EXPECT_EQ(datas, c.esperadas);
    }
}

TEST(CCondicaoPagamentoVencimentos, FalhaDaRegraNaoMudaAsParcelas) {
    store_demo_publicada store;
    condicao_teste cond{{5000, 30}, {5000, 60}};
    CCondicaoPagamento condicao;
    condicao.Inicializa("DEMO", 1, 1);
    condicao.SetValorTotal(centavos(10000));
    ASSERT_TRUE(condicao.Inicializa(cond.registro, cond.dados(), dia(2, 3, 2026)));
    QVCFRT cliente{};
    cliente.dias_mes[0] = static_cast<char>(-1);
    EXPECT_THROW(condicao.SetDadosVencimento(cliente), com::failure);
    EXPECT_EQ(condicao.GetParcela(0).GetDataVencimento(), dia(1, 4, 2026));
    EXPECT_EQ(condicao.GetParcela(1).GetDataVencimento(), dia(1, 5, 2026));
    EXPECT_EQ(condicao.GetDadosVencimento().GetDiasMes()[0], 0);
    EXPECT_THROW(condicao.SetDataBase(dia(1, 5, 2027), true), com::failure);  // 60 days: past 04/06/2027
    EXPECT_EQ(condicao.GetDataBase(), dia(2, 3, 2026));
}

}  // namespace
