// The order's arithmetic: apportioning with its remainders, the totals, the minimum amounts of
// withholding, the amount to pay and the weights.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "bytes_registro.h"
#include "contexto_teste.h"
#include "ft/ftlibrary/CPedido.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/login/registros_filial.h"

namespace {

CItemPedido produto(double valor, uint16_t aliquota_icms = 0) {
    bytes_item r;
    r.poe<int64_t>(90, v8(valor)).cy(82, cy(1)).poe<uint8_t>(1398, 1).poe<uint8_t>(1399, 2).poe<uint16_t>(310, aliquota_icms);
    return CItemPedido(r.como<REG_ITEM_PEDIDO>());
}
CItemPedido servico(double valor, std::vector<std::pair<size_t, uint16_t>> aliquotas = {}) {
    bytes_item r;
    r.cy(170, cy(valor));
    for (auto [offset, aliquota] : aliquotas) r.poe<uint16_t>(offset, aliquota);
    return CItemPedido(r.como<REG_ITEM_PEDIDO>());
}

std::vector<int64_t> encargos1(const CPedido& p) {
    std::vector<int64_t> v;
    for (const CItemPedido& i : p.GetItens()) v.push_back(i.GetRateioEncargo(1).int64);
    return v;
}
std::vector<int64_t> descontos(const CPedido& p) {
    std::vector<int64_t> v;
    for (const CItemPedido& i : p.GetItens()) v.push_back(i.GetRateioDesconto().int64);
    return v;
}

// ---- apportioning -------------------------------------------------------------------------

struct caso_rateio {
    const char* nome;
    std::vector<CItemPedido> itens;
    std::vector<int64_t> esperado;
};

TEST(Rateia, ProductChargeRemainderGoesToTheChosenProduct) {
    const caso_rateio casos[] = {
        {"full tie: the first product", {produto(10), produto(10), produto(10)}, {cy(3.34), cy(3.33), cy(3.33)}},
        {"highest ICMS rate", {produto(10, 1200), produto(10, 1200), produto(10, 1800)}, {cy(3.33), cy(3.33), cy(3.34)}},
        {"equal rates: the larger value", {produto(10), produto(10.01), produto(10)}, {cy(3.33), cy(3.34), cy(3.33)}},
        {"a lower rate does not replace", {produto(10, 1800), produto(50, 1200), produto(10, 1200)},
         {cy(1.44), cy(7.14), cy(1.42)}},
        {"services take no product charge", {servico(10), produto(10), servico(10)}, {0, cy(10.00), 0}},
    };
    for (const auto& c : casos) {
        CPedido p;
        for (const CItemPedido& i : c.itens) p.AdicionaItem(i);
        p.SetEncargoProduto(1, moeda(10.00));
        p.CalculaTotais();
        EXPECT_EQ(encargos1(p), c.esperado) << c.nome;
    }
}

TEST(Rateia, DiscountRemainderGoesToTheLastOfItsGroup) {
    CPedido p;
    for (int i = 0; i < 3; ++i) p.AdicionaItem(produto(10));
    ASSERT_TRUE(p.SetDesconto(moeda(10.00), 0));
    p.CalculaTotais();
    EXPECT_EQ(descontos(p), (std::vector<int64_t>{cy(3.33), cy(3.33), cy(3.34)}));
}

TEST(Rateia, ServicesOnly) {
    CPedido p;
    for (int i = 0; i < 3; ++i) p.AdicionaItem(servico(10));
    ASSERT_TRUE(p.SetDescontoServicos(moeda(10.00), 0));
    p.SetValorDescontoRateio(moeda(1.00));
    p.SetEncargoRateio(moeda(2.00));
    p.SetEncargoProduto(1, moeda(5.00));
    p.CalculaTotais();
    // Discount shares 3.33 + 0.33 (order discount truncated), the last takes both remainders.
    EXPECT_EQ(descontos(p), (std::vector<int64_t>{cy(3.66), cy(3.66), cy(3.68)}));
    std::vector<int64_t> encargos;
    for (const CItemPedido& i : p.GetItens()) encargos.push_back(i.GetRateioEncargo().int64);
    EXPECT_EQ(encargos, (std::vector<int64_t>{cy(0.66), cy(0.66), cy(0.68)}));
    EXPECT_EQ(encargos1(p), (std::vector<int64_t>{0, 0, 0}));
}

TEST(Rateia, OrderWideAmountsEndOnTheLastItemOfEitherKind) {
    CPedido p;
    p.AdicionaItem(servico(10));
    p.AdicionaItem(produto(10));
    p.AdicionaItem(servico(10));
    p.AdicionaItem(produto(10));
    p.SetValorDescontoRateio(moeda(1.00));
    p.CalculaTotais();
    EXPECT_EQ(descontos(p), (std::vector<int64_t>{cy(0.25), cy(0.25), cy(0.25), cy(0.25)}));
    p.SetValorDescontoRateio(moeda(0.10));
    p.CalculaTotais();
    EXPECT_EQ(descontos(p), (std::vector<int64_t>{cy(0.02), cy(0.02), cy(0.02), cy(0.04)}));
}

TEST(Rateia, SharesAlwaysAddUpToTheAmounts) {
    // Orders of mixed kinds and awkward values: whatever the rounding, nothing is lost or made.
    for (int n = 1; n <= 12; ++n) {
        CPedido p;
        for (int i = 0; i < n; ++i) {
            const double valor = 0.01 * (1 + (i * 7919) % 9973);
            p.AdicionaItem(i % 3 == 2 ? servico(valor) : produto(valor, static_cast<uint16_t>((i % 4) * 600)));
        }
        p.SetEncargoProduto(1, moeda(10.01));
        p.SetEncargoProduto(2, moeda(0.07));
        p.SetEncargoProduto(3, moeda(3.33));
        p.SetValorDescontoRateio(moeda(1.01));
        p.SetEncargoRateio(moeda(2.99));
        p.SetDesconto(moeda(0.05), 0);
        p.SetDescontoServicos(moeda(0.05), 0);
        p.CalculaTotais();
        const bool tem_produto = p.GetTotalProdutos().int64 > 0, tem_servico = p.GetTotalServicos().int64 > 0;
        int64_t encargos[3] = {}, desconto = 0, encargo = 0;
        for (const CItemPedido& i : p.GetItens()) {
            for (int k = 1; k <= 3; ++k) encargos[k - 1] += i.GetRateioEncargo(k).int64;
            desconto += i.GetRateioDesconto().int64;
            encargo += i.GetRateioEncargo().int64;
        }
        if (tem_produto) {
            EXPECT_EQ(encargos[0], cy(10.01)) << n;
            EXPECT_EQ(encargos[1], cy(0.07)) << n;
            EXPECT_EQ(encargos[2], cy(3.33)) << n;
        }
        EXPECT_EQ(desconto, p.GetDescontoTotal().int64 + p.GetDescontoServicos().int64 + cy(1.01)) << n;
        EXPECT_EQ(encargo, cy(2.99)) << n;
        EXPECT_TRUE(tem_produto || tem_servico);
    }
}

TEST(Rateia, ATotalOfZeroApportionsNothing) {
    CPedido p;
    p.AdicionaItem(produto(0));
    p.AdicionaItem(servico(0));
    p.SetEncargoProduto(1, moeda(5.00));
    p.SetValorDescontoRateio(moeda(5.00));
    p.SetEncargoRateio(moeda(5.00));
    p.CalculaTotais();
    for (const CItemPedido& i : p.GetItens()) {
        EXPECT_EQ(i.GetRateioEncargo(1).int64, 0);
        EXPECT_EQ(i.GetRateioDesconto().int64, 0);
        EXPECT_EQ(i.GetRateioEncargo().int64, 0);
    }
}

TEST(Rateia, ANotTotalledItemTakesNoPart) {
    contexto_teste app;
    app.parametros.poe<uint8_t>(403, 1);
    CPedido p;
    p.SetAppInfo(&app);
    CItemPedido fora = produto(100, 1800);
    fora.SetNaoTotaliza(1);
    fora.CalculaImpostos(1);
    p.AdicionaItem(produto(10, 1800));
    p.AdicionaItem(fora);
    p.SetEncargoProduto(1, moeda(10.00));
    p.SetValorDescontoRateio(moeda(1.00));
    p.CalculaTotais();
    EXPECT_EQ(encargos1(p), (std::vector<int64_t>{cy(10.00), 0}));
    EXPECT_EQ(descontos(p), (std::vector<int64_t>{cy(1.00), 0}));
    EXPECT_EQ(p.GetTotal(CPedido::ICMS).int64, p.GetItem(0).GetValorICMS().int64);
    EXPECT_EQ(p.GetItem(1).GetValorICMS().int64, cy(18.00));   // its own, not recalculated
    EXPECT_EQ(p.GetTotalProdutos().int64, cy(10.00));
}

// ---- totals and minimum amounts -----------------------------------------------------------

// A service of `valor` with the withholding rates as record offsets.
constexpr size_t R1 = 298, R2 = 324, R3 = 318, R4 = 322, R5 = 320, R6 = 326;

TEST(CalculaTotais, ProductTaxesIntoTheTotalsWithTheContext) {
    contexto_teste app;
    CPedido p;
    p.SetAppInfo(&app);
    p.AdicionaItem(produto(100, 1800));
    CItemPedido livre = produto(50, 1800);
    livre.SetLivreCobranca(1);
    p.AdicionaItem(livre);
    EXPECT_EQ(p.GetTotal(CPedido::ICMS).int64, cy(27.00));
    EXPECT_EQ(p.GetTotalNaoLivre(CPedido::ICMS).int64, cy(18.00));
    EXPECT_EQ(p.GetTotalProdutos().int64, cy(100.00));
    EXPECT_EQ(p.CalculaTotalPagar().int64, cy(100.00));
}

TEST(CalculaTotais, WithholdingOneLimitIsInclusive) {
    struct {
        double valor;
        int64_t total, item;
    } casos[] = {{1000.00, 0, 0}, {1000.67, cy(15.01), cy(15.01)}};
    for (const auto& c : casos) {
        contexto_teste app;
        app.parametros.cy(170, cy(15.00));
        CPedido p;
        p.SetAppInfo(&app);
        p.AdicionaItem(servico(c.valor, {{R1, 150}}));
        EXPECT_EQ(p.GetTotal(CPedido::Retencao1).int64, c.total) << c.valor;
        EXPECT_EQ(p.GetTotalNaoLivre(CPedido::Retencao1).int64, c.total) << c.valor;
        EXPECT_EQ(p.GetItem(0).GetRetencao(1).int64, c.item) << c.valor;
    }
}

TEST(CalculaTotais, WithholdingTwoLimit) {
    contexto_teste app;
    app.parametros.cy(178, cy(6.50));
    CPedido p;
    p.SetAppInfo(&app);
    p.AdicionaItem(servico(1000, {{R2, 65}, {R6, 10}}));
    EXPECT_EQ(p.GetTotal(CPedido::Retencao2).int64, 0);
    EXPECT_EQ(p.GetItem(0).GetRetencao(2).int64, 0);
    EXPECT_EQ(p.GetTotal(CPedido::Retencao6).int64, cy(1.00));   // withholding 6 has no limit
}

struct caso_345 {
    const char* nome;
    uint8_t juntas;
    double limite;
    int64_t r3, r4, r5;
};

TEST(CalculaTotais, WithholdingsThreeToFive) {
    const caso_345 casos[] = {
        {"together, 9.00 against 10.00: all waived", 1, 10.00, 0, 0, 0},
        {"together, 9.00 against 8.00: none", 1, 8.00, cy(4.00), cy(3.00), cy(2.00)},
        {"each against 3.50", 0, 3.50, cy(4.00), 0, 0},
        {"each against 8.00", 0, 8.00, 0, 0, 0},
    };
    for (const auto& c : casos) {
        contexto_teste app;
        app.parametros.cy(186, cy(c.limite)).poe<uint8_t>(343, c.juntas);
        CPedido p;
        p.SetAppInfo(&app);
        p.AdicionaItem(servico(100, {{R3, 400}, {R4, 300}, {R5, 200}}));
        EXPECT_EQ(p.GetTotal(CPedido::Retencao3).int64, c.r3) << c.nome;
        EXPECT_EQ(p.GetTotal(CPedido::Retencao4).int64, c.r4) << c.nome;
        EXPECT_EQ(p.GetTotal(CPedido::Retencao5).int64, c.r5) << c.nome;
        EXPECT_EQ(p.GetTotalNaoLivre(CPedido::Retencao3).int64, c.r3) << c.nome;
        // The items keep their amounts.
        EXPECT_EQ(p.GetItem(0).GetRetencao(3).int64, cy(4.00)) << c.nome;
    }
}

QVCFRT cliente(size_t offset, uint8_t valor) {
    std::vector<uint8_t> b(sizeof(QVCFRT), 0);
    b[offset] = valor;
    QVCFRT c;
    std::memcpy(&c, b.data(), sizeof c);
    return c;
}

TEST(CalculaTotais, CustomerFlagThreeKeepsWithholdingsThreeToFive) {
    contexto_teste app;
    app.parametros.cy(186, cy(100.00));
    CPedido p;
    p.SetAppInfo(&app);
    p.SetCliente(cliente(3524, 'S'));
    p.AdicionaItem(servico(100, {{R3, 400}}));
    EXPECT_EQ(p.GetTotal(CPedido::Retencao3).int64, cy(4.00));
}

TEST(CalculaTotais, NaturalPersonHasNoWithholdings) {
    contexto_teste app;
    CPedido p;
    p.SetAppInfo(&app);
    p.SetCliente(cliente(1322, 'F'));
    p.AdicionaItem(servico(1000, {{R1, 150}, {R2, 65}, {R3, 300}, {R4, 100}, {R5, 460}, {R6, 200}}));
    p.AdicionaItem(servico(500, {{R1, 150}, {R6, 200}}));
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(p.GetTotal(static_cast<CPedido::Total>(CPedido::Retencao1 + k - 1)).int64, 0) << k;
        for (const CItemPedido& i : p.GetItens()) EXPECT_EQ(i.GetRetencao(k).int64, 0) << k;
    }
}

