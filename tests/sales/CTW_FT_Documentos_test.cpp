// The choice lists of a web order page over the demo registers: payment forms and billing types
// read once and sorted by name (equal names in server order), the valid conditions of the sales
// module read on every count, the look-ups, the cash condition, and failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/QVRelogio.h"
#include "sales/minusculas_cp1252.h"
#include "sales_fixture.h"

namespace {

class Documentos : public sales_fixture {
protected:
    ~Documentos() override { qv_clear_simulated_clock(); }

    com::com_ptr<ITW_FT_Documentos> cria() {
        com::com_ptr<ITW_FT_Documentos> d;
        EXPECT_EQ(raiz->TW_FT_Documentos(d.put()), S_OK);
        return d;
    }
    using getter = HRESULT (STDMETHODCALLTYPE ITW_FT_Documentos::*)(USHORT, BSTR*);
    using contador = HRESULT (STDMETHODCALLTYPE ITW_FT_Documentos::*)(USHORT*);
    // Every entry of a list as "code name".
    static std::vector<std::string> lista(ITW_FT_Documentos* d, contador conta, getter nome, getter codigo) {
        USHORT n = 7;
        EXPECT_EQ((d->*conta)(&n), S_OK);
        std::vector<std::string> r;
        for (USHORT i = 0; i < n; ++i)
            r.push_back(texto([&](BSTR* v) { return (d->*codigo)(i, v); }).second + " " +
                        texto([&](BSTR* v) { return (d->*nome)(i, v); }).second);
        return r;
    }
    static std::vector<std::string> condicoes_validas(ITW_FT_Documentos* d) {
        using I = ITW_FT_Documentos;
        return lista(d, &I::GetQtdCondicaoPagamento, &I::GetNomeCondicaoPagamento, &I::GetCodCondicaoPagamento);
    }
};

using I = ITW_FT_Documentos;

TEST_F(Documentos, PaymentFormsAndBillingTypesSortedByName) {
    auto d = cria();
    EXPECT_EQ(lista(d.get(), &I::GetQtdFormaPagamento, &I::GetNomeFormaPagamento, &I::GetCodFormaPagamento),
              (std::vector<std::string>{"BOL Boleto banc\xE1rio", "CC Cart\xE3o de cr\xE9" "dito", "CHQ Cheque",
                                        "DEP Dep\xF3sito banc\xE1rio", "DIN Dinheiro"}));
    EXPECT_EQ(lista(d.get(), &I::GetQtdTipoCobranca, &I::GetNomeTipoCobranca, &I::GetCodTipoCobranca),
              (std::vector<std::string>{"CAR Carteira", "CS Cobran\xE7" "a simples", "DD Desconto de duplicatas"}));
    EXPECT_EQ(formas().calls("Quantidade"), (std::vector<std::string>{"tipo=3"}));
    EXPECT_EQ(cobrancas().calls("Quantidade"), (std::vector<std::string>{"tipo=2"}));
}

TEST_F(Documentos, FormsAreReadOnceAndAnEmptyListAgain) {
    sql("DELETE FROM documento_pagamento WHERE tipo = '3'");
    auto d = cria();
    USHORT n = 7;
    ASSERT_EQ(d->GetQtdFormaPagamento(&n), S_OK);
    EXPECT_EQ(n, 0);
    sql("INSERT INTO documento_pagamento VALUES ('DEMO', '3', 1, 'PIX', 'Pix')");
    ASSERT_EQ(d->GetQtdFormaPagamento(&n), S_OK);
    EXPECT_EQ(n, 1);
    sql("INSERT INTO documento_pagamento VALUES ('DEMO', '3', 2, 'DIN', 'Dinheiro')");
    ASSERT_EQ(d->GetQtdFormaPagamento(&n), S_OK);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(formas().count("Quantidade"), 2u);
    EXPECT_EQ(formas().count("Busca"), 2u);
}

TEST_F(Documentos, EqualNamesKeepTheServerOrder) {
    std::string valores;
    for (int p = 6; p <= 25; ++p)
        valores += std::string(valores.empty() ? "" : ",") + "('DEMO', '3', " + std::to_string(p) + ", 'P" +
                   std::to_string(p) + "', 'Pix')";
    sql("INSERT INTO documento_pagamento VALUES " + valores);
    auto d = cria();
    const auto todas = lista(d.get(), &I::GetQtdFormaPagamento, &I::GetNomeFormaPagamento, &I::GetCodFormaPagamento);
    ASSERT_EQ(todas.size(), 25u);
    for (int p = 6; p <= 25; ++p) EXPECT_EQ(todas[static_cast<size_t>(p - 1)], "P" + std::to_string(p) + " Pix");
}

TEST_F(Documentos, ValidConditionsOfTheSalesModule) {
    // Real today (after 2025): the expired condition and the purchases-only one are left out.
    auto d = cria();
    EXPECT_EQ(condicoes_validas(d.get()),
              (std::vector<std::string>{"2 30/60/90 dias", "4 30/60/90 dias, juros 2% ao m\xEAs",
                                        "3 Entrada + 2x", "1 \xC0 vista", "5 \xC0 vista com 3% de desconto"}));
    EXPECT_EQ(condicoes().calls("BuscaPonteiros"), (std::vector<std::string>{"quantidade=7 opcao=0 modulo=13"}));
}

TEST_F(Documentos, ValidityAgainstToday) {
    sql("INSERT INTO condicao_pagamento (empresa, codigo, descricao) VALUES ('DEMO', 8, '')");
    const struct {
        SYSTEMTIME hoje;
        bool listada;
    } casos[] = {
        {{2025, 12, 0, 30, 12, 0, 0, 0}, true},   // the day before the limit
        {{2025, 12, 0, 31, 23, 0, 0, 0}, true},   // valid until today
        {{2026, 1, 0, 1, 0, 1, 0, 0}, false},     // the limit was yesterday
    };
    auto d = cria();
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.hoje.wDay);
        ASSERT_EQ(qv_write_simulated_clock(caso.hoje), 0);
        const auto validas = condicoes_validas(d.get());
        // The condition without a name is never listed; those without a limit always are.
        EXPECT_EQ(validas.size(), caso.listada ? 6u : 5u);
        bool achou = false;
        for (const auto& v : validas) achou |= v.rfind("6 ", 0) == 0;
        EXPECT_EQ(achou, caso.listada);
    }
}

