#include <gtest/gtest.h>

#include "base/QVAbreOrigem.h"
#include "base/QVEventLog.h"
#include "support/qv_test_installation.h"

namespace {

// Month index of 05/2024 and key 123: "0524-000123".
constexpr uint32_t chave_mes_ano = (123u << 12) | ((2024 - 1848) * 12 + 5);

TEST(QVAbreOrigem, ProgramTableAndCommandLines) {
    struct row { unsigned origem; int modulo; const char* codigo; const char* argumentos; bool pode_abrir; };
    const row rows[] = {
        {4, 4, "QVFN", "-P%s", true},
        {5, 5, "QVFT", "-T2 -P%s", true},
        {7, 3, "QVES", "-P%s", true},
        {31, 9, "QVGE", "-P%s -M31", true},
        {38, 9, "QVGE", "-P%s -M38", true},
        {44, 20, "QVPP", "-T\"AP\" -P%s", true},
        {52, 20, "QVPP", "-R%s", true},
        {54, 23, "QVNF", "-P%s", true},
        {2, 6, "QVEF", "", false},      // a program but no pattern: cannot be opened
        {1, 0, "", "", false},
        {17, 0, "", "", false},
        {0, 0, "", "", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.origem);
        int modulo = -1;
        std::string codigo = "x", argumentos = "x";
        EXPECT_EQ(QVProgramaOrigem(r.origem, modulo, codigo, argumentos), r.modulo != 0);
        EXPECT_EQ(modulo, r.modulo);
        EXPECT_EQ(codigo, r.codigo);
        EXPECT_EQ(argumentos, r.argumentos);
        EXPECT_EQ(QVPodeAbrirOrigem(CQVQuemGerou(chave_mes_ano, r.origem)), r.pode_abrir);
    }

    qv_test_installation inst("QVAbreOrigem");
    std::string programa, parametros;
    ASSERT_TRUE(qv_comando_origem("DEMO", 7, 42, CQVQuemGerou(chave_mes_ano, 31), programa, parametros));
    EXPECT_EQ(programa, inst.root() + "Modulos\\GE\\QVGE.exe");
    EXPECT_EQ(parametros, "-E\"DEMO\" -U7 -L42 -P0524-000123 -M31");
    ASSERT_TRUE(qv_comando_origem("DEMO", 7, 42, CQVQuemGerou(chave_mes_ano, 54), programa, parametros));
    EXPECT_EQ(programa, inst.root() + "Modulos\\DF\\QVNF.exe");   // module 23 lives in module 1's folder
    const CQVQuemGerou quem(chave_mes_ano, 5);
    ASSERT_TRUE(qv_comando_origem_dmc("DEMO", 7, 42, quem, programa, parametros));
    EXPECT_EQ(parametros, "-E\"DEMO\" -U7 -L42 -DMC" + std::string(quem.GetTexto64()));
    EXPECT_FALSE(qv_comando_origem("DEMO", 7, 42, CQVQuemGerou(chave_mes_ano, 1), programa, parametros));

    // The program is not installed: the start fails and the event log says why.
    qv_event_log_capture log;
    EXPECT_FALSE(QVAbreOrigem("DEMO", 7, 42, CQVQuemGerou(chave_mes_ano, 4)));
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_TRUE(log.contains("Nome do executável inválido.") || log.contains("Caminho do executável inválido."))
        << log.entries()[0].text;
    EXPECT_FALSE(QVAbreOrigem("DEMO", 7, 42, CQVQuemGerou(chave_mes_ano, 1)));   // no program: nothing
    EXPECT_EQ(log.entries().size(), 1u);
    EXPECT_LT(QVExecutaWinExec("C:\\nao\\existe.exe"), 32u);
    EXPECT_EQ(log.entries().size(), 2u);
}

TEST(QVAbreOrigem, RunningProcessesAreFoundByExecutableName) {
    CProcessManager pm;
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    bool found = false;
    for (const auto& p : pm.GetProcessos())
        if (p.id == GetCurrentProcessId()) found = p.nome == "base_tests.exe";
    EXPECT_TRUE(found);
    // A full path names the same executable; this test program has no window to activate.
    EXPECT_EQ(pm.LocalizaEAtiva(self), 0);
    EXPECT_EQ(pm.LocalizaEAtiva("C:\\x\\nenhum-programa.exe"), 0);
    EXPECT_EQ(qv_texto_falha_execucao(0), "Falta memória para executar este módulo.");
    EXPECT_EQ(qv_texto_falha_execucao(11), "O módulo a ser executado é inválido.");
    EXPECT_EQ(qv_texto_falha_execucao(5), "Não foi possível executar este módulo.");
}

}  // namespace
