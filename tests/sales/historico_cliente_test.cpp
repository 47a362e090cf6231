// A customer's history over the demo company's register, sales summary, financial position and
// cheques, on a fixed day (11/12/2026).
#include <gtest/gtest.h>

#include <string>

#include "base/QVRelogio.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/store_processo.h"
#include "server/holders/CSessaoGlobal.h"
#include "support/task_memory_counter.h"
#include "tests/server/raiz_fixture.h"

namespace {

using com::to_bstr;
using I = ITW_FT_HistoricoCliente;

class HistoricoCliente : public raiz_fixture {
protected:
    HistoricoCliente() {
        EXPECT_EQ(qv_write_simulated_clock(SYSTEMTIME{2026, 12, 0, 11, 10, 0, 0, 0}), 0);
        raiz = admin();
        EXPECT_EQ(raiz->TW_FT_HistoricoCliente(h.put()), S_OK);
    }
    ~HistoricoCliente() override {
        conexao("CRecPagTes").clear();
        qv_clear_simulated_clock();
    }

    HRESULT carrega(const char* codigo, const char* inicio = "01/01/2026", const char* fim = "31/12/2026") {
        return h->SetDadosCliente(to_bstr(std::string(codigo)).get(), to_bstr(std::string(inicio)).get(),
                                  to_bstr(std::string(fim)).get());
    }
    std::string le(HRESULT (STDMETHODCALLTYPE I::*get)(BSTR*)) {
        BSTR t = nullptr;
        EXPECT_EQ((h.get()->*get)(&t), S_OK);
        com::unique_bstr dono(t);
        return t ? com::from_bstr(t) : std::string("<nada>");
    }
    std::string compra(LONG pos, LONG campo) {
        BSTR t = nullptr;
        EXPECT_EQ(h->GetUltimaCompra(pos, campo, &t), S_OK);
        com::unique_bstr dono(t);
        return t ? com::from_bstr(t) : std::string("<nada>");
    }
    LONG compras() {
        LONG n = -1;
        h->get_QtdUltimasCompras(&n);
        return n;
    }
    inhouse::fault_plan& notas() { return servidor(inhouse::CLSID_NotasFiscaisServer); }
    inhouse::fault_plan& mestre() { return servidor(inhouse::CLSID_MestreServer); }

