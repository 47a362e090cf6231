// The server's memory over thousands of logins: after a warm-up it stays where it is, for accepted
// and for refused logins alike (nothing a login makes may stay behind when the next one comes).
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include "platform/com/text.h"
#include "platform/inhouse/core/fault_plan.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/root/CQV_Inicializa.h"
#include "server/holders/CSessaoGlobal.h"
#include "support/stand_in_fixture.h"

namespace {

using server::CQV_Inicializa;

// The process's private bytes; Wine answers 0 there and gives the data size as page-file usage.
size_t private_bytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

class LoginMemory : public stand_in_fixture {
protected:
    LoginMemory() { inhouse::fault_plan::set_recording(false); }   // as the server runs
    ~LoginMemory() override {
        inhouse::fault_plan::set_recording(true);
        server::CCacheServidores::Destroi();
        server::CPoolConexoes::Destroi();
        server::CSessaoGlobal::Destroi();
    }
};

TEST_F(LoginMemory, StaysFlatOverThousandsOfLogins) {
    struct series {
        const char* name;
        const char* senha;
        int result;
    };
    const series all[] = {{"accepted", "admin123", 0}, {"refused", "errada", 1}};
    // One iteration keeps thousands of logins quick; the derivation itself keeps nothing.
    store().db().exec("UPDATE usuario SET senha_iteracoes = 1, senha_hash = pbkdf2_senha('admin123', senha_sal, 1)"
                      " WHERE nome = 'ADMIN'");
    auto root = com::make<CQV_Inicializa>();
    com::unique_bstr empresa = com::to_bstr("DEMO"), usuario = com::to_bstr("ADMIN");
    for (const auto& s : all) {
        SCOPED_TRACE(s.name);
        com::unique_bstr senha = com::to_bstr(s.senha);
        int unexpected = 0;
        auto batch = [&](int n) {
            for (int i = 0; i < n; ++i) {
                INT result = -7;
                root->Inicializa(empresa.get(), usuario.get(), senha.get(), &result);
                unexpected += result != s.result;
            }
        };
        batch(200);
        const size_t before = private_bytes();
        constexpr int logins = 3000;
        batch(logins);
        const size_t after = private_bytes();
        const double per_login = (static_cast<double>(after) - static_cast<double>(before)) / logins;
        EXPECT_EQ(unexpected, 0);
        // Every call the stand-ins received used to stay in their fault plans: 2.8 kB an accepted
        // login, 1.2 kB a refused one. Allow the heap a little slack.
        EXPECT_LT(per_login, 64.0) << before << " -> " << after << " bytes over " << logins << " logins";
    }
}

}  // namespace
