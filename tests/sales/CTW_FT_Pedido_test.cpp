// Order entry over the demo company: the order road up to the record the orders server receives
// (field by field, at the record's own offsets), the header's text tables, the items and their
// getters, totals and instalments with every refusal text, the save's answers and the task memory
// of the record on every road.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/QVDataCurta.h"
#include "sales/mensagem_parcela.h"
#include "server/holders/CSessaoGlobal.h"
#include "support/last_error.h"
#include "tests/sales/pedido_fixture.h"

using sales::CTW_FT_Pedido;

namespace {

class Pedido : public pedido_fixture {};

TEST_F(Pedido, SavesTheWholeOrderAsTheServerReceivesIt) {
    representative(7);
    ASSERT_EQ(adiciona("101", "2", "100,00", "P", "AZ", "", "10", 1, "18", "5", "0"), S_OK);
    ASSERT_EQ(adiciona("103", "1.250", "50,00", "M", "", "barra italiana", "1,50"), S_OK);
    EXPECT_EQ(pedido->CalculaValoresTotais(b("0").get()), S_OK);
    EXPECT_EQ(pedido->CalculaParcelas(b("2").get()), S_OK);
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(set_dados(&ok), S_OK);
    ASSERT_EQ(ok, VARIANT_TRUE);
    ASSERT_EQ(grava(&ok), S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE);

    ASSERT_EQ(servidor->recebidos.size(), 1u);
    const pedido_recebido& r = servidor->recebidos[0];
    EXPECT_EQ(r.zero, 0);
    EXPECT_EQ(r.sessao, 4242);
    const auto& p = r.pedido;
    EXPECT_EQ(p.le<int64_t>(316), 30000);                // 3 volumes
    EXPECT_EQ(p.le<int64_t>(324), 125000);               // gross weight 12,5
    EXPECT_EQ(p.le<int64_t>(332), 112500);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p.b[348])), "CAIXA");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p.b[410])), "1");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p.b[430])), "ACME");
    EXPECT_EQ(p.le<int64_t>(570), 100000);               // the client's discount 10,00
    for (size_t offset : {698u, 706u, 722u}) EXPECT_EQ(p.le<int64_t>(offset), 12345000) << offset;
    EXPECT_EQ(p.le<int32_t>(762), 2);                    // C001's account
    EXPECT_EQ(p.le<int32_t>(766), 7);                    // the session's representative
    EXPECT_EQ(p.le<int32_t>(778), 1);                    // VENDA
    EXPECT_EQ(p.le<uint16_t>(820), 2);                   // CS
    EXPECT_EQ(p.le<uint16_t>(822), 2);                   // condition 2
    EXPECT_EQ(p.le<uint16_t>(826), 1);                   // nature 5102
    EXPECT_EQ(p.le<uint16_t>(832), 1);                   // branch 1
    EXPECT_EQ(p.le<uint16_t>(834), QVConverteTextoData("10/12/2026"));
    EXPECT_EQ(p.le<uint16_t>(836), QVConverteTextoData("20/12/2026"));
    EXPECT_EQ(p.le<uint16_t>(838), 2);
    EXPECT_EQ(p.le<uint16_t>(840), std::string("Entregar pela manhã").size() + 1);
    EXPECT_EQ(r.observacoes, "Entregar pela manhã");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p.b[894])), "OC-77");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p.b[946])), "Doca 3");
    EXPECT_EQ(p.le<uint8_t>(1912), 3);
    EXPECT_EQ(p.le<uint8_t>(1913), 0);                   // emitente
    EXPECT_EQ(p.le<uint8_t>(1917), 0);
    EXPECT_EQ(p.le<uint8_t>(1921), 0);                   // rodoviario
    EXPECT_EQ(p.le<uint8_t>(1922), 1);
    EXPECT_EQ(p.le<uint8_t>(1923), 1);

    ASSERT_EQ(r.itens.size(), 2u);
    const auto& i0 = r.itens[0];
    EXPECT_EQ(i0.le<int32_t>(72), 2);                    // product 101
    EXPECT_EQ(i0.le<uint16_t>(76), 1);                   // P
    EXPECT_EQ(i0.le<uint16_t>(78), 1);                   // AZ
    EXPECT_EQ(i0.le<int64_t>(82), 20000);                // quantity 2
    EXPECT_EQ(i0.le<int64_t>(90), 10000000000);          // 100,00 in eight decimals
    EXPECT_EQ(i0.le<int64_t>(106), 50000);               // IPI rate 5
    EXPECT_EQ(i0.le<uint16_t>(290), 1);                  // VAREJO
    EXPECT_EQ(i0.le<uint16_t>(296), 1000);               // 10 % in hundredths
    EXPECT_EQ(i0.le<uint16_t>(310), 1800);               // ICMS rate 18
    EXPECT_EQ(i0.le<uint8_t>(1394), 1);
    EXPECT_EQ(i0.le<uint8_t>(1398), 1);
    const auto& i1 = r.itens[1];
    EXPECT_EQ(i1.le<int64_t>(82), 12500000);             // "1.250": the point separates thousands
    EXPECT_EQ(i1.le<int64_t>(98), 150000000);            // 1,50 per unit
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&i1.b[344])), "barra italiana");

    ASSERT_EQ(r.parcelas.size(), 3u);
    int64_t soma = 0;
    for (const auto& parcela : r.parcelas) soma += parcela.le<int64_t>(0);
    EXPECT_GT(soma, 0);
    EXPECT_EQ(r.parcelas[0].le<uint8_t>(106), 1);
    EXPECT_EQ(r.parcelas[2].le<uint8_t>(106), 3);

    // Saved: every block of the record is freed once.
    EXPECT_EQ(alocador.vivos(), 0u);
    EXPECT_EQ(alocador.liberacoes_invalidas(), 0u);
}

