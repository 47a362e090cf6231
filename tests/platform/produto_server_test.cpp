// The product server stand-in over the demo catalogue, reached as the server reaches it: through
// the data-access library's product, service and grid connections. Kinds, prices in a table, the
// offered mark, price tables, service positions with a deleted one, units and grid items.
#include <gtest/gtest.h>

#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/produtos/registros_preco.h"
#include "platform/inhouse/produtos/registros_referencia.h"
#include "support/stand_in_fixture.h"

namespace {

class ProdutoServer : public stand_in_fixture {
protected:
    template <class C>
    static void open(C& c) {
        c.SetTrataErros(false);
        c.SetTratarMensagens(false);
        ASSERT_EQ(c.Inicializa("DEMO", 1, 1), S_OK);
    }
    inhouse::fault_plan& server() { return factory(inhouse::CLSID_ProdutoServer).object_faults(); }
    void sql(const std::string& text) { store().db().exec(text); }

    CMyConexaoProduto produto;
    CConexaoServico servico;
    CConexaoGradesProduto grades;
};

TEST_F(ProdutoServer, CountsProductsByKindAndListsThemInCodeOrder) {
    open(produto);
    struct caso {
        const char* tipos;
        long quantidade;
    } casos[] = {{"A", 44}, {"T", 5}, {"X", 49}, {"AX", 49}, {"", 0}};
    for (const auto& c : casos) EXPECT_EQ(produto.BuscaQuantidadeProdutos(c.tipos, 0), c.quantidade) << c.tipos;

    ASSERT_EQ(produto.BuscaQuantidadeProdutos("T", 0), 5);
    std::vector<long> ponteiros(7, -1);
    long encontrados = -1;
    ASSERT_EQ(produto.BuscaApenasPonteirosProdutosF4(7, 0, 0, &encontrados, ponteiros.data()), S_OK);
    EXPECT_EQ(encontrados, 5);
    EXPECT_EQ(ponteiros, (std::vector<long>{1, 7, 14, 35, 41, -1, -1}));
    // A product added since the count is reported, but never written past what was asked for.
    sql("INSERT INTO produto (empresa, posicao, codigo, nome, tipo) VALUES ('DEMO', 50, '6', 'Novo', 'T')");
    std::fill(ponteiros.begin(), ponteiros.end(), -1);
    ASSERT_EQ(produto.BuscaApenasPonteirosProdutosF4(2, 0, 0, &encontrados, ponteiros.data()), S_OK);
    EXPECT_EQ(encontrados, 6);
    EXPECT_EQ(ponteiros, (std::vector<long>{1, 7, -1, -1, -1, -1, -1}));
}

TEST_F(ProdutoServer, WithAPriceTableOnlyItsPricedProductsAreListed) {
    open(produto);
    sql("INSERT INTO produto_preco (empresa, tabela, produto, preco) VALUES ('DEMO', 1, 7, '1')");
    ASSERT_EQ(produto.BuscaQuantidadeProdutos("T", 0), 5);
    std::vector<long> ponteiros(5, -1);
    long encontrados = -1;
    ASSERT_EQ(produto.BuscaApenasPonteirosProdutosF4(5, 1, 0, &encontrados, ponteiros.data()), S_OK);
    EXPECT_EQ(encontrados, 1);   // the one title with a price in table 1
    EXPECT_EQ(ponteiros, (std::vector<long>{7, -1, -1, -1, -1}));
    ASSERT_EQ(produto.BuscaApenasPonteirosProdutosF4(5, 9, 0, &encontrados, ponteiros.data()), S_OK);
    EXPECT_EQ(encontrados, 0);   // a table without prices lists nothing
}

TEST_F(ProdutoServer, AProductIsPricedAndOfferedPerTable) {
    open(produto);
    struct caso {
        long ponteiro;
        WORD tabela;
        int64_t preco;
        uint8_t ofertado;
    } casos[] = {
        {2, 1, 3990000000LL, 1},    // 39.90 in VAREJO
        {2, 2, 2990000000LL, 1},    // 29.90 in ATACADO
        {6, 1, 0, 0},               // the cap has no VAREJO price
        {6, 0, 0, 1},               // without a table, an active product is offered
        {21, 1, 100000000LL, 0},    // inactive
        {15, 1, 312750000LL, 1},    // 3.1275
    };
    for (const auto& c : casos) {
        _REG_PRODUTOPS r{};
        ASSERT_EQ(produto.LeProduto(c.ponteiro, c.tabela, &r), S_OK);
        EXPECT_EQ(r.preco, c.preco) << c.ponteiro << "/" << c.tabela;
        EXPECT_EQ(r.ofertado, c.ofertado) << c.ponteiro << "/" << c.tabela;
        EXPECT_EQ(r.ponteiro, static_cast<uint32_t>(c.ponteiro));
    }
    _REG_PRODUTOPS r{};
    EXPECT_EQ(produto.LeProduto(999, 1, &r), inhouse::QV_E_PRODUTO_DESCONHECIDO);
    // The fields at their places in the 984 bytes.
    ASSERT_EQ(produto.LeProduto(2, 1, &r), S_OK);
    const auto* b = reinterpret_cast<const unsigned char*>(&r);
    int64_t preco;
    std::memcpy(&preco, b + 8, 8);
    EXPECT_EQ(preco, 3990000000LL);
    EXPECT_STREQ(reinterpret_cast<const char*>(b + 236), "Camiseta de algodão");
    EXPECT_STREQ(reinterpret_cast<const char*>(b + 420), "6109.10.00");
    EXPECT_STREQ(reinterpret_cast<const char*>(b + 450), "101");
    EXPECT_EQ(b[186] | b[187] << 8, 1);
    EXPECT_EQ(b[188] | b[189] << 8, 2);
    EXPECT_EQ(b[929], 2);
    EXPECT_EQ(b[932], 1);
}

TEST_F(ProdutoServer, FindsAProductByCodeAndKind) {
    open(produto);
    struct caso {
        const char* codigo;
        char tipo;
        int resposta;
        long ponteiro;
    } casos[] = {{"101", 'A', 1, 2}, {"101", 'T', 0, 0}, {"1", 'T', 1, 1}, {"101", 'X', 1, 2}, {"nada", 'A', 0, 0}};
    for (const auto& c : casos) {
        long p = -1;
        _REG_PRODUTOPS r{};
        r.preco = 77;
        EXPECT_EQ(produto.ExisteProduto(c.codigo, c.tipo, 1, &p, &r), c.resposta) << c.codigo << c.tipo;
        EXPECT_EQ(p, c.ponteiro);
        if (c.resposta == 0) {
            EXPECT_EQ(r.preco, 0);
        }
    }
    server().answer("ExisteProduto", {E_FAIL});
    long p = 0;
    _REG_PRODUTOPS r{};
    EXPECT_EQ(produto.ExisteProduto("101", 'A', 1, &p, &r), static_cast<int>(E_FAIL));
}

TEST_F(ProdutoServer, PriceTablesOfEachRegister) {
    open(produto);
    EXPECT_EQ(produto.BuscaQuantidadeTabelaPrecoOK('V'), 4);
    EXPECT_EQ(produto.BuscaQuantidadeTabelaPrecoOK('C'), 1);
    EXPECT_EQ(produto.BuscaQuantidadeTabelasPrecoServico('V'), 1);
    sql("UPDATE tabela_preco SET bloqueada = 1 WHERE codigo = 'PROMO'");
    EXPECT_EQ(produto.BuscaQuantidadeTabelaPrecoOK('V'), 3);
    std::vector<WORD> p(4, 0xFFFF);
    ASSERT_EQ(produto.BuscaPonteirosTabPrecosOK(4, 'V', p.data()), S_OK);
    EXPECT_EQ(p, (std::vector<WORD>{1, 2, 5, 0}));

    _REG_TABELA_PRECOSPS t{};
    ASSERT_EQ(produto.LeTabelaPreco(3, &t), S_OK);
    EXPECT_STREQ(t.codigo, "PROMO");
    EXPECT_EQ(t.bloqueada, 1);
    long ponteiro = 0;
    EXPECT_EQ(produto.ExisteTabelaPreco("ATACADO", 'V', &ponteiro, &t), 1);
    EXPECT_EQ(ponteiro, 2);
    EXPECT_NE(t.validade, 0);
    EXPECT_EQ(produto.ExisteTabelaPreco("CUSTO", 'V', &ponteiro, &t), 0);
    EXPECT_EQ(ponteiro, 0);
    EXPECT_EQ(produto.ExisteTabelaPrecosServico("SERV", 'V', &ponteiro, &t), 1);
    EXPECT_EQ(ponteiro, 1);
    // A validity that a 16-bit day number cannot hold is refused, never wrapped.
    sql("UPDATE tabela_preco SET validade = '2030-01-01' WHERE codigo = 'VAREJO'");
    EXPECT_EQ(produto.LeTabelaPreco(1, &t), inhouse::QV_E_DATA_FORA_DO_CAMPO);
}

TEST_F(ProdutoServer, ServicesCountPositionsAndADeletedOneIsMarked) {
    open(servico);
    IQVDF_Produto* s = servico.GetInterface();
    ASSERT_NE(s, nullptr);
    LONG n = 0;
    ASSERT_EQ(s->Quantidade(com::to_bstr(std::string("X")).get(), 0, &n), S_OK);
    EXPECT_EQ(n, 5);
    _REG_SERVICOSPS r{};
    ASSERT_EQ(servico.Le(1, &r, 1), S_OK);
    EXPECT_STREQ(r.codigo, "10");
    EXPECT_EQ(r.preco, 1200000);   // 120.00 as a CURRENCY
    EXPECT_EQ(r.unidade, 5);
    EXPECT_EQ(servico.Le(4, &r, 1), inhouse::QV_E_SERVICO_EXCLUIDO);
    EXPECT_EQ(servico.Le(6, &r, 1), inhouse::QV_E_SERVICO_DESCONHECIDO);
    long p = 0;
    EXPECT_EQ(servico.Existe("3", &p, &r, 1, 'A'), 1);
    EXPECT_EQ(p, 5);
    EXPECT_EQ(servico.Existe("4", &p, &r, 1, 'A'), 0);
}

TEST_F(ProdutoServer, UnitsOfProductsAndServices) {
    open(produto);
    _REG_UNIDADES_MEDIDAPS u{};
    ASSERT_EQ(produto.LeUnidadeMedidaProduto(2, &u), S_OK);
    EXPECT_STREQ(reinterpret_cast<const char*>(&u) + 46, "KG");
    _REG_UNIDADES_MEDIDA_SERVICOSPS us{};
    ASSERT_EQ(produto.LeUnidadeMedidaServico(5, &us), S_OK);
    EXPECT_STREQ(reinterpret_cast<const char*>(&us) + 42, "H");
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&us)[61], 1);
    EXPECT_EQ(produto.LeUnidadeMedidaProduto(99, &u), inhouse::QV_E_UNIDADE_DESCONHECIDA);
}

