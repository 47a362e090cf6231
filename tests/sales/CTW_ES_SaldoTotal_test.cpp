// Stock balances of one product over the demo company's stock: the code padding, the setters,
// which rows BuscaSaldos keeps for the stock kinds chosen, the row texts LePosicao loads, and what
// a failure leaves (the previous rows and row, no key left behind).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/wire_pointer.h"
#include "sales/CTW_ES_SaldoTotal.h"
#include "support/task_memory_counter.h"
#include "tests/masterdata/produtos_fixture.h"

using sales::CTW_ES_SaldoTotal;

namespace {

constexpr VARIANT_BOOL T = VARIANT_TRUE, F = VARIANT_FALSE;

class SaldoTotal : public produtos_fixture {
protected:
    SaldoTotal() { estoque().clear(); }

    inhouse::fault_plan& estoque() { return factory(inhouse::CLSID_EstoqueServer).object_faults(); }

    bool produto(const char* codigo) {
        VARIANT_BOOL ok = 7;
        EXPECT_EQ(saldo->SetProduto(b(codigo).get(), &ok), S_OK);
        return ok == VARIANT_TRUE;
    }
    ULONG busca(HRESULT esperado = S_OK) {
        ULONG n = 999;
        EXPECT_EQ(saldo->BuscaSaldos(&n), esperado);
        return n;
    }
    struct linha {
        std::string codigo, descricao, g1, g2, g3, saldo, preco;
        bool operator==(const linha&) const = default;
    };
    linha atual() {
        return {text([&](BSTR* o) { return saldo->GetCodigo(o); }),
                text([&](BSTR* o) { return saldo->GetDescricao(o); }),
                text([&](BSTR* o) { return saldo->GetGrade(0, o); }),
                text([&](BSTR* o) { return saldo->GetGrade(1, o); }),
                text([&](BSTR* o) { return saldo->GetGrade(2, o); }),
                text([&](BSTR* o) { return saldo->GetSaldo(o); }),
                text([&](BSTR* o) { return saldo->GetPreco(o); })};
    }
    linha le(ULONG i) {
        EXPECT_EQ(saldo->LePosicao(i), S_OK) << last_error();
        return atual();
    }

