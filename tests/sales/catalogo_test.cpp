// The web catalogue over the demo company: the HTML rows (the maker's row unchanged for plain
// texts; quotes, "<" and "&" escaped for the cell and for the onclick's JavaScript string), the
// blocks of 1,000 rows, the table resolution, the look-ups, the grids, the price tables and the
// products read as ProdutoWeb; and the storage places.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sales/CProdutoWeb.h"
#include "sales/CProdutos.h"
#include "sales/CQVLocaisArmazenagemWeb.h"
#include "sales/CResultadoBuscaTabelaDePreco.h"
#include "sales/catalogo_html.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "tests/server/raiz_fixture.h"

namespace {

std::string linha(const char* codigo, const char* nome, const char* preco, const char* unidade, const char* classificacao) {
    std::string s;
    sales::acrescenta_linha_catalogo(s, {codigo, nome, preco, unidade, classificacao});
    return s;
}

TEST(CatalogoHtml, APlainRowIsTheMakersRow) {
    EXPECT_EQ(linha("101", "Camiseta de algod\xe3o", "39,90", "UN", "6109.10.00"),
              "<tr width='50' class='F4P' onclick=\"RP('101','Camiseta de algod\xe3o','39,90')\" "
              "onmouseover=\"this.className='F4PH'\" onmouseout=\"this.className='F4P'\"><td align='center'>101</td>"
              "<td>Camiseta de algod\xe3o</td><td align='center'>&nbsp;UN</td><td align='right'>6109.10.00</td>"
              "<td align='right'>R$ 39,90</td></tr>\n");
}

TEST(CatalogoHtml, SpecialCharactersAreEscapedForEachPlace) {
    struct caso {
        const char *nome, *no_onclick, *na_celula;
    } casos[] = {
        {"Caneca \"Caf\xe9\" <grande>", "Caneca \\x22Caf\xe9\\x22 \\x3Cgrande\\x3E", "Caneca &quot;Caf\xe9&quot; &lt;grande&gt;"},
        {"D'\xc1vila & filhos", "D\\x27\xc1vila \\x26 filhos", "D&#39;\xc1vila &amp; filhos"},
        {"a\\b\nc", "a\\x5Cb\\x0Ac", "a\\b\nc"},
        {"</td><script>alert(1)</script>", "\\x3C/td\\x3E\\x3Cscript\\x3Ealert(1)\\x3C/script\\x3E",
         "&lt;/td&gt;&lt;script&gt;alert(1)&lt;/script&gt;"},
    };
    for (const auto& c : casos) {
        const std::string r = linha("1001", c.nome, "29,90", "UN", "6912");
        EXPECT_NE(r.find(std::string("RP('1001','") + c.no_onclick + "','29,90')\""), std::string::npos) << r;
        EXPECT_NE(r.find(std::string("<td>") + c.na_celula + "</td>"), std::string::npos) << r;
        // Nothing of the name can end the attribute or open an element.
        const std::string onclick = r.substr(0, r.find("onmouseover"));
        EXPECT_EQ(onclick.find('<', 1), std::string::npos) << r;
        EXPECT_EQ(std::count(onclick.begin(), onclick.end(), '"'), 2) << r;
    }
}

class Catalogo : public raiz_fixture {
protected:
    Catalogo() {
        raiz = admin();
        EXPECT_EQ(catalogo->Inicializa(raiz.get()), S_OK);
    }
    static com::unique_bstr b(const char* t) { return com::to_bstr(std::string(t)); }
    template <class F>
    static std::string texto(F&& f) {
        BSTR out = nullptr;
        EXPECT_EQ(f(&out), S_OK);
        com::unique_bstr dono(out);
        return com::from_bstr(out);
    }

