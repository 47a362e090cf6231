// The company and managerial charts: the load, the cursor, the sort orders and the account look-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "masterdata/CTW_DF_ContaContabil.h"
#include "masterdata/CTW_DF_ContaGerencial.h"
#include "masterdata/CTW_DF_PlanoContabil.h"
#include "masterdata/CTW_DF_PlanoGerencial.h"
#include "tests/masterdata/masterdata_fixture.h"

using namespace masterdata;

namespace {

class Planos : public masterdata_fixture {
protected:
    // The managerial chart holds exactly these accounts (code, name, classification, type).
    void managerial_chart(const std::string& rows) {
        sql("DELETE FROM plano_gerencial_conta WHERE empresa = 'DEMO';");
        if (!rows.empty())
            sql("INSERT INTO plano_gerencial_conta (empresa, posicao, codigo, nome, classificacao, tipo) VALUES " + rows +
                ";");
    }
    template <class Plano>
    std::vector<std::string> codes(Plano& plano, LONG n) {
        std::vector<std::string> out;
        for (LONG i = 0; i < n; ++i) {
            EXPECT_EQ(plano.LePosicao(static_cast<ULONG>(i)), S_OK);
            out.push_back(text([&](BSTR* p) { return plano.GetCodigo(p); }));
        }
        return out;
    }
};

TEST_F(Planos, CompanyChartLoadsOnceSortedByClassification) {
    auto plano = com::make<CTW_DF_PlanoContabil>();
    LONG n = 0;
    ASSERT_EQ(plano->BuscaPonteiros(&n), S_OK);
    auto q = store().prepare("SELECT COUNT(*) FROM plano_conta WHERE empresa = 'DEMO'");
    q.step();
    EXPECT_EQ(n, q.column_int(0));
    ASSERT_EQ(plano->LePosicao(0), S_OK);
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetClassificacao(p); }), "1");
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetNome(p); }), "CLIENTES");
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetTipo(p); }), "T");
    // Every index entry carries the server's byte on top: the reads ask for the pointer alone.
    for (const std::string& call : company().calls("LeConta"))
        EXPECT_LT(std::stol(call.substr(call.find('=') + 1)), 0x01000000L) << call;

    // Sorted by code in between; the second load neither asks the server nor restores the order.
    ASSERT_EQ(plano->SetOrdenacao(0), S_OK);
    const auto by_code = codes(*plano.get(), n);
    LONG again = 0;
    ASSERT_EQ(plano->BuscaPonteiros(&again), S_OK);
    EXPECT_EQ(again, n);
    EXPECT_EQ(company().count("QuantidadeContas"), 1u);
    EXPECT_EQ(company().count("LeIndices"), 1u);
    EXPECT_EQ(codes(*plano.get(), n), by_code);
}

TEST_F(Planos, SortOrdersAsTheTableSays) {
    managerial_chart("('DEMO', 1, '2', 'Zeta', '1.2', 'A'), ('DEMO', 2, '10', 'alfa', '1.10', 'T'),"
                     " ('DEMO', 3, '1', 'Beta', '1.1', 'G'), ('DEMO', 4, 'x9', 'beta', '1.0', 'S')");
    struct order_case {
        USHORT ordem;
        std::vector<std::string> codes;
    };
    const order_case cases[] = {
        {0, {"x9", "1", "2", "10"}},   // codes as numbers: a text that is no number counts as 0
        {7, {"x9", "1", "2", "10"}},   // any other order sorts by code
        {1, {"1", "2", "10", "x9"}},   // names by character values: capitals first
        {2, {"x9", "1", "10", "2"}},   // classifications as texts
        {3, {"2", "1", "x9", "10"}},   // type bytes
    };
    auto plano = com::make<CTW_DF_PlanoGerencial>();
    LONG n = 0;
    ASSERT_EQ(plano->BuscaPonteiros(&n), S_OK);
    ASSERT_EQ(n, 4);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ordem);
        ASSERT_EQ(plano->SetOrdenacao(c.ordem), S_OK);
        EXPECT_EQ(codes(*plano.get(), n), c.codes);
    }
    EXPECT_EQ(company().count("QuantidadeContas"), 0u);   // the managerial chart has its own server
}

