#include <gtest/gtest.h>

#include "base/CQVChaveRegistro.h"
#include "base/CQVData.h"
#include "base/QVDataCurta.h"
#include "base/QVRelogio.h"

namespace {

TEST(QVRelogioData, TodayAndThisMonthFollowTheSimulatedClock) {
    qv_registry_redirect redirect("QVRelogioData");
    struct today_case { SYSTEMTIME moment; const char* curta; const char* antiga; const char* mes; const char* mes_antigo; };
    const today_case cases[] = {
        {{2024, 3, 0, 5, 10, 0, 0, 0}, "05/03/24", "05/03/2024", "03/24", "03/2024"},
        {{2026, 12, 0, 31, 23, 0, 0, 0}, "31/12/26", "31/12/2026", "12/26", "12/2026"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.curta);
        ASSERT_EQ(qv_write_simulated_clock(c.moment), 0);
        EXPECT_EQ(qv_current_year(), c.moment.wYear);
        EXPECT_EQ(QVGetDataAtual(false), QVConverteTextoData(c.curta));
        EXPECT_EQ(QVGetDataAtual(true), QVConverteTextoDataAntiga(c.antiga));
        EXPECT_EQ(QVGetMesAnoAtual(false), QVConverteTextoMesAno(c.mes));
        EXPECT_EQ(QVGetMesAnoAtual(true), QVConverteTextoMesAnoAntigo(c.mes_antigo));
        EXPECT_NE(QVGetDataAtual(false), 0);
        CQVData hoje;
        hoje.Hoje();
        EXPECT_EQ(hoje.GetAno(), c.moment.wYear);
        EXPECT_EQ(hoje.GetMes(), c.moment.wMonth);
        EXPECT_EQ(hoje.GetDia(), c.moment.wDay);
    }
}

}  // namespace