TEST_F(ProdutoServer, GridItemsByPositionByCodeAndAsAList) {
    open(grades);
    _REG_GRADES_PRODUTOPS g{};
    ASSERT_EQ(grades.LeGrade(2, &g), S_OK);
    EXPECT_EQ(g.codigo, 20);
    EXPECT_STREQ(g.descricao, "Cor");
    _REG_ITENS_GRADE_PRODUTOPS i{};
    ASSERT_EQ(grades.LeItemGrade(1, 4, &i), S_OK);
    EXPECT_STREQ(i.codigo, "GG");
    EXPECT_STREQ(i.descricao, "Extra grande");
    EXPECT_EQ(grades.LeItemGrade(1, 9, &i), inhouse::QV_E_GRADE_DESCONHECIDA);
    WORD item = 0;
    EXPECT_EQ(grades.ExisteItemGrade(2, "PR", &item, &i), 1);
    EXPECT_EQ(item, 2);
    EXPECT_EQ(grades.ExisteItemGrade(2, "pr", &item, &i), 0);   // stored codes compare exactly

    long n = 0;
    _REG_PONTEIROS_ITENS_GRADE_PRODUTOPS lista{};
    ASSERT_EQ(grades.BuscaPonteirosItensGrade(1, 0, &n, &lista), S_OK);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(lista.quantidade, 4);
    auto* itens = static_cast<WORD*>(com::wire_pointer_take(lista.itens));
    ASSERT_NE(itens, nullptr);
    EXPECT_EQ(itens[0], 1);
    EXPECT_EQ(itens[3], 4);
    CoTaskMemFree(itens);
    ASSERT_EQ(grades.BuscaPonteirosItensGrade(9, 0, &n, &lista), S_OK);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(lista.itens, 0u);
}

