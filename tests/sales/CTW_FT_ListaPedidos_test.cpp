// The order list of a web page over the orders server stand-in and the demo orders: a
// representative sees only its orders, the list is read once while nothing changes, records are
// read one per order through the ring of 3000, and the getters' texts.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/inhouse/pedidos/registros_pedidos.h"
#include "sales/CTW_FT_ListaPedidos.h"
#include "support/last_error.h"
#include "tests/sales/pedidos_fixture.h"

namespace {

class ListaPedidos : public pedidos_fixture {
protected:
    com::com_ptr<ITW_FT_ListaPedidos> cria(com::com_ptr<server::CQV_Inicializa> raiz) {
        com::com_ptr<ITW_FT_ListaPedidos> lista;
        EXPECT_EQ(raiz->TW_FT_ListaPedidos(lista.put()), S_OK);
        m_raiz = std::move(raiz);
        return lista;
    }
    static long busca(ITW_FT_ListaPedidos* lista, HRESULT esperado = S_OK) {
        long n = -1;
        EXPECT_EQ(lista->BuscaPonteiros(&n), esperado);
        return n;
    }
    // Every order of the list: number, status, total and customer.
    std::vector<std::string> linhas(ITW_FT_ListaPedidos* lista, long n) {
        std::vector<std::string> v;
        for (long i = 0; i < n; ++i) {
            EXPECT_EQ(lista->LePosicao(static_cast<unsigned long>(i)), S_OK);
            using I = ITW_FT_ListaPedidos;
            v.push_back(texto(lista, &I::GetSituacao) + ";" + texto(lista, &I::GetValorTotal) + ";" +
                        texto(lista, &I::GetNomeCliente));
        }
        return v;
    }
    com::com_ptr<server::CQV_Inicializa> m_raiz;
};

TEST_F(ListaPedidos, ARepresentativeSeesOnlyItsOrders) {
    auto lista = cria(regional());
    const long n = busca(lista.get());
    ASSERT_EQ(n, 2);
    EXPECT_EQ(pedidos().calls("BuscaPedidos"), std::vector<std::string>{"dias=0-65535 representante=9001"});
    // Last month's blocked order first, then this month's under analysis (the server's order).
    EXPECT_EQ(linhas(lista.get(), n), (std::vector<std::string>{"Bloqueado;1.200,00;Jos\xe9 Carlos Almeida",
                                                                 "Em An\xe1lise;420,00;Mercado Bom Pre\xe7o Ltda"}));
}

TEST_F(ListaPedidos, EveryOrderForAUserWithoutRepresentative) {
    auto lista = cria(admin());
    const long n = busca(lista.get());
    ASSERT_EQ(n, 6);
    const auto v = linhas(lista.get(), n);
    EXPECT_EQ(v[0], "Faturado;2.750,00;Cliente Exemplo Ltda");
    EXPECT_EQ(v[1], "Cancelado;99,90;Maria da Silva");   // cancelled before invoiced
    EXPECT_EQ(v[3], "Pendente;1.500,00;Cliente Exemplo Ltda");
    EXPECT_EQ(v[4], "Atendido;830,50;Maria da Silva");
    ASSERT_EQ(lista->LePosicao(3), S_OK);
    const std::string codigo = texto(lista.get(), &ITW_FT_ListaPedidos::GetCodigo);
    EXPECT_EQ(codigo.size(), 11u);
    EXPECT_EQ(codigo.substr(4), "-000001");
    EXPECT_EQ(texto(lista.get(), &ITW_FT_ListaPedidos::GetDataEmissao).substr(0, 3), "01/");
}

TEST_F(ListaPedidos, TheListIsReadOnceUntilTheMonthsCountChanges) {
    auto lista = cria(admin());
    EXPECT_EQ(busca(lista.get()), 6);
    EXPECT_EQ(busca(lista.get()), 6);
    EXPECT_EQ(pedidos().count("BuscaPedidos"), 1u);
    long mes = 0;
    ASSERT_EQ(lista->BuscaQtdPedidosMesAtual(&mes), S_OK);
    EXPECT_EQ(mes, 3);
    // A new order of this month: read again.
    sql("INSERT INTO pedido (empresa, posicao, mes, sequencia, data_emissao, cliente)"
        " SELECT empresa, posicao + 4096, mes, 4, data_emissao, 0 FROM pedido WHERE empresa = 'DEMO' AND sequencia = 3"
        " ORDER BY mes DESC LIMIT 1");
    EXPECT_EQ(busca(lista.get()), 7);
    EXPECT_EQ(pedidos().count("BuscaPedidos"), 2u);
    // A customer position 0: an empty name and no read of the chart.
    plano().clear();
    ASSERT_EQ(lista->LePosicao(6), S_OK);
    EXPECT_EQ(texto(lista.get(), &ITW_FT_ListaPedidos::GetNomeCliente), "");
    EXPECT_EQ(plano().count("LeConta"), 0u);
}

TEST_F(ListaPedidos, AnotherLoginReadsTheListAgain) {
    auto lista = cria(admin());
    EXPECT_EQ(busca(lista.get()), 6);
    auto outra = regional();   // the process-wide session now is the representative's
    EXPECT_EQ(busca(lista.get()), 2);
}

TEST_F(ListaPedidos, NoOrdersIsTheErrorClientsKnow) {
    sql("DELETE FROM pedido");
    auto lista = cria(admin());
    EXPECT_EQ(busca(lista.get(), DISP_E_EXCEPTION), 0);
    EXPECT_EQ(last_error(), "Nenhum pedido foi encontrado.");
    pedidos().answer("BuscaPedidos", {RPC_E_DISCONNECTED});
    EXPECT_EQ(busca(lista.get(), RPC_E_DISCONNECTED), 0);
    EXPECT_EQ(last_error(), "Falha ao buscar pedidos.");
}

TEST_F(ListaPedidos, GettersWithoutAnOrderFailAndPositionsOutsideTheListChangeNothing) {
    auto lista = cria(admin());
    using I = ITW_FT_ListaPedidos;
    for (auto get : {&I::GetCodigo, &I::GetDataEmissao, &I::GetDataEntrega, &I::GetSituacao, &I::GetValorTotal,
                     &I::GetNomeCliente})
        EXPECT_EQ(texto(lista.get(), get, E_UNEXPECTED), "<null>");
    EXPECT_EQ(lista->LePosicao(0), E_INVALIDARG);
    ASSERT_EQ(busca(lista.get()), 6);
    ASSERT_EQ(lista->LePosicao(0), S_OK);
    EXPECT_EQ(lista->LePosicao(6), E_INVALIDARG);
    EXPECT_EQ(texto(lista.get(), &I::GetSituacao), "Faturado");   // still the first order
    EXPECT_EQ(lista->SetOrdenacao(3), S_OK);
    EXPECT_EQ(texto(lista.get(), &I::GetSituacao), "Faturado");
}

TEST_F(ListaPedidos, ACustomerThatCannotBeReadIsAFailure) {
    auto lista = cria(admin());
    ASSERT_EQ(busca(lista.get()), 6);
    ASSERT_EQ(lista->LePosicao(0), S_OK);
    plano().answer("LeConta", {E_ACCESSDENIED});
    EXPECT_EQ(texto(lista.get(), &ITW_FT_ListaPedidos::GetNomeCliente, E_ACCESSDENIED), "<null>");
    EXPECT_EQ(last_error(), "Falha ao carregar cliente.");
}

TEST_F(ListaPedidos, RecordsAreReadOncePerOrderAndTheRingKeeps3000) {
    // 3001 orders of January 2020 (month index 2065) before the demo's.
    sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3001)"
        " INSERT INTO pedido (empresa, posicao, mes, sequencia, data_emissao) SELECT 'DEMO', (i << 12) | 2065, 2065, i, 62000 FROM n");
    auto lista = cria(admin());
    ASSERT_EQ(busca(lista.get()), 3007);
    for (unsigned long i = 0; i < 3000; ++i) ASSERT_EQ(lista->LePosicao(i), S_OK) << i;
    EXPECT_EQ(pedidos().count("LeListaPedido"), 3000u);
    ASSERT_EQ(lista->LePosicao(2999), S_OK);
    ASSERT_EQ(lista->LePosicao(0), S_OK);
    EXPECT_EQ(pedidos().count("LeListaPedido"), 3000u);   // still held
    ASSERT_EQ(lista->LePosicao(3000), S_OK);              // takes the oldest slot: index 0's
    ASSERT_EQ(lista->LePosicao(1), S_OK);
    EXPECT_EQ(pedidos().count("LeListaPedido"), 3001u);
    ASSERT_EQ(lista->LePosicao(0), S_OK);
    EXPECT_EQ(pedidos().count("LeListaPedido"), 3002u);
    EXPECT_EQ(texto(lista.get(), &ITW_FT_ListaPedidos::GetCodigo), "0120-000001");
}

TEST(SituacaoPedido, TheFirstMarkSetGivesTheText) {
    struct caso {
        std::vector<size_t> marcas;   // offsets of the 1,020-byte record set to 1
        const char* texto;
    } casos[] = {
        {{}, "Pendente"},
        {{950}, "Em An\xe1lise"},
        {{938, 935}, "Cancelado"},
        {{949, 938}, "Bloqueado"},
        {{938, 934}, "Faturado"},
        {{934, 937}, "Atendido"},
        {{937, 936}, "Parcialmente atendido"},
        {{936, 950}, "Parcialmente faturado"},
    };
    for (const auto& c : casos) {
        REG_LISTA_PEDIDO r{};
        for (size_t at : c.marcas) reinterpret_cast<uint8_t*>(&r)[at] = 1;
        EXPECT_STREQ(sales::CTW_FT_ListaPedidos::Situacao(r), c.texto);
    }
}

}  // namespace
