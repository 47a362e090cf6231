// The commercial operations: the web list (operations closed to the web left out, kept after the
// first load), the older class's reads by count index and server position, the filters and the
// CFOP and ICMS the chosen operation suggests, and the failures of the filters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "masterdata/COperacoesComerciais.h"
#include "masterdata/CTW_DF_OperacoesComerciais.h"
#include "masterdata/operacoes_comerciais_sugestao.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "server/holders/CPoolConexoes.h"
#include "tests/masterdata/masterdata_fixture.h"

using masterdata::COperacoesComerciais;
using masterdata::CTW_DF_OperacoesComerciais;

namespace {

// The demo's operations (position code, note type, web mark): 1 VENDA, 2 VENDACONTRIB, 3 TRANSF
// (closed to the web), 4 BONIF, 5 DEVVENDA (incoming) of sale notes; 6 COMPRA of purchase notes.
// Branch 1 is in SP, branch 2 in RJ; C001 in SP, C002 in RJ, C900 in Argentina.
class OperacoesWeb : public masterdata_fixture {
protected:
    OperacoesWeb() : lista(com::make<CTW_DF_OperacoesComerciais>()) {
        server().clear();
        branch().clear();
    }

    inhouse::fault_plan& server() { return factory(inhouse::CLSID_OpComerciaisServer).object_faults(); }
    inhouse::fault_plan& branch() { return factory(inhouse::CLSID_FilialServer).object_faults(); }
    inhouse::fault_plan& products() { return factory(inhouse::CLSID_ProdutoServer).object_faults(); }

    ULONG load() {
        ULONG n = 12345;
        EXPECT_EQ(lista->BuscaPonteiros(&n), S_OK);
        return n;
    }
    std::string current() {
        return text([&](BSTR* p) { return lista->GetCodigo(p); }) + "|" +
               text([&](BSTR* p) { return lista->GetDescricao(p); });
    }
    std::vector<std::string> listed(ULONG n) {
        std::vector<std::string> out;
        for (ULONG i = 0; i < n; ++i) {
            EXPECT_EQ(lista->LePosicao(i), S_OK);
            out.push_back(current());
        }
        return out;
    }
    std::string suggestion() {
        LONG cfop = -1;
        EXPECT_EQ(lista->GetCfopSugerida(&cfop), S_OK);
        return std::to_string(cfop) + " " + text([&](BSTR* p) { return lista->GetIcmsSugerido(p); });
    }

