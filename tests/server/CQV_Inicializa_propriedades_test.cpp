// The root object's settings: module flags, representative position, time limit.
#include <gtest/gtest.h>

#include <string>

#include "raiz_fixture.h"

namespace {

using server::CQV_Inicializa;

using flag_getter = HRESULT (STDMETHODCALLTYPE CQV_Inicializa::*)(VARIANT_BOOL*) noexcept;

struct flag {
    const char* nome;
    flag_getter getter;
    int byte;   // of TIPOS_VEVUREZE
};
const flag flags[] = {
    {"PossuiTavonContabil", &CQV_Inicializa::get_PossuiTavonContabil, 12},
    {"PossuiTavonGerenciador", &CQV_Inicializa::get_PossuiTavonGerenciador, 18},
    {"PossuiTavonFinanceiro", &CQV_Inicializa::get_PossuiTavonFinanceiro, 20},
    {"PossuiTavonEstoque", &CQV_Inicializa::get_PossuiTavonEstoque, 22},
    {"PossuiTavonComercial", &CQV_Inicializa::get_PossuiTavonComercial, 25},
    {"PossuiTavonGED", &CQV_Inicializa::get_PossuiTavonGED, 35},
};

class PropriedadesTest : public raiz_fixture {};

TEST_F(PropriedadesTest, EachModuleFlagReadsItsByteAndAnswersTrueAsMinusOne) {
    // Each row sets one byte of the company's system record to a value; every flag must answer
    // VARIANT_TRUE exactly when its own byte is non-zero (a byte 1 or 0xFF is VARIANT_TRUE, not 1).
    struct row { int byte; int valor; };
    const row rows[] = {{12, 1}, {18, 0xFF}, {20, 2}, {22, 0x80}, {25, 1}, {35, 1}, {13, 1}, {0, 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE("byte " + std::to_string(r.byte) + " = " + std::to_string(r.valor));
        std::string blob(128, '0');
        blob[2 * r.byte] = "0123456789ABCDEF"[r.valor >> 4];
        blob[2 * r.byte + 1] = "0123456789ABCDEF"[r.valor & 15];
        sql("UPDATE empresa_sistema SET tipos_vevureze = X'" + blob + "' WHERE empresa = 'DEMO'");
        auto raiz = admin();
        for (const auto& f : flags) {
            SCOPED_TRACE(f.nome);
            VARIANT_BOOL valor = 7;
            EXPECT_EQ((raiz.get()->*f.getter)(&valor), S_OK);
            EXPECT_EQ(valor, f.byte == r.byte && r.valor != 0 ? VARIANT_TRUE : VARIANT_FALSE);
            EXPECT_EQ((raiz.get()->*f.getter)(nullptr), E_POINTER);
        }
    }
}

TEST_F(PropriedadesTest, WithoutALoginNoModuleIsInUse) {
    auto raiz = com::make<CQV_Inicializa>();
    for (const auto& f : flags) {
        SCOPED_TRACE(f.nome);
        VARIANT_BOOL valor = VARIANT_TRUE;
        EXPECT_EQ((raiz.get()->*f.getter)(&valor), S_OK);
        EXPECT_EQ(valor, VARIANT_FALSE);
    }
}

TEST_F(PropriedadesTest, TheRepresentativePositionIsTheLoggedInUsers) {
    struct row { const char* usuario; const char* senha; LONG posicao; };
    const row rows[] = {{"REGIONAL", "regional1", 9001}, {"ADMIN", "admin123", 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.usuario);
        auto raiz = entra(r.usuario, r.senha);
        LONG posicao = -1;
        EXPECT_EQ(raiz->get_PosicaoRepresentante(&posicao), S_OK);
        EXPECT_EQ(posicao, r.posicao);
        ASSERT_EQ(raiz->Finaliza(), S_OK);
        EXPECT_EQ(raiz->get_PosicaoRepresentante(&posicao), S_OK);
        EXPECT_EQ(posicao, 0) << "a finished session is nobody's";
    }
    EXPECT_EQ(com::make<CQV_Inicializa>()->get_PosicaoRepresentante(nullptr), E_POINTER);
}

TEST_F(PropriedadesTest, TheTimeLimitIsSixtySecondsOffADevelopersMachine) {
    auto raiz = com::make<CQV_Inicializa>();
    INT timeout = 0;
    VARIANT_BOOL debug = VARIANT_TRUE;
    EXPECT_EQ(raiz->GetTimeout(&timeout), S_OK);
    EXPECT_EQ(timeout, 60);
    EXPECT_EQ(raiz->IsDebugDev(&debug), S_OK);
    EXPECT_EQ(debug, VARIANT_FALSE);
    EXPECT_EQ(raiz->GetTimeout(nullptr), E_POINTER);
    EXPECT_EQ(raiz->IsDebugDev(nullptr), E_POINTER);
}

}  // namespace
