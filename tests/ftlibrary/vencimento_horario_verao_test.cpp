// Due dates across daylight-saving changes. tests/CMakeLists.txt also runs this suite in a zone
// with daylight saving time (TZ=BRT3BRST: clocks go back on 04/11/2018 at 02:00), where a step of
// 86,400 seconds from midnight of that day lands on the same date again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "base/QVDataCurta.h"
#include "condicao_teste.h"
#include "ft/ftlibrary/CQVCalculaVencimento.h"

namespace {

// The day of the month 86,400 seconds after local midnight of the date.
int dia_um_dia_depois_em_segundos(int d, int m, int a) {
    std::tm t{};
    t.tm_mday = d;
    t.tm_mon = m - 1;
    t.tm_year = a - 1900;
    t.tm_isdst = -1;
    __time64_t s = _mktime64(&t) + 86400;
    const std::tm* depois = _localtime64(&s);
    return depois ? depois->tm_mday : 0;
}

TEST(VencimentoHorarioDeVerao, NenhumDiaRepetidoOuPulado) {
    const char* tz = std::getenv("TZ");
    if (tz && std::string(tz) == "BRT3BRST") {  // the zone really has the change this suite is about
        ASSERT_EQ(dia_um_dia_depois_em_segundos(4, 11, 2018), 4);
    }

    // Every day of 2018: the rule "the next day's day of the month" must give exactly the next day.
    CQVCalculaVencimento calculo;
    calculo.SetParametros(false, 0, 0);
    for (uint16_t data = dia(1, 1, 2018); data < dia(1, 1, 2019); ++data) {
        const uint16_t seguinte = data + 1;
        int d = 0, m = 0, a = 0;
        QVSeparaData(seguinte, d, m, a);
        CQVCalculaVencimentoDados regra;
        regra.SetDiasMes(static_cast<int8_t>(d));
        ASSERT_EQ(calculo.Calcula(regra, data), seguinte) << QVFormataData(data, true).c_str();
    }

    // The next occurrence after the day the clocks go back is the following day of the rule.
    CQVCalculaVencimentoDados regra;
    regra.SetDiasMes(4, 5);
    regra.SetProximaOcorrencia(true);
    EXPECT_EQ(calculo.Calcula(regra, dia(4, 11, 2018)), dia(5, 11, 2018));
    regra.SetDiasMes(11, 12);
    EXPECT_EQ(calculo.Calcula(regra, dia(11, 3, 2018)), dia(12, 3, 2018));
}

}  // namespace
