// The editor's files for web clients: initialised from a logged-in root object, the list with
// its getters, and the numbered failures of its worker.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "masterdata/CQVcEditor.h"
#include "server/root/CQV_Inicializa.h"
#include "tests/masterdata/editor_fixture.h"

using masterdata::CQVcEditor;

namespace {

class Editor : public editor_fixture {
protected:
    Editor() {
        root = com::make<server::CQV_Inicializa>();
        INT result = -1;
        EXPECT_EQ(root->Inicializa(b("DEMO").get(), b("ADMIN").get(), b("admin123").get(), &result), S_OK);
        EXPECT_EQ(result, 0);
        file("CN", "BALANCO.REL", "Balanço patrimonial", "x");
        file("CN", "DRE.REL", "Demonstração do resultado", "x");
        file("CN", "MARGEM.FOR", "Margem de contribuição", "x");
        editor_object = com::make<CQVcEditor>();
    }
    HRESULT init(const char* modulo = "CN", const char* extensao = "REL", IQV_Inicializa* raiz = nullptr) {
        SetErrorInfo(0, nullptr);
        return editor_object->Inicializa(raiz ? raiz : static_cast<IQV_Inicializa*>(root.get()), b(modulo).get(),
                                         b(extensao).get());
    }
    LONG count() {
        LONG n = -1;
        EXPECT_EQ(editor_object->GetQuantidade(&n), S_OK);
        return n;
    }
    std::vector<std::string> listed() {
        std::vector<std::string> out;
        for (LONG i = 0, n = count(); i < n; ++i)
            out.push_back(text([&](BSTR* p) { return editor_object->GetNomeArquivo(i, p); }) + "|" +
                          text([&](BSTR* p) { return editor_object->GetDescricao(i, p); }));
        return out;
    }

    com::com_ptr<server::CQV_Inicializa> root;
    com::com_ptr<CQVcEditor> editor_object;
};

TEST_F(Editor, ListsTheModulesFilesOfTheExtensionForTheRootsSession) {
    ASSERT_EQ(init(), S_OK);
    EXPECT_EQ(listed(), (std::vector<std::string>{"BALANCO.REL|Balanço patrimonial", "DRE.REL|Demonstração do resultado"}));
    const std::string sessao = std::to_string(root->sessao().m_lNumeroSessao);
    EXPECT_EQ(editor().calls("Inicializa"), std::vector<std::string>{"modulo=CN empresa=DEMO usuario=1 sessao=" + sessao});
    ASSERT_EQ(init("CN", ".for"), S_OK);
    EXPECT_EQ(listed(), std::vector<std::string>{"MARGEM.FOR|Margem de contribuição"});
}

TEST_F(Editor, PositionsOutsideTheListGiveANullTextAndSOk) {
    ASSERT_EQ(init(), S_OK);
    for (LONG pos : {-1L, 2L, 1000L}) {
        SCOPED_TRACE(pos);
        BSTR out = reinterpret_cast<BSTR>(1);
        EXPECT_EQ(editor_object->GetNomeArquivo(pos, &out), S_OK);
        EXPECT_EQ(out, nullptr);
        out = reinterpret_cast<BSTR>(1);
        EXPECT_EQ(editor_object->GetDescricao(pos, &out), S_OK);
        EXPECT_EQ(out, nullptr);
    }
}

TEST_F(Editor, BeforeInicializaTheListIsEmpty) {
    EXPECT_EQ(count(), 0);
    BSTR out = nullptr;
    EXPECT_EQ(editor_object->GetNomeArquivo(0, &out), S_OK);
    EXPECT_EQ(out, nullptr);
}

struct worker_failure {
    const char* name;
    std::function<void()> script;
    const char* modulo;
    HRESULT hr;
    std::string message;
    LONG files_after;          // the list that stays: 2 before the failing call
};

const std::string message_87 = "87\t-\tNão Conseguiu inicializar o cliente do servidor de editor!\n ";
const std::string message_88 = "88\t-\tNão Conseguiu carregar o editor!\n ";

TEST_F(Editor, FailuresAreTheWorkersNumberedMessages) {
    const worker_failure cases[] = {
        {"the server cannot be created", [this] { creation().answer("CreateInstance", {E_FAIL}); }, "CN",
         static_cast<HRESULT>(0x800A0057u), message_87, 2},
        {"the server cannot be opened", [this] { editor().answer("Inicializa", {E_FAIL}); }, "CN",
         static_cast<HRESULT>(0x800A0057u), message_87, 2},
        {"no such module", [] {}, "ZZ", static_cast<HRESULT>(0x800A0057u), message_87, 2},
        {"the files cannot be counted", [this] { editor().answer("QuantidadeArquivos", {E_FAIL}); }, "CN",
         static_cast<HRESULT>(0x800A0058u), message_88, 0},
        {"the files cannot be listed", [this] { editor().answer("ListaArquivos", {E_FAIL}); }, "CN",
         static_cast<HRESULT>(0x800A0058u), message_88, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(init(), S_OK);
        ASSERT_EQ(count(), 2);
        c.script();
        EXPECT_EQ(init(c.modulo), c.hr);
        const reported_error e = last_reported_error();
        EXPECT_EQ(e.description, c.message);
        EXPECT_EQ(e.source.rfind("Arquivo= CDFQVcEditor.cpp  linha= ", 0), 0u) << e.source;
        EXPECT_NE(e.source.find("  data="), std::string::npos) << e.source;
        EXPECT_EQ(count(), c.files_after);
    }
}

TEST_F(Editor, ARootWithoutASessionGivesMessageOne) {
    auto sem_sessao = com::make<server::CQV_Inicializa>();
    EXPECT_EQ(init("CN", "REL", sem_sessao.get()), static_cast<HRESULT>(0x800A0001u));
    EXPECT_EQ(last_error(), "1\t-\tComponente não inicializado !");
    EXPECT_EQ(creation().count("CreateInstance"), 0u);
}

}  // namespace