    com::com_ptr<CTW_DF_OperacoesComerciais> lista;
};

TEST(TextoIcms, TwoDecimalsFromHundredthsOfAPercentPoint) {
    struct caso {
        long centesimos;
        const char* texto;
    } casos[] = {{1750, "17,50"}, {1800, "18,00"}, {0, "0,00"}, {5, "0,05"}, {123456, "1.234,56"}};
    for (const auto& c : casos) EXPECT_EQ(masterdata::TextoIcms(c.centesimos), c.texto) << c.centesimos;
}

TEST_F(OperacoesWeb, ListsTheSaleOperationsOpenToTheWeb) {
    ASSERT_EQ(load(), 4u);
    EXPECT_EQ(listed(4), (std::vector<std::string>{"VENDA|Venda de mercadoria",
                                                   "VENDACONTRIB|Venda a contribuinte com substituição tributária",
                                                   "BONIF|Bonificação", "DEVVENDA|Devolução de venda"}));
    EXPECT_EQ(server().calls("Posicoes"), std::vector<std::string>{"tipo_nf=2"});
}

TEST_F(OperacoesWeb, AnyMarkAboveZeroClosesAnOperationToTheWeb) {
    sql("UPDATE operacao_comercial SET indisponivel_web = 2 WHERE empresa = 'DEMO' AND posicao = 1");
    sql("UPDATE operacao_comercial SET indisponivel_web = 0 WHERE empresa = 'DEMO' AND posicao = 3");
    ASSERT_EQ(load(), 4u);
    EXPECT_EQ(listed(1), std::vector<std::string>{"VENDACONTRIB|Venda a contribuinte com substituição tributária"});
    ASSERT_EQ(lista->LePosicao(1), S_OK);
    EXPECT_EQ(current(), "TRANSF|Transferência entre filiais");
}

TEST_F(OperacoesWeb, ASecondLoadAnswersTheFirstListWhateverTheFilters) {
    ASSERT_EQ(load(), 4u);
    sql("DELETE FROM operacao_comercial WHERE posicao = 1");
    EXPECT_EQ(lista->SetFilial(2), S_OK);
    EXPECT_EQ(load(), 4u);
    EXPECT_EQ(server().count("Posicoes"), 1u);
}

TEST_F(OperacoesWeb, AFailedLoadListsNothingAndTheNextOneAsksAgain) {
    server().answer("Posicoes", {E_ACCESSDENIED});
    EXPECT_EQ(load(), 0u);
    EXPECT_EQ(load(), 4u);
}

TEST_F(OperacoesWeb, PositionsAndCodesOutsideTheListChangeNothing) {
    ASSERT_EQ(load(), 4u);
    ASSERT_EQ(lista->LePosicao(2), S_OK);
    EXPECT_EQ(lista->LePosicao(4), E_INVALIDARG);
    EXPECT_EQ(lista->LePosicao(0xFFFFFFFFu), E_INVALIDARG);
    EXPECT_EQ(current(), "BONIF|Bonificação");
    VARIANT_BOOL existe = 7;
    // TRANSF exists but is not listed; codes compare exactly.
    for (const char* codigo : {"TRANSF", "venda", "NADA", ""}) {
        EXPECT_EQ(lista->LeCodigo(b(codigo).get(), &existe), S_OK);
        EXPECT_EQ(existe, VARIANT_FALSE) << codigo;
    }
    EXPECT_EQ(current(), "BONIF|Bonificação");
    EXPECT_EQ(lista->LeCodigo(b("VENDA").get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_TRUE);
    EXPECT_EQ(current(), "VENDA|Venda de mercadoria");
}

TEST_F(OperacoesWeb, ExisteAnswersTheServerPositionOfAnyOperation) {
    LONG valor = -1;
    EXPECT_EQ(lista->Existe(b("TRANSF").get(), &valor), S_OK);
    EXPECT_EQ(valor, 3);
    EXPECT_EQ(lista->Existe(b("NADA").get(), &valor), S_OK);
    EXPECT_EQ(valor, 0);
}

TEST_F(OperacoesWeb, TheSuggestionFollowsOperationBranchAndCustomer) {
    sql("UPDATE operacao_comercial SET icms_interno = 1750 WHERE empresa = 'DEMO' AND posicao = 2");
    struct caso {
        LONG operacao;
        LONG filial;         // 0: not set
        const char* cliente;   // null: not set
        const char* sugestao;
    } casos[] = {
        {1, 0, nullptr, "5102 18,00"},
        {1, 1, "C001", "5102 18,00"},
        {1, 1, "C002", "6102 12,00"},
        {1, 2, "C002", "5102 18,00"},
        {1, 2, "C900", "7102 0,00"},
        {2, 1, "C001", "5405 17,50"},
        {5, 1, "C002", "2202 12,00"},
        {5, 1, "C001", "1202 18,00"},
        {4, 1, "C900", "7910 0,00"},
        {99, 1, "C001", "0 0,00"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.operacao) + " " + std::to_string(c.filial) + " " + (c.cliente ? c.cliente : "-"));
        lista = com::make<CTW_DF_OperacoesComerciais>();
        EXPECT_EQ(lista->SetOpComercial(c.operacao), S_OK);
        if (c.filial) {
            EXPECT_EQ(lista->SetFilial(c.filial), S_OK);
        }
        if (c.cliente) {
            EXPECT_EQ(lista->SetCliente(b(c.cliente).get()), S_OK);
        }
        EXPECT_EQ(suggestion(), c.sugestao);
    }
}

TEST_F(OperacoesWeb, EachObjectKeepsItsOwnFiltersOverTheSharedConnection) {
    auto outra = com::make<CTW_DF_OperacoesComerciais>();
    ASSERT_EQ(lista->SetOpComercial(1), S_OK);
    ASSERT_EQ(lista->SetFilial(1), S_OK);
    ASSERT_EQ(lista->SetCliente(b("C002").get()), S_OK);
    ASSERT_EQ(outra->SetOpComercial(2), S_OK);
    ASSERT_EQ(outra->SetCliente(b("C900").get()), S_OK);
    EXPECT_EQ(suggestion(), "6102 12,00");
    LONG cfop = -1;
    EXPECT_EQ(outra->GetCfopSugerida(&cfop), S_OK);
    EXPECT_EQ(cfop, 7405);
    EXPECT_EQ(suggestion(), "6102 12,00");
}

TEST_F(OperacoesWeb, FilterFailuresAreReportedAndLeaveTheFilterAsItWas) {
    ASSERT_EQ(lista->SetOpComercial(1), S_OK);
    ASSERT_EQ(lista->SetFilial(1), S_OK);
    ASSERT_EQ(lista->SetCliente(b("C002").get()), S_OK);
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(lista->SetFilial(9), static_cast<HRESULT>(0x80040203u));
    EXPECT_EQ(last_error(), "Falha ao carregar Filial.");
    // A customer that is not found, a supplier's own code read as no customer, a failed chart.
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(lista->SetCliente(b("C999").get()), DISP_E_EXCEPTION);
    EXPECT_EQ(last_error(), "Falha ao carregar Cliente.");
    company().answer("BuscaCodigo", {E_ACCESSDENIED});
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(lista->SetCliente(b("C001").get()), E_ACCESSDENIED);
    EXPECT_EQ(last_error(), "Falha ao carregar Cliente.");
    EXPECT_EQ(suggestion(), "6102 12,00");
}

TEST_F(OperacoesWeb, AProductFilterNeedsAProductFound) {
    ASSERT_EQ(lista->SetOpComercial(1), S_OK);
    EXPECT_EQ(lista->SetProduto(b("101").get()), S_OK);
    suggestion();
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(lista->SetProduto(b("999").get()), DISP_E_EXCEPTION);
    EXPECT_EQ(last_error(), "Falha ao carregar Produto.");
    products().answer("ExisteProduto", {E_ACCESSDENIED});
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(lista->SetProduto(b("102").get()), E_ACCESSDENIED);
    EXPECT_EQ(last_error(), "Falha ao carregar Produto.");
    suggestion();
    // Neither the missing product nor the failed look-up replaced the product of the filter.
    const auto calls = server().calls("TipoOperacao");
    ASSERT_EQ(calls.size(), 4u);
    for (const std::string& c : calls) EXPECT_NE(c.find(" produto=101"), std::string::npos) << c;
}

class OperacoesAntigas : public OperacoesWeb {
protected:
    OperacoesAntigas() : antigas(com::make<COperacoesComerciais>()) { antigas->Inicializa("DEMO", 7, 4242); }

