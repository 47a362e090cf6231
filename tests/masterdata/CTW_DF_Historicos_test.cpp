// The standard histories loaded whole from the pool's history connection: the load and its
// failures, the three orders, the cursor and the search by code.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "masterdata/CTW_DF_Historicos.h"
#include "tests/masterdata/historicos_fixture.h"

using masterdata::CTW_DF_Historicos;

namespace {

class Historicos : public historicos_fixture {
protected:
    Historicos() : lista(com::make<CTW_DF_Historicos>()) {}

    ULONG load(HRESULT expected = S_OK) {
        ULONG n = 12345;
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(lista->BuscaPonteiros(&n), expected);
        return n;
    }
    // "code|classification|text" of every entry, in the list's order.
    std::vector<std::string> listed(ULONG n) {
        std::vector<std::string> out;
        for (ULONG i = 0; i < n; ++i) {
            EXPECT_EQ(lista->LePosicao(i), S_OK);
            out.push_back(current());
        }
        return out;
    }
    std::string current() {
        return text([&](BSTR* p) { return lista->GetCodigo(p); }) + "|" +
               text([&](BSTR* p) { return lista->GetClassificacao(p); }) + "|" +
               text([&](BSTR* p) { return lista->GetNome(p); });
    }

    com::com_ptr<CTW_DF_Historicos> lista;
};

TEST_F(Historicos, LoadsTheDemoRegisterSortedByClassification) {
    const ULONG n = load();
    ASSERT_EQ(n, 14u);
    const auto all = listed(n);
    // Only the classification is ordered: entries with the same one come in no fixed order.
    auto classificacao = [](const std::string& e) {
        const size_t a = e.find('|') + 1;
        return e.substr(a, e.find('|', a) - a);
    };
    for (size_t i = 1; i < all.size(); ++i) EXPECT_LE(classificacao(all[i - 1]), classificacao(all[i]));
    EXPECT_EQ(server().count("Le"), 14u);
    EXPECT_EQ(server().calls("Posicoes"), std::vector<std::string>{"0 0 0 quantidade=14"});
}

TEST_F(Historicos, SortsByCodeTextOrClassification) {
    register_only({{1, "10", "B", "beta"}, {2, "9", "A", "alfa"}, {3, "X", "C", "Gama"}, {4, "2", "a", "Delta"}});
    ASSERT_EQ(load(), 4u);
    struct caso {
        USHORT ordem;
        std::vector<std::string> esperado;
    };
    const caso casos[] = {
        // A code without digits counts as 0; "9" comes before "10".
        {0, {"X|C|Gama", "2|a|Delta", "9|A|alfa", "10|B|beta"}},
        // Byte-wise and case-sensitive: capitals first.
        {1, {"2|a|Delta", "X|C|Gama", "9|A|alfa", "10|B|beta"}},
        {2, {"9|A|alfa", "10|B|beta", "X|C|Gama", "2|a|Delta"}},
        {3, {"X|C|Gama", "2|a|Delta", "9|A|alfa", "10|B|beta"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.ordem);
        EXPECT_EQ(lista->SetOrdenacao(c.ordem), S_OK);
        EXPECT_EQ(listed(4), c.esperado);
    }
}

TEST_F(Historicos, ASecondLoadAnswersFromMemory) {
    ASSERT_EQ(load(), 14u);
    sql("DELETE FROM historico WHERE posicao > 2");
    EXPECT_EQ(load(), 14u);
    EXPECT_EQ(server().count("Quantidade"), 1u);
    EXPECT_EQ(server().count("Le"), 14u);
}

TEST_F(Historicos, AnEmptyRegisterIsNoFailureAndIsAskedAgain) {
    register_only({});
    EXPECT_EQ(load(), 0u);
    register_only({{7, "1", "01", "Um"}});
    EXPECT_EQ(load(), 1u);
    EXPECT_EQ(listed(1), std::vector<std::string>{"1|01|Um"});
}

TEST_F(Historicos, FailuresGiveTheirTextAndTheServersResultAndLoadNothing) {
    struct caso {
        const char* nome;
        std::function<void()> script;
        HRESULT hr;
        const char* texto;
    };
    const HRESULT falha = static_cast<HRESULT>(0x80041234u);
    const caso casos[] = {
        {"count", [&] { server().answer("Quantidade", {falha}); }, falha, "Falha ao buscar quantidade de históricos"},
        {"positions", [&] { server().answer("Posicoes", {falha}); }, falha, "Falha ao buscar índices de históricos"},
        // The third record fails: the two read before are not served either.
        {"read halfway", [&] { server().answer("Le", {S_OK, S_OK, falha}); }, falha, "Falha ao ler dados de histórico"},
        {"no server", [&] { creation().answer("CreateInstance", {falha}); }, E_UNEXPECTED,
         "Falha ao buscar quantidade de históricos"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        server::CPoolConexoes::Destroi();
        auto nova = com::make<CTW_DF_Historicos>();
        c.script();
        ULONG n = 99;
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(nova->BuscaPonteiros(&n), c.hr);
        EXPECT_EQ(last_error(), c.texto);
        EXPECT_EQ(n, 0u);
        EXPECT_EQ(nova->LePosicao(0), E_INVALIDARG);
        // Nothing was kept: the next call loads the whole register.
        n = 0;
        EXPECT_EQ(nova->BuscaPonteiros(&n), S_OK);
        EXPECT_EQ(n, 14u);
    }
}

TEST_F(Historicos, APositiveAnswerOfTheServerIsNoFailure) {
    server().answer("Le", {S_FALSE});
    EXPECT_EQ(load(), 14u);
}

TEST_F(Historicos, PositionsOutsideTheListAreRefusedAndLeaveTheCurrentEntry) {
    register_only({{1, "5", "01", "Cinco"}});
    ASSERT_EQ(load(), 1u);
    ASSERT_EQ(lista->LePosicao(0), S_OK);
    for (ULONG pos : {1ul, 0xFFFFFFFFul}) {
        SCOPED_TRACE(pos);
        EXPECT_EQ(lista->LePosicao(pos), E_INVALIDARG);
        EXPECT_EQ(current(), "5|01|Cinco");
    }
}

TEST_F(Historicos, BeforeAnyReadTheCurrentEntryIsEmpty) {
    EXPECT_EQ(current(), "||");
}

TEST_F(Historicos, LocalizaCodigoFindsTheFirstEntryWithTheCodesNumber) {
    register_only({{1, "007", "01", "Sete"}, {2, "12", "02", "Doze"}, {3, "7", "03", "Outro sete"}});
    ASSERT_EQ(load(), 3u);
    USHORT achou = 9;
    EXPECT_EQ(lista->LocalizaCodigo(7, &achou), S_OK);
    EXPECT_EQ(achou, 1);
    EXPECT_EQ(current(), "007|01|Sete");
    EXPECT_EQ(lista->LocalizaCodigo(8, &achou), S_OK);
    EXPECT_EQ(achou, 0);
    EXPECT_EQ(current(), "007|01|Sete");
}

}  // namespace
