// The payment-condition list of web pages over the demo conditions: initialisation (also without
// a root object), module lists, the conditions handed out, validity by date, failures, and the
// builder of a condition with instalments for the older web order.
#include <gtest/gtest.h>

#include <string>

#include "base/CQVData.h"
#include "ft/ftlibrary/CCondicaoPagamento.h"
#include "platform/inhouse/condicoes/CondicoesServer.h"
#include "sales/CCondicoesPagamento.h"
#include "sales/cria_condicao_pagamento.h"
#include "sales_fixture.h"
#include "server/holders/CSessaoGlobal.h"

namespace {

class CondicoesPagamento : public sales_fixture {
protected:
    com::com_ptr<ICondicoesPagamento> lista() {
        auto l = sales::NovaListaCondicoesPagamento();
        EXPECT_EQ(l->Inicializa(raiz.get()), S_OK);
        return l;
    }
    static LONG busca(ICondicoesPagamento* l, const char* modulo) {
        LONG n = -1;
        EXPECT_EQ(l->BuscaPonteiros2(b(modulo).get(), &n), S_OK) << modulo;
        return n;
    }
    struct condicao {
        std::string codigo, nome;
        LONG posicao = -1;
        VARIANT_BOOL compras = 7;
    };
    static condicao le(ICondicaoPagamentoWeb* c) {
        condicao r;
        r.codigo = texto([&](BSTR* v) { return c->get_Codigo(v); }).second;
        r.nome = texto([&](BSTR* v) { return c->get_Nome(v); }).second;
        EXPECT_EQ(c->get_Posicao(&r.posicao), S_OK);
        EXPECT_EQ(c->get_ComprasPodeUsar(&r.compras), S_OK);
        return r;
    }
};

TEST_F(CondicoesPagamento, ListsEveryConditionOrThoseOfAModule) {
    auto l = lista();
    LONG todas = -1;
    ASSERT_EQ(l->BuscaPonteiros(&todas), S_OK);
    EXPECT_EQ(todas, 7);
    // The sales module leaves out the condition of purchases only; an abbreviation that is no
    // module reads as module 0, every condition.
    EXPECT_EQ(busca(l.get(), "FT"), 6);
    EXPECT_EQ(busca(l.get(), "ZZ"), 7);
    EXPECT_EQ(condicoes().calls("BuscaPonteiros"),
              (std::vector<std::string>{"quantidade=7 opcao=0 modulo=0", "quantidade=7 opcao=0 modulo=13",
                                        "quantidade=7 opcao=0 modulo=0"}));
}

TEST_F(CondicoesPagamento, HandsOutTheListedConditions) {
    auto l = lista();
    ASSERT_EQ(busca(l.get(), ""), 7);
    com::com_ptr<ICondicaoPagamentoWeb> c;
    ASSERT_EQ(l->BuscaPosicao(0, c.put()), S_OK);
    ASSERT_TRUE(c);
    auto r = le(c.get());
    EXPECT_EQ(r.codigo, "1");
    EXPECT_EQ(r.nome, "\xC0 vista");
    EXPECT_EQ(r.posicao, 1);
    EXPECT_EQ(r.compras, VARIANT_FALSE);
    ASSERT_EQ(l->BuscaPosicao(6, c.put()), S_OK);
    r = le(c.get());
    EXPECT_EQ(r.nome, "28 dias (compras)");
    EXPECT_EQ(r.posicao, 7);
    EXPECT_EQ(r.compras, VARIANT_TRUE);
    // Past the list: no object and no failure; a negative position is an invalid argument.
    ASSERT_EQ(l->BuscaPosicao(7, c.put()), S_OK);
    EXPECT_FALSE(c);
    EXPECT_EQ(l->BuscaPosicao(-1, c.put()), E_INVALIDARG);
    EXPECT_FALSE(c);
}

TEST_F(CondicoesPagamento, FewerReadThanCountedHandsOutOnlyThoseRead) {
    auto l = lista();
    // Seven counted, six of the sales module read: the seventh place is no condition.
    ASSERT_EQ(busca(l.get(), "FT"), 6);
    com::com_ptr<ICondicaoPagamentoWeb> c;
    ASSERT_EQ(l->BuscaPosicao(5, c.put()), S_OK);
    ASSERT_TRUE(c);
    EXPECT_EQ(le(c.get()).posicao, 6);
    ASSERT_EQ(l->BuscaPosicao(6, c.put()), S_OK);
    EXPECT_FALSE(c);
}

TEST_F(CondicoesPagamento, PurchasesMayUseAnyNonZeroByte) {
    const struct {
        int compras;
        VARIANT_BOOL esperado;
    } casos[] = {{0, VARIANT_FALSE}, {1, VARIANT_TRUE}, {255, VARIANT_TRUE}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.compras);
        sql("UPDATE condicao_pagamento SET compras = " + std::to_string(caso.compras) + " WHERE codigo = 2");
        auto l = lista();
        com::com_ptr<ICondicaoPagamentoWeb> c;
        ASSERT_EQ(l->Le(2, c.put()), S_OK);
        ASSERT_TRUE(c);
        EXPECT_EQ(le(c.get()).compras, caso.esperado);
    }
}

