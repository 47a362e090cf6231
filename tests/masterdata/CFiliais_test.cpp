// The registered branch list and its branch objects: initialisation and its failures, the user's
// active branches and every branch, reading by position and by code, and the write of the
// user's flags, allowed only to a user with every right.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "masterdata/CFiliais.h"
#include "masterdata/CFilial.h"
#include "server/root/CQV_Inicializa.h"
#include "tests/masterdata/filiais_fixture.h"

using masterdata::CFiliais;
using masterdata::CFilial;

namespace {

constexpr HRESULT filial_desconhecida = static_cast<HRESULT>(0x80040203u);
constexpr char sem_permissao[] = "Usuário sem permissão para alterar o acesso às filiais.";

class Filiais : public filiais_fixture {
protected:
    Filiais() : filiais(com::make<CFiliais>()) {}

    HRESULT init(uint16_t usuario) { return init(usuario, sessao_de(usuario)); }
    HRESULT init(uint16_t usuario, int32_t sessao) {
        SetErrorInfo(0, nullptr);
        return filiais->Inicializa2(b("DEMO").get(), usuario, sessao);
    }
    // "code|name|position" of a branch object, or "null".
    static std::string describe(IFilial* f) {
        if (!f) return "null";
        USHORT codigo = 0;
        LONG posicao = -1;
        EXPECT_EQ(f->get_Codigo(&codigo), S_OK);
        EXPECT_EQ(f->get_Posicao(&posicao), S_OK);
        return std::to_string(codigo) + "|" + text([&](BSTR* p) { return f->get_Nome(p); }) + "|" +
               std::to_string(posicao);
    }
    // Every branch Proxima hands out, until the null one.
    std::vector<std::string> walk() {
        std::vector<std::string> out;
        for (int guard = 0; guard < 1100; ++guard) {
            com::com_ptr<IFilial> f;
            EXPECT_EQ(filiais->Proxima(f.put()), S_OK);
            if (!f) break;
            out.push_back(describe(f.get()));
        }
        return out;
    }
    com::com_ptr<IFilial> read(LONG posicao) {
        com::com_ptr<IFilial> f;
        EXPECT_EQ(filiais->Le(posicao, f.put()), S_OK);
        return f;
    }
    static VARIANT_BOOL active(IFilial* f) {
        VARIANT_BOOL v = 7;
        EXPECT_EQ(f->get_Active(&v), S_OK);
        return v;
    }

    com::com_ptr<CFiliais> filiais;
};

TEST_F(Filiais, ListsTheUsersActiveBranchesThenEveryBranch) {
    active_only(admin, {2});
    ASSERT_EQ(init(admin), S_OK);
    LONG n = -1;
    EXPECT_EQ(filiais->get_QtdFiliaisAtivas(&n), S_OK);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(filiais->BuscaAtivas(&n), S_OK);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(walk(), std::vector<std::string>{"2|Filial Rio de Janeiro|2"});
    EXPECT_EQ(filiais->BuscaTodas(&n), S_OK);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(walk(), (std::vector<std::string>{"1|Matriz São Paulo|1", "2|Filial Rio de Janeiro|2"}));
    // Past the end: a null branch and S_OK, again and again.
    com::com_ptr<IFilial> f;
    EXPECT_EQ(filiais->Proxima(f.put()), S_OK);
    EXPECT_FALSE(f);
}

TEST_F(Filiais, ARegisterThatCannotBeCountedIsNoEmptyRegister) {
    ASSERT_EQ(init(admin), S_OK);
    LONG n = -1;
    ASSERT_EQ(filiais->BuscaAtivas(&n), S_OK);
    branch_server().answer("QuantidadeFiliais", {E_FAIL});
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(filiais->BuscaTodas(&n), E_FAIL);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(last_error(), "Falha ao buscar a quantidade de filiais.");
    // The walk of the earlier search goes on.
    EXPECT_EQ(walk().size(), 2u);
}

TEST_F(Filiais, PositionZeroOfTheBlockCountsAsTheUsersOwnFlagsSay) {
    // The block's first flag stands for no branch, yet a set flag there is counted and listed.
    active_only(admin, {0, 5});
    ASSERT_EQ(init(admin), S_OK);
    LONG n = -1;
    EXPECT_EQ(filiais->BuscaAtivas(&n), S_OK);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(filiais->get_QtdFiliaisAtivas(&n), S_OK);
    EXPECT_EQ(n, 2);
}

TEST_F(Filiais, PositionZeroReadsTheMainBranchForNewOrders) {
    ASSERT_EQ(init(admin), S_OK);
    // What the sales side takes as the default branch: the main branch's code, position 0 kept.
    EXPECT_EQ(describe(read(0).get()), "1|Matriz São Paulo|0");
    EXPECT_EQ(branch_server().calls("LeFilial"), std::vector<std::string>{"posicao=0"});
}

TEST_F(Filiais, ReadsRefusePositionsWithoutABranch) {
    ASSERT_EQ(init(admin), S_OK);
    struct caso {
        LONG posicao;
        HRESULT hr;
    };
    const caso casos[] = {{-1, E_INVALIDARG}, {1000, E_INVALIDARG}, {7, filial_desconhecida}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.posicao);
        IFilial* f = reinterpret_cast<IFilial*>(1);
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(filiais->Le(c.posicao, &f), c.hr);
        EXPECT_EQ(f, nullptr);
        EXPECT_EQ(last_error(), "Falha ao ler filial");
    }
    // Outside the block no position is asked of the server.
    EXPECT_EQ(branch_server().calls("LeFilial"), std::vector<std::string>{"posicao=7"});
}

