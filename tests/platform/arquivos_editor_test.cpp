// The editor server's file names: only plain files of the company's own editor folder.
#include <gtest/gtest.h>

#include <string>

#include "platform/inhouse/editor/arquivos_editor.h"

namespace {

TEST(ArquivosEditor, OnlyPlainFileNamesOfTheFolderAreOpened) {
    struct name_case {
        std::string nome;
        bool aceito;
    };
    const name_case cases[] = {
        {"BALANCO.REL", true},
        {"sem extensao", true},
        {std::string(49, 'A'), true},          // the longest name the list's field carries
        {std::string(50, 'A'), false},
        {"", false},
        {".", false},
        {"..", false},
        {"..\\DF\\Editor\\X.REL", false},
        {"../X.REL", false},
        {"C:X.REL", false},
        {"\\\\servidor\\X.REL", false},
        {"*.REL", false},
        {"X?.REL", false},
        {"X.REL\r\n", false},
        {"descricoes.txt", false},             // the side file is not one of the files
        {"DESCRICOES.TXT", false},
        {"NUL.REL", false},                    // device names
        {"con", false},
        {"COM1.txt", false},
        {"LPT9", false},
        {"COM.REL", true},
        {"CONTAS.REL", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(inhouse::nome_arquivo_editor(c.nome), c.aceito);
    }
}

TEST(ArquivosEditor, ExtensionsHaveNoFolderOrWildcard) {
    struct extension_case {
        const char* extensao;
        bool aceita;
    };
    const extension_case cases[] = {
        {"REL", true}, {".REL", true}, {"", true}, {"for", true},
        {"*", false},  {"R?L", false}, {"..", false}, {"\\REL", false}, {"REL/x", false}, {"A.B", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extensao);
        EXPECT_EQ(inhouse::extensao_editor(c.extensao), c.aceita);
    }
}

}  // namespace
