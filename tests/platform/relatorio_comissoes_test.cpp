// The commissions-to-pay report of the stand-in report servers: the orders of the period that are
// not cancelled, of the representatives the request names (all when it names none), each with the
// commission its items earn at their products' rates, and the sums.
#include <gtest/gtest.h>

#include <string>

#include "base/CQVData.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/relatorios/RelatoriosComerciais.h"
#include "support/stand_in_fixture.h"

namespace {

// January 2020, a month without demo orders.
const uint16_t dia_5 = static_cast<uint16_t>(qv_numero_dia(5, 1, 2020));
const uint16_t dia_31 = static_cast<uint16_t>(qv_numero_dia(31, 1, 2020));
constexpr int mes = (2020 - 1848) * 12 + 1;

class RelatorioComissoes : public stand_in_fixture {
protected:
    RelatorioComissoes() {
        // Products 901 (5 %) and 902 (2,5 %); orders: 1 and 2 of representative 7 (2 holds both
        // products), 3 cancelled, 4 of representative 8, 5 on 1 February.
        store().db().exec(
            "INSERT INTO produto (empresa, posicao, codigo, nome, classificacao, tipo, unidade, grade1, grade2,"
            " casas_preco, ativo, comissao) VALUES ('DEMO', 901, 'C901', 'a', '', 'A', 0, 0, 0, 2, 1, 500),"
            " ('DEMO', 902, 'C902', 'b', '', 'A', 0, 0, 0, 2, 1, 250)");
        pedido(1, 7, dia_5, 1000000, false, {{901, 1000000}});
        pedido(2, 7, dia_31, 3000000, false, {{901, 1000000}, {902, 2000000}});
        pedido(3, 7, dia_5, 5000000, true, {{901, 5000000}});
        pedido(4, 8, dia_5, 2000000, false, {{902, 2000000}});
        pedido(5, 7, static_cast<uint16_t>(dia_31 + 1), 4000000, false, {{901, 4000000}});
    }

    void pedido(int seq, int representante, uint16_t dia, int64_t total, bool cancelado,
                std::initializer_list<std::pair<int, int64_t>> itens) {
        const int posicao = mes + (seq << 12);
        store().db().exec("INSERT INTO pedido (empresa, posicao, mes, sequencia, representante, cliente, data_emissao,"
                          " total, cancelado) VALUES ('DEMO', " + std::to_string(posicao) + ", " + std::to_string(mes) +
                          ", " + std::to_string(seq) + ", " + std::to_string(representante) + ", 2, " +
                          std::to_string(dia) + ", " + std::to_string(total) + ", " + (cancelado ? "1" : "0") + ")");
        int indice = 0;
        for (auto [produto, valor] : itens)
            store().db().exec("INSERT INTO pedido_item (empresa, pedido, indice, produto, valor) VALUES ('DEMO', " +
                              std::to_string(posicao) + ", " + std::to_string(indice++) + ", " +
                              std::to_string(produto) + ", " + std::to_string(valor) + ")");
    }

    // The report's lines after its header, for the representatives' text (none: all).
    std::string linhas(const char* representantes) {
        const com::wire_pointer_loan empresa("DEMO"), texto(representantes ? representantes : "");
        inhouse::REQ_RELATORIO_COMERCIAL p{};
        p.empresa = empresa.field();
        p.data_inicial = dia_5;
        p.data_final = dia_31;
        if (representantes) {
            p.representante_texto = texto.field();
            p.com_representante = 1;
        }
        const std::string todo = inhouse::relatorio_comissoes(store(), p).texto();
        const size_t inicio = todo.find("Pedido");
        return inicio == std::string::npos ? todo : todo.substr(inicio);
    }
};

TEST_F(RelatorioComissoes, ListsTheRepresentativesOrdersOfThePeriodWithTheirItemsCommissions) {
    const struct {
        const char* representantes;
        std::string esperado;
    } casos[] = {
        {"7\n",
         "Pedido 0120-000001 de 05/01/2020, representante 7, cliente 2: R$ 100,00, comiss\xE3o R$ 5,00\r\n"
         "Pedido 0120-000002 de 31/01/2020, representante 7, cliente 2: R$ 300,00, comiss\xE3o R$ 10,00\r\n"
         "Pedidos: 2, vendido R$ 400,00, comiss\xF5" "es a pagar R$ 15,00\r\n"},
        {"8\n",
         "Pedido 0120-000004 de 05/01/2020, representante 8, cliente 2: R$ 200,00, comiss\xE3o R$ 5,00\r\n"
         "Pedidos: 1, vendido R$ 200,00, comiss\xF5" "es a pagar R$ 5,00\r\n"},
        {"7\n8\n",
         "Pedido 0120-000001 de 05/01/2020, representante 7, cliente 2: R$ 100,00, comiss\xE3o R$ 5,00\r\n"
         "Pedido 0120-000002 de 31/01/2020, representante 7, cliente 2: R$ 300,00, comiss\xE3o R$ 10,00\r\n"
         "Pedido 0120-000004 de 05/01/2020, representante 8, cliente 2: R$ 200,00, comiss\xE3o R$ 5,00\r\n"
         "Pedidos: 3, vendido R$ 600,00, comiss\xF5" "es a pagar R$ 20,00\r\n"},
        {"12\n", "Pedidos: 0, vendido R$ 0,00, comiss\xF5" "es a pagar R$ 0,00\r\n"},
    };
    for (const auto& c : casos) EXPECT_EQ(linhas(c.representantes), c.esperado) << c.representantes;
    EXPECT_EQ(linhas(nullptr), linhas("7\n8\n")) << "a request naming no representative lists them all";
}

}  // namespace
