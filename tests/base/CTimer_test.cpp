#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "base/CTimer.h"
#include "base/QVCaminhos.h"

namespace {

DWORD g_ticks = 1000;
SIZE_T g_memory = 1 << 20;
DWORD fake_ticks() { return g_ticks; }
SIZE_T fake_memory() { return g_memory; }
const CTimer::fontes fake{fake_ticks, fake_memory};

struct fake_sources {
    fake_sources() {
        g_ticks = 1000;
        g_memory = 1 << 20;
        CTimer::SetFontes(&fake);
    }
    ~fake_sources() { CTimer::SetFontes(nullptr); }
};

std::string read_all(const std::string& path) {
    std::ifstream f(path);   // the log is a text file (CRLF)
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(CTimer, SectionsExcludeNestedTimeAndCountCalls) {
    fake_sources sources;
    CTimer t;
    t.Inicia();
    EXPECT_EQ(t.m_ativo, 1);
    t.Registra(1, "A");           // 1000
    g_ticks += 10;
    t.Registra(1, "B");           // 1010: A paused
    g_ticks += 30;
    g_memory += 4096;
    t.Registra(0, "B");           // 1040: A resumed
    g_ticks += 5;
    t.Registra(0, "A");           // 1045
    t.Registra(1, "C");           // C twice: one entry, 2 calls, first begin to last end
    t.Registra(1, "C");
    g_ticks += 7;
    t.Registra(0, "C");
    g_ticks += 3;
    t.Registra(0, "C");
    t.Registra(0, "nunca");       // never begun: ignored
    g_ticks += 45;                // elapsed 100 ms
    const std::string report = t.Relatorio();
    EXPECT_EQ(t.m_ativo, 0);
    EXPECT_EQ(report,
              "TIME           T/C   %     CALLED     FUNCTION\n"
              "00:00:100 - 00 - 100 - 00000004 - 00000004 KB - Total\n"
              "00:00:030 - 00 - 030 - 00000001 - 00000004 KB - B\n"
              "00:00:015 - 00 - 015 - 00000001 - 00000000 KB - A\n"
              "00:00:010 - 00 - 010 - 00000002 - 00000000 KB - C\n");
}

TEST(CTimer, TimePerCallAndLogFile) {
    fake_sources sources;
    const std::string log = QVGetPastaTemporaria() + "zu-ctimer-" + std::to_string(GetCurrentProcessId()) + ".log";
    DeleteFileA(log.c_str());
    {
        CTimer t;
        t.SetArquivo(log);
        t.Inicia();
        for (int i = 0; i < 50; ++i) {   // 30 ms over 50 calls: 3000 / 50 = 60
            t.Registra(1, "leitura");
            if (i == 0) g_ticks += 30;
            t.Registra(0, "leitura");
        }
        t.Registra("um", 1);             // 1 ms over 1 call: 100, written 00
        g_ticks += 1;
        t.Registra("um", 0);
        g_ticks += 200000 - 31;          // 3 min 20 s
    }
    const std::string text = read_all(log);
    EXPECT_NE(text.find("\nTIME           T/C   %     CALLED     FUNCTION\n"), std::string::npos) << text;
    EXPECT_NE(text.find("03:20:000 - 00 - 100 - 00000051 - 00000000 KB - Total\n"), std::string::npos) << text;
    EXPECT_NE(text.find("00:00:030 - 60 - 000 - 00000050 - 00000000 KB - leitura\n"), std::string::npos) << text;
    EXPECT_NE(text.find("00:00:001 - 00 - 000 - 00000001 - 00000000 KB - um\n"), std::string::npos) << text;
    EXPECT_EQ(text.back(), '\n');

    // An empty run: written with the empty-run flag (the default), skipped without it.
    DeleteFileA(log.c_str());
    {
        CTimer t;
        t.SetArquivo(log);
        t.SetGravaVazio(0);
        t.Inicia();
    }
    EXPECT_FALSE(QVExisteArquivo(log));
    {
        CTimer t;
        t.SetArquivo(log);
        t.Inicia();
    }
    const std::string empty_run = read_all(log);
    const size_t first_line = empty_run.find('\n');
    ASSERT_NE(first_line, std::string::npos);
    EXPECT_EQ(empty_run.substr(first_line + 1),
              "TIME           T/C   %     CALLED     FUNCTION\n"
              "00:00:000 - 00 - 100 - 00000000 - 00000000 KB - Total\n\n");
    {
        CTimer idle;   // never started: no report
        idle.SetArquivo(log + ".idle");
    }
    EXPECT_FALSE(QVExisteArquivo(log + ".idle"));
    DeleteFileA(log.c_str());
}

}  // namespace
