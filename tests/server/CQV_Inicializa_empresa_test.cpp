// What the root object tells of the company: indices, logo, home page and category names, and
// the failures of the servers behind them.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/stand_in.h"
#include "raiz_fixture.h"

namespace {

using strings = std::vector<std::string>;
using server::CQV_Inicializa;

struct resposta {
    HRESULT hr;
    std::string texto;
    bool nulo;
    std::string erro;
};

using getter = HRESULT (STDMETHODCALLTYPE CQV_Inicializa::*)(BSTR*) noexcept;

resposta le(CQV_Inicializa& raiz, getter g) {
    SetErrorInfo(0, nullptr);
    BSTR valor = reinterpret_cast<BSTR>(0x1234);
    const HRESULT hr = (raiz.*g)(&valor);
    resposta r{hr, com::from_bstr(valor == reinterpret_cast<BSTR>(0x1234) ? nullptr : valor), valor == nullptr,
               last_error()};
    if (valor != reinterpret_cast<BSTR>(0x1234)) SysFreeString(valor);
    return r;
}

resposta categoria(CQV_Inicializa& raiz, LONG posicao) {
    SetErrorInfo(0, nullptr);
    BSTR valor = reinterpret_cast<BSTR>(0x1234);
    const HRESULT hr = raiz.GetNomeCategoria(posicao, &valor);
    resposta r{hr, com::from_bstr(valor == reinterpret_cast<BSTR>(0x1234) ? nullptr : valor), valor == nullptr,
               last_error()};
    if (valor != reinterpret_cast<BSTR>(0x1234)) SysFreeString(valor);
    return r;
}

class EmpresaTest : public raiz_fixture {
public:
    // For the rows' scripts.
    using raiz_fixture::criacao;
    using raiz_fixture::servidor;
    using raiz_fixture::sql;
};

TEST_F(EmpresaTest, IndicesListTheCurrencyAndEveryNamedIndex) {
    struct row { const char* nome; const char* sql; const char* esperado; };
    const row rows[] = {
        {"demo", "", "Real|Dólar comercial|IGP-M|IPCA|"},
        // The last entry (offset 280) counts; gaps are skipped.
        {"last entry", "INSERT INTO mestre_indice (empresa, numero, nome) VALUES ('DEMO', 14, 'TR')",
         "Real|Dólar comercial|IGP-M|IPCA|TR|"},
        {"no index", "DELETE FROM mestre_indice", "Real|"},
        {"no master record", "DELETE FROM mestre_indice; DELETE FROM mestre", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.nome);
        if (*r.sql) sql(r.sql);
        auto raiz = admin();
        const auto got = le(*raiz.get(), &CQV_Inicializa::get_Indices);
        EXPECT_EQ(got.hr, S_OK);
        EXPECT_EQ(got.texto, r.esperado);
        EXPECT_EQ(servidor(inhouse::CLSID_MestreServer).count("LeMestre"), 1u);
        ASSERT_EQ(raiz->Finaliza(), S_OK);
    }
}

TEST_F(EmpresaTest, TheLogoIsTheCompanysFullPathAndTheHomePageBranchOnes) {
    sql("UPDATE empresa_sistema SET logotipo = 'C:\\Logos\\demo.bmp'");
    auto raiz = admin();
    const auto logo = le(*raiz.get(), &CQV_Inicializa::get_CaminhoLogotipo);
    EXPECT_EQ(logo.hr, S_OK);
    EXPECT_EQ(logo.texto, "C:\\Logos\\demo.bmp");
    EXPECT_EQ(servidor(inhouse::CLSID_FilialServer).calls("LeLogotipo"), strings{"filial=-1 opcao=1"});

    const auto homepage = le(*raiz.get(), &CQV_Inicializa::get_HomepageEmpresa);
    EXPECT_EQ(homepage.hr, S_OK);
    EXPECT_EQ(homepage.texto, "https://www.demonstracao.com.br");
    EXPECT_EQ(servidor(inhouse::CLSID_FilialServer).calls("LeFilial"), strings{"posicao=1"});
    // The branch connection of the pool serves both: one server, initialised once.
    EXPECT_EQ(criacao(inhouse::CLSID_FilialServer).count("CreateInstance"), 1u);
    EXPECT_EQ(conexao("CConexaoFilial").calls("Inicializa").size(), 1u);
    EXPECT_NE(conexao("CConexaoFilial").calls("Inicializa").front().find("todas=0"), std::string::npos);
}

TEST_F(EmpresaTest, AFailedReadIsReportedWithNoText) {
    struct row {
        const char* nome;
        getter g;
        std::function<void(EmpresaTest&)> script;
        HRESULT hr;
        const char* erro;
    };
    const row rows[] = {
        {"master server not created", &CQV_Inicializa::get_Indices,
         [](EmpresaTest& t) { t.criacao(inhouse::CLSID_MestreServer).answer("CreateInstance", {E_FAIL}); },
         DISP_E_EXCEPTION, "Falha ao buscar o mestre."},
        {"master record not read", &CQV_Inicializa::get_Indices,
         [](EmpresaTest& t) { t.servidor(inhouse::CLSID_MestreServer).answer("LeMestre", {E_ACCESSDENIED}); },
         E_ACCESSDENIED, "Falha ao buscar o mestre."},
        {"logo not read", &CQV_Inicializa::get_CaminhoLogotipo,
         [](EmpresaTest& t) { t.servidor(inhouse::CLSID_FilialServer).answer("LeLogotipo", {E_FAIL}); },
         E_FAIL, "Falha ao ler logotipo."},
        {"branch server not created", &CQV_Inicializa::get_CaminhoLogotipo,
         [](EmpresaTest& t) { t.criacao(inhouse::CLSID_FilialServer).answer("CreateInstance", {E_OUTOFMEMORY}); },
         E_OUTOFMEMORY, "Falha ao ler logotipo."},
        // The home page's read was never examined: a failed one is a failure, not an empty page.
        {"branch record not read", &CQV_Inicializa::get_HomepageEmpresa,
         [](EmpresaTest& t) { t.servidor(inhouse::CLSID_FilialServer).answer("LeFilial", {E_FAIL}); },
         E_FAIL, "Falha ao ler filial."},
        {"no branch 1", &CQV_Inicializa::get_HomepageEmpresa,
         [](EmpresaTest& t) { t.sql("DELETE FROM filial WHERE posicao = 1"); },
         static_cast<HRESULT>(0x80040203u), "Falha ao ler filial."},
        {"branch server initialisation refused", &CQV_Inicializa::get_HomepageEmpresa,
         [](EmpresaTest& t) { t.servidor(inhouse::CLSID_FilialServer).answer("Inicializa", {E_ACCESSDENIED}); },
         E_ACCESSDENIED, "Falha ao ler filial."},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.nome);
        auto raiz = admin();
        r.script(*this);
        const auto got = le(*raiz.get(), r.g);
        EXPECT_EQ(got.hr, r.hr);
        EXPECT_TRUE(got.nulo);
        EXPECT_EQ(got.erro, r.erro);
        ASSERT_EQ(raiz->Finaliza(), S_OK);
        sql("INSERT OR IGNORE INTO filial (empresa, posicao, codigo, nome) VALUES ('DEMO', 1, 1, 'Matriz')");
    }
}

