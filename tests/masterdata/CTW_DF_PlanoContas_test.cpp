// The chart of accounts: saving a new account, the search list, the account builder and the
// representative's limit from both sides.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "masterdata/CQVDF_Conta.h"
#include "masterdata/CQVDF_PlanoContas.h"
#include "masterdata/CTW_DF_PlanoContas.h"
#include "masterdata/CTW_DF_PlanoContasContabil.h"
#include "tests/masterdata/masterdata_fixture.h"

using namespace masterdata;

namespace {

class PlanoContas : public masterdata_fixture {
protected:
    com::com_ptr<IQVDF_Conta> account(const char* tipo, const char* classificacao, const char* codigo) {
        auto conta = com::make<CQVDF_Conta>();
        conta->put_Tipo(b(tipo).get());
        conta->put_Nome(b("Conta nova").get());
        conta->put_Classificacao(b(classificacao).get());
        conta->put_CodigoProprio(b(codigo).get());
        return com::com_ptr<IQVDF_Conta>::attach(conta.detach());
    }
    std::string stored(const char* column, const char* classificacao) {
        auto q = store().prepare(std::string("SELECT ") + column +
                                 " FROM plano_conta WHERE empresa = 'DEMO' AND classificacao = ?");
        q.bind_text(1, classificacao);
        return q.step() ? q.column_text(0) : std::string("<none>");
    }
    int accounts() {
        auto q = store().prepare("SELECT COUNT(*) FROM plano_conta WHERE empresa = 'DEMO'");
        q.step();
        return q.column_int(0);
    }
    template <class Plano>
    std::vector<std::string> names(Plano& plano, LONG n) {
        std::vector<std::string> out;
        for (LONG i = 0; i < n; ++i) {
            com::com_ptr<IQVDF_Conta> conta;
            EXPECT_EQ(plano.GetPosicao(i, conta.put()), S_OK);
            if (conta) out.push_back(text([&](BSTR* p) { return conta->get_Nome(p); }));
        }
        return out;
    }
};

TEST_F(PlanoContas, SavingANewAccountAnswersAsTheTableSays) {
    struct save_case {
        const char* tipo;
        const char* classificacao;
        const char* codigo;
        LONG resultado;          // 0: a new position
        const char* tipo_gravado;
    };
    const save_case cases[] = {
        {"s", "5.101", "X5101", 0, "A"},      // lower case is no type of its own
        {"T", "5.102", "X5102", 0, "T"},
        {"A", "5.103", "C001", -1, "<none>"},  // own code in use
        {"A", "", "C001", -2, "<none>"},       // the classification is asked first
        {"A", "1.001", "X9999", -2, "<none>"}, // taken by another account
    };
    auto plano = com::make<CTW_DF_PlanoContas>();
    VARIANT_BOOL usa = VARIANT_FALSE;
    ASSERT_EQ(plano->get_UtilizaCodigoProprio(&usa), S_OK);
    ASSERT_EQ(usa, VARIANT_TRUE);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.classificacao);
        const int before = accounts();
        LONG resultado = 99;
        ASSERT_EQ(plano->GravaConta(account(c.tipo, c.classificacao, c.codigo).get(), &resultado), S_OK);
        if (c.resultado == 0) {
            EXPECT_GT(resultado, 0);
            EXPECT_EQ(accounts(), before + 1);
            EXPECT_EQ(stored("tipo", c.classificacao), c.tipo_gravado);
            EXPECT_EQ(stored("codigo", c.classificacao), c.codigo);
        } else {
            EXPECT_EQ(resultado, c.resultado);
            EXPECT_EQ(accounts(), before);
        }
    }
    // The saved account is found by its own code.
    com::com_ptr<IQVDF_Conta> achada;
    ASSERT_EQ(plano->Existe(b("X5101").get(), achada.put()), S_OK);
    ASSERT_TRUE(achada);
    EXPECT_EQ(text([&](BSTR* p) { return achada->get_Classificacao(p); }), "5.101");
    ASSERT_EQ(plano->Existe(b("NINGUEM").get(), achada.put()), S_OK);
    EXPECT_FALSE(achada);
}

