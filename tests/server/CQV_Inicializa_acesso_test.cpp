// The user's rights on the root object: what the user server is asked, what the session
// remembers, and the failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/login/registros_login.h"
#include "raiz_fixture.h"

namespace {

using strings = std::vector<std::string>;

const std::string modulo_longo = "O código do módulo tem mais de 5 caracteres.";
const std::string sem_servidor = "Falhar ao instanciar servidor de usuários.";

class PossuiAcessoTest : public raiz_fixture {
protected:
    struct resposta {
        HRESULT hr;
        VARIANT_BOOL acesso;
        std::string erro;
    };
    resposta pergunta(server::CQV_Inicializa& raiz, const std::string& modulo, LONG controle) {
        SetErrorInfo(0, nullptr);
        VARIANT_BOOL acesso = 7;   // neither answer: shows that the member wrote one
        const HRESULT hr = raiz.PossuiAcesso(com::to_bstr(modulo).get(), controle, &acesso);
        return {hr, acesso, last_error()};
    }
    inhouse::fault_plan& usuarios() { return servidor(inhouse::CLSID_UsuarioServer); }

public:   // the failure rows' scripts
    void falha_criacao() { criacao(inhouse::CLSID_UsuarioServer).answer("CreateInstance", {E_OUTOFMEMORY}); }
    void falha_inicializacao() { usuarios().answer("Inicializa", {E_ACCESSDENIED}); }
    void falha_registro_geral() { usuarios().answer("LeRegistroGeral", {E_ACCESSDENIED}); }
    void falha_direito() { usuarios().answer("PossuiDireito", {E_FAIL}); }
};

TEST_F(PossuiAcessoTest, ARestrictedUserHasOnlyItsRightsAndTheServerIsAskedOnce) {
    auto raiz = regional();
    struct row { const char* modulo; LONG controle; VARIANT_BOOL acesso; };
    const row rows[] = {
        {"DF", 58, VARIANT_TRUE},    // customers may be saved
        {"DF", 60, VARIANT_FALSE},   // suppliers may not
        {"FT", 1, VARIANT_TRUE},
        {"FT", 2, VARIANT_FALSE},
    };
    strings asked;
    for (int vez = 0; vez < 2; ++vez) {
        for (const auto& r : rows) {
            SCOPED_TRACE(std::string(r.modulo) + "_" + std::to_string(r.controle) + " vez " + std::to_string(vez));
            const auto got = pergunta(*raiz.get(), r.modulo, r.controle);
            EXPECT_EQ(got.hr, S_OK);
            EXPECT_EQ(got.acesso, r.acesso);
            EXPECT_EQ(got.erro, "");
            if (vez == 0)
                asked.push_back("usuario=4 modulo=" + std::string(r.modulo) + " controle=" + std::to_string(r.controle));
        }
    }
    // Granted and refused rights alike are remembered: the second round asks nothing.
    EXPECT_EQ(usuarios().calls("PossuiDireito"), asked);
    EXPECT_EQ(usuarios().count("LeRegistroGeral"), std::size(rows));
    EXPECT_EQ(usuarios().calls("LeRegistroGeral").front(), "usuario=4");
}

TEST_F(PossuiAcessoTest, AUserWithEveryRightIsAskedEachTimeAndNeverRemembered) {
    auto raiz = admin();
    for (int vez = 0; vez < 3; ++vez) {
        const auto got = pergunta(*raiz.get(), "CN", 12345);
        EXPECT_EQ(got.hr, S_OK);
        EXPECT_EQ(got.acesso, VARIANT_TRUE);
    }
    EXPECT_EQ(usuarios().calls("LeRegistroGeral"), strings(3, "usuario=1"));
    EXPECT_EQ(usuarios().count("PossuiDireito"), 0u);
}

TEST_F(PossuiAcessoTest, TheRememberedRightsEndWithTheSession) {
    auto raiz = regional();
    EXPECT_EQ(pergunta(*raiz.get(), "DF", 60).acesso, VARIANT_FALSE);
    sql("INSERT INTO usuario_direito (empresa, usuario, modulo, controle) VALUES ('DEMO', 4, 'DF', 60)");
    EXPECT_EQ(pergunta(*raiz.get(), "DF", 60).acesso, VARIANT_FALSE) << "still the remembered refusal";

    ASSERT_EQ(raiz->Finaliza(), S_OK);
    INT resultado = -1;
    ASSERT_EQ(raiz->Inicializa(com::to_bstr(std::string("DEMO")).get(), com::to_bstr(std::string("REGIONAL")).get(),
                               com::to_bstr(std::string("regional1")).get(), &resultado),
              S_OK);
    ASSERT_EQ(resultado, 0);
    EXPECT_EQ(pergunta(*raiz.get(), "DF", 60).acesso, VARIANT_TRUE) << "a new session asks again";
    EXPECT_EQ(usuarios().count("PossuiDireito"), 2u);
}

TEST_F(PossuiAcessoTest, AModuleCodeLongerThanTheKeyFieldIsRefused) {
    auto raiz = regional();
    struct row { const char* modulo; HRESULT hr; const char* recebido; };
    const row rows[] = {
        {"ABCDEF", E_INVALIDARG, nullptr},
        {"ABCDEFGHIJKLMNOP", E_INVALIDARG, nullptr},
        {"ABCDE", S_OK, "usuario=4 modulo=ABCDE controle=1"},   // five characters fill the field
        {"", S_OK, "usuario=4 modulo= controle=1"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.modulo);
        usuarios().clear();
        const auto got = pergunta(*raiz.get(), r.modulo, 1);
        EXPECT_EQ(got.hr, r.hr);
        EXPECT_EQ(got.acesso, VARIANT_FALSE);
        EXPECT_EQ(got.erro, r.hr == S_OK ? "" : modulo_longo);
        EXPECT_EQ(usuarios().calls("PossuiDireito"), r.recebido ? strings{r.recebido} : strings{});
    }
}

TEST_F(PossuiAcessoTest, AFailedQuestionIsReportedAndNotRemembered) {
    struct row {
        const char* nome;
        void (PossuiAcessoTest::*script)();
        HRESULT hr;
        std::string erro;
    };
    const row rows[] = {
        {"server not created", &PossuiAcessoTest::falha_criacao, E_OUTOFMEMORY, sem_servidor},
        {"server initialisation refused", &PossuiAcessoTest::falha_inicializacao, E_ACCESSDENIED, sem_servidor},
        {"general record not read", &PossuiAcessoTest::falha_registro_geral, E_ACCESSDENIED,
         "Falha ao ler o registro geral do usuário."},
        {"right not read", &PossuiAcessoTest::falha_direito, E_FAIL, "Falha ao consultar o direito do usuário."},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.nome);
        auto raiz = regional();
        (this->*r.script)();
        const auto got = pergunta(*raiz.get(), "DF", 58);
        EXPECT_EQ(got.hr, r.hr);
        EXPECT_EQ(got.acesso, VARIANT_FALSE);
        EXPECT_EQ(got.erro, r.erro);
        // The next question asks the server again and gets the right.
        const auto again = pergunta(*raiz.get(), "DF", 58);
        EXPECT_EQ(again.hr, S_OK);
        EXPECT_EQ(again.acesso, VARIANT_TRUE);
    }
}

TEST_F(PossuiAcessoTest, WithoutALoginTheUserServerRefusesTheEmptySession) {
    auto raiz = com::make<server::CQV_Inicializa>();
    const auto got = pergunta(*raiz.get(), "DF", 58);
    EXPECT_EQ(got.hr, inhouse::QV_E_EMPRESA_DESCONHECIDA);
    EXPECT_EQ(got.acesso, VARIANT_FALSE);
    EXPECT_EQ(got.erro, sem_servidor);
    EXPECT_EQ(raiz->PossuiAcesso(nullptr, 58, nullptr), E_POINTER);
}

}  // namespace
