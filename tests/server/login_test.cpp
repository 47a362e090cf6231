// The login on the root object: the failure table step by step, the company key, the length of
// the credentials, the session properties, Finaliza and the worker base.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>


#include "platform/com/com_ptr.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registration.h"
#include "server/holders/CCacheServidores.h"
#include "server/root/CEmpresarialInicializa.h"
#include "server/holders/CPoolConexoes.h"
#include "server/root/CQV_Inicializa.h"
#include "server/holders/CSessaoGlobal.h"
#include "support/stand_in_fixture.h"
#include "support/last_error.h"

namespace {

using server::CQV_Inicializa;
using server::CSessaoGlobal;

constexpr HRESULT E_LOGIN_02 = static_cast<HRESULT>(0x80040002u);
constexpr HRESULT E_LOGIN_03 = static_cast<HRESULT>(0x80040003u);
constexpr HRESULT E_LOGIN_04 = static_cast<HRESULT>(0x80040004u);
constexpr HRESULT E_LOGIN_06 = static_cast<HRESULT>(0x80040006u);
constexpr HRESULT E_LOGIN_07 = static_cast<HRESULT>(0x80040007u);
constexpr HRESULT E_LOGIN_08 = static_cast<HRESULT>(0x80040008u);
constexpr HRESULT E_BLOQUEADO = static_cast<HRESULT>(0xFFFFFFFFu);

const std::string erro_inicializar = "Erro ao inicializar ZidizUvi.";
const std::string sem_filial = "Usuário não tem acesso a nenhuma filial ativa.";
const std::string erro_versao = "Erro ao buscar versão da base.";

// The connection-like libraries whose process-wide fault plans the rows script.
constexpr const char* bibliotecas[] = {"CConexaoUsuario", "CSilentConexaoGedSrv", "CQVDadosInicializacao"};

struct resultado_login {
    HRESULT hr;
    int result;
    std::string erro;
};

class LoginTest : public stand_in_fixture {
protected:
    LoginTest() { limpa_planos(); }
    ~LoginTest() override {
        limpa_planos();
        server::CCacheServidores::Destroi();
        server::CPoolConexoes::Destroi();
        CSessaoGlobal::Destroi();
    }

    void limpa_planos() {
        for (const auto& c : inhouse::stand_in_classes()) {
            factory(*c.clsid).faults().clear();
            factory(*c.clsid).object_faults().clear();
        }
        for (const char* b : bibliotecas) inhouse::faults_of_connection(b).clear();
    }

    resultado_login login(CQV_Inicializa& root, const std::string& empresa, const std::string& usuario,
                          const std::string& senha) {
        SetErrorInfo(0, nullptr);
        INT result = -7;
        const HRESULT hr = root.Inicializa(com::to_bstr(empresa).get(), com::to_bstr(usuario).get(),
                                           com::to_bstr(senha).get(), &result);
        return {hr, result, last_error()};
    }

    void sql(const std::string& text) {
        if (!text.empty()) store().db().exec(text);
    }

    static bool holder_points_at(const CQV_Inicializa& root) {
        return CSessaoGlobal::Existe() && CSessaoGlobal::GetInstancia()->GetDados() == &root.sessao();
    }