    com::com_ptr<server::CQV_Inicializa> raiz;
    com::com_ptr<sales::CProdutos> catalogo = com::make<sales::CProdutos>();
};

TEST_F(Catalogo, CallsBeforeInicializaFailCleanly) {
    auto outro = com::make<sales::CProdutos>();
    LONG n = 7;
    EXPECT_EQ(outro->BuscaApenasPonteirosProdutos(b("VAREJO").get(), &n), E_UNEXPECTED);
    EXPECT_EQ(n, 0);
    BSTR html = nullptr;
    EXPECT_EQ(outro->TabelaProdutos(b("VAREJO").get(), 0, &html), E_UNEXPECTED);
    EXPECT_EQ(html, nullptr);
    IProdutoWeb* p = reinterpret_cast<IProdutoWeb*>(1);
    EXPECT_EQ(outro->GetProduto(0, b("").get(), &p), E_UNEXPECTED);
    EXPECT_EQ(p, nullptr);
}

TEST_F(Catalogo, TheTableOfTheShopListsItsArticlesEscaped) {
    LONG n = 0;
    ASSERT_EQ(catalogo->BuscaApenasPonteirosProdutos(b("CATALOGO").get(), &n), S_OK);
    ASSERT_EQ(n, 5);   // the products the table prices
    const std::string html = texto([&](BSTR* o) { return catalogo->TabelaProdutos(b("CATALOGO").get(), 0, o); });
    EXPECT_EQ(std::count(html.begin(), html.end(), '\n'), 5);
    EXPECT_NE(html.find("<td>Caneca &quot;Caf\xe9&quot; &lt;grande&gt;</td>"), std::string::npos);
    EXPECT_NE(html.find("RP('1003','Caf\xe9 especial mo\xed" "do','1.234,56')"), std::string::npos) << html;
    EXPECT_EQ(texto([&](BSTR* o) { return catalogo->TabelaProdutos(b("CATALOGO").get(), 1, o); }), "");
    IProdutoWeb* fora = reinterpret_cast<IProdutoWeb*>(1);
    EXPECT_EQ(catalogo->GetProduto(5, b("CATALOGO").get(), &fora), E_INVALIDARG);
    EXPECT_EQ(fora, nullptr);
    EXPECT_EQ(catalogo->GetProduto(-1, b("CATALOGO").get(), &fora), E_INVALIDARG);
}

TEST_F(Catalogo, AMissingTableIsTableOne) {
    LONG varejo = 0, nada = 0, vazio = 0;
    ASSERT_EQ(catalogo->BuscaApenasPonteirosProdutos(b("VAREJO").get(), &varejo), S_OK);
    ASSERT_EQ(catalogo->BuscaApenasPonteirosProdutos(b("NADA").get(), &nada), S_OK);
    ASSERT_EQ(catalogo->BuscaApenasPonteirosProdutos(b("").get(), &vazio), S_OK);
    EXPECT_EQ(nada, varejo);
    EXPECT_EQ(vazio, varejo);
    EXPECT_EQ(texto([&](BSTR* o) { return catalogo->GetPrecoProduto(b("101").get(), b("").get(), b("").get(), b("").get(),
                                                                  b("NADA").get(), o); }),
              "39,90");
}

TEST_F(Catalogo, PricesPerGridCombination) {
    struct caso {
        const char *codigo, *g1, *g2, *preco;
    } casos[] = {{"1002", "P", "AZ", "49,90"}, {"1002", "GG", "", "54,90"}, {"1002", "P", "BR", "51,90"},
                 {"1002", "GG", "BR", "54,90"}, {"9999", "", "", ""},          {"1003", "", "", "1.234,5678"}};
    for (const auto& c : casos)
        EXPECT_EQ(texto([&](BSTR* o) {
                      return catalogo->GetPrecoProduto(b(c.codigo).get(), b(c.g1).get(), b(c.g2).get(), b("").get(),
                                                       b("CATALOGO").get(), o);
                  }),
                  c.preco)
            << c.codigo << " " << c.g1 << " " << c.g2;
}

TEST_F(Catalogo, AProductReadByCode) {
    IProdutoWeb* p = nullptr;
    ASSERT_EQ(catalogo->Existe(b("1002").get(), b("AX").get(), b("CATALOGO").get(), &p), S_OK);
    ASSERT_NE(p, nullptr);
    com::com_ptr<IProdutoWeb> produto = com::com_ptr<IProdutoWeb>::attach(p);
    EXPECT_EQ(texto([&](BSTR* o) { return produto->get_Nome(o); }), "Camiseta estampada");
    EXPECT_EQ(texto([&](BSTR* o) { return produto->get_Unidade(o); }), "UN");
    EXPECT_EQ(texto([&](BSTR* o) { return produto->get_PrecoVenda(o); }), "49,90");
    EXPECT_EQ(texto([&](BSTR* o) { return produto->get_DescontoMaximo(b("CATALOGO").get(), o); }), "2,50");
    USHORT g = 9;
    EXPECT_EQ(produto->GetPosGrade(1, &g), S_OK);
    EXPECT_EQ(g, 2);
    EXPECT_EQ(produto->GetPosGrade(3, &g), E_INVALIDARG);
    EXPECT_EQ(produto->GetPosGrade(-1, &g), E_INVALIDARG);
    BOOL inteira = TRUE;
    EXPECT_EQ(produto->get_QtdInteira(&inteira), S_OK);
    EXPECT_EQ(inteira, FALSE);
    // The rate methods refuse missing "in" values instead of reading through them.
    LONG filial = 1, cliente = 1;
    BSTR aliquota = nullptr;
    EXPECT_EQ(produto->GetAliquotaICMS(raiz.get(), &filial, &cliente, nullptr, &aliquota), E_POINTER);
    EXPECT_EQ(produto->GetAliquotaIPI(raiz.get(), nullptr, &cliente, nullptr, &aliquota), E_POINTER);
    EXPECT_EQ(aliquota, nullptr);
    p = reinterpret_cast<IProdutoWeb*>(1);
    ASSERT_EQ(catalogo->Existe(b("9999").get(), b("A").get(), b("CATALOGO").get(), &p), S_OK);
    EXPECT_EQ(p, nullptr);
}

TEST(ProdutoWeb, RatesDiscountsAsTexts) {
    using sales::CProdutoWeb;
    EXPECT_EQ(CProdutoWeb::FormataAliquota(1800, true), "18,00");
    EXPECT_EQ(CProdutoWeb::FormataAliquota(5, true), "0,05");
    EXPECT_EQ(CProdutoWeb::FormataAliquota(1800, false), "0,00");
    // 10 % of 50,00; an amount of 3,456; half away from zero.
    EXPECT_EQ(CProdutoWeb::FormataDescontoMaximo(5000000000, 1000000000, true), "5,00");
    EXPECT_EQ(CProdutoWeb::FormataDescontoMaximo(5000000000, 345600000, false), "3,46");
    EXPECT_EQ(CProdutoWeb::FormataDescontoMaximo(0, 1234500000, false), "12,35");
}

TEST_F(Catalogo, GridsAndTheirItems) {
    IItemGradeProduto* item = reinterpret_cast<IItemGradeProduto*>(1);
    ASSERT_EQ(catalogo->ExisteItemGradeProduto(2, b("XX").get(), &item), S_OK);
    EXPECT_EQ(item, nullptr);
    ASSERT_EQ(catalogo->ExisteItemGradeProduto(2, b("BR").get(), &item), S_OK);
    ASSERT_NE(item, nullptr);
    com::com_ptr<IItemGradeProduto> dono = com::com_ptr<IItemGradeProduto>::attach(item);
    EXPECT_EQ(texto([&](BSTR* o) { return dono->get_Descricao(o); }), "Branco");
    IGradeProduto* grade = reinterpret_cast<IGradeProduto*>(1);
    // A grid that cannot be read hands out no object with the failure.
    EXPECT_TRUE(FAILED(catalogo->LeGradeProduto(9, &grade)));
    EXPECT_EQ(grade, nullptr);
    IResultadoBuscaPonteirosItemGradeProduto* itens = nullptr;
    ASSERT_EQ(catalogo->BuscaItensGradeProduto(1, &itens), S_OK);
    com::com_ptr<IResultadoBuscaPonteirosItemGradeProduto> lista = com::com_ptr<IResultadoBuscaPonteirosItemGradeProduto>::attach(itens);
    USHORT n = 0, p = 0;
    EXPECT_EQ(lista->get_Size(&n), S_OK);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(lista->GetItem(4, &p), E_INVALIDARG);
}

TEST_F(Catalogo, PriceTablesKeepTheirOwnPointer) {
    IResultadoBuscaTabelaDePreco* r = nullptr;
    ASSERT_EQ(catalogo->BuscaTabelasDePreco(TRUE, TRUE, &r), S_OK);
    com::com_ptr<IResultadoBuscaTabelaDePreco> tabelas = com::com_ptr<IResultadoBuscaTabelaDePreco>::attach(r);
    USHORT n = 0;
    ASSERT_EQ(tabelas->get_Size(&n), S_OK);
    std::vector<std::pair<USHORT, std::string>> lidas;
    std::vector<std::string> vedadas;
    for (USHORT i = 0; i < n; ++i) {
        ITabelaDePreco* t = nullptr;
        ASSERT_EQ(tabelas->GetItem(i, &t), S_OK);
        com::com_ptr<ITabelaDePreco> tabela = com::com_ptr<ITabelaDePreco>::attach(t);
        USHORT posicao = 0;
        tabela->get_Posicao(&posicao);
        lidas.emplace_back(posicao, texto([&](BSTR* o) { return tabela->get_Codigo(o); }));
        vedadas.push_back(texto([&](BSTR* o) { return tabela->get_CondicoesNaoPermitidas(o); }));
    }
    // ATACADO ended yesterday; CUSTO is a purchase table.
    EXPECT_EQ(lidas, (std::vector<std::pair<USHORT, std::string>>{{1, "VAREJO"}, {3, "PROMO"}, {5, "CATALOGO"}}));
    // The conditions each table does not allow, asked by the table's own pointer, not its index.
    EXPECT_EQ(vedadas, (std::vector<std::string>{"[]", "[2,3,4]", "[4]"}));
    ITabelaDePreco* t = reinterpret_cast<ITabelaDePreco*>(1);
    EXPECT_EQ(tabelas->GetItem(n, &t), E_INVALIDARG);
    ASSERT_EQ(tabelas->GetItemByTabela(2, &t), S_OK);
    EXPECT_EQ(t, nullptr);
    ASSERT_EQ(tabelas->GetItemByTabela(5, &t), S_OK);
    ASSERT_NE(t, nullptr);
    t->Release();
    ASSERT_EQ(catalogo->BuscaTabelasDePreco(TRUE, FALSE, &r), S_OK);
    tabelas = com::com_ptr<IResultadoBuscaTabelaDePreco>::attach(r);
    ASSERT_EQ(tabelas->get_Size(&n), S_OK);
    EXPECT_EQ(n, 1);   // CUSTO
}

TEST(TabelaDePreco, PadraoIsKeptWhateverItsStateAndValidityMustBeAfterToday) {
    const uint16_t hoje = 46000;
    struct caso {
        const char* nome;
        uint8_t bloqueada;
        uint16_t validade;
        bool mantida;
    } casos[] = {{"Padr\xe3o", 1, 1, true},   {"PADR\xc3O", 1, 0, true},  {"Varejo", 0, 0, true},
                 {"Varejo", 0, hoje, false}, {"Varejo", 0, static_cast<uint16_t>(hoje + 1), true}, {"Varejo", 1, 0, false}};
    for (const auto& c : casos) {
        _REG_TABELA_PRECOSPS t{};
        inhouse::poe_campo(t.nome, c.nome);
        t.bloqueada = c.bloqueada;
        t.validade = c.validade;
        EXPECT_EQ(sales::CResultadoBuscaTabelaDePreco::Mantida(t, hoje), c.mantida) << c.nome << " " << c.validade;
    }
}

TEST_F(Catalogo, StoragePlaces) {
    auto locais = com::make<sales::CQVLocaisArmazenagemWeb>();
    LONG n = 7;
    EXPECT_EQ(locais->BuscaPonteiros(&n), E_UNEXPECTED);
    ASSERT_EQ(locais->Inicializa(raiz.get()), S_OK);
    ASSERT_EQ(locais->Inicializa(raiz.get()), S_OK);
    EXPECT_EQ(criacao(inhouse::CLSID_LocaisArmazenagemServer).count("CreateInstance"), 1u);
    ASSERT_EQ(locais->BuscaPonteiros(&n), S_OK);
    ASSERT_EQ(n, 5);
    IQVLocalArmazenagem* l = nullptr;
    ASSERT_EQ(locais->LePosicao(1, &l), S_OK);
    com::com_ptr<IQVLocalArmazenagem> local = com::com_ptr<IQVLocalArmazenagem>::attach(l);
    EXPECT_EQ(texto([&](BSTR* o) { return local->get_Codigo(o); }), "DEP-RJ");
    EXPECT_EQ(texto([&](BSTR* o) { return local->get_Tipo(o); }), "D");
    l = reinterpret_cast<IQVLocalArmazenagem*>(1);
    EXPECT_EQ(locais->LePosicao(5, &l), E_INVALIDARG);
    EXPECT_EQ(l, nullptr);
    // A failed index read leaves no index behind.
    servidor(inhouse::CLSID_LocaisArmazenagemServer).answer("Indice", {E_FAIL});
    EXPECT_EQ(locais->BuscaPonteiros(&n), E_FAIL);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(locais->LePosicao(0, &l), E_INVALIDARG);
    servidor(inhouse::CLSID_LocaisArmazenagemServer).answer("Le", {E_ACCESSDENIED});
    ASSERT_EQ(locais->BuscaPonteiros(&n), S_OK);
    EXPECT_EQ(locais->LePosicao(0, &l), E_ACCESSDENIED);
    EXPECT_EQ(last_error(), "Falha ao ler local de armazenagem do servidor");
}

}  // namespace