TEST_F(Documentos, SearchesByPositionField) {
    auto d = cria();
    // Before the counts the lists are empty: nothing is found.
    EXPECT_EQ(texto([&](BSTR* v) { return d->BuscaFormaPagamento(2, v); }), std::make_pair(S_FALSE, std::string()));
    USHORT n = 0;
    ASSERT_EQ(d->GetQtdFormaPagamento(&n), S_OK);
    ASSERT_EQ(d->GetQtdTipoCobranca(&n), S_OK);
    ASSERT_EQ(d->GetQtdCondicaoPagamento(&n), S_OK);
    const struct {
        HRESULT (STDMETHODCALLTYPE I::*busca)(USHORT, BSTR*);
        USHORT posicao;
        HRESULT hr;
        const char* codigo;
    } casos[] = {
        {&I::BuscaFormaPagamento, 2, S_OK, "BOL"},     {&I::BuscaFormaPagamento, 9, S_FALSE, ""},
        {&I::BuscaTipoCobranca, 3, S_OK, "DD"},        {&I::BuscaTipoCobranca, 0, S_FALSE, ""},
        {&I::BuscaCondicaoPagamento, 4, S_OK, "4"},    {&I::BuscaCondicaoPagamento, 7, S_FALSE, ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.posicao);
        EXPECT_EQ(texto([&](BSTR* v) { return (d.get()->*caso.busca)(caso.posicao, v); }),
                  std::make_pair(caso.hr, std::string(caso.codigo)));
    }
}