TEST(CalculaTotais, BranchFlagTwoClearsWithholdingRates) {
    std::vector<uint8_t> filial(5000, 0);
    filial[734] = 'S';
    contexto_teste app;
    CPedido p;
    p.SetAppInfo(&app);
    p.SetFilial(*reinterpret_cast<const inhouse::REG_FILIAL*>(filial.data()));
    p.AdicionaItem(servico(1000, {{R1, 150}, {R2, 65}, {R3, 300}, {R4, 100}, {R5, 460}, {R6, 200}}));
    const CItemPedido& i = p.GetItem(0);
    EXPECT_EQ(i.GetAliquotaRetencao(1), 0);
    EXPECT_EQ(i.GetAliquotaRetencao(3), 0);
    EXPECT_EQ(i.GetAliquotaRetencao(4), 0);
    EXPECT_EQ(i.GetAliquotaRetencao(5), 0);
    EXPECT_EQ(i.GetRetencao(2).int64, cy(6.50));
    EXPECT_EQ(i.GetRetencao(6).int64, cy(20.00));
}

TEST(CalculaTotais, IPIOnlyWhenTheBranchChargesIt) {
    contexto_teste app;
    CItemPedido item = produto(100);
    item.SetAliquotaIPI(moeda(10));
    CPedido p;
    p.SetAppInfo(&app);
    p.AdicionaItem(item);
    EXPECT_EQ(p.GetTotalIPI().int64, 0);
    std::vector<uint8_t> filial(5000, 0);
    filial[3483] = 'S';
    p.SetFilial(*reinterpret_cast<const inhouse::REG_FILIAL*>(filial.data()));
    EXPECT_EQ(p.GetTotalIPI().int64, cy(10.00));
}