TEST_F(EmpresaTest, WithoutALoginTheCompanysDataAreRefused) {
    auto raiz = com::make<CQV_Inicializa>();
    for (getter g : {&CQV_Inicializa::get_Indices, &CQV_Inicializa::get_CaminhoLogotipo,
                     &CQV_Inicializa::get_HomepageEmpresa}) {
        const auto got = le(*raiz.get(), g);
        EXPECT_TRUE(FAILED(got.hr)) << std::hex << got.hr;
        EXPECT_TRUE(got.nulo);
        EXPECT_NE(got.erro, "");
    }
}

TEST_F(EmpresaTest, CategoryNamesOneToThreeComeFromANewlyInitialisedServer) {
    auto raiz = regional();
    struct row { LONG posicao; const char* nome; };
    const row rows[] = {{1, "Pequeno porte"}, {2, "Varejista"}, {3, "Região Sul"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.posicao);
        const auto got = categoria(*raiz.get(), r.posicao);
        EXPECT_EQ(got.hr, S_OK);
        EXPECT_EQ(got.texto, r.nome);
    }
    EXPECT_EQ(servidor(inhouse::CLSID_CategoriasServer).calls("LeCategoria"),
              (strings{"posicao=1", "posicao=2", "posicao=3"}));
    // A server of its own for each question, created with the retrying creation.
    EXPECT_EQ(criacao(inhouse::CLSID_CategoriasServer).count("CreateInstance"), 3u);

    // The 36-byte session record: session at 0, user at 4, the company from 6, the rest zero.
    LONG sessao = 0;
    ASSERT_EQ(raiz->get_m_lNumeroSessao(&sessao), S_OK);
    std::array<unsigned char, 36> esperado{};
    std::memcpy(&esperado[0], &sessao, 4);
    esperado[4] = 4;
    std::memcpy(&esperado[6], "DEMO", 4);
    const strings inicializacoes = servidor(inhouse::CLSID_CategoriasServer).calls("Inicializa");
    ASSERT_EQ(inicializacoes.size(), 3u);
    EXPECT_EQ(inicializacoes[0], inhouse::hex_bytes(esperado.data(), esperado.size()));
}