TEST_F(ProdutoServer, EntriesServedLaterAnswerNotImplemented) {
    open(produto);
    IQVDF_Produto* s = produto.GetInterface();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Reservado142(), E_NOTIMPL);
}

// The payment conditions a price table does not allow (entry 141): a count and a task-memory
// array of 8-byte entries, the condition's number in the first 32 bits; none gives no array.
TEST_F(ProdutoServer, ConditionsNotAllowedByATable) {
    open(produto);
    IQVDF_Produto* s = produto.GetInterface();
    ASSERT_NE(s, nullptr);
    sql("INSERT INTO tabela_preco_condicao_vedada (empresa, servicos, tabela, condicao) VALUES ('DEMO', 1, 1, 7)");
    struct caso {
        LONG tabela;
        BYTE tipo;
        std::vector<uint32_t> condicoes;
    } casos[] = {{3, 'P', {2, 3, 4}}, {5, 'P', {4}}, {1, 'P', {}}, {1, 'S', {7}}, {99, 'P', {}}};
    for (const auto& c : casos) {
        struct {
            LONG quantidade;
            BYTE* entradas;
        } r{-1, reinterpret_cast<BYTE*>(1)};
        ASSERT_EQ(s->CondicoesNaoPermitidas(c.tabela, c.tipo, reinterpret_cast<BYTE*>(&r)), S_OK) << c.tabela;
        ASSERT_EQ(r.quantidade, static_cast<LONG>(c.condicoes.size())) << c.tabela;
        if (c.condicoes.empty()) {
            EXPECT_EQ(r.entradas, nullptr);
            continue;
        }
        for (size_t i = 0; i < c.condicoes.size(); ++i) {
            uint32_t n;
            std::memcpy(&n, r.entradas + i * 8, 4);
            EXPECT_EQ(n, c.condicoes[i]) << c.tabela << " " << i;
        }
        CoTaskMemFree(r.entradas);
    }
    server().answer("CondicoesNaoPermitidas", {E_ACCESSDENIED});
    struct {
        LONG quantidade;
        BYTE* entradas;
    } r{};
    EXPECT_EQ(s->CondicoesNaoPermitidas(3, 'P', reinterpret_cast<BYTE*>(&r)), E_ACCESSDENIED);
    EXPECT_EQ(r.entradas, nullptr);
}