TEST_F(Filiais, FindsABranchByItsCode) {
    branches_only({{1, 10, "Matriz"}, {2, 20, "Campinas"}});
    ASSERT_EQ(init(admin), S_OK);
    struct caso {
        const char* codigo;
        std::string esperado;
    };
    const caso casos[] = {{"20", "20|Campinas|2"}, {" 10 ", "10|Matriz|1"}, {"2", "null"}, {"x", "null"}, {"", "null"},
                          {"70000", "null"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.codigo);
        com::com_ptr<IFilial> f;
        EXPECT_EQ(filiais->Existe(b(c.codigo).get(), f.put()), S_OK);
        EXPECT_EQ(describe(f.get()), c.esperado);
    }
}

TEST_F(Filiais, InicializaReportsWhatFailed) {
    struct caso {
        const char* nome;
        std::function<void()> falha;
        const char* texto;
    };
    const caso casos[] = {
        {"branch server", [this] { branch_server().answer("Inicializa", {E_FAIL}); },
         "Falha ao inicializar o servidor de Filiais"},
        {"user server", [this] { user_server().answer("Inicializa", {E_FAIL}); },
         "Falha ao inicializar o servidor de usuários"},
        {"active branches", [this] { user_server().answer("LeFiliaisAtivas", {E_FAIL}); },
         "Falha ao ler filiais ativas"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        filiais = com::make<CFiliais>();
        c.falha();
        EXPECT_EQ(init(admin), E_FAIL);
        EXPECT_EQ(last_error(), c.texto);
        LONG n = -1;
        EXPECT_EQ(filiais->get_QtdFiliaisAtivas(&n), S_OK);
        EXPECT_EQ(n, 0);
    }
}

TEST_F(Filiais, InicializaFromARootObjectTakesItsSessionAndReportsFailures) {
    auto root = com::make<server::CQV_Inicializa>();
    // Not logged in: no company, which the user server does not know.
    EXPECT_TRUE(FAILED(filiais->Inicializa(root.get())));
    EXPECT_EQ(last_error(), "Falha ao inicializar o servidor de usuários");

    INT result = -1;
    ASSERT_EQ(root->Inicializa(b("DEMO").get(), b("ADMIN").get(), b("admin123").get(), &result), S_OK);
    filiais = com::make<CFiliais>();
    EXPECT_EQ(filiais->Inicializa(root.get()), S_OK);
    LONG n = -1;
    EXPECT_EQ(filiais->get_QtdFiliaisAtivas(&n), S_OK);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(filiais->Inicializa(nullptr), E_POINTER);
}

TEST_F(Filiais, AUserWithEveryRightChangesItsActiveBranches) {
    ASSERT_EQ(init(admin), S_OK);
    auto rio = read(2);
    EXPECT_EQ(active(rio.get()), VARIANT_TRUE);
    EXPECT_EQ(rio->put_Active(VARIANT_FALSE), S_OK);
    EXPECT_EQ(active(rio.get()), VARIANT_FALSE);
    EXPECT_EQ(stored_active(admin), std::vector<int>{1});
    // Any value but 0 sets the flag of a branch object.
    EXPECT_EQ(rio->put_Active(1), S_OK);
    EXPECT_EQ(active(rio.get()), VARIANT_TRUE);
    EXPECT_EQ(stored_active(admin), (std::vector<int>{1, 2}));
    EXPECT_EQ(user_server().calls("GravaFiliaisAtivas"), (std::vector<std::string>{"usuario=1", "usuario=1"}));
}

TEST_F(Filiais, AUserWithoutEveryRightCannotChangeItsActiveBranches) {
    ASSERT_EQ(init(regional), S_OK);
    auto sp = read(1);
    auto rio = read(2);
    const struct {
        IFilial* filial;
        VARIANT_BOOL valor;
    } casos[] = {{sp.get(), VARIANT_FALSE}, {rio.get(), VARIANT_TRUE}};
    for (const auto& c : casos) {
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(c.filial->put_Active(c.valor), E_ACCESSDENIED);
        EXPECT_EQ(last_error(), sem_permissao);
    }
    EXPECT_EQ(active(sp.get()), VARIANT_TRUE);
    EXPECT_EQ(active(rio.get()), VARIANT_FALSE);
    EXPECT_EQ(stored_active(regional), std::vector<int>{1});
    EXPECT_EQ(user_server().count("GravaFiliaisAtivas"), 0u);
}

TEST_F(Filiais, TheUserCountsOnlyWithAnOpenSessionOfItsOwn) {
    // A client that names the administrator with another user's session, or with none.
    for (int32_t sessao : {sessao_regional, 9999}) {
        SCOPED_TRACE(sessao);
        filiais = com::make<CFiliais>();
        ASSERT_EQ(init(admin, sessao), S_OK);
        auto rio = read(2);
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(rio->put_Active(VARIANT_FALSE), E_ACCESSDENIED);
        EXPECT_EQ(last_error(), sem_permissao);
        EXPECT_EQ(active(rio.get()), VARIANT_TRUE);
    }
    EXPECT_EQ(stored_active(admin), (std::vector<int>{1, 2}));
    EXPECT_EQ(user_server().count("GravaFiliaisAtivas"), 0u);
}

TEST_F(Filiais, FlagsOutsideTheBranchPositionsAreNeverWritten) {
    ASSERT_EQ(init(admin), S_OK);
    auto principal = read(0);
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(principal->put_Active(VARIANT_TRUE), E_INVALIDARG);
    EXPECT_EQ(last_error(), "Posição de filial inválida.");
    for (LONG posicao : {-1L, 1000L, 70000L}) {
        SCOPED_TRACE(posicao);
        EXPECT_EQ(filiais->SetAtiva(posicao, VARIANT_TRUE), E_INVALIDARG);
        VARIANT_BOOL v = VARIANT_TRUE;
        EXPECT_EQ(filiais->GetAtiva(posicao, &v), S_OK);
        EXPECT_EQ(v, VARIANT_FALSE);
    }
    EXPECT_EQ(user_server().count("GravaFiliaisAtivas"), 0u);
    EXPECT_EQ(stored_active(admin), (std::vector<int>{1, 2}));
}

TEST_F(Filiais, AFailedWriteOrRightsReadChangesNothing) {
    ASSERT_EQ(init(admin), S_OK);
    auto rio = read(2);
    struct caso {
        const char* metodo;
        const char* texto;
    };
    const caso casos[] = {{"GravaFiliaisAtivas", "Falha ao gravar filiais ativas."},
                          {"LeRegistroGeral", "Falha ao verificar as permissões do usuário."},
                          {"SessaoAberta", "Falha ao verificar as permissões do usuário."}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.metodo);
        user_server().answer(c.metodo, {E_FAIL});
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(rio->put_Active(VARIANT_FALSE), E_FAIL);
        EXPECT_EQ(last_error(), c.texto);
        EXPECT_EQ(active(rio.get()), VARIANT_TRUE);
        EXPECT_EQ(stored_active(admin), (std::vector<int>{1, 2}));
    }
}

TEST_F(Filiais, ABranchKeepsItsListAlive) {
    ASSERT_EQ(init(admin), S_OK);
    auto rio = read(2);
    filiais = nullptr;
    EXPECT_EQ(rio->put_Active(VARIANT_FALSE), S_OK);
    EXPECT_EQ(active(rio.get()), VARIANT_FALSE);
    EXPECT_EQ(stored_active(admin), std::vector<int>{1});
}

TEST_F(Filiais, ABranchAClientMadeBelongsToNoUser) {
    auto f = com::make<CFilial>();
    EXPECT_EQ(active(f.get()), VARIANT_FALSE);
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(f->put_Active(VARIANT_TRUE), E_UNEXPECTED);
    EXPECT_EQ(f->put_Codigo(12), S_OK);
    EXPECT_EQ(f->put_Nome(b("Nova").get()), S_OK);
    EXPECT_EQ(describe(f.get()), "12|Nova|0");
}

}  // namespace