TEST_F(CondicoesPagamento, ValidityByDate) {
    auto l = lista();
    ASSERT_EQ(busca(l.get(), ""), 7);
    // Position 5: valid until 31/12/2025. Position 0: no limit.
    const struct {
        LONG posicao;
        const char* data;
        bool entregue;
    } casos[] = {
        {5, "30/12/2025", true}, {5, "31/12/2025", false}, {5, "01/01/2026", false},
        {0, "31/12/2025", true}, {0, "04/06/2027", true},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.data) + " " + std::to_string(caso.posicao));
        com::com_ptr<ICondicaoPagamentoWeb> c;
        ASSERT_EQ(l->BuscaPosicaoPelaData(b(caso.data).get(), caso.posicao, c.put()), S_OK);
        EXPECT_EQ(static_cast<bool>(c), caso.entregue);
    }
    // A date that cannot be read would let every condition pass.
    com::com_ptr<ICondicaoPagamentoWeb> c;
    EXPECT_EQ(l->BuscaPosicaoPelaData(b("amanh\xE3").get(), 5, c.put()), E_INVALIDARG);
    EXPECT_FALSE(c);
    EXPECT_EQ(last_error(), "Data de validade inv\xE1lida.");
}

TEST_F(CondicoesPagamento, ReadsOneConditionFromTheServer) {
    auto l = lista();
    com::com_ptr<ICondicaoPagamentoWeb> c;
    ASSERT_EQ(l->Le(4, c.put()), S_OK);
    ASSERT_TRUE(c);
    EXPECT_EQ(le(c.get()).nome, "30/60/90 dias, juros 2% ao m\xEAs");
    // A condition that is not there is the server's failure, not an empty condition.
    EXPECT_EQ(l->Le(99, c.put()), inhouse::QV_E_CONDICAO_DESCONHECIDA);
    EXPECT_FALSE(c);
    EXPECT_EQ(last_error(), "Falha ao ler condi\xE7\xF5" "es de pagamento");
}

TEST_F(CondicoesPagamento, ListsNeedInitialisation) {
    auto l = sales::NovaListaCondicoesPagamento();
    LONG n = -1;
    EXPECT_EQ(l->BuscaPonteiros(&n), E_UNEXPECTED);
    EXPECT_EQ(n, 0);
    const auto erro = last_reported_error();
    EXPECT_EQ(erro.source, "ZidizUvi.CondicoesPagamento.1");
    EXPECT_NE(erro.description.find("Inicializa"), std::string::npos);
    com::com_ptr<ICondicaoPagamentoWeb> c;
    EXPECT_EQ(l->BuscaPosicao(0, c.put()), E_UNEXPECTED);
    EXPECT_EQ(l->Le(1, c.put()), E_UNEXPECTED);
    EXPECT_EQ(l->BuscaPosicaoPelaData(b("01/01/2026").get(), 0, c.put()), E_UNEXPECTED);
    EXPECT_FALSE(c);
    EXPECT_EQ(factory(inhouse::CLSID_CondicoesServer).faults().count("CreateInstance"), 0u);
}

TEST_F(CondicoesPagamento, FailuresAreReportedWithTheirTexts) {
    const struct {
        const char* metodo;
        const char* texto;
    } casos[] = {
        {"Quantidade", "Falha ao ler quantidade de condi\xE7\xF5" "es de pagamento"},
        {"BuscaPonteiros", "Falha ao ler condi\xE7\xF5" "es de pagamento"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.metodo);
        auto l = lista();
        condicoes().answer(caso.metodo, {E_ACCESSDENIED});
        LONG n = -1;
        EXPECT_EQ(l->BuscaPonteiros(&n), E_ACCESSDENIED);
        EXPECT_EQ(n, 0);
        const auto erro = last_reported_error();
        EXPECT_EQ(erro.description, caso.texto);
        EXPECT_EQ(erro.source, "ZidizUvi.CondicoesPagamento.1");
    }
}