    LONG count() {
        LONG n = -1;
        EXPECT_EQ(antigas->Quantidade(&n), S_OK);
        return n;
    }
    std::string at(LONG i) {
        VARIANT_BOOL web = 7;
        EXPECT_EQ(antigas->LeIndisponivelWeb(i, &web), S_OK);
        return text([&](BSTR* p) { return antigas->LeCodigo(i, p); }) + "|" +
               text([&](BSTR* p) { return antigas->LeDescricao(i, p); }) + "|" + std::to_string(web);
    }
    std::string pointer(LONG p) {
        VARIANT_BOOL web = 7;
        EXPECT_EQ(antigas->LeIndisponivelWebPtr(p, &web), S_OK);
        return text([&](BSTR* b) { return antigas->LeCodigoPtr(p, b); }) + "|" +
               text([&](BSTR* b) { return antigas->LeNome(p, b); }) + "|" + std::to_string(web);
    }
    std::string suggestion() {
        LONG cfop = -1;
        EXPECT_EQ(antigas->GetCfopSugerida(&cfop), S_OK);
        return std::to_string(cfop) + " " + text([&](BSTR* p) { return antigas->GetIcmsSugerido(p); });
    }

    com::com_ptr<COperacoesComerciais> antigas;
};

TEST_F(OperacoesAntigas, CountsEverySaleOperationAndReadsThemByIndexOrServerPosition) {
    ASSERT_EQ(count(), 5);
    EXPECT_EQ(at(0), "VENDA|Venda de mercadoria|0");
    EXPECT_EQ(at(2), "TRANSF|Transferência entre filiais|-1");
    EXPECT_EQ(at(4), "DEVVENDA|Devolução de venda|0");
    EXPECT_EQ(pointer(3), "TRANSF|Transferência entre filiais|-1");
    EXPECT_EQ(pointer(6), "COMPRA|Compra para comercialização|0");
    EXPECT_EQ(pointer(99), "||0");
    EXPECT_EQ(pointer(-1), "||0");
}

TEST_F(OperacoesAntigas, AnIndexOutsideTheLastCountIsRefused) {
    BSTR out = reinterpret_cast<BSTR>(0x1234);
    VARIANT_BOOL web = 7;
    EXPECT_EQ(antigas->LeCodigo(0, &out), E_INVALIDARG);   // nothing counted yet
    EXPECT_EQ(out, nullptr);
    ASSERT_EQ(count(), 5);
    for (LONG i : {-1L, 5L, 0x7FFFFFFFL}) {
        EXPECT_EQ(antigas->LeCodigo(i, &out), E_INVALIDARG) << i;
        EXPECT_EQ(antigas->LeDescricao(i, &out), E_INVALIDARG) << i;
        EXPECT_EQ(antigas->LeIndisponivelWeb(i, &web), E_INVALIDARG) << i;
        EXPECT_EQ(web, VARIANT_FALSE);
    }
    EXPECT_EQ(server().count("Le"), 0u);
}

TEST_F(OperacoesAntigas, FiltersThroughConnectionsOfTheirOwnAndTheSuggestion) {
    EXPECT_EQ(antigas->SetOpComercial(1), S_OK);
    EXPECT_EQ(suggestion(), "5102 18,00");
    EXPECT_EQ(antigas->SetFilial(1), S_OK);
    EXPECT_EQ(antigas->SetCliente(b("C002").get()), S_OK);
    EXPECT_EQ(suggestion(), "6102 12,00");
    // An unknown branch or customer leaves the filter as it was, and answers S_OK.
    EXPECT_EQ(antigas->SetFilial(9), S_OK);
    EXPECT_EQ(antigas->SetCliente(b("C999").get()), S_OK);
    EXPECT_EQ(suggestion(), "6102 12,00");
    EXPECT_EQ(antigas->SetCliente(b("C900").get()), S_OK);
    EXPECT_EQ(suggestion(), "7102 0,00");
    LONG valor = -1;
    EXPECT_EQ(antigas->Existe(b("BONIF").get(), &valor), S_OK);
    EXPECT_EQ(valor, 4);
}

TEST_F(OperacoesAntigas, OnlyAProductFoundBecomesTheFilter) {
    EXPECT_EQ(antigas->SetOpComercial(1), S_OK);
    EXPECT_EQ(antigas->SetProduto(b("101").get()), S_OK);
    EXPECT_EQ(antigas->SetProduto(b("999").get()), S_OK);
    products().answer("ExisteProduto", {E_ACCESSDENIED});
    EXPECT_EQ(antigas->SetProduto(b("102").get()), S_OK);
    suggestion();
    const auto calls = server().calls("TipoOperacao");
    ASSERT_EQ(calls.size(), 2u);
    for (const std::string& c : calls) EXPECT_NE(c.find(" produto=101"), std::string::npos) << c;
}

TEST_F(OperacoesAntigas, AFailedConnectionAnswersOkWithNothing) {
    server().answer("Posicoes", {E_ACCESSDENIED});
    EXPECT_EQ(count(), 0);
    server().answer("TipoOperacao", {E_ACCESSDENIED, E_ACCESSDENIED});
    EXPECT_EQ(suggestion(), "0 0,00");
}

}  // namespace
