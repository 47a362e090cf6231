// The root object's movement dates: read once a session from the accounting master, handed out
// as "dd/mm/yy", each failure on its own road.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registration.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"
#include "server/root/CQV_Inicializa.h"
#include "support/last_error.h"
#include "support/stand_in_fixture.h"

namespace {

using server::CQV_Inicializa;

constexpr HRESULT E_INSTANCIAR = static_cast<HRESULT>(0x8004065Fu);
constexpr HRESULT E_DATA_PERIODO = static_cast<HRESULT>(0x80040210u);   // the master's refusal of a stored date

struct leitura {
    HRESULT hr;
    std::string texto;
    bool nulo;            // the out value stayed null
    std::string erro;     // the error description left for the client
};

class MovimentacaoTest : public stand_in_fixture {
protected:
    MovimentacaoTest() { limpa(); }
    ~MovimentacaoTest() override {
        limpa();
        server::CCacheServidores::Destroi();
        server::CPoolConexoes::Destroi();
        server::CSessaoGlobal::Destroi();
    }
    void limpa() {
        criacao().clear();
        mestre().clear();
    }
    inhouse::fault_plan& mestre() { return factory(inhouse::CLSID_MestreContabilServer).object_faults(); }
    inhouse::fault_plan& criacao() { return factory(inhouse::CLSID_MestreContabilServer).faults(); }
    void sql(const std::string& text) { store().db().exec(text); }

    static void entra(CQV_Inicializa& root) {
        INT result = -7;
        ASSERT_EQ(root.Inicializa(com::to_bstr(std::string("DEMO")).get(), com::to_bstr(std::string("ADMIN")).get(),
                                  com::to_bstr(std::string("admin123")).get(), &result),
                  S_OK);
        ASSERT_EQ(result, 0);
    }
    static leitura le(CQV_Inicializa& root, bool superior) {
        SetErrorInfo(0, nullptr);
        BSTR out = reinterpret_cast<BSTR>(static_cast<uintptr_t>(1));   // must be replaced on every road
        const HRESULT hr = superior ? root.get_DataSuperiorMovimentacao(&out) : root.get_DataInferiorMovimentacao(&out);
        com::unique_bstr owned(out);
        return {hr, com::from_bstr(out), out == nullptr, last_error()};
    }
};

TEST_F(MovimentacaoTest, BothDatesComeFromOneReadAndStayForTheSession) {
    auto root = com::make<CQV_Inicializa>();
    entra(*root.get());
    limpa();
    EXPECT_EQ(le(*root.get(), false).texto, "01/01/25");
    EXPECT_EQ(le(*root.get(), true).texto, "31/12/26");
    // The store changes, the session keeps what it read.
    sql("UPDATE periodo_contabil SET movimentacao_inicial = '2024-03-01'");
    EXPECT_EQ(le(*root.get(), false).texto, "01/01/25");
    EXPECT_EQ(le(*root.get(), true).texto, "31/12/26");
    EXPECT_EQ(criacao().count("CreateInstance"), 1u);
    EXPECT_EQ(mestre().count("LePeriodoMovimentacao"), 1u);
    LONG sessao = 0;
    ASSERT_EQ(root->get_m_lNumeroSessao(&sessao), S_OK);
    EXPECT_EQ(mestre().calls("Inicializa"), std::vector<std::string>{"empresa=DEMO usuario=1 sessao=" + std::to_string(sessao)});
}

// A later login on the same root object is another session, perhaps of another company: it
// must not see the dates the earlier one read.
TEST_F(MovimentacaoTest, ANewLoginReadsTheDatesAgain) {
    auto root = com::make<CQV_Inicializa>();
    entra(*root.get());
    EXPECT_EQ(le(*root.get(), false).texto, "01/01/25");
    sql("UPDATE periodo_contabil SET movimentacao_inicial = '2024-03-01'");
    entra(*root.get());
    EXPECT_EQ(le(*root.get(), false).texto, "01/03/24");
    sql("UPDATE periodo_contabil SET movimentacao_inicial = '2023-02-01'");
    ASSERT_EQ(root->Finaliza(), S_OK);
    entra(*root.get());
    EXPECT_EQ(le(*root.get(), false).texto, "01/02/23");
}

TEST_F(MovimentacaoTest, EachFailureOnItsRoadAndTheNextCallReadsAgain) {
    struct caso {
        const char* nome;
        std::function<void()> prepara;
        bool superior;
        HRESULT hr;
        std::string erro;
    };
    const caso casos[] = {
        {"master not created (lower)", [this] { criacao().answer("CreateInstance", {E_OUTOFMEMORY}); }, false,
         E_INSTANCIAR, "Falha ao instanciar filial."},
        {"master not created (upper)", [this] { criacao().answer("CreateInstance", {E_OUTOFMEMORY}); }, true,
         E_INSTANCIAR, "Falha ao instanciar filial"},
        // The server's own answers come back as they are, with no text of ours.
        {"initialisation refused", [this] { mestre().answer("Inicializa", {E_ACCESSDENIED}); }, false, E_ACCESSDENIED, ""},
        {"period read failed", [this] { mestre().answer("LePeriodoMovimentacao", {E_FAIL}); }, true, E_FAIL, ""},
        // 05/06/2027 is the first day a 16-bit day number cannot hold: refused, never wrapped.
        {"stored date past the 16-bit range",
         [this] { sql("UPDATE periodo_contabil SET movimentacao_final = '2027-06-05'"); }, true, E_DATA_PERIODO, ""},
        {"stored text that is no date",
         [this] { sql("UPDATE periodo_contabil SET movimentacao_inicial = '2026-02-30'"); }, false, E_DATA_PERIODO, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        auto root = com::make<CQV_Inicializa>();
        entra(*root.get());
        limpa();
        sql("UPDATE periodo_contabil SET movimentacao_inicial = '2025-01-01', movimentacao_final = '2026-12-31'");
        c.prepara();
        const leitura falha = le(*root.get(), c.superior);
        EXPECT_EQ(falha.hr, c.hr);
        EXPECT_TRUE(falha.nulo);
        EXPECT_EQ(falha.erro, c.erro);
        // Nothing was cached: once the cause is gone, the next call reads.
        sql("UPDATE periodo_contabil SET movimentacao_inicial = '2025-01-01', movimentacao_final = '2026-12-31'");
        const leitura depois = le(*root.get(), c.superior);
        EXPECT_EQ(depois.hr, S_OK);
        EXPECT_EQ(depois.texto, c.superior ? "31/12/26" : "01/01/25");
    }
}

TEST_F(MovimentacaoTest, NullOutPointerIsRefused) {
    auto root = com::make<CQV_Inicializa>();
    entra(*root.get());
    EXPECT_EQ(root->get_DataInferiorMovimentacao(nullptr), E_POINTER);
    EXPECT_EQ(root->get_DataSuperiorMovimentacao(nullptr), E_POINTER);
}

}  // namespace