TEST_F(CondicoesPagamento, AFailedInitialisationLeavesTheListUninitialised) {
    auto l = sales::NovaListaCondicoesPagamento();
    conexao("CConexaoCondicaoPagamento").answer("Inicializa", {E_FAIL});
    EXPECT_EQ(l->Inicializa(raiz.get()), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao inicializar o servidor de Condi\xE7\xF5" "es de Pagamento");
    LONG n = -1;
    EXPECT_EQ(l->BuscaPonteiros(&n), E_UNEXPECTED);
    // Once started, a second initialisation does nothing.
    EXPECT_EQ(l->Inicializa(raiz.get()), S_OK);
    EXPECT_EQ(l->Inicializa2(b("OUTRA").get(), 1, 2), S_OK);
    EXPECT_EQ(conexao("CConexaoCondicaoPagamento").count("Inicializa"), 2u);
    EXPECT_EQ(l->BuscaPonteiros(&n), S_OK);
    EXPECT_EQ(n, 7);
}

TEST_F(CondicoesPagamento, Inicializa2KeepsTheSessionAndLogsNobodyIn) {
    auto* sessao = server::CSessaoGlobal::GetInstancia();
    const long antes = sessao->GetNumeroSessao();
    auto l = sales::NovaListaCondicoesPagamento();
    ASSERT_EQ(l->Inicializa2(b("DEMO").get(), 7, 4321), S_OK);
    EXPECT_EQ(conexao("CConexaoCondicaoPagamento").calls("Inicializa"),
              (std::vector<std::string>{"empresa=DEMO usuario=7 sessao=4321"}));
    // No second root object, no login: the process-wide session is the one it was.
    EXPECT_EQ(sessao->GetNumeroSessao(), antes);
    EXPECT_EQ(factory(inhouse::CLSID_UsuarioServer).faults().count("CreateInstance"), 0u);
    LONG n = -1;
    ASSERT_EQ(l->BuscaPonteiros(&n), S_OK);
    EXPECT_EQ(n, 7);
    // The builder works in that session.
    auto condicao = sales::CriaCondicaoPagamento(l.get(), 2, CURRENCY{10000000}, 0);
    ASSERT_TRUE(condicao);
    EXPECT_EQ(std::string(condicao->GetEmpresa()), "DEMO");
    EXPECT_EQ(condicao->GetUsuario(), 7);
    EXPECT_EQ(condicao->GetNumeroSessao(), 4321);
}

TEST_F(CondicoesPagamento, BuildsAConditionWithItsInstalments) {
    auto l = lista();
    // 30/60/90 over 1,000.00 from 10/01/2026.
    const uint16_t base = CQVData(10, 1, 2026).GetDataCurta();
    auto condicao = sales::CriaCondicaoPagamento(l.get(), 2, CURRENCY{10000000}, base);
    ASSERT_TRUE(condicao);
    condicao->CalculaParcelas(false);
    ASSERT_EQ(condicao->GetQtdParcelas(), 3);
    EXPECT_EQ(condicao->GetParcela(0).GetValor().GetValor64(), 3333300);
    EXPECT_EQ(condicao->GetParcela(2).GetValor().GetValor64(), 3333400);
    EXPECT_EQ(condicao->GetParcela(0).GetDataVencimento(), CQVData(9, 2, 2026).GetDataCurta());
    EXPECT_EQ(condicoes().calls("LeParcelas"), (std::vector<std::string>{"chave=2 quantidade=3"}));
    EXPECT_EQ(std::string(condicao->GetEmpresa()), "DEMO");
}

TEST_F(CondicoesPagamento, TheBuilderRefusesWhatItCannotBuild) {
    auto expect_failure = [](auto&& chamada, HRESULT esperado) {
        try {
            chamada();
            ADD_FAILURE() << "no failure";
        } catch (const com::failure& f) {
            EXPECT_EQ(f.hr, esperado);
            if (esperado != E_UNEXPECTED) EXPECT_EQ(f.text, "Falha ao criar uma condicao de pagamento");
        }
    };
    // Not a list of ours, a list not initialised, a condition that is not there.
    expect_failure([] { sales::CriaCondicaoPagamento(nullptr, 2, CURRENCY{1}, 0); }, E_INVALIDARG);
    auto nova = sales::NovaListaCondicoesPagamento();
    expect_failure([&] { sales::CriaCondicaoPagamento(nova.get(), 2, CURRENCY{1}, 0); }, E_UNEXPECTED);
    auto l = lista();
    expect_failure([&] { sales::CriaCondicaoPagamento(l.get(), 99, CURRENCY{1}, 0); },
                   inhouse::QV_E_CONDICAO_DESCONHECIDA);
    condicoes().answer("LeParcelas", {E_FAIL});
    expect_failure([&] { sales::CriaCondicaoPagamento(l.get(), 2, CURRENCY{1}, 0); }, E_FAIL);
}

}  // namespace
