// The storage-places server stand-in over the demo company's places: count by type, index in code
// order and the 156-byte record (code at 0, name at 12, type at 94).
#include <gtest/gtest.h>

#include <objbase.h>

#include <cstring>
#include <string>
#include <vector>

#include "inhouse_armazenagem.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/inhouse/armazenagem/registros_armazenagem.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/login/registros_login.h"
#include "support/stand_in_fixture.h"

namespace {

class LocaisArmazenagemServer : public stand_in_fixture {
protected:
    LocaisArmazenagemServer() {
        EXPECT_EQ(CoCreateInstance(inhouse::CLSID_LocaisArmazenagemServer, nullptr, CLSCTX_ALL,
                                   __uuidof(IQVES_LocaisArmazenagem), reinterpret_cast<void**>(server.put())),
                  S_OK);
    }
    void open() { ASSERT_EQ(server->Inicializa(com::to_bstr(std::string("DEMO")).get(), 1, 1, 1307), S_OK); }
    static com::unique_bstr b(const char* t) { return com::to_bstr(std::string(t)); }

    com::com_ptr<IQVES_LocaisArmazenagem> server;
};

TEST_F(LocaisArmazenagemServer, CallsBeforeInicializaAreRefused) {
    LONG n = 7;
    EXPECT_EQ(server->Quantidade(b("X").get(), 0, &n), inhouse::QV_E_NAO_INICIALIZADO);
    EXPECT_EQ(n, 0);
}

TEST_F(LocaisArmazenagemServer, CountsAndIndexesByTypeInCodeOrder) {
    open();
    struct caso {
        const char* tipos;
        std::vector<std::pair<uint32_t, std::string>> indice;
    } casos[] = {
        {"X", {{5, "CONSIG"}, {3, "DEP-RJ"}, {1, "DEP-SP"}, {4, "LOJA-RJ"}, {2, "LOJA-SP"}}},
        {"D", {{3, "DEP-RJ"}, {1, "DEP-SP"}}},
        {"LC", {{5, "CONSIG"}, {4, "LOJA-RJ"}, {2, "LOJA-SP"}}},
        {"Z", {}},
    };
    for (const auto& c : casos) {
        LONG n = -1;
        ASSERT_EQ(server->Quantidade(b(c.tipos).get(), 0, &n), S_OK);
        ASSERT_EQ(n, static_cast<LONG>(c.indice.size())) << c.tipos;
        std::vector<BYTE> bloco(n * 20 + 1, 0xCC);
        ASSERT_EQ(server->Indice(n, bloco.data()), S_OK);
        for (LONG i = 0; i < n; ++i) {
            uint32_t p;
            std::memcpy(&p, bloco.data() + i * 20, 4);
            EXPECT_EQ(p, c.indice[i].first) << c.tipos << i;
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(bloco.data() + i * 20 + 4)), c.indice[i].second);
        }
        EXPECT_EQ(bloco[n * 20], 0xCC);   // nothing past the entries asked for
    }
}

TEST_F(LocaisArmazenagemServer, ReadsAPlace) {
    open();
    BYTE r[156];
    std::memset(r, 0xCC, sizeof r);
    ASSERT_EQ(server->Le(3, r, 0), S_OK);
    EXPECT_STREQ(reinterpret_cast<const char*>(r), "DEP-RJ");
    EXPECT_STREQ(reinterpret_cast<const char*>(r + 12), "Dep\xF3sito Rio de Janeiro");
    EXPECT_EQ(r[94], 'D');
    EXPECT_EQ(r[96], 2);
    EXPECT_EQ(r[155], 0);
    EXPECT_EQ(server->Le(99, r, 0), inhouse::QV_E_LOCAL_DESCONHECIDO);
}

}  // namespace
