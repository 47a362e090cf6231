// The company's properties: the own-code setting of the chart and the accounting period, each
// failure with its text, and a master that cannot be created answering as a failure.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "masterdata/CTW_DF_Propriedades.h"
#include "tests/masterdata/masterdata_fixture.h"

using namespace masterdata;

namespace {

class Propriedades : public masterdata_fixture {
protected:
    Propriedades() { limpa(); }
    ~Propriedades() override { limpa(); }
    void limpa() {
        mestre().clear();
        criacao_mestre().clear();
        factory(inhouse::CLSID_PlanoServer).faults().clear();
    }
    inhouse::fault_plan& mestre() { return factory(inhouse::CLSID_MestreContabilServer).object_faults(); }
    inhouse::fault_plan& criacao_mestre() { return factory(inhouse::CLSID_MestreContabilServer).faults(); }

    struct leitura {
        HRESULT hr;
        std::string texto;
        bool nulo;
        std::string erro;
    };
    static leitura periodo(CTW_DF_Propriedades& p, bool final) {
        SetErrorInfo(0, nullptr);
        BSTR out = reinterpret_cast<BSTR>(static_cast<uintptr_t>(1));   // must be replaced on every road
        const HRESULT hr = final ? p.GetPeriodoFinal(&out) : p.GetPeriodoInicial(&out);
        com::unique_bstr owned(out);
        return {hr, com::from_bstr(out), out == nullptr, last_error()};
    }
};

TEST_F(Propriedades, OwnCodesOnlyForACapitalS) {
    struct caso {
        const char* valor;
        VARIANT_BOOL esperado;
    };
    const caso casos[] = {
        {"S", VARIANT_TRUE},
        {"s", VARIANT_FALSE},   // lower case is not the setting
        {"N", VARIANT_FALSE},
        {"", VARIANT_FALSE},
    };
    auto p = com::make<CTW_DF_Propriedades>();
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        sql(std::string("UPDATE plano_configuracao SET codigo_proprio = '") + c.valor + "' WHERE empresa = 'DEMO'");
        VARIANT_BOOL usa = 7;
        EXPECT_EQ(p->GetUsaCodigoProprio(&usa), S_OK);
        EXPECT_EQ(usa, c.esperado);
    }
    // Each call asks the server: the object keeps nothing.
    EXPECT_EQ(company().count("LeConfiguracao"), std::size(casos));
}

TEST_F(Propriedades, OwnCodeFailuresAnswerFalseWithTheirText) {
    struct caso {
        const char* nome;
        std::function<void()> prepara;
        HRESULT hr;
    };
    const caso casos[] = {
        {"configuration read failed", [this] { company().answer("LeConfiguracao", {E_ACCESSDENIED}); }, E_ACCESSDENIED},
        {"chart server not created",
         [this] { factory(inhouse::CLSID_PlanoServer).faults().answer("CreateInstance", {E_OUTOFMEMORY}); }, E_OUTOFMEMORY},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        reset_holders();
        login("DEMO", 7, 4242);
        limpa();
        company().clear();
        c.prepara();
        auto p = com::make<CTW_DF_Propriedades>();
        SetErrorInfo(0, nullptr);
        VARIANT_BOOL usa = VARIANT_TRUE;
        EXPECT_EQ(p->GetUsaCodigoProprio(&usa), c.hr);
        EXPECT_EQ(usa, VARIANT_FALSE);
        EXPECT_EQ(last_error(), "Falha ao buscar configurações.");
    }
}

TEST_F(Propriedades, PeriodDatesWithFourDigitYears) {
    auto p = com::make<CTW_DF_Propriedades>();
    EXPECT_EQ(periodo(*p.get(), false).texto, "01/01/2026");
    EXPECT_EQ(periodo(*p.get(), true).texto, "31/12/2026");
    // An unset date is day number 0, formatted like any other.
    sql("UPDATE periodo_contabil SET periodo_final = '' WHERE empresa = 'DEMO'");
    EXPECT_EQ(periodo(*p.get(), true).texto, "00/00/0000");
    // The master of the cache was initialised with the session of the holder.
    EXPECT_EQ(mestre().calls("Inicializa"), std::vector<std::string>{"empresa=DEMO usuario=7 sessao=4242"});
    EXPECT_EQ(mestre().count("PeriodoInicial"), 1u);
    EXPECT_EQ(mestre().count("PeriodoFinal"), 2u);
}

TEST_F(Propriedades, PeriodFailuresGiveNoTextAndTheirOwnMessage) {
    struct caso {
        const char* nome;
        std::function<void()> prepara;
        bool final;
        HRESULT hr;
        const char* erro;
    };
    const caso casos[] = {
        {"initial read failed", [this] { mestre().answer("PeriodoInicial", {E_FAIL}); }, false, E_FAIL,
         "Falha ao buscar período inicial."},
        {"final read failed", [this] { mestre().answer("PeriodoFinal", {E_ABORT}); }, true, E_ABORT,
         "Falha ao buscar período final."},
        // No master at all: a failure with the date's text, not a call through a null pointer.
        {"master not created (initial)", [this] { criacao_mestre().answer("CreateInstance", {E_FAIL}); }, false,
         DISP_E_EXCEPTION, "Falha ao buscar período inicial."},
        {"master not created (final)", [this] { criacao_mestre().answer("CreateInstance", {E_FAIL}); }, true,
         DISP_E_EXCEPTION, "Falha ao buscar período final."},
        {"stored date past the 16-bit range",
         [this] { sql("UPDATE periodo_contabil SET periodo_final = '2027-06-05' WHERE empresa = 'DEMO'"); }, true,
         static_cast<HRESULT>(0x80040210u), "Falha ao buscar período final."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        reset_holders();
        login("DEMO", 7, 4242);
        limpa();
        sql("UPDATE periodo_contabil SET periodo_final = '2026-12-31' WHERE empresa = 'DEMO'");
        c.prepara();
        auto p = com::make<CTW_DF_Propriedades>();
        const auto r = periodo(*p.get(), c.final);
        EXPECT_EQ(r.hr, c.hr);
        EXPECT_TRUE(r.nulo);
        EXPECT_EQ(r.erro, c.erro);
    }
    // Once the master can be created and its data are sound, the next call reads.
    reset_holders();
    login("DEMO", 7, 4242);
    sql("UPDATE periodo_contabil SET periodo_final = '2026-12-31' WHERE empresa = 'DEMO'");
    auto p = com::make<CTW_DF_Propriedades>();
    EXPECT_EQ(periodo(*p.get(), true).texto, "31/12/2026");
}

TEST_F(Propriedades, NullOutPointersAreRefused) {
    auto p = com::make<CTW_DF_Propriedades>();
    EXPECT_EQ(p->GetUsaCodigoProprio(nullptr), E_POINTER);
    EXPECT_EQ(p->GetPeriodoInicial(nullptr), E_POINTER);
    EXPECT_EQ(p->GetPeriodoFinal(nullptr), E_POINTER);
}

}  // namespace
