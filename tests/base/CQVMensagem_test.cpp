#include <gtest/gtest.h>

#include <cstdio>

#include "base/CQVArray.h"
#include "base/CQVException.h"
#include "base/CQVMensagem.h"
#include "base/QVCaminhos.h"
#include "base/QVEventLog.h"
#include "base/QVModulos.h"
#include "platform/com/failure.h"
#include "support/qv_test_installation.h"

namespace {

void write_file(const std::string& path, const std::string& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

TEST(CQVMensagem, LooksTextsUpByModuleAndNumber) {
    qv_test_installation inst("CQVMensagem");
    // The GE file of the test: CRLF and LF lines, a short line, a text with line breaks.
    write_file(inst.root() + "Mensagens\\QVGEMens.txt",
               "10      Dez\r\n"
               "12      Doze\n"
               "7       Linha 1\\nLinha 2\r\n"
               "8       \r\n"
               "9\r\n"
               "abc     Sem número\r\n"
               "13x     Depois dos dígitos\r\n"
               "10      Repetida\r\n"
               "14      Termina em quebra\\n\r\n"
               "15      Última sem quebra");
    struct lookup { int numero; int modulo; const char* expected; };
    const lookup lookups[] = {
        {10, qv_modulo::GE, "Dez"},                   // the first line of a number wins
        {12, qv_modulo::GE, "Doze"},
        {11, qv_modulo::GE, ""},
        {7, qv_modulo::GE, "Linha 1\nLinha 2"},
        {8, qv_modulo::GE, ""},                       // 8 characters or fewer: no text
        {9, qv_modulo::GE, ""},
        {13, qv_modulo::GE, "Depois dos dígitos"},
        {14, qv_modulo::GE, "Termina em quebra"},     // a final line break is cut
        {15, qv_modulo::GE, "Última sem quebra"},
        {246310, qv_modulo::DF, "Erro ao criar o servidor de portadores."},   // the demo's file
        {268623, qv_modulo::FN, "Erro ao criar o servidor de contas a receber/pagar."},
    };
    qv_event_log_capture log;
    for (const auto& l : lookups) {
        SCOPED_TRACE(l.numero);
        EXPECT_EQ(CQVMensagem::GetTexto(l.numero, l.modulo), l.expected);
    }
    EXPECT_TRUE(log.entries().empty());

    // A missing file: an event-log entry per request, naming the file; no text.
    EXPECT_EQ(CQVMensagem::GetTexto(1, qv_modulo::PP), "");
    EXPECT_EQ(CQVMensagem::GetTexto(1, qv_modulo::PP), "");
    ASSERT_EQ(log.entries().size(), 2u);
    EXPECT_TRUE(log.contains(inst.root() + "Mensagens\\QVPPMens.txt"));
    EXPECT_TRUE(log.contains("Não foi possível abrir o arquivo texto de Mensagens"));

    log.clear();
    EXPECT_EQ(CQVMensagem::Mostra(7, qv_modulo::GE), "Linha 1\nLinha 2");
    EXPECT_EQ(CQVMensagem::Mostra(99, qv_modulo::GE, ERROR_FILE_NOT_FOUND, MB_ICONERROR).rfind(
                  "Erro desconhecido encontrado. Código (99)\nErro do SO: 2 - ", 0),
              0u);
    const auto entries = log.entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].type, EVENTLOG_WARNING_TYPE);
    EXPECT_EQ(entries[0].text, "Tavon Gerenciador: Linha 1\nLinha 2");
    EXPECT_EQ(entries[1].type, EVENTLOG_ERROR_TYPE);
    EXPECT_FALSE(CQVMensagem::GetErroSO(ERROR_ACCESS_DENIED).empty());
}

TEST(CQVException, TextsComeFromTheMessageFileOrTheException) {
    qv_test_installation inst("CQVException");
    struct text_case { CQVException e; const char* mensagem; const char* relatorio_inicio; };
    const text_case texts[] = {
        {CQVException(246310, qv_modulo::DF), "Erro ao criar o servidor de portadores.",
         "Tavon Empresarial: Erro ao criar o servidor de portadores."},
        {CQVException(999, qv_modulo::DF), "", "Tavon Empresarial: Erro desconhecido encontrado. Código (999)"},
        {CQVException("Texto próprio", qv_modulo::FN, 5), "Texto próprio",
         "Tavon Financeiro: Texto próprio\nErro do SO: 5 - "},
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.mensagem);
        EXPECT_EQ(t.e.GetMensagem(), t.mensagem);
        EXPECT_EQ(t.e.TextoRelatorio().rfind(t.relatorio_inicio, 0), 0u) << t.e.TextoRelatorio();
        char buffer[8];
        EXPECT_EQ(t.e.GetErrorMessage(buffer, sizeof buffer), *t.mensagem ? TRUE : FALSE);
        EXPECT_EQ(std::string(buffer), std::string(t.mensagem).substr(0, 7));
    }
    qv_event_log_capture log;
    EXPECT_EQ(CQVException(999, qv_modulo::DF).ReportError(), IDOK);
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].type, EVENTLOG_WARNING_TYPE);   // the exclamation icon is the default
}

TEST(CQVException, TranslationOfTheExceptionInFlight) {
    struct translation { const char* what; void (*raise)(); HRESULT expected; };
    const translation cases[] = {
        {"com failure", [] { throw com::failure{E_ACCESSDENIED, "x"}; }, E_ACCESSDENIED},
        {"com failure without code", [] { throw com::failure{0, "x"}; }, DISP_E_EXCEPTION},
        {"CQVExceptionEx", [] { throw CQVExceptionEx(static_cast<HRESULT>(0x80041234)); },
         static_cast<HRESULT>(0x80041234)},
        {"CQVException with system error 5", [] { throw CQVException(1, 1, 5); }, static_cast<HRESULT>(0x80040005)},
        {"CQVException without system error", [] { throw CQVException("x", 1); }, static_cast<HRESULT>(0x8004EA61)},
        {"CFileException", [] { throw CFileException(ERROR_SHARING_VIOLATION, "a.txt"); },
         HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION)},
        {"CMemoryException", [] { throw CMemoryException(); }, static_cast<HRESULT>(0x8004EA62)},
        {"other CException", [] { throw CInvalidArgException(); }, static_cast<HRESULT>(0x8004EA63)},
        {"long", [] { throw static_cast<long>(0x80004005); }, static_cast<HRESULT>(0x80004005)},
        {"bad_alloc", [] { throw std::bad_alloc(); }, static_cast<HRESULT>(0x8004EA64)},
        {"std::exception", [] { throw std::runtime_error("x"); }, static_cast<HRESULT>(0x8004EA65)},
        {"int", [] { throw 7; }, static_cast<HRESULT>(0x8004EA66)},
        // An index outside a checked array is none of the known kinds.
        {"CQVArray index", [] { CQVArray<int, int>(true).GetAt(0); }, static_cast<HRESULT>(0x8004EA66)},
        {"unchecked CQVArray index", [] { CQVArray<int, int>(false).GetAt(0); }, static_cast<HRESULT>(0x8004EA63)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HRESULT hr = S_OK;
        try {
            c.raise();
        } catch (...) {
            hr = QVTrataExcecao();
        }
        EXPECT_EQ(hr, c.expected) << std::hex << hr;
    }
    EXPECT_EQ(QVTrataExcecao(), static_cast<HRESULT>(0x8004EA60));
}

}  // namespace
