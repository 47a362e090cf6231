// The product position's rules that need no server, as tables of cases.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <vector>

#include "sales/posicao_produtos_textos.h"

using namespace sales;

TEST(PosicaoTextos, NumeroNFTemZerosEPontos) {
    const struct { int32_t numero; const char* texto; } casos[] = {
        {5, "000005"}, {999, "000999"}, {1000, "001.000"}, {1234, "001.234"}, {123456, "123.456"}, {1234567, "1.234.567"}, {0, ""}, {-3, ""},
        {2147483647, "2.147.483.647"},
    };
    for (const auto& c : casos) EXPECT_EQ(TextoNumeroNF(c.numero), c.texto) << c.numero;
}

TEST(PosicaoTextos, FretePorCodigo) {
    const struct { uint8_t codigo; const char* texto; } casos[] = {
        {0, "Emitente"}, {1, "Destinatário"}, {2, "Terceiro"}, {9, "Sem Frete"}, {3, ""}, {255, ""},
    };
    for (const auto& c : casos) EXPECT_EQ(TextoFrete(c.codigo), c.texto) << int(c.codigo);
}

TEST(PosicaoTextos, CasasDosSaldosEDaQuantidade) {
    const struct { uint8_t codigo; int saldo, quantidade; } casos[] = {
        {0, 0, 0}, {1, 2, 2}, {2, 4, 4}, {7, 2, 4}, {255, 2, 4},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(CasasSaldo(c.codigo), c.saldo) << int(c.codigo);
        EXPECT_EQ(CasasQuantidadeNota(c.codigo), c.quantidade) << int(c.codigo);
    }
}

TEST(PosicaoTextos, ValorPorUnidadeNaoDivideQuantidadeZero) {
    const struct { int64_t total, quantidade; std::optional<int64_t> ticks; } casos[] = {
        {141100, 20000, 70550},   // 14,11 over 2 units: 7,055
        {10000, 30000, 3333},     // 1,00 over 3: 0,3333
        {20000, 30000, 6667},
        {-20000, 30000, -6667},
        {5, 20000, 2},            // 0,00025: a tie goes to the even tick
        {7, 20000, 4},            // 0,00035
        {350100, 0, std::nullopt},   // no quantity: nothing per unit, never a division by zero
        {0, 0, std::nullopt},
    };
    for (const auto& c : casos) EXPECT_EQ(ValorPorUnidade(c.total, c.quantidade), c.ticks) << c.total << "/" << c.quantidade;
}

TEST(PosicaoTextos, OitoCasasParaCurrency) {
    EXPECT_EQ(TicksDe8Casas(3920000000), 392000);
    EXPECT_EQ(TicksDe8Casas(15000), 2);      // ties go to the even tick, as currency division does
    EXPECT_EQ(TicksDe8Casas(25000), 2);
    EXPECT_EQ(TicksDe8Casas(-15000), -2);
    EXPECT_EQ(TicksDe8Casas(14999), 1);
}

TEST(PosicaoTextos, NomeComItensDeGrade) {
    std::string nome = "Camiseta";
    JuntaItemGrade(nome, 0, "Médio");
    JuntaItemGrade(nome, 1, "Azul");
    JuntaItemGrade(nome, 2, "Gola V");
    EXPECT_EQ(nome, "Camiseta - Médio - Azul Gola V");
}

TEST(PosicaoTextos, LocalDeMaiorEstoque) {
    struct caso {
        const char* nome;
        std::vector<saldo_local> saldos;
        uint16_t padrao;
        std::optional<size_t> escolhido;
    };
    const caso casos[] = {
        {"empate com o padrão depois", {{3, 10}, {1, 10}, {2, 4}}, 1, 1},
        {"empate sem o padrão: o primeiro", {{3, 10}, {4, 10}}, 1, 0},
        {"o maior vence o padrão", {{1, 5}, {2, 9}}, 1, 1},
        {"tudo zero ou negativo: nenhum", {{1, 0}, {2, -4}}, 1, std::nullopt},
        {"lista vazia", {}, 1, std::nullopt},
    };
    for (const auto& c : casos) EXPECT_EQ(EscolheMaiorEstoque(c.saldos, c.padrao), c.escolhido) << c.nome;
}

TEST(PosicaoTextos, SaldosSomamOsTiposPedidos) {
    uint8_t resultado[396] = {};
    const auto poe = [&resultado](size_t offset, int64_t v) { std::memcpy(resultado + offset, &v, sizeof v); };
    // EP block at 10, EPT at 138, ETPE at 266.
    poe(10, 100000);        // EP total 10
    poe(10 + 8, 20000);     // EP reserved 2
    poe(10 + 16, 80000);    // EP available 8
    poe(10 + 24, 5000);     // EP unavailable 0,5
    poe(10 + 48, 10000);    // EP pre-issue 1 + 2
    poe(10 + 56, 20000);
    poe(138, 30000);        // EPT total 3
    poe(266, 70000);        // ETPE total 7

    const struct { bool ep, ept, etpe; int casas; const char* total; const char* pre_baixa; } casos[] = {
        {true, false, false, 2, "10,00", "3,00"},
        {true, true, false, 2, "13,00", "3,00"},
        {true, true, true, 4, "20,0000", "3,0000"},
        {false, false, false, 2, "0,00", "0,00"},   // no kind asked for: zeros in the unit's decimals
        {false, false, false, 0, "0", "0"},
    };
    for (const auto& c : casos) {
        const saldos_texto s = SomaSaldos(resultado, c.ep, c.ept, c.etpe, c.casas);
        EXPECT_EQ(s.total, c.total);
        EXPECT_EQ(s.pre_baixa, c.pre_baixa);
    }
    const saldos_texto ep = SomaSaldos(resultado, true, false, false, 2);
    EXPECT_EQ(ep.reservado, "2,00");
    EXPECT_EQ(ep.disponivel, "8,00");
    EXPECT_EQ(ep.indisponivel, "0,50");
}
