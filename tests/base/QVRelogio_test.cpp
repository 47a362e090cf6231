#include <gtest/gtest.h>

#include <cstdio>

#include "base/CQVChaveRegistro.h"
#include "base/QVEventLog.h"
#include "base/QVRelogio.h"

namespace {

constexpr char environment_key[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

uint64_t ticks(const SYSTEMTIME& st) {
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

SYSTEMTIME from_ticks(uint64_t v) {
    FILETIME ft{static_cast<DWORD>(v), static_cast<DWORD>(v >> 32)};
    SYSTEMTIME st;
    FileTimeToSystemTime(&ft, &st);
    return st;
}

constexpr uint64_t one_second = 10000000;

std::string moment_text(const SYSTEMTIME& s) {
    char t[64];
    snprintf(t, sizeof t, "%u/%u/%u;%u:%u:%u:%u", s.wDay, s.wMonth, s.wYear, s.wHour, s.wMinute, s.wSecond,
             s.wMilliseconds);
    return t;
}

TEST(QVRelogio, OverrideOnOffAndMalformed) {
    qv_registry_redirect redirect("QVRelogio");
    SYSTEMTIME real;
    GetLocalTime(&real);
    const std::string an_hour_ago = moment_text(from_ticks(ticks(real) - 3600 * one_second));
    const uint64_t simulated = ticks(SYSTEMTIME{2020, 1, 0, 1, 1, 0, 0, 0});   // 01/01/2020 01:00

    struct clock_case { const char* what; std::string value; bool simulated; bool reported; };
    const clock_case cases[] = {
        {"on", "1;01/01/2020;00:00:00:000;" + an_hour_ago, true, false},
        {"flag 0", "0;01/01/2020;00:00:00:000;" + an_hour_ago, false, false},
        {"absent", "", false, false},
        {"fewer fields", "1;01/01/2020;00:00:00:000", false, true},
        {"invalid month", "1;01/13/2020;00:00:00:000;" + an_hour_ago, false, true},
        {"field that would wrap", "1;01/65537/2020;00:00:00:000;" + an_hour_ago, false, true},
        {"text", "ligado", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        qv_event_log_capture log;
        if (c.value.empty()) {
            qv_clear_simulated_clock();
        } else {
            QVGravaRegistroTexto(HKEY_LOCAL_MACHINE, environment_key, "QV_DATETIME", c.value.c_str());
        }
        for (int reading = 0; reading < 3; ++reading) {
            SYSTEMTIME before;
            GetLocalTime(&before);
            const uint64_t now = ticks(GetCurrentTime_LocalTime());
            const uint64_t expected = c.simulated ? simulated + (ticks(before) - ticks(real)) : ticks(before);
            EXPECT_LE(expected - 2 * one_second, now);
            EXPECT_LE(now, expected + 5 * one_second);
        }
        // A bad value is reported once, however often the clock is read.
        EXPECT_EQ(log.entries().size(), c.reported ? 1u : 0u);
        if (c.reported) {
            EXPECT_TRUE(log.contains(c.value));
        }
    }
}

TEST(QVRelogio, EveryFormFollowsTheSimulatedMoment) {
    qv_registry_redirect redirect("QVRelogioFormas");
    ASSERT_EQ(qv_write_simulated_clock(SYSTEMTIME{2024, 3, 0, 5, 10, 20, 30, 456}), 0);
    EXPECT_EQ(QVGetDataAtualTexto(false), "05/03/24");
    EXPECT_EQ(QVGetDataAtualTexto(true), "05/03/2024");
    EXPECT_EQ(QVGetMesAnoAtualTexto(false), "03/24");
    EXPECT_EQ(QVGetMesAnoAtualTexto(true), "03/2024");
    EXPECT_EQ(QVGetDataHoraAtualTexto(true).substr(0, 16), "05/03/2024 10:20");
    EXPECT_EQ(QVGetHoraAtualTexto().substr(0, 5), "10:20");
    EXPECT_EQ(QVGetHoraAtualMilissegundos().size(), 12u);
    EXPECT_EQ(QVGetMinutosAtual(), 620);
    EXPECT_EQ(QVGetHHMMAtual(), 1020);
    EXPECT_EQ(QVGetHHMMAtualTexto(), "1020");
    EXPECT_EQ(QVGetHHMMSSAtual() / 100, 1020);
    EXPECT_EQ(QVGetSegundosAtual() / 60, 620);
    EXPECT_EQ(QVGetHoraAtualSegundosTexto().substr(0, 5), "10:20");
    const SYSTEMTIME utc = GetCurrentTime_SystemTime();
    EXPECT_EQ(utc.wYear, 2024);
    EXPECT_EQ(GetCurrentTime_LocalTime().wDay, 5);
    const __time64_t t = GetCurrentTime_CTime();
    tm local{};
    _localtime64_s(&local, &t);
    EXPECT_EQ(local.tm_year, 124);
    EXPECT_EQ(local.tm_hour, 10);
    EXPECT_EQ(GetCurrentTime_time_t(), static_cast<int32_t>(t));
    EXPECT_NEAR(GetCurrentTime_OleDateTime(), 45356.0 + (10 * 60 + 20.5) / 1440.0, 1.0 / 1440);
    // The offset follows the machine's time zone at the simulated moment.
    const int32_t fuso = QVGetFusoHorario();
    EXPECT_EQ(fuso % 100 % 15, 0);
    EXPECT_LE(fuso < 0 ? -fuso : fuso, 1400);

    ASSERT_EQ(qv_clear_simulated_clock(), 0);
    SYSTEMTIME real;
    GetLocalTime(&real);
    EXPECT_EQ(GetCurrentTime_LocalTime().wYear, real.wYear);
}

TEST(QVRelogio, TimeOfDayNumbers) {
    struct conversion { const char* what; int32_t actual; int32_t expected; };
    int32_t h = -1, m = -1, s = -1;
    const conversion cases[] = {
        {"HHMM 1230 to minutes", QVConverteHHMMParaMinutos(1230), 750},
        {"3725 s to HHMMSS", QVConverteSegundosParaHHMMSS(3725), 10205},
        {"HHMMSS 10205 to seconds", QVConverteHHMMSSParaSegundos(10205), 3725},
        {"HHMMSS 235959 to HHMM", QVConverteHHMMSSParaHHMM(235959), 2359},
        {"HHMM 2359 to HHMMSS with 75 s", QVConverteHHMMParaHHMMSS(2359, 75), 235959},
        {"HHMM 930 to HHMMSS", QVConverteHHMMParaHHMMSS(930), 93000},
        {"3599 s to minutes", QVConverteSegundosParaMinutos(3599), 59},
        {"59 minutes to seconds with 30", QVConverteMinutosParaSegundos(59, 30), 3570},
        {"59 min to HHMM", QVConverteMinutosParaHHMM(59), 59},          // no floating-point loss
        {"1439 min to HHMM", QVConverteMinutosParaHHMM(1439, &h, &m), 2359},
        {"unknown form", QVMontaHora(2, 0, 1, 2, 3), 0},
        {"unknown precision", QVMontaHora(0, 2, 1, 2, 3), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.actual, c.expected);
    }
    EXPECT_EQ(h, 23);
    EXPECT_EQ(m, 59);
    EXPECT_EQ(QVFormataSegundos(3725, &h, &m, &s), "01:02:05");
    EXPECT_EQ(s, 5);
    EXPECT_EQ(QVFormataSegundos(100 * 3600), "100:00:00");
}

}  // namespace