TEST_F(Planos, CursorOutOfRangeKeepsTheAccount) {
    managerial_chart("('DEMO', 1, '1', 'Primeira', '1', 'T'), ('DEMO', 2, '2', 'Outra', '2', 'A')");
    auto plano = com::make<CTW_DF_PlanoGerencial>();
    EXPECT_EQ(plano->LePosicao(0), E_INVALIDARG);   // never loaded
    LONG n = 0;
    ASSERT_EQ(plano->BuscaPonteiros(&n), S_OK);
    ASSERT_EQ(plano->LePosicao(0), S_OK);
    EXPECT_EQ(plano->LePosicao(2), E_INVALIDARG);
    EXPECT_EQ(plano->LePosicao(0xFFFFFFFFu), E_INVALIDARG);
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetNome(p); }), "Primeira");
}

TEST_F(Planos, FailedLoadsReportAndTheNextCallLoadsAgain) {
    struct failure_case {
        const char* method;
        std::vector<HRESULT> answers;
        const char* text;
    };
    const failure_case cases[] = {
        {"QuantidadeContas", {E_ACCESSDENIED}, "Falha ao buscar tamanho do Plano Gerencial."},
        {"LeIndices", {E_ACCESSDENIED}, "Falha ao buscar índices do Plano Gerencial."},
        {"LeConta", {S_OK, S_OK, E_ACCESSDENIED}, "Falha ao ler conta."},   // in the middle of the reads
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        managerial().clear();
        for (HRESULT hr : c.answers) managerial().answer(c.method, {hr});
        auto plano = com::make<CTW_DF_PlanoGerencial>();
        LONG n = 99;
        EXPECT_EQ(plano->BuscaPonteiros(&n), E_ACCESSDENIED);
        EXPECT_EQ(n, 0);
        EXPECT_EQ(last_error(), c.text);
        EXPECT_EQ(plano->LePosicao(0), E_INVALIDARG);   // nothing half loaded
        ASSERT_EQ(plano->BuscaPonteiros(&n), S_OK);
        EXPECT_EQ(n, 30);
    }
}

TEST_F(Planos, EmptyChartIsAskedAgainAndHasNoPositionZero) {
    managerial_chart("");
    auto plano = com::make<CTW_DF_PlanoGerencial>();
    LONG n = 99;
    ASSERT_EQ(plano->BuscaPonteiros(&n), S_OK);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(plano->LePosicao(0), E_INVALIDARG);
    ASSERT_EQ(plano->BuscaPonteiros(&n), S_OK);
    EXPECT_EQ(managerial().count("QuantidadeContas"), 2u);
}

TEST_F(Planos, AccountLookUpByCodeLeavesNothingOfAnEarlierAccount) {
    auto conta = com::make<CTW_DF_ContaContabil>();
    VARIANT_BOOL existe = VARIANT_FALSE;
    ASSERT_EQ(conta->SetCodigo(b("F001").get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_TRUE);
    EXPECT_EQ(text([&](BSTR* p) { return conta->GetNome(p); }), "Fornecedor Exemplo S.A.");
    EXPECT_EQ(text([&](BSTR* p) { return conta->GetClassificacao(p); }), "2.001");
    ASSERT_EQ(conta->SetCodigo(b("NAOEXISTE").get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_FALSE);
    EXPECT_EQ(text([&](BSTR* p) { return conta->GetNome(p); }), "");
    EXPECT_EQ(text([&](BSTR* p) { return conta->GetTipo(p); }), "");

    auto gerencial = com::make<CTW_DF_ContaGerencial>();
    ASSERT_EQ(gerencial->SetCodigo(b("2301").get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_TRUE);
    EXPECT_EQ(text([&](BSTR* p) { return gerencial->GetClassificacao(p); }), "2.3.01");
}

TEST_F(Planos, WithoutASessionTheChartsFailClearly) {
    reset_holders();
    auto plano = com::make<CTW_DF_PlanoContabil>();
    LONG n = 0;
    EXPECT_TRUE(FAILED(plano->BuscaPonteiros(&n)));
    EXPECT_FALSE(last_error().empty());
}

}  // namespace