TEST_F(Pedido, TheClientsTaxRatesAreTheOnesTheItemIsTaxedWith) {
    ASSERT_EQ(adiciona("104", "1", "100,00", "", "", "", "0", 0, "18", "10", "0"), S_OK);
    ASSERT_EQ(set_dados(), S_OK);
    ASSERT_EQ(grava(), S_OK);
    ASSERT_EQ(servidor->recebidos.size(), 1u);
    const auto& item = servidor->recebidos[0].itens.at(0);
    EXPECT_EQ(item.le<uint16_t>(310), 1800);
    EXPECT_EQ(item.le<int64_t>(106), 100000);
    EXPECT_EQ(item.le<int64_t>(210), 180000);   // ICMS 18 % of 100,00
}

struct texto_codigo {
    const char* texto;
    uint8_t codigo;
};

TEST_F(Pedido, FreightPayerAndTransportModeComparedWithCase) {
    const texto_codigo fretes[] = {{"emitente", 0}, {"destinatario", 1}, {"terceiro", 2}, {"Emitente", 3}, {"", 3}};
    const texto_codigo vias[] = {{"rodoviario", 0}, {"ferroviario", 1}, {"rodoferroviario", 2}, {"aquario", 3},
                                 {"dutoviario", 4}, {"aereo", 5},       {"aéreo", 6},           {"AEREO", 6}};
    for (const auto& f : fretes) {
        SCOPED_TRACE(f.texto);
        cabecalho c;
        c.frete = f.texto;
        ASSERT_EQ(set_dados(c), S_OK);
        EXPECT_EQ(pedido->Registro().PagadorFrete, f.codigo);
    }
    for (const auto& v : vias) {
        SCOPED_TRACE(v.texto);
        cabecalho c;
        c.via = v.texto;
        ASSERT_EQ(set_dados(c), S_OK);
        EXPECT_EQ(pedido->Registro().ModoTransporte, v.codigo);
    }
    cabecalho c;
    c.volumes = "1.250";
    ASSERT_EQ(set_dados(c), S_OK);
    EXPECT_EQ(pedido->Registro().Volumes.int64, 12500000);
}

TEST_F(Pedido, AnUnknownBranchOrCustomerIsAFalseAnswerWithoutError) {
    for (auto [filial, cliente] : {std::pair{"99", "C001"}, std::pair{"1", "XYZ"}}) {
        cabecalho c;
        c.filial = filial;
        c.cliente = cliente;
        VARIANT_BOOL ok = VARIANT_TRUE;
        EXPECT_EQ(set_dados(c, &ok), S_OK);
        EXPECT_EQ(ok, VARIANT_FALSE);
        EXPECT_EQ(last_error(), "");
    }
}

