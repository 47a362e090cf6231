// The unit cache over the product stand-in: decimals from the unit's indicator, the text cut to
// 11 characters, one read per unit and kind, unit 0 asks nothing, a failure keeps nothing.
#include <gtest/gtest.h>

#include <string>

#include "ft/ftlibrary/CFTBufferInfoUnMedida.h"
#include "ft/ftlibrary/CFTBufferProduto.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/produtos/registros_produto.h"
#include "support/stand_in_fixture.h"

namespace {

class InfoUnMedida : public stand_in_fixture {
protected:
    InfoUnMedida() {
        gerenciador.Configura("DEMO", 1, 1);
        EXPECT_EQ(gerenciador.Prepara(), S_OK);
        store().db().exec(
            "INSERT INTO produto_unidade (empresa, posicao, sigla, descricao, casas) VALUES"
            " ('DEMO', 40, 'DUAS', 'Duas casas', 1), ('DEMO', 41, 'ABCDEFGHIJKLMNO', 'Longa', 2)");
        unidades.Inicializa(true, nullptr);
    }
    inhouse::fault_plan& produto() { return factory(inhouse::CLSID_ProdutoServer).object_faults(); }

    CFTGerenciadorProduto gerenciador;
    CFTBufferInfoUnMedida unidades;
};

TEST_F(InfoUnMedida, DecimalsAndTextFromTheUnit) {
    struct caso {
        uint16_t unidade;
        const char* texto;
        uint8_t casas;
    };
    const caso casos[] = {{1, "UN", 0}, {40, "DUAS", 2}, {2, "KG", 4}, {41, "ABCDEFGHIJK", 4}};
    for (const caso& c : casos) {
        REG_INFO_UN_MEDIDA r{};
        ASSERT_EQ(unidades.Carrega(gerenciador.Interface(), c.unidade, true, r), S_OK) << c.unidade;
        EXPECT_EQ(std::string(r.Unidade), c.texto);
        EXPECT_EQ(r.Casas, c.casas) << c.unidade;
    }
}

TEST_F(InfoUnMedida, OneReadPerUnitAndKindAndNoneForUnitZero) {
    REG_INFO_UN_MEDIDA r{};
    ASSERT_EQ(unidades.Carrega(gerenciador.Interface(), 0, true, r), S_OK);
    EXPECT_EQ(r.Unidade[0], 0);
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(unidades.Carrega(gerenciador.Interface(), 1, true, r), S_OK);
        ASSERT_EQ(unidades.Carrega(gerenciador.Interface(), 1, false, r), S_OK);
    }
    EXPECT_EQ(produto().count("LeUnidadeProduto"), 1u);
    EXPECT_EQ(produto().count("LeUnidadeServico"), 1u);
    unidades.Limpa();
    ASSERT_EQ(unidades.Carrega(gerenciador.Interface(), 1, true, r), S_OK);
    EXPECT_EQ(produto().count("LeUnidadeProduto"), 2u);
}

TEST_F(InfoUnMedida, FailedReadReturnsAndKeepsNothing) {
    REG_INFO_UN_MEDIDA r{};
    EXPECT_EQ(unidades.Carrega(gerenciador.Interface(), 999, true, r), inhouse::QV_E_UNIDADE_DESCONHECIDA);
    produto().answer("LeUnidadeProduto", {E_UNEXPECTED});
    EXPECT_EQ(unidades.Carrega(gerenciador.Interface(), 1, true, r), E_UNEXPECTED);
    EXPECT_EQ(r.Unidade[0], 0);
    ASSERT_EQ(unidades.Carrega(gerenciador.Interface(), 1, true, r), S_OK);
    EXPECT_EQ(std::string(r.Unidade), "UN");
    EXPECT_EQ(produto().count("LeUnidadeProduto"), 3u);
    EXPECT_FALSE(events().entries().empty());
}

}  // namespace