TEST_F(EmpresaTest, ACategoryOutsideOneToThreeIsNoQuestionAndAMissingOneIsEmpty) {
    sql("DELETE FROM categoria WHERE posicao = 2");
    auto raiz = admin();
    struct row { LONG posicao; const char* texto; bool nulo; };
    const row rows[] = {{0, "", true}, {4, "", true}, {-1, "", true}, {0x7FFFFFFF, "", true}, {2, "", false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.posicao);
        const auto got = categoria(*raiz.get(), r.posicao);
        EXPECT_EQ(got.hr, S_OK);
        EXPECT_EQ(got.texto, r.texto);
        EXPECT_EQ(got.nulo, r.nulo);
    }
    EXPECT_EQ(criacao(inhouse::CLSID_CategoriasServer).count("CreateInstance"), 1u);
    EXPECT_EQ(raiz->GetNomeCategoria(1, nullptr), E_POINTER);
}

TEST_F(EmpresaTest, AFailedCategoryQuestionIsReported) {
    struct row {
        const char* nome;
        std::function<void(EmpresaTest&)> script;
        HRESULT hr;
        const char* erro;
    };
    const row rows[] = {
        {"server not created",
         [](EmpresaTest& t) { t.criacao(inhouse::CLSID_CategoriasServer).answer("CreateInstance", {E_OUTOFMEMORY}); },
         E_OUTOFMEMORY, "Falha ao instanciar servidor de categorias."},
        {"server not initialised",
         [](EmpresaTest& t) { t.servidor(inhouse::CLSID_CategoriasServer).answer("Inicializa", {E_FAIL}); }, E_FAIL,
         "Falha ao inicializar servidor de categorias."},
        {"category not read",
         [](EmpresaTest& t) { t.servidor(inhouse::CLSID_CategoriasServer).answer("LeCategoria", {E_ACCESSDENIED}); },
         E_ACCESSDENIED, "Falha ao ler categoria."},
    };
    auto raiz = admin();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.nome);
        esquece_chamadas();
        r.script(*this);
        const auto got = categoria(*raiz.get(), 1);
        EXPECT_EQ(got.hr, r.hr);
        EXPECT_TRUE(got.nulo);
        EXPECT_EQ(got.erro, r.erro);
    }
}

}  // namespace