TEST_F(Pedido, SetDadosBeforeAnyItemAndItemsAddedAfterwards) {
    ASSERT_EQ(set_dados(), S_OK);
    EXPECT_EQ(pedido->Registro().QtdItens, 0);
    EXPECT_EQ(pedido->Registro().QtdParcelas, 0);
    ASSERT_EQ(adiciona("104", "1", "10,00"), S_OK);
    EXPECT_EQ(pedido->Registro().QtdItens, 0);
    ASSERT_EQ(set_dados(), S_OK);
    EXPECT_EQ(pedido->Registro().QtdItens, 1);
}

TEST_F(Pedido, SetDadosAgainFreesTheBlocksOfTheFormerCall) {
    ASSERT_EQ(adiciona("104", "1", "10,00"), S_OK);
    pedido->CalculaParcelas(b("2").get());
    ASSERT_EQ(set_dados(), S_OK);
    const size_t vivos = alocador.vivos();
    EXPECT_GT(vivos, 0u);
    ASSERT_EQ(set_dados(), S_OK);
    EXPECT_EQ(alocador.vivos(), vivos);
    pedido = nullptr;   // never saved: its end frees them
    EXPECT_EQ(alocador.vivos(), 0u);
    EXPECT_EQ(alocador.liberacoes_invalidas(), 0u);
}

TEST_F(Pedido, SaveAnswersAndWhatTheyLeave) {
    struct caso {
        HRESULT hr;
        LONG count;
        HRESULT esperado;
    };
    const caso casos[] = {
        {E_FAIL, 1, E_FAIL},
        {S_OK, 0, DISP_E_EXCEPTION},
        {S_FALSE, 0, DISP_E_EXCEPTION},
        {HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), 0, HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE)},
    };
    ASSERT_EQ(adiciona("104", "1", "10,00"), S_OK);
    ASSERT_EQ(set_dados(), S_OK);
    const size_t vivos = alocador.vivos();
    for (const auto& c : casos) {
        SCOPED_TRACE(c.hr);
        servidor->respostas.push_back({c.hr, c.count});
        VARIANT_BOOL ok = VARIANT_TRUE;
        EXPECT_EQ(grava(&ok), c.esperado);
        EXPECT_EQ(ok, VARIANT_FALSE);
        EXPECT_EQ(last_error(), "Erro ao gravar Pedido.");
        EXPECT_EQ(alocador.vivos(), vivos);   // the record keeps its blocks for another try
        EXPECT_EQ(pedido->Registro().QtdItens, 1);
    }
    servidor->respostas.push_back({S_OK, 1});
    VARIANT_BOOL ok = VARIANT_FALSE;
    EXPECT_EQ(grava(&ok), S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE);
    EXPECT_EQ(alocador.vivos(), 0u);
    // Again without new data: it would save a second order with the header only.
    EXPECT_NE(grava(&ok), S_OK);
    EXPECT_EQ(ok, VARIANT_FALSE);
    EXPECT_EQ(last_error(), "O pedido já foi gravado: informe os dados do pedido (SetDados) antes de gravá-lo novamente.");
    EXPECT_EQ(servidor->recebidos.size(), 5u);
    ASSERT_EQ(set_dados(), S_OK);
    EXPECT_EQ(grava(&ok), S_OK);
    EXPECT_EQ(servidor->recebidos.size(), 6u);
}

TEST_F(Pedido, DuplicateItemsAndUnknownCodes) {
    ASSERT_EQ(adiciona("101", "1", "10,00", "P", "AZ", "bordado"), S_OK);
    VARIANT_BOOL ok = VARIANT_TRUE;
    EXPECT_EQ(adiciona("101", "1", "10,00", "p", "az", "bordado", "0", 0, "0", "0", "0", &ok), DISP_E_EXCEPTION);
    EXPECT_EQ(ok, VARIANT_FALSE);
    EXPECT_EQ(last_error(), "O item informado já foi cadastrado.");
    EXPECT_EQ(adiciona("101", "1", "10,00", "P", "AZ", "liso"), S_OK);
    EXPECT_EQ(adiciona("999", "1", "10,00"), DISP_E_EXCEPTION);
    EXPECT_EQ(last_error(), "Erro ao adicionar Item ao Pedido.");
    long n = 0;
    EXPECT_EQ(pedido->GetQtdItens(&n), S_OK);
    EXPECT_EQ(n, 2);
}