    inhouse::fault_plan& servidor(REFCLSID clsid) { return factory(clsid).object_faults(); }
    inhouse::fault_plan& criacao(REFCLSID clsid) { return factory(clsid).faults(); }
};

struct failure_case {
    const char* name;
    std::function<void()> script;   // queues the fault
    const char* usuario;
    const char* senha;
    const char* sql;                           // store change for this row
    const char* sql_undo;
    HRESULT hr;
    int result;
    std::string erro;                          // "" : no error information
    bool branch_step_runs;                     // whether the login went on to the branch rights
};

// What the branch server answers a session without a company.
const HRESULT E_SEM_EMPRESA = inhouse::QV_E_EMPRESA_DESCONHECIDA;

TEST_F(LoginTest, EachStepFailsWithItsCodeResultAndText) {
    using inhouse::faults_of_connection;
    auto nada = [] {};
    const failure_case cases[] = {
        {"company server not created", [this] { criacao(inhouse::CLSID_EmpresaServer).answer("CreateInstance", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_LOGIN_02, 1, erro_inicializar, false},
        {"company count failed", [this] { servidor(inhouse::CLSID_EmpresaServer).answer("QuantidadeEmpresas", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_LOGIN_03, 1, erro_inicializar, false},
        {"company list failed", [this] { servidor(inhouse::CLSID_EmpresaServer).answer("ListaEmpresas", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_LOGIN_04, 1, erro_inicializar, false},
        {"user connection initialisation failed", [] { faults_of_connection("CConexaoUsuario").answer("Inicializa", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_LOGIN_06, 1, erro_inicializar, false},
        {"user connection server not created", [] { faults_of_connection("CConexaoUsuario").answer("CriaServidor", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_LOGIN_06, 1, erro_inicializar, false},
        {"user server initialisation failed", [this] { servidor(inhouse::CLSID_UsuarioServer).answer("Inicializa", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_LOGIN_06, 1, erro_inicializar, false},
        {"user check failed", [this] { servidor(inhouse::CLSID_UsuarioServer).answer("VerificaUsuario", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_LOGIN_07, 1, erro_inicializar, false},
        // Refusals keep result 1 and the later steps still run, with no company and user 0:
        // the branch server refuses that session, and its code reaches the client as it is.
        {"wrong password", nada, "ADMIN", "errada", "", "", E_SEM_EMPRESA, 1, "", true},
        {"unknown user", nada, "NINGUEM", "admin123", "", "", E_SEM_EMPRESA, 1, "", true},
        {"blocked user", nada, "BLOQUEADO", "bloqueado", "", "", E_BLOQUEADO, 1, erro_inicializar, false},
        // The position limits what a representative sees: its failure stops the login.
        {"representative position failed", [this] { servidor(inhouse::CLSID_UsuarioServer).answer("LePosicaoRepresentante", {E_ACCESSDENIED}); },
         "ADMIN", "admin123", "", "", E_ACCESSDENIED, 1, erro_inicializar, false},
        {"start-up data result 1", [] { faults_of_connection("CQVDadosInicializacao").answer("BuscaDados", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_LOGIN_08, 1, erro_inicializar, false},
        // A company that refuses to start answers S_OK with its own code, and nothing more runs.
        {"start-up data refused with its own code", nada, "ADMIN", "admin123",
         "UPDATE empresa_sistema SET situacao_inicializacao = 3", "UPDATE empresa_sistema SET situacao_inicializacao = 0", S_OK, 3, "", false},
        {"branch server not created", [this] { criacao(inhouse::CLSID_UsuarioFilialServer).answer("CreateInstance", {E_OUTOFMEMORY}); },
         "ADMIN", "admin123", "", "", E_OUTOFMEMORY, 0, "", false},
        {"branch server initialisation failed", [this] { servidor(inhouse::CLSID_UsuarioFilialServer).answer("Inicializa", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_FAIL, 0, "", true},
        {"branch rights read failed", [this] { servidor(inhouse::CLSID_UsuarioFilialServer).answer("LeDireitosFiliais", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_FAIL, 0, "", true},
        {"no active branch (all-zero table)", nada, "SEMFILIAL", "semfilial", "", "", DISP_E_EXCEPTION, 0, sem_filial, true},
        {"accounting master not created", [this] { criacao(inhouse::CLSID_MestreContabilServer).answer("CreateInstance", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_FAIL, 0, "", true},
        // A failed read is not taken for a record of another version.
        {"company record read failed", [this] { servidor(inhouse::CLSID_MestreContabilServer).answer("LeEmpresa", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_FAIL, 0, erro_inicializar, true},
        {"company record is not 1307", nada, "ADMIN", "admin123",
         "UPDATE empresa_sistema SET versao_registro = 1306", "UPDATE empresa_sistema SET versao_registro = 1307", S_FALSE, 1, "", true},
        {"version answer failed", [this] { servidor(inhouse::CLSID_MestreContabilServer).answer("VersaoBase", {E_FAIL}); },
         "ADMIN", "admin123", "", "", E_FAIL, 0, erro_versao, true},
        {"version answer is not Y", nada, "ADMIN", "admin123",
         "UPDATE empresa_sistema SET versao_base = 'N'", "UPDATE empresa_sistema SET versao_base = 'Y'", S_FALSE, 4, "", true},
        // The first Inicializa is the login's own user connection, the second the root's.
        {"root user connection initialisation failed", [] { faults_of_connection("CConexaoUsuario").answer("Inicializa", {S_OK, E_FAIL}); },
         "ADMIN", "admin123", "", "", E_FAIL, 0, erro_inicializar, true},
        {"document store initialisation failed", [] { faults_of_connection("CSilentConexaoGedSrv").answer("Inicializa", {E_ABORT}); },
         "ADMIN", "admin123", "", "", E_ABORT, 0, erro_inicializar, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        limpa_planos();
        sql(c.sql);
        c.script();
        auto root = com::make<CQV_Inicializa>();
        const auto r = login(*root.get(), "DEMO", c.usuario, c.senha);
        EXPECT_EQ(r.hr, c.hr);
        EXPECT_EQ(r.result, c.result);
        EXPECT_EQ(r.erro, c.erro);
        EXPECT_EQ(servidor(inhouse::CLSID_UsuarioFilialServer).count("Inicializa") > 0, c.branch_step_runs);
        // No failure leaves a session behind, neither in the root nor in the holder.
        LONG inicializado = -1;
        EXPECT_EQ(root->get_m_bInicializado(&inicializado), S_OK);
        EXPECT_EQ(inicializado, 0);
        EXPECT_EQ(root->sessao().m_sEmpresa, "");
        EXPECT_FALSE(holder_points_at(*root.get()));
        sql(c.sql_undo);
    }
}

TEST_F(LoginTest, TheCompanyKeyIsTrimmedMatchedWithoutCaseAndKeptAsTyped) {
    for (const char* typed : {"  demo  ", "DEMO", "\tDeMo "}) {
        SCOPED_TRACE(typed);
        limpa_planos();
        auto root = com::make<CQV_Inicializa>();
        const auto r = login(*root.get(), typed, "admin", "admin123");
        ASSERT_EQ(r.hr, S_OK);
        EXPECT_EQ(r.result, 0);
        const std::string kept = server::chave_empresa_digitada(typed);
        com::unique_bstr empresa, razao;
        LONG usuario = 0, sessao = 0, inicializado = 0;
        EXPECT_EQ(root->get_m_sEmpresa(empresa.put()), S_OK);
        EXPECT_EQ(root->get_m_sRazaoSocial(razao.put()), S_OK);
        EXPECT_EQ(root->get_m_iUsuario(&usuario), S_OK);
        EXPECT_EQ(root->get_m_lNumeroSessao(&sessao), S_OK);
        EXPECT_EQ(root->get_m_bInicializado(&inicializado), S_OK);
        EXPECT_EQ(com::from_bstr(empresa.get()), kept);
        EXPECT_EQ(com::from_bstr(razao.get()), "Demonstração Comércio Ltda");
        EXPECT_EQ(usuario, 1);
        EXPECT_GT(sessao, 0);
        EXPECT_EQ(inicializado, 1);
        // The holder answers this session to every other object of the process.
        ASSERT_TRUE(holder_points_at(*root.get()));
        CSessaoGlobal* holder = CSessaoGlobal::GetInstancia();
        EXPECT_EQ(holder->GetEmpresa(), kept);
        EXPECT_EQ(holder->GetUsuario(), 1);
        EXPECT_EQ(holder->GetNumeroSessao(), sessao);
        EXPECT_EQ(holder->GetTiposVevureze()[12], 1);
        // What the servers received.
        EXPECT_EQ(servidor(inhouse::CLSID_UsuarioServer).calls("Inicializa"),
                  std::vector<std::string>{"empresa=" + kept + " usuario=65535 sessao=0"});
        EXPECT_EQ(servidor(inhouse::CLSID_UsuarioServer).calls("VerificaUsuario"),
                  std::vector<std::string>{"usuario=admin opcao=0"});
        const std::string sessao_texto = " usuario=1 sessao=" + std::to_string(sessao);
        EXPECT_EQ(servidor(inhouse::CLSID_UsuarioFilialServer).calls("Inicializa"),
                  std::vector<std::string>{"empresa=" + kept + sessao_texto});
        EXPECT_EQ(servidor(inhouse::CLSID_MestreContabilServer).calls("LeEmpresa"),
                  std::vector<std::string>{"empresa=" + kept + " sessao=" + std::to_string(sessao) + " usuario=1"});
        EXPECT_EQ(servidor(inhouse::CLSID_MestreContabilServer).calls("VersaoBase"),
                  std::vector<std::string>{"empresa=" + std::string(typed) + " chave=" + kept});
        EXPECT_EQ(inhouse::faults_of_connection("CSilentConexaoGedSrv").calls("Inicializa"),
                  std::vector<std::string>{"empresa=" + kept + sessao_texto});
    }
}

TEST_F(LoginTest, OnlyASuccessfulStartUpOpensTheRootsConnections) {
    // A company with an empty key lets every later step pass for a refused user (user 0, no
    // company): the root's own connections must still not be opened for that empty session.
    sql("INSERT INTO empresa (chave, razao_social) VALUES ('', 'Sem chave');"
        "INSERT INTO usuario_filial (empresa, usuario, filial) VALUES ('', 0, 1);");
    struct row { const char* senha; int result; size_t conexoes_usuario, conexoes_ged; };
    const row rows[] = {
        {"errada", 1, 1, 0},     // the login's own user connection only
        {"admin123", 0, 2, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.senha);
        limpa_planos();
        auto root = com::make<CQV_Inicializa>();
        const auto got = login(*root.get(), "DEMO", "ADMIN", r.senha);
        EXPECT_EQ(got.hr, S_OK);
        EXPECT_EQ(got.result, r.result);
        EXPECT_EQ(inhouse::faults_of_connection("CConexaoUsuario").count("Inicializa"), r.conexoes_usuario);
        EXPECT_EQ(inhouse::faults_of_connection("CSilentConexaoGedSrv").count("Inicializa"), r.conexoes_ged);
    }
}

TEST_F(LoginTest, TheSessionKeepsTheUsersRepresentativePosition) {
    // Losing it would let a representative see every customer.
    struct row { int64_t posicao; unsigned short esperada; };
    const row rows[] = {{7, 7}, {0, 0}, {0x10007, 7}};   // the holder keeps the low 16 bits
    for (const auto& r : rows) {
        SCOPED_TRACE(r.posicao);
        limpa_planos();
        sql("UPDATE usuario SET posicao_representante = " + std::to_string(r.posicao) +
            " WHERE empresa = 'DEMO' AND numero = 1");
        auto root = com::make<CQV_Inicializa>();
        ASSERT_EQ(login(*root.get(), "DEMO", "ADMIN", "admin123").hr, S_OK);
        EXPECT_EQ(servidor(inhouse::CLSID_UsuarioServer).calls("LePosicaoRepresentante"),
                  std::vector<std::string>{"usuario=1"});
        ASSERT_TRUE(holder_points_at(*root.get()));
        EXPECT_EQ(CSessaoGlobal::GetInstancia()->GetPosicaoRepresentante(), r.esperada);
        EXPECT_EQ(root->Finaliza(), S_OK);
        EXPECT_EQ(CSessaoGlobal::GetInstancia()->GetPosicaoRepresentante(), 0);
    }
}

TEST_F(LoginTest, EachRootOwnsItsSessionDataCache) {
    auto a = com::make<CQV_Inicializa>();
    auto b = com::make<CQV_Inicializa>();
    ASSERT_EQ(login(*a.get(), "DEMO", "ADMIN", "admin123").hr, S_OK);
    EXPECT_NE(&a->dados_tavon(), &b->dados_tavon());
    const auto& s = a->sessao();
    a->dados_tavon().SetEmpresa(s.m_sEmpresa, s.m_iUsuario, s.m_lNumeroSessao);
    _RegContaPS conta{};
    ASSERT_EQ(a->dados_tavon().LeConta(2, &conta), 0);
    EXPECT_EQ(a->dados_tavon().ContasEmCache(), 1u);
    EXPECT_EQ(b->dados_tavon().ContasEmCache(), 0u);
    EXPECT_EQ(a->dados_tavon().GetEmpresa(), "DEMO");
}

TEST_F(LoginTest, OneLoginMakesTenDataServerCalls) {
    auto root = com::make<CQV_Inicializa>();
    ASSERT_EQ(login(*root.get(), "DEMO", "ADMIN", "admin123").hr, S_OK);
    size_t calls = 0, creations = 0;
    for (const auto& c : inhouse::stand_in_classes()) {
        calls += factory(*c.clsid).object_faults().calls().size();
        creations += factory(*c.clsid).faults().calls().size();
    }
    // Company server: count, list, start-up data; user server: initialisation, check,
    // representative; branch server: initialisation, rights; accounting master: record, version.
    EXPECT_EQ(calls, 10u);
    EXPECT_EQ(creations, 5u);   // the company server twice (the login and the start-up library)
}

TEST_F(LoginTest, CredentialsOfSeventeenCharactersFitAndLongerOnesAreRefused) {
    sql("INSERT INTO usuario (empresa, numero, nome, senha_sal) VALUES ('DEMO', 17, 'USUARIO17CARACTER', sal_senha());"
        "UPDATE usuario SET senha_iteracoes = 1000, senha_hash = pbkdf2_senha('senha17caracteres', senha_sal, 1000)"
        " WHERE numero = 17;"
        "INSERT INTO usuario_filial (empresa, usuario, filial) VALUES ('DEMO', 17, 2);");
    struct row {
        std::string empresa, usuario, senha;
        HRESULT hr;
        int result;
        std::string erro;
    };
    const row rows[] = {
        {"DEMO", "USUARIO17CARACTER", "senha17caracteres", S_OK, 0, ""},
        {"DEMO", "USUARIO17CARACTERX", "senha17caracteres", E_INVALIDARG, 1, "O nome do usuário tem mais de 17 caracteres."},
        // Never cut: the 17 characters that fit are the right password, the 18th makes it another.
        {"DEMO", "USUARIO17CARACTER", "senha17caracteresX", E_INVALIDARG, 1, "A senha tem mais de 17 caracteres."},
        {"DEMO", "ADMIN", "", E_SEM_EMPRESA, 1, ""},
        {std::string(23, 'E'), "ADMIN", "admin123", E_SEM_EMPRESA, 1, ""},   // fits, but no such company
        {std::string(24, 'E'), "ADMIN", "admin123", E_INVALIDARG, 1, "O código da empresa tem mais de 23 caracteres."},
        {"   DEMO" + std::string(20, ' '), "ADMIN", "admin123", S_OK, 0, ""},   // blanks do not count
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.empresa + "/" + r.usuario + "/" + r.senha);
        auto root = com::make<CQV_Inicializa>();
        const auto got = login(*root.get(), r.empresa, r.usuario, r.senha);
        EXPECT_EQ(got.hr, r.hr);
        EXPECT_EQ(got.result, r.result);
        EXPECT_EQ(got.erro, r.erro);
    }
}

TEST_F(LoginTest, TextsWithANulOrACharacterCp1252LacksAreRefusedBeforeAnyCompare) {
    using namespace std::string_view_literals;
    struct row {
        std::wstring_view empresa, usuario, senha;
        HRESULT hr;
        int result;
        std::string erro;
    };
    const std::string empresa_invalida = "O código da empresa contém caracteres inválidos.";
    const std::string usuario_invalido = "O nome do usuário contém caracteres inválidos.";
    const std::string senha_invalida = "A senha contém caracteres inválidos.";
    const row rows[] = {
        {L"DEMO", L"ADMIN", L"admin123", S_OK, 0, ""},
        {L"DEMO", L"ADMIN", L"admin123\0junk"sv, E_INVALIDARG, 1, senha_invalida},   // cut at the NUL it logged in
        {L"DEMO", L"ADMIN", L"\xFF41\xFF44\xFF4D\xFF49\xFF4E\xFF11\xFF12\xFF13", E_INVALIDARG, 1, senha_invalida},  // fullwidth
        {L"DEMO", L"ADMIN", L"\x0100dmin123", E_INVALIDARG, 1, senha_invalida},        // best fit: "A"
        {L"DEMO", L"ADMIN", L"admin123\xD83D\xDE00", E_INVALIDARG, 1, senha_invalida},  // outside the BMP
        {L"DEMO", L"\xFF21\xFF24\xFF2D\xFF29\xFF2E", L"admin123", E_INVALIDARG, 1, usuario_invalido},
        {L"DEMO", L"ADMIN\0X"sv, L"admin123", E_INVALIDARG, 1, usuario_invalido},
        {L"\xFF24\xFF25\xFF2D\xFF2F", L"ADMIN", L"admin123", E_INVALIDARG, 1, empresa_invalida},
        {L"DEMO\0"sv, L"ADMIN", L"admin123", E_INVALIDARG, 1, empresa_invalida},
        // Characters CP1252 holds go on to the check: a wrong password like any other.
        {L"DEMO", L"ADMIN", L"a\x00E7\x00E3o\x20AC", E_SEM_EMPRESA, 1, ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(com::to_ansi(std::wstring(r.empresa) + L"/" + std::wstring(r.usuario) + L"/" + std::wstring(r.senha)));
        limpa_planos();
        auto root = com::make<CQV_Inicializa>();
        SetErrorInfo(0, nullptr);
        INT result = -7;
        const HRESULT hr = root->Inicializa(com::to_bstr(r.empresa).get(), com::to_bstr(r.usuario).get(),
                                            com::to_bstr(r.senha).get(), &result);
        EXPECT_EQ(hr, r.hr);
        EXPECT_EQ(result, r.result);
        EXPECT_EQ(last_error(), r.erro);
        // A refused text is never compared with anything: the company list is not even read.
        if (r.hr == E_INVALIDARG) {
            EXPECT_EQ(factory(inhouse::CLSID_EmpresaServer).faults().count("CreateInstance"), 0u);
        }
    }
}

TEST_F(LoginTest, AnyNonZeroRightsByteGivesAccess) {
    // SEMFILIAL's own rows are inactive: one active flag anywhere in the table is enough.
    for (int filial : {0, 1, 999}) {
        SCOPED_TRACE(filial);
        sql("DELETE FROM usuario_filial WHERE usuario = 2;"
            "INSERT INTO usuario_filial (empresa, usuario, filial) VALUES ('DEMO', 2, " + std::to_string(filial) + ");");
        auto root = com::make<CQV_Inicializa>();
        const auto r = login(*root.get(), "DEMO", "SEMFILIAL", "semfilial");
        EXPECT_EQ(r.hr, S_OK);
        EXPECT_EQ(r.result, 0);
    }
}

TEST_F(LoginTest, FinalizaEndsTheSessionForEveryClientAndTwiceIsHarmless) {
    auto root = com::make<CQV_Inicializa>();
    ASSERT_EQ(login(*root.get(), "DEMO", "ADMIN", "admin123").hr, S_OK);
    server::CPoolConexoes::GetInstancia();
    server::CCacheServidores::GetInstancia();
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(root->Finaliza(), S_OK);
        EXPECT_FALSE(CSessaoGlobal::Existe());
        EXPECT_FALSE(server::CPoolConexoes::Existe());
        EXPECT_FALSE(server::CCacheServidores::Existe());
        LONG inicializado = -1, usuario = -1;
        root->get_m_bInicializado(&inicializado);
        root->get_m_iUsuario(&usuario);
        EXPECT_EQ(inicializado, 0);
        EXPECT_EQ(usuario, 0);
    }
    // An empty holder answers as an empty session.
    CSessaoGlobal* holder = CSessaoGlobal::GetInstancia();
    EXPECT_EQ(holder->GetEmpresa(), "");
    EXPECT_EQ(holder->GetNumeroSessao(), 0);
    EXPECT_EQ(holder->GetPosicaoRepresentante(), 0);
    // A finished session is not initialised: a worker cannot take it for a valid one.
    server::CEmpresarialInicializa worker;
    EXPECT_EQ(worker.Inicializa(static_cast<IQV_Inicializa*>(root.get())), S_OK);
    EXPECT_THROW(worker.VerificaInicializado(), com::numbered_failure);
}

TEST_F(LoginTest, TheLatestLoginWinsAndAnEndedRootIsNeverReadThroughTheHolder) {
    auto a = com::make<CQV_Inicializa>();
    auto b = com::make<CQV_Inicializa>();
    ASSERT_EQ(login(*a.get(), "DEMO", "ADMIN", "admin123").hr, S_OK);
    server::CPoolConexoes::GetInstancia();
    ASSERT_EQ(login(*b.get(), "demo", "ADMIN", "admin123").hr, S_OK);
    EXPECT_TRUE(holder_points_at(*b.get()));
    EXPECT_EQ(CSessaoGlobal::GetInstancia()->GetEmpresa(), "demo");
    EXPECT_FALSE(server::CPoolConexoes::Existe());   // the second login reset the holders
    EXPECT_EQ(a->sessao().m_bInicializado, 1);        // the first root keeps its own record
    b.reset();                                        // its Finaliza ends the holder
    EXPECT_FALSE(CSessaoGlobal::Existe() && CSessaoGlobal::GetInstancia()->GetDados());
}

TEST_F(LoginTest, WorkersKeepTheirOwnCopyAndLeaveTheProcessWideHoldersAlone) {
    auto root = com::make<CQV_Inicializa>();
    ASSERT_EQ(login(*root.get(), "DEMO", "ADMIN", "admin123").hr, S_OK);
    server::CPoolConexoes::GetInstancia();
    {
        server::CEmpresarialInicializa worker;
        // Before Inicializa a worker method fails with message 1.
        try {
            worker.VerificaInicializado();
            ADD_FAILURE() << "no failure before Inicializa";
        } catch (const com::numbered_failure& f) {
            EXPECT_EQ(f.hr, static_cast<HRESULT>(0x800A0001u));
            EXPECT_EQ(f.message, "1\t-\tComponente não inicializado !");
        }
        EXPECT_EQ(worker.Inicializa(static_cast<IQV_Inicializa*>(root.get())), S_OK);
        EXPECT_NO_THROW(worker.VerificaInicializado());
        EXPECT_EQ(worker.m_sEmpresa, "DEMO");
        EXPECT_EQ(worker.m_iUsuario, 1);
        EXPECT_EQ(worker.m_lNumeroSessao, root->sessao().m_lNumeroSessao);
        EXPECT_EQ(worker.m_sRazaoSocial, "Demonstração Comércio Ltda");
        EXPECT_EQ(worker.Inicializa(nullptr), S_OK);
        EXPECT_THROW(worker.VerificaInicializado(), com::numbered_failure);
    }
    // Construction, initialisation and destruction of the worker left every holder in place.
    EXPECT_TRUE(holder_points_at(*root.get()));
    EXPECT_TRUE(server::CPoolConexoes::Existe());
}

}  // namespace
