// The editor server's client: how a file's text becomes lines, and what it reads and lists
// through the editor server, failures included.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "masterdata/CClienteQvsEditor.h"
#include "tests/masterdata/editor_fixture.h"

using masterdata::CClienteQvsEditor;
using lines = std::vector<std::string>;

namespace {

struct split_case {
    const char* name;
    std::string text;
    lines expected;
};

TEST(CClienteQvsEditor, SplitsTheTextAtLfCrAndTheirPairs) {
    using namespace std::string_literals;
    const split_case cases[] = {
        {"CR LF and LF CR are pairs", "A\r\nB\n\rC", {"A\r\n", "B\n\r", "C"}},
        {"a final terminator gives no empty line", "A\r\nB\r\n", {"A\r\n", "B\r\n"}},
        {"no terminator: one line", "ABC", {"ABC"}},
        {"empty text: no line", "", {}},
        {"LF alone", "A\nB", {"A\n", "B"}},
        {"CR alone", "A\rB", {"A\r", "B"}},
        {"two LFs are two lines", "A\n\nB", {"A\n", "\n", "B"}},
        {"LF CR then LF", "A\n\r\n", {"A\n\r", "\n"}},
        {"a lone LF", "\n", {"\n"}},
        {"a lone CR LF", "\r\n", {"\r\n"}},
        {"a lone CR", "\r", {"\r"}},
        {"a CR first, then an LF further on", "\rA\nB", {"\r", "A\n", "B"}},
        {"no LF left and a CR first: the rest is one line", "A\r\rB", {"A\r", "\rB"}},
        {"a CR first and no LF at all", "\rA", {"\rA"}},
        {"0xFD removed from the unterminated last line only", "A\xFD\r\nB\xFD" "C\xFD", {"A\xFD\r\n", "BC"}},
        {"0xFD kept in a terminated last line", "A\xFD\n", {"A\xFD\n"}},
        {"a last line of 0xFD alone becomes empty", "A\n\xFD\xFD", {"A\n", ""}},
        {"0xFD removed from an unsplit CR remainder", "\r\xFD" "A", {"\rA"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        lines out{"earlier"};
        CClienteQvsEditor::SeparaLinhas(c.text, out);
        lines expected{"earlier"};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(out, expected);
    }
}

class ClienteEditor : public editor_fixture {
protected:
    bool open(const char* modulo = "CN", const char* extensao = "REL") {
        return client.Inicializa(modulo, extensao, "DEMO", 7, 4242) == TRUE;
    }
    std::vector<std::string> names() {
        std::vector<std::string> out;
        for (const auto& a : client.GetArquivos())
            out.push_back(masterdata::NomeArquivo(a) + "|" + masterdata::DescricaoArquivo(a));
        return out;
    }
    CClienteQvsEditor client;
};

TEST_F(ClienteEditor, OpensTheServerWithTheModuleAndTheSession) {
    ASSERT_TRUE(open());
    EXPECT_EQ(editor().calls("Inicializa"), std::vector<std::string>{"modulo=CN empresa=DEMO usuario=7 sessao=4242"});
    // Opening again releases the first server before the second is made.
    ASSERT_TRUE(open("DF", "FOR"));
    EXPECT_EQ(creation().count("CreateInstance"), 2u);
}

TEST_F(ClienteEditor, ListsTheFilesOfTheExtensionWithTheirDescriptions) {
    file("CN", "DRE.REL", "Demonstração do resultado", "x");
    file("CN", "BALANCO.rel", "Balanço patrimonial", "x");
    file("CN", "SEM_DESCRICAO.REL", "", "x");
    file("CN", "MARGEM.FOR", "Margem de contribuição", "x");
    file("DF", "OUTRO.REL", "Outro módulo", "x");
    ASSERT_TRUE(open());
    ASSERT_TRUE(client.BuscaArquivos());
    EXPECT_EQ(names(), (std::vector<std::string>{"BALANCO.rel|Balanço patrimonial", "DRE.REL|Demonstração do resultado",
                                                 "SEM_DESCRICAO.REL|"}));
    EXPECT_EQ(editor().calls("QuantidadeArquivos"), std::vector<std::string>{"extensao=REL"});
    EXPECT_EQ(editor().calls("ListaArquivos"), std::vector<std::string>{"quantidade=3"});
}

TEST_F(ClienteEditor, AnEmptyFolderListsNothingWithoutAskingForTheList) {
    ASSERT_TRUE(open());
    EXPECT_TRUE(client.BuscaArquivos());
    EXPECT_TRUE(client.GetArquivos().empty());
    EXPECT_EQ(editor().count("ListaArquivos"), 0u);
}

TEST_F(ClienteEditor, ADescriptionLongerThanItsFieldIsCutAndTerminated) {
    file("CN", "LONGO.REL", std::string(200, 'd'), "x");
    ASSERT_TRUE(open());
    ASSERT_TRUE(client.BuscaArquivos());
    ASSERT_EQ(client.GetArquivos().size(), 1u);
    EXPECT_EQ(masterdata::DescricaoArquivo(client.GetArquivos()[0]), std::string(119, 'd'));
}

TEST_F(ClienteEditor, AFailedCountOrListLeavesAnEmptyList) {
    file("CN", "DRE.REL", "Demonstração do resultado", "x");
    ASSERT_TRUE(open());
    ASSERT_TRUE(client.BuscaArquivos());
    ASSERT_EQ(client.GetArquivos().size(), 1u);
    for (const char* method : {"QuantidadeArquivos", "ListaArquivos"}) {
        SCOPED_TRACE(method);
        editor().answer(method, {E_FAIL});
        EXPECT_FALSE(client.BuscaArquivos());
        EXPECT_TRUE(client.GetArquivos().empty());
        ASSERT_TRUE(client.BuscaArquivos());
        EXPECT_EQ(client.GetArquivos().size(), 1u);
    }
}

TEST_F(ClienteEditor, ReadsAFileAsLinesAppendedToTheArray) {
    file("CN", "DRE.REL", "", "[Relatorio]\r\nTitulo=DRE\r\nFim");
    ASSERT_TRUE(open());
    lines out{"anterior"};
    ASSERT_TRUE(client.LeArquivo("DRE.REL", out));
    EXPECT_EQ(out, (lines{"anterior", "[Relatorio]\r\n", "Titulo=DRE\r\n", "Fim"}));
    EXPECT_EQ(editor().calls("TamanhoArquivo"), std::vector<std::string>{"nome=DRE.REL"});
    EXPECT_EQ(editor().calls("LeArquivo"), std::vector<std::string>{"tamanho=28"});
}

TEST_F(ClienteEditor, ANulInsideTheFileEndsItsText) {
    using namespace std::string_literals;
    file("CN", "ZERO.REL", "", "A\r\nB\0C\r\n"s);
    ASSERT_TRUE(open());
    lines out;
    ASSERT_TRUE(client.LeArquivo("ZERO.REL", out));
    EXPECT_EQ(out, (lines{"A\r\n", "B"}));
}

TEST_F(ClienteEditor, AnEmptyFileGivesNoLine) {
    file("CN", "VAZIO.REL", "", "");
    ASSERT_TRUE(open());
    lines out;
    EXPECT_TRUE(client.LeArquivo("VAZIO.REL", out));
    EXPECT_TRUE(out.empty());
}

TEST_F(ClienteEditor, AFileThatCannotBeReadLeavesTheLinesAsTheyWere) {
    file("CN", "DRE.REL", "", "A\r\nB");
    ASSERT_TRUE(open());
    struct read_failure {
        const char* name;
        std::string file;
        const char* method;    // scripted to fail, or null
    };
    const read_failure cases[] = {
        {"size refused", "DRE.REL", "TamanhoArquivo"},
        {"bytes refused", "DRE.REL", "LeArquivo"},
        {"no such file", "NAOEXISTE.REL", nullptr},
        // Only files of the company's own folder: a name with a folder in it is refused.
        {"a path out of the folder", "..\\..\\CN\\Editor\\DRE.REL", nullptr},
        {"a drive", "C:DRE.REL", nullptr},
        {"the side file", "descricoes.txt", nullptr},
        {"a device", "CON.REL", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.method) editor().answer(c.method, {E_FAIL});
        lines out{"anterior"};
        EXPECT_FALSE(client.LeArquivo(c.file, out));
        EXPECT_EQ(out, lines{"anterior"});
    }
}

TEST_F(ClienteEditor, NothingWorksBeforeTheServerIsOpenedOrAfterItIsReleased) {
    lines out;
    EXPECT_FALSE(client.BuscaArquivos());
    EXPECT_FALSE(client.LeArquivo("DRE.REL", out));
    ASSERT_TRUE(open());
    EXPECT_TRUE(client.LiberaInterface());
    EXPECT_FALSE(client.EstaAberto());
    EXPECT_FALSE(client.BuscaArquivos());
}

TEST_F(ClienteEditor, OpeningFailsWhenTheServerCannotBeMadeOrOpened) {
    struct open_failure {
        const char* name;
        std::function<void()> script;
        const char* modulo;
    };
    const open_failure cases[] = {
        {"creation refused", [this] { creation().answer("CreateInstance", {E_OUTOFMEMORY}); }, "CN"},
        {"opening refused", [this] { editor().answer("Inicializa", {E_FAIL}); }, "CN"},
        {"opening answers S_FALSE", [this] { editor().answer("Inicializa", {S_FALSE}); }, "CN"},
        {"no such module", [] {}, "ZZ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.script();
        EXPECT_FALSE(open(c.modulo));
        EXPECT_FALSE(client.EstaAberto());
    }
}

}  // namespace
