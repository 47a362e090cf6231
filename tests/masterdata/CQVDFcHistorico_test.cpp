// The standard histories read one by one: initialised from a logged-in root object, counted and
// read by list position through the worker's own connection, and its numbered messages.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "masterdata/CQVDFcHistorico.h"
#include "server/root/CQV_Inicializa.h"
#include "tests/masterdata/historicos_fixture.h"

using masterdata::CQVDFcHistorico;

namespace {

constexpr HRESULT mensagem(unsigned n) { return static_cast<HRESULT>(0x800A0000u + n); }

class Historico : public historicos_fixture {
protected:
    Historico() {
        root = com::make<server::CQV_Inicializa>();
        INT result = -1;
        EXPECT_EQ(root->Inicializa(b("DEMO").get(), b("ADMIN").get(), b("admin123").get(), &result), S_OK);
        EXPECT_EQ(result, 0);
        objeto = com::make<CQVDFcHistorico>();
    }
    HRESULT init() {
        SetErrorInfo(0, nullptr);
        return objeto->Inicializa(root.get());
    }
    LONG count(HRESULT expected = S_OK) {
        LONG n = -1;
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(objeto->GetQuantidade(&n), expected);
        return n;
    }
    // The code of a position, or the failure's HRESULT and text.
    std::string code(LONG pos) {
        BSTR out = nullptr;
        SetErrorInfo(0, nullptr);
        const HRESULT hr = objeto->GetCodigo(pos, &out);
        com::unique_bstr owned(out);
        if (FAILED(hr)) return std::to_string(static_cast<unsigned>(hr) & 0xFFFFu) + " " + last_error();
        return com::from_bstr(out);
    }

    com::com_ptr<server::CQV_Inicializa> root;
    com::com_ptr<CQVDFcHistorico> objeto;
};

TEST_F(Historico, ReadsTheHistoriesInTheServersOrder) {
    ASSERT_EQ(init(), S_OK);
    ASSERT_EQ(count(), 14);
    // The server lists by code: "9" (register position 4) before "10" (position 3).
    EXPECT_EQ(code(0), "1");
    EXPECT_EQ(code(4), "9");
    EXPECT_EQ(code(5), "10");
    EXPECT_EQ(text([&](BSTR* p) { return objeto->GetConteudo(4, p); }), "Saque em conta corrente");
    LONG id = 0;
    EXPECT_EQ(objeto->GetIdPrincipal(5, &id), S_OK);
    EXPECT_EQ(id, 3);
    LONG pos = 0;
    EXPECT_EQ(objeto->GetPosicaoLogicaIdPrincipal(3, &pos), S_OK);
    EXPECT_EQ(pos, 5);
    EXPECT_EQ(objeto->GetPosicaoLogicaIdPrincipal(999, &pos), S_OK);
    EXPECT_EQ(pos, -1);
    const std::string sessao = std::to_string(root->sessao().m_lNumeroSessao);
    EXPECT_EQ(connection().calls("Inicializa"), std::vector<std::string>{"empresa=DEMO usuario=1 sessao=" + sessao});
}

TEST_F(Historico, ThePositionLastReadIsNotReadAgain) {
    ASSERT_EQ(init(), S_OK);
    ASSERT_EQ(count(), 14);
    EXPECT_EQ(code(2), "3");
    EXPECT_EQ(text([&](BSTR* p) { return objeto->GetConteudo(2, p); }), "Valor ref. compra a prazo conforme nota fiscal nº");
    EXPECT_EQ(server().count("Le"), 1u);
}

TEST_F(Historico, PositionsOutsideTheListFailEveryTime) {
    ASSERT_EQ(init(), S_OK);
    ASSERT_EQ(count(), 14);
    const std::string fora_14 = "86 86\t-\tPosicao 14 ultrapassou os limites entre 0 e 13 ";
    EXPECT_EQ(code(14), fora_14);
    EXPECT_EQ(code(14), fora_14);
    EXPECT_EQ(code(-1), "86 86\t-\tPosicao -1 ultrapassou os limites entre 0 e 13 ");
    LONG id = 7;
    EXPECT_EQ(objeto->GetIdPrincipal(-1, &id), mensagem(86));
    EXPECT_EQ(id, 0);
    EXPECT_EQ(server().count("Le"), 0u);
}

TEST_F(Historico, AFailedReadFailsAndTheNextCallReadsAgain) {
    ASSERT_EQ(init(), S_OK);
    ASSERT_EQ(count(), 14);
    server().answer("Le", {E_FAIL, E_FAIL});
    const std::string falha = "85 85\t-\tNão conseguiu ler do Histórico, Posição 2 ! HRESULT = 80004005";
    EXPECT_EQ(code(2), falha);
    EXPECT_EQ(code(2), falha);
    EXPECT_EQ(code(2), "3");
    EXPECT_EQ(server().count("Le"), 3u);
}

TEST_F(Historico, FailuresAreTheWorkersNumberedMessages) {
    struct caso {
        const char* nome;
        std::function<void()> script;
        bool na_inicializacao;
        HRESULT hr;
        std::string texto;
    };
    const caso casos[] = {
        {"connection", [] { connection().answer("Inicializa", {E_ACCESSDENIED}); }, true, mensagem(82),
         "82\t-\tNão Conseguiu inicializar o servidor de historico!\n HRESULT: 80070005  "},
        {"count", [this] { server().answer("Quantidade", {E_FAIL}); }, false, mensagem(83),
         "83\t-\tNão conseguiu buscar a Quantidade de históricos ! HRESULT = 80004005"},
        {"positions", [this] { server().answer("Posicoes", {E_FAIL}); }, false, mensagem(84),
         "84\t-\tNão conseguiu buscar os históricos! HRESULT = 80004005"},
        {"server creation", [this] { creation().answer("CreateInstance", {E_FAIL}); }, false, mensagem(83),
         "83\t-\tNão conseguiu buscar a Quantidade de históricos ! HRESULT = 8000ffff"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        objeto = com::make<CQVDFcHistorico>();
        c.script();
        if (c.na_inicializacao) {
            EXPECT_EQ(init(), c.hr);
        } else {
            ASSERT_EQ(init(), S_OK);
            EXPECT_EQ(count(c.hr), 0);
        }
        const reported_error e = last_reported_error();
        EXPECT_EQ(e.description, c.texto);
        EXPECT_EQ(e.source.rfind("Arquivo= CDFcHistorico.cpp  linha= ", 0), 0u) << e.source;
    }
}

TEST_F(Historico, BeforeInicializaEveryCallGivesMessageOne) {
    const std::string um = "1\t-\tComponente não inicializado !";
    EXPECT_EQ(count(mensagem(1)), 0);
    EXPECT_EQ(last_error(), um);
    EXPECT_EQ(code(0), "1 " + um);
    LONG pos = 0;
    EXPECT_EQ(objeto->GetPosicaoLogicaIdPrincipal(1, &pos), mensagem(1));
    EXPECT_EQ(pos, -1);
    auto sem_sessao = com::make<server::CQV_Inicializa>();
    EXPECT_EQ(objeto->Inicializa(sem_sessao.get()), mensagem(1));
}

TEST_F(Historico, ASecondInicializaReadsTheServerAgain) {
    ASSERT_EQ(init(), S_OK);
    ASSERT_EQ(count(), 14);
    EXPECT_EQ(code(0), "1");
    ASSERT_EQ(init(), S_OK);
    EXPECT_EQ(code(0), "1");
    EXPECT_EQ(server().count("Le"), 2u);
    EXPECT_EQ(connection().count("Inicializa"), 2u);
}

}  // namespace
