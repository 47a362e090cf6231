// The store's "now" is the server's clock: under a simulated date the seeded "this month" data and
// the stand-ins' date queries agree with the rest of the server; without one it is the real date.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/CQVChaveRegistro.h"
#include "base/QVRelogio.h"
#include "platform/inhouse/core/store.h"

namespace {

std::string hoje_da_loja(inhouse::store& loja) {
    auto q = loja.prepare("SELECT date('now', 'localtime')");
    q.step();
    return q.column_text(0);
}

TEST(SqliteRelogio, DateNowFollowsTheSimulatedClockAndTheRealOneWithout) {
    qv_registry_redirect redirect("SqliteRelogio");
    auto loja = inhouse::store::in_memory();

    SYSTEMTIME agora;
    GetLocalTime(&agora);
    char real[16], momento[64];
    std::snprintf(real, sizeof real, "%04u-%02u-%02u", agora.wYear, agora.wMonth, agora.wDay);
    std::snprintf(momento, sizeof momento, "%u/%u/%u;%u:%u:%u:0", agora.wDay, agora.wMonth, agora.wYear, agora.wHour,
                  agora.wMinute, agora.wSecond);

    // 28/02/2029 at noon, set now: a day that is neither today nor a month's first or last.
    QVGravaRegistroTexto(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment",
                         "QV_DATETIME", (std::string("1;28/02/2029;12:00:00:000;") + momento).c_str());
    EXPECT_EQ(hoje_da_loja(loja), "2029-02-28");

    qv_clear_simulated_clock();
    const std::string sem_simulacao = hoje_da_loja(loja);
    // Read around midnight, the real date may have turned between the two readings.
    GetLocalTime(&agora);
    char depois[16];
    std::snprintf(depois, sizeof depois, "%04u-%02u-%02u", agora.wYear, agora.wMonth, agora.wDay);
    EXPECT_TRUE(sem_simulacao == real || sem_simulacao == depois) << sem_simulacao;
}

}  // namespace