TEST_F(PlanoContas, WithoutOwnCodesTheCodeIsNotAsked) {
    sql("UPDATE plano_configuracao SET codigo_proprio = 'N' WHERE empresa = 'DEMO';");
    auto plano = com::make<CTW_DF_PlanoContas>();
    LONG resultado = 0;
    ASSERT_EQ(plano->GravaConta(account("A", "5.201", "C001").get(), &resultado), S_OK);
    EXPECT_GT(resultado, 0);
    EXPECT_EQ(company().count("CodigoProprioEmUso"), 0u);
    EXPECT_EQ(stored("codigo", "5.201"), "");
}

TEST_F(PlanoContas, SearchListPositionsAndANullAnswerKeepsTheList) {
    auto plano = com::make<CTW_DF_PlanoContas>();
    LONG n = 0;
    ASSERT_EQ(plano->BuscaF4Contas(8, b("A").get(), &n), S_OK);   // suppliers
    EXPECT_EQ(names(*plano.get(), n),
              (std::vector<std::string>{"Fornecedor Exemplo S.A.", "Distribuidora Paulista de Alimentos S.A.",
                                        "Ant\xf4nio Ferreira", "Metal\xfargica Vale do Para\xed" "ba Ltda"}));
    ASSERT_EQ(plano->BuscaF4Contas(32 | 16, b("T").get(), &n), S_OK);   // no such title account
    EXPECT_EQ(n, 0);
    com::com_ptr<IQVDF_Conta> conta;
    ASSERT_EQ(plano->GetPosicao(1, conta.put()), S_OK);   // still the suppliers
    ASSERT_TRUE(conta);
    EXPECT_EQ(text([&](BSTR* p) { return conta->get_CpfCnpj(p); }), "60.409.075/0001-52");
    for (LONG fora : {-1L, 4L}) {
        ASSERT_EQ(plano->GetPosicao(fora, conta.put()), S_OK);
        EXPECT_FALSE(conta);
    }
    // A hidden account is not offered.
    sql("UPDATE plano_conta SET marcas_extras = X'000001' WHERE empresa = 'DEMO' AND posicao = 22;");
    ASSERT_EQ(plano->GetPosicao(1, conta.put()), S_OK);
    EXPECT_FALSE(conta);
    // A failed search reports.
    company().answer("BuscaContas", {E_FAIL});
    EXPECT_EQ(plano->BuscaF4Contas(8, b("A").get(), &n), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao ler plano de contas");
}

TEST_F(PlanoContas, BuilderSavesChecksAndFindsByCodeOrCpfCnpj) {
    auto plano = com::make<CTW_DF_PlanoContasContabil>();
    VARIANT_BOOL valido = VARIANT_FALSE;
    ASSERT_EQ(plano->SetNome(b("Cliente do construtor").get(), &valido), S_OK);
    EXPECT_EQ(valido, VARIANT_TRUE);
    ASSERT_EQ(plano->SetClassificacao(b("1.301").get(), &valido), S_OK);
    ASSERT_EQ(plano->SetCodigo(b("").get(), &valido), S_OK);
    EXPECT_EQ(valido, VARIANT_FALSE);
    ASSERT_EQ(plano->SetCodigo(b("C301-CODIGO-LONGO").get(), &valido), S_OK);   // cut to 11
    LONG resultado = 0;
    ASSERT_EQ(plano->GravaConta(&resultado), S_OK);
    EXPECT_GT(resultado, 0);
    EXPECT_EQ(stored("codigo", "1.301"), "C301-CODIGO");
    EXPECT_EQ(stored("tipo", "1.301"), "A");
    // A failed check is a failure, never a refused classification.
    company().answer("RegistraClassificacao", {E_FAIL});
    EXPECT_EQ(plano->GravaConta(&resultado), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao consultar o plano de contas");

    LONG n = 0;
    ASSERT_EQ(plano->BuscaClientesFornecedores(&n), S_OK);
    EXPECT_GE(n, 5);
    com::com_ptr<IQVDF_Conta> conta;
    ASSERT_EQ(plano->GetCodigo(b("529.982.247-25").get(), conta.put()), S_OK);
    ASSERT_TRUE(conta);
    EXPECT_EQ(text([&](BSTR* p) { return conta->get_Nome(p); }), "Jos\xe9 Carlos Almeida");
    EXPECT_EQ(text([&](BSTR* p) { return conta->get_TipoCliente(p); }), "S");
    ASSERT_EQ(plano->GetCodigo(b("F001").get(), conta.put()), S_OK);
    ASSERT_TRUE(conta);
    EXPECT_EQ(text([&](BSTR* p) { return conta->get_TipoFornecedor(p); }), "S");
    ASSERT_EQ(plano->GetCodigo(b("").get(), conta.put()), S_OK);
    EXPECT_FALSE(conta);
    // A failed read is reported, not handed out as an empty account.
    company().answer("LeConta", {E_FAIL});
    EXPECT_EQ(plano->GetPosicao(0, conta.put()), E_FAIL);
    EXPECT_FALSE(conta);
}

TEST_F(PlanoContas, RepresentativeSessionSeesOnlyItsCustomersAndCannotWiden) {
    representative(9001);
    auto plano = com::make<CTW_DF_PlanoContas>();
    LONG n = 0;
    ASSERT_EQ(plano->BuscaF4Contas(4, b("A").get(), &n), S_OK);
    EXPECT_EQ(names(*plano.get(), n), (std::vector<std::string>{"Mercado Bom Pre\xe7o Ltda", "Jos\xe9 Carlos Almeida"}));

    auto proprio = com::make<CQVDF_PlanoContas>();
    com::unique_bstr empresa = b("DEMO");
    proprio->InicializaConexao(empresa.get(), 7, 4242);
    ASSERT_EQ(proprio->BuscaF4Contas(4, b("A").get(), &n), S_OK);
    EXPECT_EQ(n, 2);   // limited from the initialisation on
    for (ULONG outra : {0UL, 7UL}) {
        EXPECT_EQ(proprio->SetPonteiroRepresentanteF4(outra), E_ACCESSDENIED);
        EXPECT_NE(last_error().find("representante"), std::string::npos);
    }
    EXPECT_EQ(proprio->SetPonteiroRepresentanteF4(9001), S_OK);
    ASSERT_EQ(proprio->BuscaF4Contas(4, b("A").get(), &n), S_OK);
    EXPECT_EQ(n, 2);
}

TEST_F(PlanoContas, OtherSessionsMayLimitTheSearchToARepresentative) {
    auto proprio = com::make<CQVDF_PlanoContas>();
    LONG n = 0;
    EXPECT_TRUE(FAILED(proprio->BuscaF4Contas(4, b("A").get(), &n)));   // not initialised
    EXPECT_EQ(last_error(), "Falha ao criar servidor de plano de contas");
    com::com_ptr<IQVDF_Conta> conta;
    EXPECT_EQ(proprio->GetPosicao(-1, conta.put()), S_OK);   // the position is tested first
    com::unique_bstr empresa = b("DEMO");
    proprio->InicializaConexao(empresa.get(), 7, 4242);
    ASSERT_EQ(proprio->BuscaF4Contas(4, b("A").get(), &n), S_OK);
    EXPECT_EQ(n, 6);
    ASSERT_EQ(proprio->SetPonteiroRepresentanteF4(9001), S_OK);
    ASSERT_EQ(proprio->BuscaF4Contas(4, b("A").get(), &n), S_OK);
    EXPECT_EQ(n, 2);
    ASSERT_EQ(proprio->SetPonteiroRepresentanteF4(0), S_OK);
    ASSERT_EQ(proprio->BuscaF4Contas(4, b("A").get(), &n), S_OK);
    EXPECT_EQ(n, 6);
}

}  // namespace