// ---- weights ------------------------------------------------------------------------------

TEST(CalculaPesos, UnitConversionTable) {
    const struct {
        uint8_t unidade;
        int64_t esperado;
    } casos[] = {{1, cy(200)}, {2, cy(2)}, {3, cy(0.002)}, {4, cy(0.0002)}, {5, cy(0.2)}, {6, cy(442)}, {0, cy(200)}};
    for (const auto& c : casos) {
        CItemPedido item = produto(1);
        bytes_info info;
        info.poe<int64_t>(440, cy(100)).poe<int64_t>(432, cy(100)).poe<uint8_t>(462, c.unidade).poe<uint8_t>(463, 1);
        item.SetInfoItem(info.como<REG_INFO_ITEM_PEDIDO>());
        item.SetQuantidade(moeda(2));
        item.SetPosicao({42, 0, 0, 0});
        CPedido p;
        p.AdicionaItem(item);
        EXPECT_EQ(p.GetPesoBruto().int64, c.esperado) << int(c.unidade);
        EXPECT_EQ(p.GetPesoLiquido().int64, cy(200)) << int(c.unidade);
    }
}

TEST(CalculaPesos, EnteredWeightsStayWhileNoItemWeighs) {
    CPedido p;
    p.SetPesoBruto(moeda(7));
    p.SetPesoLiquido(moeda(6));
    CItemPedido sem_posicao = produto(1);
    bytes_info info;
    info.poe<int64_t>(440, cy(100));
    sem_posicao.SetInfoItem(info.como<REG_INFO_ITEM_PEDIDO>());
    p.AdicionaItem(sem_posicao);   // product position 0: not weighed
    p.AdicionaItem(servico(5));
    EXPECT_EQ(p.GetPesoBruto().int64, cy(7));
    EXPECT_EQ(p.GetPesoLiquido().int64, cy(6));
}

}  // namespace