TEST_F(Documentos, GettersPastTheListAreInvalidArguments) {
    auto d = cria();
    BSTR v = nullptr;
    EXPECT_EQ(d->GetNomeFormaPagamento(0, &v), E_INVALIDARG);
    EXPECT_EQ(v, nullptr);
    USHORT n = 0;
    ASSERT_EQ(d->GetQtdCondicaoPagamento(&n), S_OK);
    EXPECT_EQ(d->GetCodCondicaoPagamento(n, &v), E_INVALIDARG);
    EXPECT_EQ(last_error(), "Posi\xE7\xE3o inv\xE1lida.");
    EXPECT_EQ(d->GetCodCondicaoPagamento(static_cast<USHORT>(n - 1), &v), S_OK);
    SysFreeString(v);
}

TEST_F(Documentos, TheCashCondition) {
    // Names as SQL expressions: the store keeps UTF-8, char() gives the accented letters.
    const struct {
        const char* nome;
        bool achada;
    } casos[] = {
        {"char(192) || ' vista'", true}, {"'A Vista'", true},    {"char(192) || ' VISTA'", true},
        {"'a vista'", true},             {"'avista'", false},    {"'A vista '", false},
        {"char(224) || ' vistas'", false},
    };
    auto d = cria();
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        sql("UPDATE condicao_pagamento SET descricao = " + std::string(caso.nome) + " WHERE codigo = 1");
        USHORT n = 0;
        ASSERT_EQ(d->GetQtdCondicaoPagamento(&n), S_OK);
        EXPECT_EQ(texto([&](BSTR* v) { return d->BuscaCondicaoAVista(v); }),
                  caso.achada ? std::make_pair(S_OK, std::string("1")) : std::make_pair(S_FALSE, std::string()));
    }
}

TEST_F(Documentos, LowerCaseDoesNotDependOnTheLocale) {
    EXPECT_EQ(sales::minusculas_cp1252("\xC0\xC9\xCE\xD5\xDC\xC7\xD7\xDE AZ az 09 \xE0"),
              "\xE0\xE9\xEE\xF5\xFC\xE7\xD7\xFE az az 09 \xE0");
}

TEST_F(Documentos, ConditionFailures) {
    auto d = cria();
    USHORT n = 0;
    ASSERT_EQ(d->GetQtdCondicaoPagamento(&n), S_OK);
    ASSERT_EQ(n, 5);
    const struct {
        const char* metodo;
        const char* texto;
    } casos[] = {
        {"Quantidade", "Falha ao instanciar servidor de condi\xE7\xF5" "es de pagamento."},
        {"BuscaPonteiros", "Erro ao buscar condi\xE7\xF5" "es de pagamento."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.metodo);
        condicoes().answer(caso.metodo, {E_ACCESSDENIED});
        n = 9;
        EXPECT_EQ(d->GetQtdCondicaoPagamento(&n), E_ACCESSDENIED);
        EXPECT_EQ(n, 0);
        const auto erro = last_reported_error();
        EXPECT_EQ(erro.description, caso.texto);
        EXPECT_EQ(erro.source, "ZidizUvi.QV_Inicializa.1");
        // The list read before stays.
        EXPECT_EQ(texto([&](BSTR* v) { return d->GetCodCondicaoPagamento(4, v); }).second, "5");
    }
}

TEST_F(Documentos, AFailedFormReadIsReportedAndReadAgain) {
    auto d = cria();
    formas().answer("Busca", {E_FAIL});
    USHORT n = 9;
    EXPECT_EQ(d->GetQtdFormaPagamento(&n), E_FAIL);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(last_error(), "Falha ao ler formas de pagamento.");
    ASSERT_EQ(d->GetQtdFormaPagamento(&n), S_OK);
    EXPECT_EQ(n, 5);
}

}  // namespace
