// The product list over the demo catalogue: the price table's choice and what it empties, the load
// by kind, the offered mark, the orders, prices as texts, look-ups and the grids.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "masterdata/CTW_DF_Produtos.h"
#include "tests/masterdata/produtos_fixture.h"

using masterdata::CTW_DF_Produtos;

namespace {

class Produtos : public produtos_fixture {
protected:
    Produtos() : lista(com::make<CTW_DF_Produtos>()) {}

    bool tabela(const char* codigo) {
        VARIANT_BOOL ok = 7;
        EXPECT_EQ(lista->SetTabelaPrecos(b(codigo).get(), &ok), S_OK);
        EXPECT_TRUE(ok == VARIANT_TRUE || ok == VARIANT_FALSE);
        return ok == VARIANT_TRUE;
    }
    ULONG load(const char* tipo = "A") {
        ULONG n = 12345;
        EXPECT_EQ(lista->BuscaPonteiros(b(tipo).get(), &n), S_OK);
        return n;
    }
    std::vector<std::string> codes(ULONG n) {
        std::vector<std::string> out;
        for (ULONG i = 0; i < n; ++i) {
            EXPECT_EQ(lista->LePosicao(i), S_OK);
            out.push_back(text([&](BSTR* p) { return lista->GetCodigo(p); }));
        }
        return out;
    }
    bool produto_existe(const char* codigo) {
        VARIANT_BOOL existe = 7;
        EXPECT_EQ(lista->GetProduto(b(codigo).get(), &existe), S_OK);
        return existe == VARIANT_TRUE;
    }
    std::string codigo() { return text([&](BSTR* p) { return lista->GetCodigo(p); }); }
    std::string preco() { return text([&](BSTR* p) { return lista->GetPreco(p); }); }
    size_t counts() { return produtos().count("Quantidade"); }

