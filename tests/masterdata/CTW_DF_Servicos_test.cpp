// The service list over the demo register: a deleted position skipped, the orders, the unit's
// decimals and time format, the price text and the look-up by code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "masterdata/CTW_DF_Servicos.h"
#include "tests/masterdata/produtos_fixture.h"

using masterdata::CTW_DF_Servicos;

namespace {

class Servicos : public produtos_fixture {
protected:
    Servicos() : lista(com::make<CTW_DF_Servicos>()) {}

    LONG load() {
        LONG n = 12345;
        EXPECT_EQ(lista->BuscaPonteiros(&n), S_OK);
        return n;
    }
    std::vector<std::string> codes() {
        std::vector<std::string> out;
        for (USHORT i = 0; lista->LePosicao(i) == S_OK; ++i) out.push_back(codigo());
        return out;
    }
    std::string codigo() { return text([&](BSTR* p) { return lista->GetCodigo(p); }); }
    bool existe(const char* c) {
        VARIANT_BOOL e = 7;
        EXPECT_EQ(lista->GetServico(b(c).get(), &e), S_OK);
        return e == VARIANT_TRUE;
    }

    com::com_ptr<CTW_DF_Servicos> lista;
};

TEST_F(Servicos, LoadsEveryServiceSkippingADeletedPosition) {
    ASSERT_EQ(load(), 4);
    EXPECT_EQ(codes(), (std::vector<std::string>{"10", "11", "20", "3"}));   // by classification
    EXPECT_EQ(servicos().count("LeServico"), 5u);
    EXPECT_EQ(servicos().calls("Quantidade"), std::vector<std::string>{"tipos=X opcao=0"});
    EXPECT_EQ(load(), 4);
    EXPECT_EQ(servicos().count("Quantidade"), 1u);
}

TEST_F(Servicos, Sorts) {
    ASSERT_EQ(load(), 4);
    struct caso {
        USHORT ordem;
        std::vector<std::string> esperado;
    } casos[] = {
        {1, {"20", "3", "10", "11"}},   // names: Ajuste, Entrega, Instalação, Visita
        {3, {"20", "3", "10", "11"}},   // no sort: stays as it was
        {9, {"3", "10", "11", "20"}},   // code as a number: "3" before "20"
        {4, {"3", "20", "11", "10"}},   // price
        {2, {"10", "11", "20", "3"}},
        {0, {"3", "10", "11", "20"}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(lista->SetOrdenacao(c.ordem), S_OK);
        EXPECT_EQ(codes(), c.esperado) << c.ordem;
    }
}

TEST_F(Servicos, UnitPriceAndDecimals) {
    sql("INSERT INTO produto_unidade (empresa, posicao, sigla, casas) VALUES ('DEMO', 50, 'Q2', 2), ('DEMO', 51, 'Q5', 5)");
    sql("INSERT INTO servico (empresa, posicao, codigo, nome, unidade, preco) VALUES"
        " ('DEMO', 6, '60', 'Quatro casas', 50, '1234.5678'), ('DEMO', 7, '70', 'Código cinco', 51, '0.1')");
    struct caso {
        const char* codigo;
        const char* unidade;
        LONG casas;
        VARIANT_BOOL horario;
        const char* preco;
    } casos[] = {
        {"10", "H", 2, VARIANT_TRUE, "120,00"},
        {"11", "VS", 0, VARIANT_FALSE, "80,00"},
        {"60", "Q2", 4, VARIANT_FALSE, "1234,5678"},
        {"70", "Q5", 0, VARIANT_FALSE, "0,10"},
    };
    for (const auto& c : casos) {
        ASSERT_TRUE(existe(c.codigo)) << c.codigo;
        EXPECT_EQ(text([&](BSTR* p) { return lista->GetUnidade(p); }), c.unidade);
        LONG casas = -1;
        EXPECT_EQ(lista->GetQtdeCasasDecimais(&casas), S_OK);
        EXPECT_EQ(casas, c.casas) << c.codigo;
        VARIANT_BOOL horario = 7;
        EXPECT_EQ(lista->PossuiFormatoHorario(&horario), S_OK);
        EXPECT_EQ(horario, c.horario) << c.codigo;
        EXPECT_EQ(text([&](BSTR* p) { return lista->GetPrecoVenda(p); }), c.preco);
    }
}

TEST_F(Servicos, GetServicoOnAFreshObjectLoadsTheListAndFindsAfterASort) {
    ASSERT_TRUE(existe("20"));
    EXPECT_EQ(codigo(), "20");
    EXPECT_EQ(servicos().count("Quantidade"), 1u);
    EXPECT_EQ(load(), 4);
    EXPECT_EQ(servicos().count("Quantidade"), 1u);
    EXPECT_EQ(lista->SetOrdenacao(1), S_OK);
    ASSERT_TRUE(existe("3"));
    EXPECT_EQ(codigo(), "3");
    EXPECT_EQ(text([&](BSTR* p) { return lista->GetNome(p); }), "Entrega expressa");
    EXPECT_FALSE(existe("4"));
    EXPECT_EQ(codigo(), "3");
}

TEST_F(Servicos, AFailedReadOtherThanADeletedServiceIsReported) {
    servicos().answer("LeServico", {S_OK, E_FAIL});
    LONG n = 9;
    EXPECT_EQ(lista->BuscaPonteiros(&n), E_FAIL);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(last_error(), "Falha ao ler serviço");
    EXPECT_EQ(load(), 4);
}

}  // namespace