TEST_F(Pedido, ItemGettersOnTheSelectedItem) {
    ASSERT_EQ(adiciona("101", "2,5", "39,90", "M", "AZ", "", "1,50"), S_OK);
    EXPECT_EQ(pedido->GetItem(0), S_OK);
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetCodigoItem), "101");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetDescricaoItem), "Camiseta de algodão");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetClassificacaoItem), "6109.10.00");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetDescricaoGrade1Item), "Médio");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetDescricaoGrade2Item), "Azul");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetDescricaoGrade3Item), "");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetQtdItem), "2,50");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetValorUnitarioItem), "39,90");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetDescontoUnitarioItem), "1,50");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetValorLiquidoItem), "38,40");
    // A selection outside the items is kept; the getters then fail.
    for (long posicao : {5L, -1L, 1L}) {
        EXPECT_EQ(pedido->GetItem(posicao), S_OK);
        EXPECT_EQ(chama(&CTW_FT_Pedido::GetQtdItem), E_INVALIDARG) << posicao;
        EXPECT_EQ(chama(&CTW_FT_Pedido::GetCodigoItem), E_INVALIDARG) << posicao;
    }
    VARIANT_BOOL ok = VARIANT_TRUE;
    EXPECT_EQ(pedido->RemoveItem(1, &ok), E_INVALIDARG);
    EXPECT_EQ(ok, VARIANT_FALSE);
    EXPECT_EQ(pedido->RemoveItem(0, &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE);
}

TEST_F(Pedido, CalculaDescontoItem) {
    struct caso {
        const char* valor;
        const char* desconto;
        VARIANT_BOOL porcentagem;
        const char* esperado;
    };
    const caso casos[] = {
        {"200,00", "10", VARIANT_TRUE, "20,00"},  {"200,00", "20,00", VARIANT_FALSE, "10,00"},
        {"0", "5", VARIANT_FALSE, "0,00"},        {"200,00", "10", 1, "5,00"},   // only -1 is true
        {"1.234,56", "10", VARIANT_TRUE, "123,46"}, {"3,00", "1,00", VARIANT_FALSE, "33,33"},
    };
    for (const auto& c : casos) {
        BSTR out = nullptr;
        EXPECT_EQ(pedido->CalculaDescontoItem(b(c.valor).get(), b(c.desconto).get(), c.porcentagem, &out), S_OK);
        EXPECT_EQ(com::from_bstr(out), c.esperado) << c.valor << " " << c.desconto << " " << c.porcentagem;
        SysFreeString(out);
    }
}

TEST_F(Pedido, TotalsAndTheirForms) {
    ASSERT_EQ(adiciona("104", "1", "1.234,50"), S_OK);
    EXPECT_EQ(pedido->CalculaValoresTotais(b("1234,5").get()), S_OK);   // not below the total: refused, kept 0
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetTotalProdutos), "1.234,50");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetDescontoTotal), "0,00");
    EXPECT_EQ(pedido->CalculaValoresTotais(b("234,5").get()), S_OK);
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetDescontoTotal), "234,50");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetPesoBruto), "0,50");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetPesoLiquido), "0,40");
}

class Parcelas : public pedido_fixture {
protected:
    // Three instalments of 100,00 over an order of 300,00 (condition 2: 30/60/90 days).
    void SetUp() override {
        ASSERT_EQ(adiciona("104", "3", "100,00"), S_OK);
        ASSERT_EQ(pedido->CalculaValoresTotais(b("0").get()), S_OK);
        ASSERT_EQ(pedido->CalculaParcelas(b("2").get()), S_OK);
        long n = 0;
        ASSERT_EQ(pedido->GetQtdParcelas(&n), S_OK);
        ASSERT_EQ(n, 3);
    }
    std::vector<std::string> valores() {
        std::vector<std::string> v;
        for (long i = 0; i < 3; ++i) {
            pedido->GetParcela(i);
            v.push_back(texto(&CTW_FT_Pedido::GetValorParcela));
        }
        return v;
    }
};

TEST_F(Parcelas, ChangingOneKeepsTheOthersAndTheExcessIsAnAddition) {
    EXPECT_EQ(valores(), (std::vector<std::string>{"100,00", "100,00", "100,00"}));
    EXPECT_EQ(pedido->AlteraParcela(0, b("15/01/2027").get(), b("150,00").get(), b("entrada").get(), b("BOL").get()), S_OK);
    EXPECT_EQ(valores(), (std::vector<std::string>{"150,00", "100,00", "100,00"}));
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetValorAcrescimo), "50,00");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetTotalPagar), "350,00");
    pedido->GetParcela(0);
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetNumeroParcela), "1");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetDataVencimentoParcela), "15/01/2027");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetObservacaoParcela), "entrada");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetCodFormaPagamentoParcela), "BOL");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetNomeFormaPagamentoParcela), "Boleto bancário");
    pedido->GetParcela(1);
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetCodFormaPagamentoParcela), "nenhum");
    EXPECT_EQ(texto(&CTW_FT_Pedido::GetNomeFormaPagamentoParcela), "(Nenhuma)");
    // The last one changes too.
    EXPECT_EQ(pedido->AlteraParcela(2, b("15/03/2027").get(), b("90,00").get(), b("").get(), b("XX").get()), S_OK);
    EXPECT_EQ(valores()[2], "90,00");
}

