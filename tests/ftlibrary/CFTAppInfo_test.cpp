// The library context over the commercial master stand-in: the sales parameter record read once
// (and again on a new day), a failed read zero-filled and tried again, an empty company refused,
// and the master manager's initialisation by session record.
#include <gtest/gtest.h>

#include <cstring>

#include "ft/ftlibrary/CFTAppInfo.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "support/stand_in_fixture.h"

namespace {

class CFTAppInfoTeste : public stand_in_fixture {
protected:
    CFTAppInfoTeste() {
        contexto.Inicializa("DEMO", 7, 1, 1);
        contexto.m_Hoje = [this] { return hoje; };
    }
    inhouse::fault_plan& mestre() { return factory(inhouse::CLSID_MestreComercialServer).object_faults(); }
    inhouse::fault_plan& criacao() { return factory(inhouse::CLSID_MestreComercialServer).faults(); }
    static int64_t moeda(const BYTE* r, size_t posicao) {
        int64_t v;
        std::memcpy(&v, r + posicao, 8);
        return v;
    }

    uint16_t hoje = 60000;
    CFTAppInfo contexto;
};

TEST_F(CFTAppInfoTeste, ParametersAreReadOnceADay) {
    const BYTE* r = contexto.GetParametrosFT();
    EXPECT_EQ(moeda(r, 170), 100000);
    EXPECT_EQ(moeda(r, 186), 50000000);
    EXPECT_EQ(r[343], 1);
    contexto.GetParametrosFT();
    EXPECT_EQ(mestre().count("LeParametros"), 1u);
    EXPECT_EQ(criacao().count("CreateInstance"), 1u);
    // The parameter server is initialised with the company code where the user would go.
    const auto inicios = mestre().calls("Inicializa");
    ASSERT_EQ(inicios.size(), 1u);
    EXPECT_NE(inicios[0].find("usuario=7"), std::string::npos) << inicios[0];
    ++hoje;
    contexto.GetParametrosFT();
    EXPECT_EQ(mestre().count("LeParametros"), 2u);
    EXPECT_EQ(mestre().count("Inicializa"), 1u);
}

TEST_F(CFTAppInfoTeste, FailedReadGivesZerosAndIsTriedAgain) {
    struct caso {
        const char* nome;
        const char* metodo;
        bool criacao;
    };
    const caso casos[] = {
        {"creation", "CreateInstance", true},
        {"initialisation", "Inicializa", false},
        {"read", "LeParametros", false},
    };
    for (const caso& c : casos) {
        CFTAppInfo ctx;
        ctx.Inicializa("DEMO", 7, 1, 1);
        (c.criacao ? criacao() : mestre()).answer(c.metodo, {E_UNEXPECTED});
        const BYTE* r = ctx.GetParametrosFT();
        ASSERT_NE(r, nullptr) << c.nome;
        EXPECT_EQ(moeda(r, 170), 0) << c.nome;
        EXPECT_FALSE(ctx.ParametrosCarregados()) << c.nome;
        r = ctx.GetParametrosFT();
        EXPECT_EQ(moeda(r, 170), 100000) << c.nome;
        EXPECT_TRUE(ctx.ParametrosCarregados()) << c.nome;
    }
    EXPECT_FALSE(events().entries().empty());
}

TEST_F(CFTAppInfoTeste, EmptyCompanyIsRefusedWithoutCreatingAnything) {
    CFTAppInfo ctx;
    EXPECT_EQ(ctx.ObtemServidorParametros(), E_FAIL);
    EXPECT_EQ(moeda(ctx.GetParametrosFT(), 170), 0);
    EXPECT_EQ(criacao().count("CreateInstance"), 0u);
}

TEST_F(CFTAppInfoTeste, MasterManagerSendsTheSessionRecord) {
    ASSERT_EQ(contexto.m_Mestre.Prepara(), S_OK);
    ASSERT_EQ(contexto.m_Mestre.Prepara(), S_OK);
    const auto inicios = mestre().calls("InicializaRegistro");
    ASSERT_EQ(inicios.size(), 1u);
    // session 1 at 0, user 1 at 4, "DEMO" at 6.
    EXPECT_EQ(inicios[0].substr(0, 35), "bytes=01 00 00 00 01 00 44 45 4D 4F") << inicios[0];
    BYTE* p = nullptr;
    ASSERT_EQ(contexto.m_Mestre.Interface()->Parametros(&p), S_OK);
    EXPECT_EQ(moeda(p, 178), 100000);
}

}  // namespace
