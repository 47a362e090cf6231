// The payment condition: the split of an amount into instalments, the condition's discount and
// interest, a user's change of one instalment, the due dates and the instalment record.
#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <optional>
#include <vector>

#include "base/CQVException.h"
#include "base/QVDataCurta.h"
#include "condicao_teste.h"
#include "ft/ftlibrary/CCondicaoPagamento.h"
#include "platform/com/failure.h"

namespace {

std::vector<int64_t> valores(const CCondicaoPagamento& c) {
    std::vector<int64_t> v;
    for (const auto& p : c.GetParcelas()) v.push_back(em_centavos(p.GetValor()));
    return v;
}

std::vector<int64_t> percentuais(const CCondicaoPagamento& c) {
    std::vector<int64_t> v;
    for (const auto& p : c.GetParcelas()) v.push_back(p.GetPercentual());
    return v;
}

int64_t soma(const std::vector<int64_t>& v) { return std::accumulate(v.begin(), v.end(), int64_t{0}); }

// A condition built the way the order entry does: session, amount, record and rows, keep.
void monta(CCondicaoPagamento& c, condicao_teste& cond, int64_t total_centavos, uint16_t base = dia(2, 3, 2026)) {
    c.Inicializa("DEMO", 1, 1);
    c.SetValorTotal(centavos(total_centavos));
    c.Inicializa(cond.registro, cond.dados(), base);
    c.CalculaParcelas(true);
}

struct caso_divisao {
    const char* nome;
    std::vector<std::pair<uint16_t, int16_t>> linhas;
    int64_t total;
    uint8_t tipo_cobranca;
    uint16_t taxa;
    std::vector<int64_t> percentuais;  // eight decimals
    std::vector<int64_t> valores;      // centavos
    int64_t desconto;
};

const caso_divisao casos_divisao[] = {
    {"tres terços: divisão igual", {{3333, 30}, {3333, 60}, {3334, 90}}, 10000, 0, 0,
     {3333333333, 3333333333, 3333333334}, {3333, 3333, 3334}, 0},
    {"60/40 fica como está", {{6000, 30}, {4000, 60}}, 10000, 0, 0, {6000000000, 4000000000}, {6000, 4000}, 0},
    // 33,3367 rounds up twice; the last instalment takes the cent too many back.
    {"resto negativo na última", {{3333, 30}, {3333, 60}, {3334, 90}}, 10001, 0, 0,
     {3333333333, 3333333333, 3333333334}, {3334, 3334, 3333}, 0},
    {"sete partes iguais", {{1428, 10}, {1428, 20}, {1428, 30}, {1428, 40}, {1428, 50}, {1428, 60}, {1432, 70}}, 100000,
     0, 0, {1428571429, 1428571429, 1428571429, 1428571429, 1428571429, 1428571429, 1428571426},
     {14286, 14286, 14286, 14286, 14286, 14286, 14284}, 0},
    {"desconto de 2,50 % da condição", {{5000, 0}, {5000, 30}}, 100000, 2, 250, {5000000000, 5000000000},
     {48750, 48750}, 2500},
    {"uma parcela à vista", {{10000, 0}}, 12345, 0, 0, {10000000000}, {12345}, 0},
};

TEST(CCondicaoPagamento, DivideOTotalPelasParcelas) {
    for (const auto& c : casos_divisao) {
        SCOPED_TRACE(c.nome);
        condicao_teste cond{};
        for (const auto& [p, d] : c.linhas) {
            REG_LINHA_CONDICAO_PAGTO l{};
            l.Percentual = p;
            l.Dias = d;
            cond.linhas.push_back(l);
        }
        cond.registro.QtdParcelas = static_cast<uint8_t>(cond.linhas.size());
        cond.registro.TipoCobranca = c.tipo_cobranca;
        cond.registro.Taxa = c.taxa;
        CCondicaoPagamento condicao;
        monta(condicao, cond, c.total);
        EXPECT_EQ(percentuais(condicao), c.percentuais);
        EXPECT_EQ(valores(condicao), c.valores);
        EXPECT_EQ(em_centavos(condicao.GetValorDesconto()), c.desconto);
        EXPECT_EQ(soma(valores(condicao)), em_centavos(condicao.GetTotalPagar()));
    }
}

TEST(CCondicaoPagamento, JurosSomamAoTotalESemParteNaEntrada) {
    struct caso {
        const char* nome;
        uint8_t entrada, juros_simples, simples_30, ultimo_prazo;
        std::vector<int64_t> valores;  // empty: only the sums are checked
    };
    const caso casos[] = {
        {"tabela price", 0, 0, 0, 0, {}},
        {"compostos", 0, 0, 0, 1, {}},
        {"simples pela média dos prazos", 0, 1, 0, 0, {}},
        {"tabela price com entrada", 1, 0, 0, 0, {}},
        {"simples com entrada", 1, 1, 0, 0, {}},
        // 2 % over 30 days on 1.000,00: 20,00 spread by value, the last taking the cent back.
        {"simples de 30 dias", 0, 1, 1, 0, {34000, 34000, 34000}},
        // On the 666,67 left after the down payment: 13,33, none of it on the down payment.
        {"simples de 30 dias com entrada", 1, 1, 1, 0, {33333, 33999, 34001}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        condicao_teste cond{{3333, 0}, {3333, 30}, {3334, 60}};
        cond.registro.TipoCobranca = 1;
        cond.registro.Taxa = 200;  // 2 % a month
        cond.registro.Entrada = c.entrada;
        cond.registro.JurosSimples = c.juros_simples;
        cond.registro.Simples30Dias = c.simples_30;
        cond.registro.JurosUltimoPrazo = c.ultimo_prazo;
        CCondicaoPagamento condicao;
        monta(condicao, cond, 100000);
        const int64_t juros = em_centavos(condicao.GetValorAcrescimo());
        EXPECT_GT(juros, 0);
        EXPECT_EQ(soma(valores(condicao)), 100000 + juros);
        EXPECT_EQ(em_centavos(condicao.GetTotalPagar()), 100000 + juros);
        if (c.entrada) {
            EXPECT_EQ(valores(condicao)[0], 33333);  // the down payment's share, no interest
        }
        if (!c.valores.empty()) {
            EXPECT_EQ(valores(condicao), c.valores);
        }
    }
}

TEST(CCondicaoPagamento, SemParcelasERecusadaSemLerForaDaLista) {
    for (uint8_t tipo : {0, 1, 2}) {
        SCOPED_TRACE(static_cast<int>(tipo));
        condicao_teste cond{};
        cond.registro.TipoCobranca = tipo;
        cond.registro.Taxa = 200;
        cond.registro.Entrada = 1;
        CCondicaoPagamento condicao;
        condicao.SetValorTotal(centavos(10000));
        EXPECT_FALSE(condicao.Inicializa(cond.registro, cond.dados(), dia(2, 3, 2026)));
        EXPECT_EQ(condicao.GetErro().GetCodigo(), CErroCondicaoPagto::SemParcelas);
        EXPECT_EQ(condicao.GetQtdParcelas(), 0);
        condicao.CalculaParcelas(false);
        EXPECT_EQ(em_centavos(condicao.GetValorAcrescimo()), 0);
        EXPECT_TRUE(condicao.SetValorTotal(centavos(20000)));
        CParcela nova;
        nova.SetValor(centavos(100));
        EXPECT_THROW(condicao.AlteraParcela(0, nova), CInvalidArgException);
    }
}

TEST(CCondicaoPagamento, SetValorTotalRecusaNegativoEIgnoraOMesmo) {
    condicao_teste cond{{3333, 30}, {3333, 60}, {3334, 90}};
    CCondicaoPagamento condicao;
    monta(condicao, cond, 10000);
    EXPECT_FALSE(condicao.SetValorTotal(centavos(-1)));
    EXPECT_EQ(condicao.GetErro().GetCodigo(), CErroCondicaoPagto::TotalNegativo);
    EXPECT_EQ(valores(condicao), (std::vector<int64_t>{3333, 3333, 3334}));

    condicao.GetParcela(0).SetValor(centavos(1));  // an unchanged total must not split again
    EXPECT_TRUE(condicao.SetValorTotal(centavos(10000)));
    EXPECT_EQ(condicao.GetErro().GetCodigo(), 0);
    EXPECT_EQ(valores(condicao)[0], 1);
    EXPECT_TRUE(condicao.SetValorTotal(centavos(20000)));
    EXPECT_EQ(valores(condicao), (std::vector<int64_t>{6667, 6667, 6666}));
}

TEST(CCondicaoPagamento, DataBaseVaiParaASegundaDaSemanaSeguinte) {
    struct caso {
        uint16_t base, esperada;
    };
    const caso casos[] = {
        {dia(1, 3, 2026), dia(9, 3, 2026)},   // Sunday: 8 days
        {dia(28, 2, 2026), dia(2, 3, 2026)},  // Saturday: 2 days
        {dia(2, 3, 2026), dia(9, 3, 2026)},   // Monday: the next one
        {dia(4, 3, 2026), dia(9, 3, 2026)},   // Wednesday
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(QVFormataData(c.base, true));
        condicao_teste cond{{10000, 0}};
        cond.registro.SegundaSeguinte = 1;
        CCondicaoPagamento condicao;
        monta(condicao, cond, 10000, c.base);
        EXPECT_EQ(condicao.GetDataBase(), c.esperada);
        EXPECT_EQ(condicao.GetParcela(0).GetDataVencimento(), c.esperada);
    }
}

struct caso_altera {
    const char* nome;
    uint16_t indice;
    int64_t novo;
    std::optional<int16_t> codigo;  // nullopt: accepted
    std::vector<int64_t> valores;
};

const caso_altera casos_altera[] = {
    {"última com 50,00: as anteriores dividem", 2, 5000, {}, {2500, 2500, 5000}},
    {"primeira com 50,00: as seguintes dividem", 0, 5000, {}, {5000, 2500, 2500}},
    {"segunda: as anteriores ficam", 1, 3000, {}, {3333, 3000, 3667}},
    {"resto arredondado volta para a última", 0, 1001, {}, {1001, 4500, 4499}},
    {"sobra 0,005 por parcela", 0, 9999, CErroCondicaoPagto::RestoInsuficiente, {3333, 3333, 3334}},
    {"valor zero", 1, 0, CErroCondicaoPagto::ValorNaoPositivo, {3333, 3333, 3334}},
    {"acima do total", 1, 10001, CErroCondicaoPagto::ValorAcimaDoTotal, {3333, 3333, 3334}},
};

TEST(CCondicaoPagamento, AlteraParcelaDistribuiORestante) {
    for (const auto& c : casos_altera) {
        SCOPED_TRACE(c.nome);
        condicao_teste cond{{3333, 30}, {3333, 60}, {3334, 90}};
        CCondicaoPagamento condicao;
        monta(condicao, cond, 10000);
        CParcela nova = condicao.GetParcela(c.indice);
        nova.SetValor(centavos(c.novo));
        EXPECT_EQ(condicao.AlteraParcela(c.indice, nova), !c.codigo);
        EXPECT_EQ(condicao.GetErro().GetCodigo(), c.codigo.value_or(0));
        EXPECT_EQ(valores(condicao), c.valores);
        EXPECT_EQ(soma(valores(condicao)), em_centavos(condicao.GetTotalPagar()));
        EXPECT_EQ(soma(percentuais(condicao)), 10000000000);
        for (uint16_t i = 0; i < 3; ++i) EXPECT_EQ(condicao.GetParcela(i).GetNumero(), i + 1);
    }
}

TEST(CCondicaoPagamento, AlteraParcelaRecusaParcelaComIcmsStEIndiceForaDaLista) {
    condicao_teste cond{{5000, 30}, {5000, 60}};
    CCondicaoPagamento condicao;
    monta(condicao, cond, 10000);
    condicao.GetParcela(1).SetIcmsSt(1);
    CParcela nova = condicao.GetParcela(1);
    nova.SetValor(centavos(4000));
    EXPECT_FALSE(condicao.AlteraParcela(1, nova));
    EXPECT_EQ(condicao.GetErro().GetCodigo(), CErroCondicaoPagto::ParcelaIcmsSt);
    EXPECT_EQ(condicao.GetErro().GetPosicao(), 1);
    EXPECT_EQ(valores(condicao), (std::vector<int64_t>{5000, 5000}));
    EXPECT_THROW(condicao.AlteraParcela(2, nova), CInvalidArgException);
    EXPECT_THROW(condicao.GetParcela(2), CInvalidArgException);
}

TEST(CCondicaoPagamento, AlteraParcelaComAPropriaParcelaSoAcertaOAcrescimo) {
    condicao_teste cond{{3333, 30}, {3333, 60}, {3334, 90}};
    CCondicaoPagamento condicao;
    monta(condicao, cond, 10000);
    condicao.GetParcela(1).SetValor(centavos(5000));
    EXPECT_TRUE(condicao.AlteraParcela(1, condicao.GetParcela(1)));
    EXPECT_EQ(valores(condicao), (std::vector<int64_t>{3333, 5000, 3334}));
    EXPECT_EQ(em_centavos(condicao.GetValorAcrescimo()), 1667);
    EXPECT_EQ(em_centavos(condicao.GetTotalPagar()), 11667);

    condicao.GetParcela(1).SetValor(centavos(1000));
    EXPECT_TRUE(condicao.AlteraParcela(1, condicao.GetParcela(1)));
    EXPECT_EQ(em_centavos(condicao.GetValorDesconto()), 2333);
    EXPECT_EQ(em_centavos(condicao.GetValorAcrescimo()), 0);
    EXPECT_EQ(em_centavos(condicao.GetTotalPagar()), 7667);
}

TEST(CCondicaoPagamento, DescontoDaParcelaEDataLimite) {
    condicao_teste cond{{5000, 30}, {5000, 60}};
    cond.registro.ParcelasComDesconto = 1;
    cond.registro.DescontoParcela = 200;  // 2 %
    cond.registro.DiasDesconto = 5;
    CCondicaoPagamento condicao;
    monta(condicao, cond, 3333);
    const CParcela& p = condicao.GetParcela(0);
    EXPECT_EQ(em_centavos(p.GetValor()), 1667);
    EXPECT_EQ(em_centavos(p.GetValorDesconto()), 33);  // 0,3334
    EXPECT_EQ(p.GetDataVencimento(), dia(1, 4, 2026));
    EXPECT_EQ(p.GetDataLimiteDesconto(), dia(27, 3, 2026));

    CParcela fixo;
    fixo.SetDescontoFixo(1);
    fixo.SetValorDesconto(centavos(250));
    fixo.SetValor(centavos(10000));
    EXPECT_EQ(fixo.GetPercentualDesconto(), 250);
    fixo.SetValor(centavos(0));
    EXPECT_EQ(fixo.GetPercentualDesconto(), 0);
}

TEST(CParcela, RegistroDe126Bytes) {
    CParcela p;
    p.SetNumero(300);
    p.SetTipo(7);
    p.SetFormaPagamento(4);
    p.SetDiasDesconto(3);
    p.SetPercentualDesconto(150);
    p.SetValor(centavos(12345));
    p.SetDataVencimento(dia(10, 4, 2026));
    p.SetIcmsSt(1);
    p.SetObservacao(CQVString('x', 60));
    REG_PARCELA_PEDIDO registro;
    std::memset(&registro, 0xCC, sizeof registro);
    p.GetRegistro(registro);
    unsigned char b[126];
    std::memcpy(b, &registro, sizeof b);
    auto i64 = [&](int o) { int64_t v; std::memcpy(&v, b + o, 8); return v; };
    auto u16 = [&](int o) { uint16_t v; std::memcpy(&v, b + o, 2); return v; };
    EXPECT_EQ(i64(0), 1234500);
    EXPECT_EQ(i64(8), 18500);  // 123,45 x 1,50 % = 1,85175, kept at 2 decimals
    EXPECT_EQ(u16(40), dia(10, 4, 2026));
    EXPECT_EQ(u16(42), dia(7, 4, 2026));
    EXPECT_EQ(u16(44), 3);
    EXPECT_EQ(u16(46), 150);
    EXPECT_EQ(u16(48), 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 54), 50), std::string(50, 'x'));
    EXPECT_EQ(b[104], 0);  // not terminated inside the field: the next byte is padding
    EXPECT_EQ(b[106], 44);  // 300's low byte
    EXPECT_EQ(b[107], 7);
    EXPECT_EQ(b[109], 1);
    for (int o : {16, 30, 39, 50, 53, 105, 110, 125}) EXPECT_EQ(b[o], 0) << "offset " << o;
}