// The price items of a product and grid items in a table: the most specific row first, a grid
// item 0 in a row standing for any item; the array is task memory that the caller frees.
TEST_F(ProdutoServer, PriceItemsPutTheMostSpecificRowFirst) {
    open(produto);
    IQVDF_Produto* s = produto.GetInterface();
    ASSERT_NE(s, nullptr);
    sql("INSERT INTO produto_item_preco (empresa, tabela, produto, item1, item2, item3, preco, desconto,"
        " desconto_percentual) VALUES ('DEMO', 1, 3, 0, 2, 0, '91.5', '9.15', 0), ('DEMO', 1, 3, 1, 2, 0, '95.123456789', '2', 1)");
    struct caso {
        int produto, tabela, item1, item2;
        long quantidade;
        int64_t primeiro_preco;     // 8 implied decimals
        int64_t primeiro_desconto;
        int percentual;
    } casos[] = {
        {3, 1, 1, 2, 3, 9512345678LL, 200000000LL, 1},   // decimals past eight are cut
        {3, 1, 3, 2, 2, 9150000000LL, 915000000LL, 0},
        {3, 1, 3, 1, 1, 8990000000LL, 1348000000LL, 0},   // only the row for every item
        {3, 2, 0, 0, 0, 0, 0, 0},                         // another table: none
        {2, 1, 4, 0, 2, 3990000000LL, 599000000LL, 0},    // size GG
        {99, 1, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << "produto " << c.produto << " tabela " << c.tabela << " itens " << c.item1
                                        << "," << c.item2);
        CHAVE_ITENS_PRECO k{};
        k.produto = c.produto;
        k.tabela = static_cast<uint16_t>(c.tabela);
        k.item1 = static_cast<uint16_t>(c.item1);
        k.item2 = static_cast<uint16_t>(c.item2);
        QV_CHAVE_24 chave;
        std::memcpy(chave.dados, &k, sizeof k);
        RESPOSTA_ITENS_PRECO r{-1, reinterpret_cast<_REG_ITENS_TABELA_PRECOPS*>(0x10)};
        ASSERT_EQ(s->ItensPreco(chave, reinterpret_cast<BYTE*>(&r)), S_OK);
        EXPECT_EQ(r.quantidade, c.quantidade);
        if (c.quantidade == 0) {
            EXPECT_EQ(r.itens, nullptr);
            continue;
        }
        ASSERT_NE(r.itens, nullptr);
        EXPECT_EQ(r.itens[0].preco, c.primeiro_preco);
        EXPECT_EQ(r.itens[0].desconto, c.primeiro_desconto);
        EXPECT_EQ(r.itens[0].desconto_percentual, c.percentual);
        EXPECT_EQ(r.itens[0].produto, c.produto);
        CoTaskMemFree(r.itens);
    }
    EXPECT_EQ(server().calls("ItensPreco").front(), "produto=3 tabela=1 itens=1,2,0");
}

