// The order information of a web order page: the month's next number, the representative's name
// and the packaging mark, over the orders server, the chart and the commercial master stand-ins.
#include <gtest/gtest.h>

#include "sales/CTW_FT_InfoPedido.h"
#include "sales/mes_atual.h"
#include "support/last_error.h"
#include "tests/sales/pedidos_fixture.h"

namespace {

class InfoPedido : public pedidos_fixture {
protected:
    com::com_ptr<ITW_FT_InfoPedido> cria(com::com_ptr<server::CQV_Inicializa> raiz) {
        com::com_ptr<ITW_FT_InfoPedido> info;
        EXPECT_EQ(raiz->TW_FT_InfoPedido(info.put()), S_OK);
        m_raiz = std::move(raiz);
        return info;
    }
    com::com_ptr<server::CQV_Inicializa> m_raiz;
};

TEST(NumeroPedido, MonthYearAndTheWholeSequence) {
    struct caso {
        int mes, ano;
        uint32_t sequencia;
        const char* texto;
    } casos[] = {{1, 2027, 1, "0127-000001"}, {3, 2026, 123, "0326-000123"}, {12, 2030, 1234567, "1230-1234567"}};
    for (const auto& c : casos) EXPECT_EQ(sales::numero_pedido(c.mes, c.ano, c.sequencia), c.texto);
}

TEST_F(InfoPedido, TheNextNumberOfTheMonth) {
    ASSERT_EQ(qv_write_simulated_clock(SYSTEMTIME{2027, 1, 0, 5, 10, 0, 0, 0}), 0);
    auto info = cria(admin());
    ASSERT_TRUE(info);
    EXPECT_EQ(texto(info.get(), &ITW_FT_InfoPedido::GetNumero), "0127-000001");   // a month without orders
    // January 2027 is month index (2027 - 1848) x 12 + 1 = 2149; its 122nd order is saved.
    sql("INSERT INTO pedido (empresa, posicao, mes, sequencia, data_emissao) VALUES ('DEMO', " +
        std::to_string((122 << 12) | 2149) + ", 2149, 122, 65200)");
    EXPECT_EQ(texto(info.get(), &ITW_FT_InfoPedido::GetNumero), "0127-000123");
    EXPECT_EQ(pedidos().calls("NumeroMes"), (std::vector<std::string>{"mes=2149", "mes=2149"}));
}

TEST_F(InfoPedido, ANumberThatCannotBeHadIsAFailureNotTheFirst) {
    auto info = cria(admin());
    pedidos().answer("NumeroMes", {RPC_E_DISCONNECTED});
    EXPECT_EQ(texto(info.get(), &ITW_FT_InfoPedido::GetNumero, RPC_E_DISCONNECTED), "<null>");
    EXPECT_EQ(last_error(), "Falha ao buscar o n\xfamero do pr\xf3ximo pedido.");
}

TEST_F(InfoPedido, AUserWithoutRepresentativeHasNoNameAndNoRead) {
    auto info = cria(admin());
    EXPECT_EQ(texto(info.get(), &ITW_FT_InfoPedido::GetNomeRepresentante), "");
    EXPECT_EQ(plano().count("LeConta"), 0u);
}

TEST_F(InfoPedido, TheRepresentativesName) {
    auto info = cria(regional());
    EXPECT_EQ(texto(info.get(), &ITW_FT_InfoPedido::GetNomeRepresentante), "Representante Regional Sul");
    EXPECT_EQ(plano().calls("LeConta"), std::vector<std::string>{"posicao=9001"});
}

TEST_F(InfoPedido, QuantitiesMatchingThePackagingFollowTheCommercialRecord) {
    auto info = cria(admin());
    VARIANT_BOOL v = 7;
    ASSERT_EQ(info->QuantidadesCondizentesEmbalagem(&v), S_OK);
    EXPECT_EQ(v, VARIANT_FALSE);
    sql("INSERT OR REPLACE INTO parametro_venda (empresa, posicao, largura, valor) VALUES ('DEMO', 365, 1, 1)");
    server::CCacheServidores::Destroi();   // the master builds its record once
    ASSERT_EQ(info->QuantidadesCondizentesEmbalagem(&v), S_OK);
    EXPECT_EQ(v, VARIANT_TRUE);
    servidor(inhouse::CLSID_MestreComercialServer).answer("Parametros", {E_ACCESSDENIED});
    v = 7;
    EXPECT_EQ(info->QuantidadesCondizentesEmbalagem(&v), E_ACCESSDENIED);
    EXPECT_EQ(v, VARIANT_FALSE);
    EXPECT_EQ(last_error(), "Erro ao inicializar conex\xe3o com o comercial.");
}

}  // namespace