    com::com_ptr<CTW_DF_Produtos> lista;
};

TEST_F(Produtos, LoadsTheProductsOfferedInTheTableSortedByClassification) {
    ASSERT_TRUE(tabela("VAREJO"));
    const ULONG n = load();
    // The cap has no VAREJO price and 399 is inactive: neither is listed.
    ASSERT_EQ(n, 39u);
    const auto all = codes(n);
    EXPECT_EQ(std::count(all.begin(), all.end(), "105"), 0);
    EXPECT_EQ(std::count(all.begin(), all.end(), "399"), 0);
    std::string anterior;
    for (ULONG i = 0; i < n; ++i) {
        ASSERT_EQ(lista->LePosicao(i), S_OK);
        const std::string c = text([&](BSTR* p) { return lista->GetClassificacao(p); });
        EXPECT_LE(anterior, c);
        anterior = c;
    }
    EXPECT_EQ(produtos().calls("PonteirosProdutos"), std::vector<std::string>{"quantidade=44 tabela=1 opcao=0"});
}

TEST_F(Produtos, AnotherKindLoadsThatKindAndTheSameKindAnswersFromMemory) {
    EXPECT_EQ(load("A"), 43u);
    EXPECT_EQ(load("A"), 43u);
    EXPECT_EQ(counts(), 1u);
    EXPECT_EQ(load("T"), 5u);
    EXPECT_EQ(codes(5), (std::vector<std::string>{"5", "4", "2", "1", "3"}));   // by classification
    EXPECT_EQ(counts(), 2u);
}

TEST_F(Produtos, TheChosenTableDecidesWhetherTheListIsKept) {
    ASSERT_TRUE(tabela("VAREJO"));
    ASSERT_EQ(load(), 39u);
    ASSERT_TRUE(tabela("VAREJO"));   // the same table: the list stays
    EXPECT_EQ(load(), 39u);
    EXPECT_EQ(counts(), 1u);
    ASSERT_TRUE(tabela("ATACADO"));   // another table: loaded again with its prices
    EXPECT_EQ(load(), 3u);
    EXPECT_EQ(counts(), 2u);
    EXPECT_FALSE(tabela("NENHUMA"));   // unknown: no table, the list emptied
    EXPECT_EQ(load(), 43u);
    EXPECT_EQ(counts(), 3u);
    EXPECT_EQ(produtos().calls("ExisteTabela").back(), "servicos=0 tipo=V codigo=NENHUMA");
}

TEST_F(Produtos, AProductNotOfferedIsNotFoundAndLeavesTheRecordZeroed) {
    ASSERT_TRUE(tabela("VAREJO"));
    struct caso {
        const char* codigo;
        bool existe;
    } casos[] = {{"101", true}, {"399", false}, {"105", false}, {"1", false}, {"nada", false}};
    for (const auto& c : casos) {
        EXPECT_EQ(produto_existe(c.codigo), c.existe) << c.codigo;
        EXPECT_EQ(codigo(), c.existe ? c.codigo : "") << c.codigo;
        USHORT grade = 9;
        EXPECT_EQ(lista->LePonteiroGrade1(&grade), S_OK);
        if (!c.existe) EXPECT_EQ(grade, 0);
    }
    VARIANT_BOOL titulo = 0;
    EXPECT_FALSE(tabela("X"));
    EXPECT_EQ(lista->GetProdutoTitulo(b("2").get(), &titulo), S_OK);
    EXPECT_EQ(titulo, VARIANT_TRUE);
    EXPECT_EQ(codigo(), "2");
}

TEST_F(Produtos, PricesAreCutToTheRecordsDecimals) {
    struct caso {
        const char* codigo;
        const char* preco;
        int casas;
        const char* texto;
    } casos[] = {
        {"901", "12.5678", 0, "12"},
        {"902", "12.5678", 2, "12,56"},
        {"903", "1234.5678", 4, "1.234,5678"},
        {"904", "-3.999", 2, "-3,99"},
        {"905", "1234567.1", 8, "1.234.567,10000000"},
    };
    int posicao = 900;
    for (const auto& c : casos) produto(++posicao, c.codigo, c.preco, c.casas);
    ASSERT_TRUE(tabela("VAREJO"));
    for (const auto& c : casos) {
        ASSERT_TRUE(produto_existe(c.codigo)) << c.codigo;
        EXPECT_EQ(preco(), c.texto) << c.codigo;
    }
}

TEST_F(Produtos, SortsByCodeNumberNamePriceOrClassification) {
    sql("DELETE FROM produto; DELETE FROM produto_preco");
    produto(1, "10", "5", 2);
    produto(2, "9", "7", 2);
    produto(3, "x", "1", 2);
    sql("UPDATE produto SET nome = 'b', classificacao = '2' WHERE posicao = 1;"
        "UPDATE produto SET nome = 'a', classificacao = '3' WHERE posicao = 2;"
        "UPDATE produto SET nome = 'C', classificacao = '1' WHERE posicao = 3");
    ASSERT_TRUE(tabela("VAREJO"));
    ASSERT_EQ(load(), 3u);
    struct caso {
        USHORT ordem;
        std::vector<std::string> esperado;
    } casos[] = {
        {0, {"x", "9", "10"}},   // "x" reads as 0; "9" before "10"
        {1, {"x", "9", "10"}},   // "C" < "a" < "b" byte by byte
        {3, {"x", "10", "9"}},
        {2, {"x", "10", "9"}},
        {7, {"x", "10", "9"}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(lista->SetOrdenacao(c.ordem), S_OK);
        EXPECT_EQ(codes(3), c.esperado) << c.ordem;
    }
}

TEST_F(Produtos, CursorAndLookUpByCode) {
    ASSERT_TRUE(tabela("VAREJO"));
    const ULONG n = load();
    EXPECT_EQ(lista->LePosicao(n), E_INVALIDARG);
    ASSERT_EQ(lista->LePosicao(0), S_OK);
    const std::string primeiro = codigo();
    EXPECT_EQ(lista->LePosicao(n), E_INVALIDARG);
    EXPECT_EQ(codigo(), primeiro);   // a refused position changes nothing
    EXPECT_EQ(lista->LeProdutoCodigo(b("201").get()), S_OK);
    EXPECT_EQ(codigo(), "201");
    EXPECT_EQ(text([&](BSTR* p) { return lista->GetNome(p); }), "Café torrado em grãos");
    EXPECT_EQ(text([&](BSTR* p) { return lista->GetUnidade(p); }), "KG");
    EXPECT_EQ(preco(), "42,90");
    EXPECT_EQ(lista->LeProdutoCodigo(b("2010").get()), S_OK);
    EXPECT_EQ(codigo(), "201");
    EXPECT_EQ(text([&](BSTR* p) { return lista->GetDescricao(p); }), "ToDo");
}

TEST_F(Produtos, AFailedServerCallIsReportedAndLeavesNothingLoaded) {
    struct caso {
        const char* metodo;
        const char* texto;
    } casos[] = {
        {"Quantidade", "Falha ao buscar quantidade de produtos"},
        {"PonteirosProdutos", "Falha ao buscar ponteiros de produtos"},
        {"LeProdutoTabela", "Falha ao ler produto"},
    };
    for (const auto& c : casos) {
        produtos().answer(c.metodo, {E_FAIL});
        ULONG n = 9;
        EXPECT_EQ(lista->BuscaPonteiros(b("A").get(), &n), E_FAIL) << c.metodo;
        EXPECT_EQ(n, 0u);
        EXPECT_EQ(last_error(), c.texto);
        EXPECT_EQ(lista->LePosicao(0), E_INVALIDARG);
    }
    EXPECT_EQ(load(), 43u);
}

TEST_F(Produtos, GridItemsByPositionAndByCodeInAnyCase) {
    com::com_ptr<IItemGradeProduto> item;
    ASSERT_EQ(lista->LeItemGradeProdutoPorCodigo(2, b("pr").get(), item.put()), S_OK);
    USHORT posicao = 0;
    EXPECT_EQ(item->get_Posicao(&posicao), S_OK);
    EXPECT_EQ(posicao, 2);
    EXPECT_EQ(text([&](BSTR* p) { return item->get_Codigo(p); }), "PR");
    EXPECT_EQ(text([&](BSTR* p) { return item->get_Descricao(p); }), "Preto");

    ASSERT_EQ(lista->LeItemGradeProduto(1, 2, item.put()), S_OK);
    EXPECT_EQ(text([&](BSTR* p) { return item->get_Descricao(p); }), "Médio");
}

TEST_F(Produtos, AGridFailureHandsOutNoObject) {
    IItemGradeProduto* item = reinterpret_cast<IItemGradeProduto*>(0x1234);
    EXPECT_EQ(lista->LeItemGradeProduto(1, 9, &item), inhouse::QV_E_GRADE_DESCONHECIDA);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(last_error(), "Falha ao ler item de grade");
    item = reinterpret_cast<IItemGradeProduto*>(0x1234);
    EXPECT_EQ(lista->LeItemGradeProdutoPorCodigo(2, b("xx").get(), &item), DISP_E_EXCEPTION);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(last_error(), "Não há nenhum item de grade com o código informado");
    IResultadoBuscaPonteirosItemGradeProduto* r = reinterpret_cast<IResultadoBuscaPonteirosItemGradeProduto*>(0x1234);
    produtos().answer("ItensGrade", {E_FAIL});
    EXPECT_EQ(lista->GetPonteirosGradeProdutos(1, &r), E_FAIL);
    EXPECT_EQ(r, nullptr);
}

TEST_F(Produtos, TheGridsItemPositions) {
    com::com_ptr<IResultadoBuscaPonteirosItemGradeProduto> r;
    ASSERT_EQ(lista->GetPonteirosGradeProdutos(1, r.put()), S_OK);
    USHORT n = 0;
    ASSERT_EQ(r->get_Size(&n), S_OK);
    ASSERT_EQ(n, 4);
    USHORT p = 0;
    EXPECT_EQ(r->GetItem(3, &p), S_OK);
    EXPECT_EQ(p, 4);
    EXPECT_EQ(r->GetItem(4, &p), E_INVALIDARG);
    EXPECT_EQ(p, 0);
    ASSERT_EQ(lista->GetPonteirosGradeProdutos(77, r.put()), S_OK);
    ASSERT_EQ(r->get_Size(&n), S_OK);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(r->GetItem(0, &p), E_INVALIDARG);
}

}  // namespace