// The record fields a sales page reads: weights in the record's scale, packaging, pallet, unit
// discount and delivery days.
TEST_F(ProdutoServer, TheProductRecordCarriesWeightsPackagingAndDelivery) {
    open(produto);
    sql("UPDATE produto SET peso_bruto = '1.25', casas_peso_bruto = 3, peso_liquido = '1.2', casas_peso_liquido = 7,"
        " embalagem = '12.5', pallet = 4000000000, desconto_unitario = 1850, prazo_entrega = 12"
        " WHERE empresa = 'DEMO' AND codigo = '104'");
    long ponteiro = 0;
    _REG_PRODUTOPS p{};
    ASSERT_EQ(produto.ExisteProduto("104", 'A', 1, &ponteiro, &p), 1);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&p);
    auto i64 = [&](size_t at) { int64_t v; std::memcpy(&v, bytes + at, 8); return v; };
    auto u32 = [&](size_t at) { uint32_t v; std::memcpy(&v, bytes + at, 4); return v; };
    auto u16 = [&](size_t at) { uint16_t v; std::memcpy(&v, bytes + at, 2); return v; };
    EXPECT_EQ(i64(24), 1250000);     // code 3: two decimals more than a CURRENCY's four
    EXPECT_EQ(i64(32), 12000);       // code 7: none more
    EXPECT_EQ(bytes[943], 3);
    EXPECT_EQ(bytes[944], 7);
    EXPECT_EQ(i64(72), 125000);
    EXPECT_EQ(u32(156), 4000000000u);
    EXPECT_EQ(u16(198), 1850);
    EXPECT_EQ(u16(202), 12);
}

// The fields the order library copies into an item's information, from the demo's T-shirt.
TEST_F(ProdutoServer, TheProductRecordCarriesWhatAnOrderItemKeeps) {
    open(produto);
    long ponteiro = 0;
    _REG_PRODUTOPS p{};
    ASSERT_EQ(produto.ExisteProduto("101", 'A', 1, &ponteiro, &p), 1);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&p);
    auto u32 = [&](size_t at) { uint32_t v; std::memcpy(&v, bytes + at, 4); return v; };
    auto u16 = [&](size_t at) { uint16_t v; std::memcpy(&v, bytes + at, 2); return v; };
    EXPECT_EQ(u32(112), 500u);
    EXPECT_EQ(u32(116), 100u);
    EXPECT_EQ(u32(120), 2000u);
    EXPECT_EQ(u16(192), 0u);
    EXPECT_EQ(u16(212), 10u);
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 534), "CAM-ALG-001");
    // A reference of more than 60 characters is cut and stays terminated.
    sql("UPDATE produto SET referencia = '" + std::string(70, 'R') + "', origem = 2 WHERE empresa = 'DEMO' AND codigo = '101'");
    ASSERT_EQ(produto.ExisteProduto("101", 'A', 1, &ponteiro, &p), 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + 534)), std::string(60, 'R'));
    EXPECT_EQ(u16(192), 2u);
}

TEST_F(ProdutoServer, GridReferencesAndTaxAnswersWithoutRowsAreEmptyAndDefault) {
    open(produto);
    IQVDF_Produto* s = produto.GetInterface();
    ASSERT_NE(s, nullptr);
    QV_REFERENCIA_GRADE_86 pedido{};
    pedido.dados[0] = 2;   // product 2, first grid item 9: no row
    pedido.dados[4] = 9;
    RESPOSTA_REFERENCIAS_GRADE referencias{7, nullptr};
    ASSERT_EQ(s->ReferenciasGrade(pedido, reinterpret_cast<BYTE*>(&referencias)), S_OK);
    EXPECT_EQ(referencias.quantidade, 0);
    EXPECT_EQ(referencias.registros, nullptr);
    RESPOSTA_CONSULTA_IMPOSTO imposto{};
    QV_CHAVE_14 chave{};
    chave.dados[0] = 2;
    ASSERT_EQ(s->ConsultaImposto(8, chave, reinterpret_cast<BYTE*>(&imposto)), S_OK);
    EXPECT_EQ(imposto.calcula_icms, 1);
    EXPECT_EQ(imposto.calcula_ipi, 1);
    EXPECT_STREQ(imposto.cst, "000");
}

}  // namespace