TEST(CParcela, DataVaziaERecusadaEACopiaComecaSemErro) {
    CParcela p;
    p.SetDataVencimento(dia(1, 4, 2026));
    EXPECT_FALSE(p.SetDataVencimento(0));
    EXPECT_EQ(p.GetErro().GetCodigo(), CErroCondicaoPagto::DataVazia);
    EXPECT_EQ(p.GetDataVencimento(), dia(1, 4, 2026));
    const CParcela copia = p;
    EXPECT_EQ(copia.GetErro().GetCodigo(), 0);
    CParcela destino;
    destino.SetDataVencimento(0);
    destino = CParcela();
    EXPECT_EQ(destino.GetErro().GetCodigo(), CErroCondicaoPagto::DataVazia);
}

}  // namespace

namespace {

TEST(CCondicaoPagamento, NovaCondicaoMantemFormaEObservacaoENumeraDeZero) {
    condicao_teste tres{{3333, 0}, {3333, 30}, {3334, 60}};
    CCondicaoPagamento condicao;
    monta(condicao, tres, 10000);
    condicao.GetParcela(1).SetFormaPagamento(5);
    condicao.GetParcela(1).SetObservacao("boleto");

    condicao_teste duas{{5000, 10}, {5000, 20}};
    duas.registro.NumeraDeZero = 1;
    ASSERT_TRUE(condicao.Inicializa(duas.registro, duas.dados(), dia(2, 3, 2026)));
    ASSERT_EQ(condicao.GetQtdParcelas(), 2);
    EXPECT_EQ(condicao.GetParcela(0).GetNumero(), 0);
    EXPECT_EQ(condicao.GetParcela(1).GetNumero(), 1);
    EXPECT_EQ(condicao.GetParcela(1).GetFormaPagamento(), 5);
    EXPECT_EQ(condicao.GetParcela(1).GetObservacao(), "boleto");
    EXPECT_EQ(condicao.GetParcela(1).GetDataVencimento(), dia(22, 3, 2026));
    EXPECT_EQ(valores(condicao), (std::vector<int64_t>{5000, 5000}));
}

}  // namespace
