#include <gtest/gtest.h>

#include <cstdio>

#include "base/CArquivoTexto.h"
#include "base/CQVException.h"
#include "base/QVCaminhos.h"

namespace {

using lines = std::vector<std::string>;

TEST(CArquivoTexto, SplitsFilesIntoLines) {
    struct file_case { const char* what; std::string bytes; lines expected; };
    const file_case cases[] = {
        {"CRLF, LF and an empty line", "a\r\nb\n\n", {"a", "b", ""}},
        {"last line without LF is trimmed", "x\n  c  ", {"x", "c"}},
        {"last line with LF keeps its blanks", "x\n  c  \n", {"x", "  c  "}},
        {"blank tail is dropped", "x\n \t \r", {"x"}},
        {"CR alone does not end a line", "a\rb\n", {"a\rb"}},
        {"empty file", "", {}},
        {"two bytes, never a mark", "\xEF\xBB", {"\xEF\xBB"}},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" "A\xC3\xA7\xC3\xA3o\r\nfim", {"A\xE7\xE3o", "fim"}},
        {"UTF-8 bytes without a mark stay as they are", "A\xC3\xA7\xC3\xA3o", {"A\xC3\xA7\xC3\xA3o"}},
        {"CP1252 bytes", "Usu\xE1rio\n", {"Usu\xE1rio"}},
        {"only a mark", "\xEF\xBB\xBF", {}},
    };
    const std::string path = QVGetPastaTemporaria() + "zu-arquivo-texto-" + std::to_string(GetCurrentProcessId()) + ".txt";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FILE* f = fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fwrite(c.bytes.data(), 1, c.bytes.size(), f);
        fclose(f);
        CArquivoTexto arquivo;
        EXPECT_TRUE(arquivo.Le(path));
        EXPECT_EQ(arquivo.GetLinhas(), c.expected);
    }
    // The file is not held open after reading.
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

TEST(CArquivoTexto, MissingFileBuffersAndPath) {
    CArquivoTexto arquivo;
    std::string buffer = "um\r\ndois\n tres ";
    EXPECT_TRUE(arquivo.SeparaLinhas(static_cast<uint32_t>(buffer.size()), buffer.data()));
    EXPECT_EQ(arquivo.GetLinhas(), (lines{"um", "dois", "tres"}));
    EXPECT_FALSE(arquivo.Le("C:\\nao\\existe\\arquivo.txt"));
    EXPECT_TRUE(arquivo.GetLinhas().empty());
    EXPECT_THROW(arquivo.SetFilePath(nullptr), CInvalidArgException);
    arquivo.SetFilePath("C:\\x.txt");
    EXPECT_EQ(arquivo.GetFilePath(), "C:\\x.txt");
}

}  // namespace
