// The branch list of web pages over the pool: the load with the session user's flags, the cursor,
// the three orders, the counts, the search by code, and the write of the user's flags after a
// sort, allowed only to a user with every right.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "masterdata/CTW_DF_ListaFiliais.h"
#include "tests/masterdata/filiais_fixture.h"

using masterdata::CTW_DF_ListaFiliais;

namespace {

class ListaFiliais : public filiais_fixture {
protected:
    ListaFiliais() : lista(com::make<CTW_DF_ListaFiliais>()) { login("DEMO", admin, sessao_admin); }

    ULONG load(HRESULT expected = S_OK) {
        ULONG n = 12345;
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(lista->BuscaPonteiros(&n), expected);
        return n;
    }
    // "code|name|A or I" of the current entry.
    std::string current() {
        USHORT codigo = 0;
        VARIANT_BOOL ativa = 7;
        EXPECT_EQ(lista->GetCodigo(&codigo), S_OK);
        EXPECT_EQ(lista->GetAtiva(&ativa), S_OK);
        EXPECT_TRUE(ativa == VARIANT_TRUE || ativa == VARIANT_FALSE);
        return std::to_string(codigo) + "|" + text([&](BSTR* p) { return lista->GetNome(p); }) + "|" +
               (ativa == VARIANT_TRUE ? "A" : "I");
    }
    std::vector<std::string> listed() {
        std::vector<std::string> out;
        for (ULONG i = 0;; ++i) {
            if (lista->LePosicao(i) != S_OK) break;
            out.push_back(current());
        }
        return out;
    }
    // Four branches whose code, name and register orders all differ; the user works in two.
    void four_branches(uint16_t usuario) {
        branches_only({{1, 30, "beta"}, {2, 10, "Campinas"}, {3, 40, "Alfa"}, {4, 20, "alfa"}});
        active_only(usuario, {2, 3});
    }

