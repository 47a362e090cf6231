// The operation natures server stand-in over the demo company's natures: the day a nature must be
// in force on, the branch, type and products/services filters, and the records of the last count.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/CQVData.h"
#include "inhouse_naturezas.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/naturezas/registros_natureza.h"
#include "support/stand_in_fixture.h"

namespace {

class NaturezasServer : public stand_in_fixture {
protected:
    NaturezasServer() {
        EXPECT_EQ(CoCreateInstance(inhouse::CLSID_NaturezasServer, nullptr, CLSCTX_ALL, __uuidof(IQVDF_Naturezas),
                                   reinterpret_cast<void**>(server.put())),
                  S_OK);
    }
    void open() { ASSERT_EQ(server->Inicializa(com::to_bstr(std::string("DEMO")).get(), 1, 1), S_OK); }
    WORD count(WORD filial, WORD dia, BYTE tipo = 0, BYTE letra = 'P') {
        WORD n = 0xFFFF;
        EXPECT_EQ(server->Quantidade(filial, dia, tipo, 3, letra, &n), S_OK);
        return n;
    }

    com::com_ptr<IQVDF_Naturezas> server;
};

TEST_F(NaturezasServer, CallsBeforeInicializaAreRefused) {
    WORD n = 7;
    EXPECT_EQ(server->Quantidade(0, 56617, 0, 3, 'P', &n), inhouse::QV_E_NAO_INICIALIZADO);
    EXPECT_EQ(n, 0);
    inhouse::REG_NATUREZA r{};
    EXPECT_EQ(server->LeNatureza(1, 56617, 3, reinterpret_cast<BYTE*>(&r)), inhouse::QV_E_NAO_INICIALIZADO);
}

TEST_F(NaturezasServer, CountsTheNaturesOfTheFilterInForceOnTheDay) {
    open();
    struct caso {
        const char* name;
        WORD filial, dia;
        BYTE tipo, letra;
        WORD quantidade;
    } casos[] = {
        {"the day the register asks about", 0, 56617, 0, 'P', 9},
        {"before the natures started", 0, static_cast<WORD>(qv_numero_dia(31, 12, 2000)), 0, 'P', 0},
        {"once 5.949 is in force", 0, static_cast<WORD>(qv_numero_dia(1, 1, 2025)), 0, 'P', 10},
        {"no day asked", 0, 0, 0, 'P', 10},
        {"branch 1 has no 5.152", 1, 56617, 0, 'P', 8},
        {"branch 2 has it", 2, 56617, 0, 'P', 9},
        {"entries", 0, 56617, 1, 'P', 3},
        {"services", 0, 56617, 0, 'S', 10},
    };
    for (const auto& c : casos) EXPECT_EQ(count(c.filial, c.dia, c.tipo, c.letra), c.quantidade) << c.name;
}

TEST_F(NaturezasServer, RecordsAreTheLastCountedNeverMore) {
    open();
    ASSERT_EQ(count(0, 56617, 1), 3);
    std::vector<inhouse::REG_NATUREZA> r(4);
    EXPECT_EQ(server->Registros(4, reinterpret_cast<BYTE*>(r.data())), E_INVALIDARG);
    ASSERT_EQ(server->Registros(3, reinterpret_cast<BYTE*>(r.data())), S_OK);
    EXPECT_STREQ(r[0].codigo, "1102");
    EXPECT_EQ(r[0].posicao, 3);
    EXPECT_EQ(r[0].integracao_financeiro, 1);
    EXPECT_STREQ(r[2].codigo, "1202");
    EXPECT_EQ(r[2].integracao_financeiro, 0);
    EXPECT_EQ(r[3].posicao, 0);   // beyond what was asked for, nothing is written
}

}  // namespace