    com::com_ptr<CTW_ES_SaldoTotal> saldo = com::make<CTW_ES_SaldoTotal>();
};

TEST(SaldoTotalCodigo, ShortCodesArePaddedToFourDigits) {
    struct caso {
        const char *entrada, *saida;
    } casos[] = {{"7", "0007"}, {"12", "0012"}, {"123", "0123"}, {"1234", "1234"}, {"12345", "12345"}, {"", ""}};
    for (const auto& c : casos) EXPECT_EQ(CTW_ES_SaldoTotal::NormalizaCodigo(c.entrada), c.saida) << c.entrada;
}

TEST_F(SaldoTotal, TheProductIsLookedUpByItsPaddedCode) {
    EXPECT_FALSE(produto("5"));
    EXPECT_TRUE(produto("1001"));
    EXPECT_EQ(produtos().calls("ExisteProduto"),
              (std::vector<std::string>{"codigo=0005 tipo=A tabela=0", "codigo=1001 tipo=A tabela=0"}));
}

TEST_F(SaldoTotal, RowsOfTheChosenKindsPerGridCombination) {
    ASSERT_TRUE(produto("1002"));
    VARIANT_BOOL ok = F;
    ASSERT_EQ(saldo->SetFilial(1, &ok), S_OK);
    EXPECT_EQ(ok, T);
    // Nothing chosen: every balance sums to zero and goes.
    EXPECT_EQ(busca(), 0u);
    saldo->SetTipoLocal(1, 0, 0);   // 1 is not VARIANT_TRUE
    EXPECT_EQ(busca(), 0u);
    saldo->SetMostrarSaldoZero(T);
    EXPECT_EQ(busca(), 4u);
    saldo->SetMostrarSaldoZero(F);
    saldo->SetTipoLocal(T, F, F);
    ASSERT_EQ(busca(), 2u);
    EXPECT_EQ(le(0), (linha{"1002", "Camiseta estampada", "Pequeno", "Azul", "", "7", "0,00"}));
    ASSERT_EQ(saldo->SetTabelaPrecos(b("CATALOGO").get(), &ok), S_OK);
    EXPECT_EQ(ok, T);
    EXPECT_EQ(le(1), (linha{"1002", "Camiseta estampada", "Grande", "Branco", "", "-2", "51,90"}));
    EXPECT_EQ(text([&](BSTR* o) { return saldo->GetGrade(3, o); }), "");
    // ETPE excludes the others, whatever they say.
    saldo->SetTipoLocal(T, T, T);
    ASSERT_EQ(busca(), 1u);
    EXPECT_EQ(le(0), (linha{"1002", "Camiseta estampada", "M\xe9" "dio", "Branco", "", "4", "51,90"}));
    EXPECT_EQ(estoque().calls("BuscaSaldos").back(), "filial=1 local=0 chaves=1 produto=48 itens=0,0,0");
}

TEST_F(SaldoTotal, GridItemsNarrowTheRows) {
    ASSERT_TRUE(produto("1002"));
    VARIANT_BOOL ok = F;
    ASSERT_EQ(saldo->SetGrade(0, b("P").get(), &ok), S_OK);
    EXPECT_EQ(ok, T);
    ASSERT_EQ(saldo->SetGrade(1, b("XX").get(), &ok), S_OK);
    EXPECT_EQ(ok, F);
    ASSERT_EQ(saldo->SetGrade(5, b("P").get(), &ok), S_OK);
    EXPECT_EQ(ok, F);
    saldo->SetTipoLocal(T, F, F);
    saldo->SetMostrarSaldoZero(T);
    EXPECT_EQ(busca(), 1u);
    EXPECT_EQ(estoque().calls("BuscaSaldos").back(), "filial=0 local=0 chaves=1 produto=48 itens=1,0,0");
}

TEST_F(SaldoTotal, BalanceDecimalsFollowTheUnitAndThePriceKeepsItsOwn) {
    VARIANT_BOOL ok = F;
    ASSERT_EQ(saldo->SetTabelaPrecos(b("CATALOGO").get(), &ok), S_OK);
    ASSERT_TRUE(produto("1003"));   // by the kilo: four decimals
    saldo->SetTipoLocal(T, T, F);
    ASSERT_EQ(busca(), 1u);
    EXPECT_EQ(le(0), (linha{"1003", "Caf\xe9 especial mo\xed" "do", "", "", "", "13.8456", "1.234,5678"}));
    EXPECT_EQ(produtos().count("LeItemGrade"), 0u);   // no grid item in the row: no grid read
    ASSERT_TRUE(produto("1001"));   // by the unit: no decimals, thousands grouped
    saldo->SetTipoLocal(T, F, F);
    ASSERT_EQ(busca(), 1u);
    ASSERT_EQ(saldo->LePosicao(0), S_OK);
    // The stored text keeps its "." and ","; every GetSaldo answers the same.
    EXPECT_EQ(text([&](BSTR* o) { return saldo->GetSaldo(o); }), "1245");
    EXPECT_EQ(text([&](BSTR* o) { return saldo->GetSaldo(o); }), "1245");
    EXPECT_EQ(atual().preco, "29,90");
}

TEST_F(SaldoTotal, AnUnknownTableLeavesThePositionAsItWas) {
    VARIANT_BOOL ok = T;
    ASSERT_EQ(saldo->SetTabelaPrecos(b("NADA").get(), &ok), S_OK);
    EXPECT_EQ(ok, F);
    ASSERT_EQ(saldo->SetTabelaPrecos(b("CATALOGO").get(), &ok), S_OK);
    ASSERT_EQ(saldo->SetTabelaPrecos(b("NADA").get(), &ok), S_OK);
    ASSERT_TRUE(produto("1001"));
    EXPECT_EQ(produtos().calls("ExisteProduto").back(), "codigo=1001 tipo=A tabela=5");
}

TEST_F(SaldoTotal, AFailedBalanceReadKeepsTheRowsAndFreesTheKey) {
    ASSERT_TRUE(produto("1002"));
    saldo->SetTipoLocal(T, F, F);
    ASSERT_EQ(busca(), 2u);
    task_memory_counter memoria;
    estoque().answer("BuscaSaldos", {E_ACCESSDENIED});
    EXPECT_EQ(busca(E_ACCESSDENIED), 0u);
    EXPECT_EQ(last_error(), "Falha ao buscar saldos dos produtos");
    EXPECT_EQ(memoria.outstanding(), 0u);
    EXPECT_EQ(com::wire_pointer_count(), 0u);
    EXPECT_EQ(saldo->LePosicao(1), S_OK);   // the rows of the last search are still there
    EXPECT_EQ(saldo->LePosicao(2), E_INVALIDARG);
}

TEST_F(SaldoTotal, AFailedRowReadKeepsThePreviousRow) {
    VARIANT_BOOL ok = F;
    ASSERT_EQ(saldo->SetTabelaPrecos(b("CATALOGO").get(), &ok), S_OK);
    ASSERT_TRUE(produto("1002"));
    saldo->SetTipoLocal(T, F, F);
    ASSERT_EQ(busca(), 2u);
    const linha primeira = le(0);
    struct caso {
        const char *metodo, *texto;
    } casos[] = {{"LeProduto", "Falha ao buscar registro de produto."},
                 {"Descricao", "Falha ao buscar descricao de produto."},
                 {"LeItemGrade", "Falha ao buscar grade de produto."},
                 {"ItensPreco", "Falha ao buscar preco de produto."}};
    for (const auto& c : casos) {
        produtos().answer(c.metodo, {E_FAIL});
        EXPECT_EQ(saldo->LePosicao(1), E_FAIL) << c.metodo;
        EXPECT_EQ(last_error(), c.texto);
        EXPECT_EQ(atual(), primeira) << c.metodo;
    }
    EXPECT_EQ(saldo->LePosicao(1), S_OK);
    EXPECT_NE(atual(), primeira);
}

}  // namespace
