// The customer and supplier chart: the characteristic, the cached lists, the cursor, the
// representative check and the suggested classification.
#include <gtest/gtest.h>

#include <string>

#include "masterdata/CTW_DF_PlanoCFRT.h"
#include "tests/masterdata/masterdata_fixture.h"

using namespace masterdata;

namespace {

class PlanoCFRT : public masterdata_fixture {};

TEST_F(PlanoCFRT, SearchTextsGiveTheCharacteristic) {
    struct text_case {
        const char* texto;
        const char* pedido;   // what the search asks the chart server
    };
    const text_case cases[] = {
        {"cf", "caracteristica=0 tipo=A"}, {"CF", "caracteristica=12 tipo=A"},
        {"xRx", "caracteristica=32 tipo=A"}, {"TRFC", "caracteristica=60 tipo=A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texto);
        company().clear();
        auto plano = com::make<CTW_DF_PlanoCFRT>();
        ASSERT_EQ(plano->SetTipoBusca(b(c.texto).get()), S_OK);
        ULONG n = 0;
        ASSERT_EQ(plano->BuscaPonteiros(&n), S_OK);
        EXPECT_EQ(company().calls("BuscaContas"), std::vector<std::string>{c.pedido});
    }
}

TEST_F(PlanoCFRT, ListsAreLoadedOncePerCharacteristic) {
    auto plano = com::make<CTW_DF_PlanoCFRT>();
    ASSERT_EQ(plano->SetTipoBusca(b("C").get()), S_OK);
    EXPECT_EQ(plano->LePosicao(0), DISP_E_EXCEPTION);
    EXPECT_EQ(last_error(), "Busca ainda n\xe3o foi feita com essa caracter\xedstica");
    ULONG clientes = 0, fornecedores = 0;
    ASSERT_EQ(plano->BuscaPonteiros(&clientes), S_OK);
    EXPECT_EQ(clientes, 6u);
    ASSERT_EQ(plano->SetTipoBusca(b("F").get()), S_OK);
    ASSERT_EQ(plano->BuscaPonteiros(&fornecedores), S_OK);
    EXPECT_EQ(fornecedores, 4u);
    ASSERT_EQ(plano->SetTipoBusca(b("C").get()), S_OK);
    ASSERT_EQ(plano->BuscaPonteiros(&clientes), S_OK);
    EXPECT_EQ(clientes, 6u);
    EXPECT_EQ(company().count("BuscaContas"), 2u);
    ASSERT_EQ(plano->LePosicao(2), S_OK);
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetCodigo(p); }), "C101");
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetInscricao(p); }), "45.997.418/0001-53");
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetClassificacao(p); }), "1.101");
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetTipo(p); }), "A");
    EXPECT_EQ(plano->LePosicao(6), E_INVALIDARG);
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetCodigo(p); }), "C101");
}

TEST_F(PlanoCFRT, FailedReadsCacheNothing) {
    auto plano = com::make<CTW_DF_PlanoCFRT>();
    ASSERT_EQ(plano->SetTipoBusca(b("C").get()), S_OK);
    company().answer("LeConta", {S_OK, E_FAIL});
    ULONG n = 9;
    EXPECT_EQ(plano->BuscaPonteiros(&n), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao ler contas");
    company().answer("BuscaContas", {E_FAIL});
    EXPECT_EQ(plano->BuscaPonteiros(&n), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao buscar plano de contas");
    ASSERT_EQ(plano->BuscaPonteiros(&n), S_OK);
    EXPECT_EQ(n, 6u);
}

TEST_F(PlanoCFRT, LeCodigoStopsOnTheAccountOrStaysOnTheLast) {
    auto plano = com::make<CTW_DF_PlanoCFRT>();
    ASSERT_EQ(plano->SetTipoBusca(b("C").get()), S_OK);
    VARIANT_BOOL existe = VARIANT_FALSE;
    ASSERT_EQ(plano->LeCodigo(b("C002").get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_TRUE);
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetNome(p); }), "Maria da Silva");
    ASSERT_EQ(plano->LeCodigo(b("c002").get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_FALSE);
    EXPECT_EQ(text([&](BSTR* p) { return plano->GetCodigo(p); }), "C900");   // the last entry
}

TEST_F(PlanoCFRT, OnlyARepresentativeAccountIsAValidRepresentative) {
    struct rep_case {
        ULONG posicao;
        VARIANT_BOOL valido;
    };
    const rep_case cases[] = {
        {9001, VARIANT_TRUE}, {7, VARIANT_TRUE},
        {5, VARIANT_FALSE},     // a supplier: its supplier flag is set, not the representative flag
        {2, VARIANT_FALSE}, {77777, VARIANT_FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.posicao);
        company().clear();
        auto plano = com::make<CTW_DF_PlanoCFRT>();
        VARIANT_BOOL valido = 7;
        ASSERT_EQ(plano->SetPosicaoRepresentante(c.posicao, &valido), S_OK);
        EXPECT_EQ(valido, c.valido);
        EXPECT_EQ(company().count("LimitaRepresentante"), c.valido == VARIANT_TRUE ? 1u : 0u);
    }
    // Limited to the regional representative, the customer list holds its two customers.
    auto plano = com::make<CTW_DF_PlanoCFRT>();
    VARIANT_BOOL valido = VARIANT_FALSE;
    ASSERT_EQ(plano->SetPosicaoRepresentante(9001, &valido), S_OK);
    ASSERT_EQ(plano->SetTipoBusca(b("C").get()), S_OK);
    ULONG n = 0;
    ASSERT_EQ(plano->BuscaPonteiros(&n), S_OK);
    EXPECT_EQ(n, 2u);
}

TEST_F(PlanoCFRT, RepresentativeSessionCannotLookAtAnotherRepresentative) {
    representative(9001);
    auto plano = com::make<CTW_DF_PlanoCFRT>();
    VARIANT_BOOL valido = VARIANT_TRUE;
    EXPECT_EQ(plano->SetPosicaoRepresentante(7, &valido), E_ACCESSDENIED);
    EXPECT_EQ(valido, VARIANT_FALSE);
    EXPECT_EQ(plano->SetPosicaoRepresentante(9001, &valido), S_OK);
    EXPECT_EQ(valido, VARIANT_TRUE);
}

TEST_F(PlanoCFRT, SuggestedClassification) {
    struct model_case {
        const char* modelo;
        const char* sugerida;
    };
    const model_case cases[] = {
        {"1.1.02", "1.1.03"}, {"1.1.1", "1.1.1"}, {"1.1.0", "1.1.0"}, {"1.1.99", "1.1.100"},
        {"1.1.9", "1.1.10"},  {"12", "12"},       {"1.05", "1.06"},   {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CTW_DF_PlanoCFRT::ProximaClassificacao(c.modelo), c.sugerida) << c.modelo;

    // From the chart settings, one kind at a time; no single kind, no suggestion.
    sql("UPDATE plano_configuracao SET proxima_cliente = '1.1.02', proxima_fornecedor = '2.009',"
        " proxima_representante = '3.1', proxima_transportadora = '4.0041' WHERE empresa = 'DEMO';");
    const model_case kinds[] = {{"C", "1.1.03"}, {"F", "2.010"}, {"R", "3.1"}, {"T", "4.0042"}, {"CF", ""}, {"", ""}};
    auto plano = com::make<CTW_DF_PlanoCFRT>();
    for (const auto& k : kinds)
        EXPECT_EQ(text([&](BSTR* p) { return plano->SugereClassificacao(b(k.modelo).get(), p); }), k.sugerida)
            << k.modelo;
}

}  // namespace