TEST_F(Parcelas, RefusalsAndPositions) {
    struct caso {
        long posicao;
        const char* vencimento;
        const char* valor;
        HRESULT hr;
        const char* texto;
    };
    const caso casos[] = {
        {0, "15/01/2027", "0", DISP_E_EXCEPTION, "Valor da parcela deve ser maior que zero."},
        {0, "15/01/2027", "400,00", DISP_E_EXCEPTION, "Valor da parcela não pode ser maior que o valor de venda."},
        {3, "15/01/2027", "10,00", E_INVALIDARG, "Parcela inválida."},
        {-1, "15/01/2027", "10,00", E_INVALIDARG, "Parcela inválida."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        EXPECT_EQ(pedido->AlteraParcela(c.posicao, b(c.vencimento).get(), b(c.valor).get(), b("").get(), b("").get()), c.hr);
        EXPECT_EQ(last_error(), c.texto);
    }
    pedido->GetParcela(3);
    EXPECT_EQ(chama(&CTW_FT_Pedido::GetValorParcela), E_INVALIDARG);
    EXPECT_EQ(chama(&CTW_FT_Pedido::GetCodFormaPagamentoParcela), E_INVALIDARG);
}

// Every text a refused change of an instalment can give, by the payment condition's code; codes
// without a text of their own (0, 12, any other) give the general one.
TEST(MensagemParcela, EveryCodeOfThePaymentCondition) {
    const std::pair<int16_t, const char*> casos[] = {
        {0, "Erro ao alterar parcela."},
        {1, "Valor total deve ser maior que zero."},
        {2, "Desconto inválido."},
        {3, "Desconto inválido."},
        {4, "Valor total deve ser maior que zero."},
        {5, "Já existe uma parcela com a mesma data de vencimento."},
        {6, "Valor da parcela não pode ser maior que o valor de venda."},
        {7, "Valor restante será insuficiente para ser rateado entre as outras parcelas."},
        {8, "Não é possível excluir esta parcela."},
        {9, "Valor da parcela deve ser maior que zero."},
        {10, "Data de vencimento da parcela é inválida."},
        {11, "Valor da parcela de ICMS/ST não pode ser alterado."},
        {12, "Erro ao alterar parcela."},
        {-1, "Erro ao alterar parcela."},
        {300, "Erro ao alterar parcela."},
    };
    for (const auto& [codigo, texto] : casos) EXPECT_STREQ(sales::mensagem_parcela(codigo), texto) << codigo;
}

TEST_F(Parcelas, AnUnknownConditionLeavesNoInstalmentsAndSucceeds) {
    EXPECT_EQ(pedido->CalculaParcelas(b("77").get()), S_OK);
    long n = 9;
    EXPECT_EQ(pedido->GetQtdParcelas(&n), S_OK);
    EXPECT_EQ(n, 0);
}

TEST_F(Pedido, EveryMethodNeedsASession) {
    server::CSessaoGlobal::Destroi();
    VARIANT_BOOL ok = VARIANT_TRUE;
    EXPECT_EQ(adiciona("104", "1", "10,00", "", "", "", "0", 0, "0", "0", "0", &ok), E_UNEXPECTED);
    EXPECT_EQ(ok, VARIANT_FALSE);
    EXPECT_EQ(set_dados(&ok), E_UNEXPECTED);
    EXPECT_EQ(grava(&ok), E_UNEXPECTED);
    EXPECT_EQ(pedido->CalculaParcelas(b("2").get()), E_UNEXPECTED);
    EXPECT_EQ(chama(&CTW_FT_Pedido::GetTotalPagar), E_UNEXPECTED);
    long n = 0;
    EXPECT_EQ(pedido->GetQtdItens(&n), E_UNEXPECTED);
    EXPECT_TRUE(servidor->recebidos.empty());
}

}  // namespace