    // The treasury's cheques and the payment conditions are read from the published store.
    inhouse::publica_store publicada{store()};
    com::com_ptr<server::CQV_Inicializa> raiz;
    com::com_ptr<ITW_FT_HistoricoCliente> h;
};

TEST_F(HistoricoCliente, RegisterAndSalesOfThePeriod) {
    ASSERT_EQ(carrega("C001"), S_OK);
    EXPECT_EQ(le(&I::get_Codigo), "C001");
    EXPECT_EQ(le(&I::get_Nome), "Cliente Exemplo Ltda");
    EXPECT_EQ(le(&I::get_CNPJ), "11.222.333/0001-81");
    EXPECT_EQ(le(&I::get_Email), "compras@clienteexemplo.com.br");
    EXPECT_EQ(le(&I::get_ClienteDesde), "05/01/2001");
    EXPECT_EQ(le(&I::get_Endereco),
              "Avenida Paulista, 1000 - Conjunto 101 - Bairro: Bela Vista - Munic\xedpio: S\xe3o Paulo - UF: SP - CEP: 01310100");
    EXPECT_EQ(le(&I::get_Categoria1), "Grande porte");
    EXPECT_EQ(le(&I::get_Categoria2), "Atacadista");
    EXPECT_EQ(le(&I::get_Categoria3), "Regi\xe3o Sudeste");
    EXPECT_EQ(le(&I::get_ValorPedidos), "2.500,00");
    EXPECT_EQ(le(&I::get_ValorVendas), "2.850,00");
    EXPECT_EQ(le(&I::get_ValorDevolucoes), "150,00");
    EXPECT_EQ(le(&I::get_FreqMediaCompras), "30 dias");
    EXPECT_EQ(le(&I::get_CondicaoPagamento).empty(), false);
    EXPECT_EQ(le(&I::get_TabelaPrecos), "Pre\xe7os de varejo");
    EXPECT_EQ(le(&I::get_DescProdMaisCompradoQtd), "101 - Camiseta de algod\xe3o - M\xe9" "dio  - Azul ");
    EXPECT_EQ(le(&I::get_ValorProdMaisCompradoQtd), "130,00");
    EXPECT_EQ(le(&I::get_ValorProdMaisCompradoValor), "1.950,00");
    EXPECT_EQ(le(&I::get_MediaAtrasoUn), "dias");
    // The last purchases, newest first.
    ASSERT_EQ(compras(), 3);
    EXPECT_EQ(compra(0, 1), "NF-e");
    EXPECT_EQ(compra(0, 2), "5003");
    EXPECT_EQ(compra(0, 3), "Filial Rio de Janeiro");
    EXPECT_EQ(compra(0, 4), "09/05/26");
    EXPECT_EQ(compra(0, 5), "08/06/26");
    EXPECT_EQ(compra(0, 6), "450,00");
    EXPECT_EQ(compra(0, 8), "Representante Exemplo");
    EXPECT_EQ(compra(2, 3), "Matriz S\xe3o Paulo");
    for (LONG campo : {0L, 10L}) EXPECT_EQ(compra(0, campo), "<nada>");
    EXPECT_EQ(compra(3, 1), "<nada>");
    EXPECT_EQ(compra(-1, 1), "<nada>");
    EXPECT_EQ(notas().calls("ResumoVendas"),
              (std::vector<std::string>{"cliente=2 periodo=2026-01-01..2026-12-31 quantidade=1"}));
}

TEST_F(HistoricoCliente, FinancialPositionAndCheques) {
    ASSERT_EQ(carrega("C001"), S_OK);
    EXPECT_EQ(le(&I::get_LimiteValor), "5.000,00");
    EXPECT_EQ(le(&I::get_SaldoVencido), "300,00");
    EXPECT_EQ(le(&I::get_SaldoAVencer), "1.200,00");
    EXPECT_EQ(le(&I::get_Adiantamentos), "100,00");
    EXPECT_EQ(le(&I::get_MaiorAtraso), "150,00");
    EXPECT_EQ(le(&I::get_BaixasPorInadValor), "50,00");
    EXPECT_EQ(le(&I::get_LimiteData), "31/03/27");
    EXPECT_EQ(le(&I::get_CreditoUtilizado), "1.500,00");
    // (5000 + 100) - (1200 + 300 + 200)
    EXPECT_EQ(le(&I::get_CreditoDisponivel), "3.400,00");
    EXPECT_EQ(le(&I::get_MediaAtraso), "12");
    EXPECT_EQ(le(&I::get_BaixasPorInad), "1");
    // Returned whatever its day; post-dated after today; another customer's never.
    EXPECT_EQ(le(&I::get_ChequesDevolvidos), "123,45");
    EXPECT_EQ(le(&I::get_ChequesPredatados), "500,00");
    EXPECT_EQ(le(&I::get_Venda), "AUTORIZADA");
    EXPECT_EQ(mestre().calls("PosicaoFinanceira"),
              (std::vector<std::string>{"cliente=2 periodo=2026-01-01..2026-12-31 opcoes=2097152"}));
}

TEST_F(HistoricoCliente, APeriodEndingBeforeTodayLimitsThePostDatedCheques) {
    sql("INSERT INTO cheque_terceiro (empresa, posicao, cliente, valor, data, situacao) VALUES"
        " ('DEMO', 10, 2, 100000, '2026-06-30', 0), ('DEMO', 11, 2, 200000, '2026-07-01', 0),"
        " ('DEMO', 12, 2, 400000, '2026-12-11', 0), ('DEMO', 13, 2, 800000, '2026-12-12', 0)");
    ASSERT_EQ(carrega("C001", "01/01/2026", "30/06/2026"), S_OK);
    // After 30/06: 01/07, 11/12, 12/12 and 15/01/27 (not the one on the limit day itself).
    EXPECT_EQ(le(&I::get_ChequesPredatados), "640,00");
    ASSERT_EQ(carrega("C001"), S_OK);
    // After today (11/12/2026): 12/12 and 15/01/27.
    EXPECT_EQ(le(&I::get_ChequesPredatados), "580,00");
}

TEST_F(HistoricoCliente, AddressLines) {
    struct caso {
        const char* ajuste;
        const char* esperado;
    };
    // Empty parts add nothing.
    const caso casos[] = {
        {"UPDATE cfrt SET bairro = '', complemento = '', uf = '', cep = 0 WHERE posicao = 1",
         "Avenida Paulista, 1000 - Munic\xedpio: S\xe3o Paulo"},
        {"UPDATE cfrt SET complemento = 'Sala 2', bairro = 'Centro' WHERE posicao = 1",
         "Avenida Paulista, 1000 - Sala 2 - Bairro: Centro - Munic\xedpio: S\xe3o Paulo"},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(c.ajuste);
        sql(c.ajuste);
        server::CCacheServidores::Destroi();
        ASSERT_EQ(carrega("C001"), S_OK);
        EXPECT_EQ(le(&I::get_Endereco), c.esperado);
    }
}

TEST_F(HistoricoCliente, ASecondCallStartsAfresh) {
    ASSERT_EQ(carrega("C001"), S_OK);
    ASSERT_EQ(compras(), 3);
    ASSERT_EQ(carrega("C001"), S_OK);
    EXPECT_EQ(compras(), 3);
    ASSERT_EQ(carrega("C001", "01/05/2026", "31/05/2026"), S_OK);
    EXPECT_EQ(compras(), 1);
    EXPECT_EQ(le(&I::get_ValorPedidos), "0,00");
    EXPECT_EQ(le(&I::get_FreqMediaCompras), "");
    // Another customer without history: nothing of the first one.
    ASSERT_EQ(carrega("C002"), S_OK);
    EXPECT_EQ(compras(), 0);
    EXPECT_EQ(le(&I::get_ValorVendas), "0,00");
    EXPECT_EQ(le(&I::get_DescProdMaisCompradoQtd), "");
    EXPECT_EQ(le(&I::get_ChequesPredatados), "999,00");
    EXPECT_EQ(le(&I::get_LimiteValor), "0,00");
    EXPECT_EQ(le(&I::get_Venda), "BLOQUEADA");
}

TEST_F(HistoricoCliente, NothingIsLoadedForAnUnknownCode) {
    ASSERT_EQ(carrega("C001"), S_OK);
    notas().clear();
    mestre().clear();
    EXPECT_EQ(carrega("C999"), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao carregar conta.");
    EXPECT_EQ(notas().count("ResumoVendas"), 0u);
    EXPECT_EQ(mestre().count("PosicaoFinanceira"), 0u);
    EXPECT_EQ(compras(), 0);
    EXPECT_EQ(le(&I::get_Nome), "");
}

TEST_F(HistoricoCliente, AFailedFinancialCallStoresNothing) {
    mestre().answer("PosicaoFinanceira", {E_ACCESSDENIED});
    EXPECT_EQ(carrega("C001"), E_ACCESSDENIED);
    EXPECT_EQ(last_error(), "Falha ao ler posi\xe7\xe3o financeira do cliente.");
    EXPECT_EQ(le(&I::get_LimiteValor), "0,00");
    // What did load is there: the sales and the cheques.
    EXPECT_EQ(le(&I::get_ValorVendas), "2.850,00");
    EXPECT_EQ(le(&I::get_ChequesDevolvidos), "123,45");
    conexao("CRecPagTes").answer("SetChequesTerceiros", {E_FAIL});
    EXPECT_EQ(carrega("C001"), E_FAIL);
    EXPECT_EQ(le(&I::get_ChequesDevolvidos), "");
    EXPECT_EQ(le(&I::get_LimiteValor), "5.000,00");
}

TEST_F(HistoricoCliente, TheSummaryBlocksAreFreed) {
    ASSERT_EQ(carrega("C001"), S_OK);   // servers and connections made before counting
    task_memory_counter contador;
    const size_t identificadores = com::wire_pointer_count();
    ASSERT_EQ(carrega("C001"), S_OK);
    notas().answer("ResumoVendas", {E_FAIL});
    EXPECT_EQ(carrega("C001"), E_FAIL);
    EXPECT_EQ(compras(), 0);
    EXPECT_EQ(contador.outstanding(), 0u);
    EXPECT_EQ(com::wire_pointer_count(), identificadores);
}

TEST_F(HistoricoCliente, FinancialAnswersNeedTheFinanceModule) {
    ASSERT_EQ(carrega("C001"), S_OK);
    // The demo company's modules without finance (byte 20).
    sql("UPDATE empresa_sistema SET tipos_vevureze = X'00000000000000000000000001000000000001000000010000010000000000000000000100000000000000000000000000000000000000000000000000000000'");
    h = nullptr;
    raiz = nullptr;   // its end closes the process-wide session: before the new login
    raiz = admin();
    ASSERT_EQ(raiz->TW_FT_HistoricoCliente(h.put()), S_OK);
    mestre().clear();
    ASSERT_EQ(carrega("C001"), S_OK) << last_error();
    EXPECT_EQ(mestre().count("PosicaoFinanceira"), 0u);
    for (auto get : {&I::get_LimiteValor, &I::get_CreditoDisponivel, &I::get_ChequesPredatados, &I::get_Venda})
        EXPECT_EQ(le(get), "<nada>");
    EXPECT_EQ(le(&I::get_ValorVendas), "2.850,00");
}

}  // namespace