    com::com_ptr<CTW_DF_ListaFiliais> lista;
};

TEST_F(ListaFiliais, LoadsTheDemoBranchesWithTheUsersFlags) {
    active_only(admin, {2});
    ASSERT_EQ(load(), 2u);
    EXPECT_EQ(listed(), (std::vector<std::string>{"1|Matriz São Paulo|I", "2|Filial Rio de Janeiro|A"}));
    ULONG n = 0;
    EXPECT_EQ(lista->GetQtdFiliaisAtivas(&n), S_OK);
    EXPECT_EQ(n, 1u);
    EXPECT_EQ(current(), "2|Filial Rio de Janeiro|A");   // left on the last entry
    EXPECT_EQ(lista->GetQtdFiliaisInativas(&n), S_OK);
    EXPECT_EQ(n, 1u);
    // Loaded once: the counts asked nothing more of the server.
    EXPECT_EQ(branch_server().count("QuantidadeFiliais"), 1u);
    EXPECT_EQ(branch_server().calls("LeFiliaisAtivas"), std::vector<std::string>{"usuario=1"});
}

TEST_F(ListaFiliais, APositionWithoutABranchHasNoNameAndCodeZero) {
    // The user works in positions 1 and 2; position 2 has no branch.
    branches_only({{1, 1, "Matriz"}, {3, 3, "Terceira"}});
    ASSERT_EQ(load(), 3u);
    EXPECT_EQ(listed(), (std::vector<std::string>{"1|Matriz|A", "0|(Nome não cadastrado)|A", "3|Terceira|I"}));
}

TEST_F(ListaFiliais, SortsByCodeNameOrFlag) {
    four_branches(admin);
    ASSERT_EQ(load(), 4u);
    struct caso {
        USHORT ordem;
        std::vector<std::string> esperado;
    };
    const caso casos[] = {
        {0, {"10|Campinas|A", "20|alfa|I", "30|beta|I", "40|Alfa|A"}},
        // Byte by byte as stored: capitals before small letters.
        {1, {"40|Alfa|A", "10|Campinas|A", "20|alfa|I", "30|beta|I"}},
        {9, {"10|Campinas|A", "20|alfa|I", "30|beta|I", "40|Alfa|A"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.ordem);
        EXPECT_EQ(lista->SetOrdenacao(c.ordem), S_OK);
        EXPECT_EQ(listed(), c.esperado);
    }
    // By the flag, inactive first; among equal flags no order is kept.
    EXPECT_EQ(lista->SetOrdenacao(2), S_OK);
    std::vector<char> flags;
    for (const auto& e : listed()) flags.push_back(e.back());
    EXPECT_EQ(flags, (std::vector<char>{'I', 'I', 'A', 'A'}));
}

TEST_F(ListaFiliais, SetAtivaAfterASortWritesTheFlagOfTheEntrysBranch) {
    four_branches(admin);
    ASSERT_EQ(load(), 4u);
    ASSERT_EQ(lista->SetOrdenacao(1), S_OK);
    // Entry 2 is now "alfa", register position 4.
    ASSERT_EQ(lista->LePosicao(2), S_OK);
    EXPECT_EQ(lista->SetAtiva(VARIANT_TRUE), S_OK);
    EXPECT_EQ(current(), "20|alfa|A");
    EXPECT_EQ(stored_active(admin), (std::vector<int>{2, 3, 4}));
    // 1 is not VARIANT_TRUE: it clears the flag.
    ASSERT_EQ(lista->LePosicao(0), S_OK);
    EXPECT_EQ(lista->SetAtiva(1), S_OK);
    EXPECT_EQ(current(), "40|Alfa|I");
    EXPECT_EQ(stored_active(admin), (std::vector<int>{2, 4}));
}

TEST_F(ListaFiliais, GetFilialFindsTheBranchOfTheCodeAfterASort) {
    four_branches(admin);
    ASSERT_EQ(load(), 4u);
    ASSERT_EQ(lista->SetOrdenacao(0), S_OK);
    struct caso {
        const char* codigo;
        VARIANT_BOOL existe;
        std::string atual;
    };
    const caso casos[] = {{"30", VARIANT_TRUE, "30|beta|I"}, {"40", VARIANT_TRUE, "40|Alfa|A"},
                          {"99", VARIANT_FALSE, "40|Alfa|A"}, {"x", VARIANT_FALSE, "40|Alfa|A"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.codigo);
        VARIANT_BOOL existe = 7;
        EXPECT_EQ(lista->GetFilial(b(c.codigo).get(), &existe), S_OK);
        EXPECT_EQ(existe, c.existe);
        EXPECT_EQ(current(), c.atual);
    }
    // The entry found is the one SetAtiva writes.
    VARIANT_BOOL existe = 0;
    ASSERT_EQ(lista->GetFilial(b("30").get(), &existe), S_OK);
    EXPECT_EQ(lista->SetAtiva(VARIANT_TRUE), S_OK);
    EXPECT_EQ(stored_active(admin), (std::vector<int>{1, 2, 3}));
}

TEST_F(ListaFiliais, GetFilialLoadsTheListWhenNeeded) {
    VARIANT_BOOL existe = 0;
    EXPECT_EQ(lista->GetFilial(b("2").get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_TRUE);
    EXPECT_EQ(current(), "2|Filial Rio de Janeiro|A");
}

TEST_F(ListaFiliais, AUserWithoutEveryRightCannotChangeTheFlags) {
    login("DEMO", regional, sessao_regional);
    ASSERT_EQ(load(), 2u);
    ASSERT_EQ(lista->LePosicao(1), S_OK);
    for (VARIANT_BOOL v : {VARIANT_TRUE, VARIANT_FALSE}) {
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(lista->SetAtiva(v), E_ACCESSDENIED);
        EXPECT_EQ(last_error(), "Usuário sem permissão para alterar o acesso às filiais.");
    }
    EXPECT_EQ(current(), "2|Filial Rio de Janeiro|I");
    EXPECT_EQ(stored_active(regional), std::vector<int>{1});
    EXPECT_EQ(user_server().count("GravaFiliaisAtivas"), 0u);
}

TEST_F(ListaFiliais, ASessionThatIsNotOpenCannotChangeTheFlags) {
    login("DEMO", admin, 9999);
    ASSERT_EQ(load(), 2u);
    ASSERT_EQ(lista->LePosicao(0), S_OK);
    EXPECT_EQ(lista->SetAtiva(VARIANT_FALSE), E_ACCESSDENIED);
    EXPECT_EQ(stored_active(admin), (std::vector<int>{1, 2}));
}

TEST_F(ListaFiliais, TheCursorStaysWhereItWasOnABadIndex) {
    ASSERT_EQ(load(), 2u);
    ASSERT_EQ(lista->LePosicao(1), S_OK);
    EXPECT_EQ(lista->LePosicao(2), E_INVALIDARG);
    EXPECT_EQ(lista->LePosicao(0xFFFFFFFFu), E_INVALIDARG);
    EXPECT_EQ(current(), "2|Filial Rio de Janeiro|A");
}

TEST_F(ListaFiliais, SetAtivaWithoutACurrentEntryWritesNothing) {
    ASSERT_EQ(load(), 2u);
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(lista->SetAtiva(VARIANT_TRUE), E_INVALIDARG);
    EXPECT_EQ(last_error(), "Nenhuma filial foi selecionada.");
    EXPECT_EQ(user_server().count("GravaFiliaisAtivas"), 0u);
}

TEST_F(ListaFiliais, AFailedLoadLoadsNothingAndTheNextCallTriesAgain) {
    struct caso {
        const char* metodo;
        const char* texto;
    };
    const caso casos[] = {{"QuantidadeFiliais", "Falha ao buscar a quantidade de filiais."},
                          {"LeFiliaisAtivas", "Falha ao ler filiais ativas"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.metodo);
        lista = com::make<CTW_DF_ListaFiliais>();
        branch_server().answer(c.metodo, {E_FAIL});
        EXPECT_EQ(load(E_FAIL), 0u);
        EXPECT_EQ(last_error(), c.texto);
        EXPECT_EQ(lista->LePosicao(0), E_INVALIDARG);
        EXPECT_EQ(load(), 2u);
    }
}

TEST_F(ListaFiliais, AnEmptyRegisterIsAskedAgainOnEveryCall) {
    branches_only({});
    EXPECT_EQ(load(), 0u);
    EXPECT_EQ(load(), 0u);
    EXPECT_EQ(branch_server().count("QuantidadeFiliais"), 2u);
    ULONG n = 9;
    EXPECT_EQ(lista->GetQtdFiliaisInativas(&n), S_OK);
    EXPECT_EQ(n, 0u);
}

}  // namespace
