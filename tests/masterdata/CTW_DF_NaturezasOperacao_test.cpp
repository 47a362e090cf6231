// The operation natures offered for a sale and one nature's information: the CFOP group by where
// the customer is, the dotted codes, today's date read at each search, the look-up by code and
// the failures of the branch and natures servers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/QVRelogio.h"
#include "masterdata/CTW_DF_InfoNatureza.h"
#include "masterdata/CTW_DF_NaturezasOperacao.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "tests/masterdata/masterdata_fixture.h"

using masterdata::CTW_DF_InfoNatureza;
using masterdata::CTW_DF_NaturezasOperacao;

namespace {

class NaturezasOferecidas : public masterdata_fixture {
protected:
    NaturezasOferecidas() : lista(com::make<CTW_DF_NaturezasOperacao>()) {
        branch().clear();
        natures().clear();
    }
    ~NaturezasOferecidas() override { qv_clear_simulated_clock(); }

    inhouse::fault_plan& branch() { return factory(inhouse::CLSID_FilialServer).object_faults(); }
    inhouse::fault_plan& natures() { return factory(inhouse::CLSID_NaturezasServer).object_faults(); }

    // The customer's address part as the register keeps it, with a country and a state.
    void address(int posicao_cadastro, const char* pais, const char* uf) {
        QV_CFRT_ENDERECO e{};
        inhouse::poe_campo(e.pais, pais);
        inhouse::poe_campo(e.uf, uf);
        store().db().prepare("UPDATE cfrt SET endereco = ? WHERE empresa = 'DEMO' AND posicao = ?")
            .bind_blob(1, &e, sizeof e)
            .bind(2, posicao_cadastro)
            .run();
    }

    ULONG load(const char* cliente, const char* filial, HRESULT expected = S_OK) {
        EXPECT_EQ(lista->SetCodCliente(b(cliente).get()), S_OK);
        EXPECT_EQ(lista->SetCodFilial(b(filial).get()), S_OK);
        ULONG n = 12345;
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(lista->BuscaPonteiros(&n), expected);
        return n;
    }
    std::vector<std::string> codes(ULONG n) {
        std::vector<std::string> out;
        for (ULONG i = 0; i < n; ++i) {
            EXPECT_EQ(lista->LePosicao(i), S_OK);
            out.push_back(text([&](BSTR* p) { return lista->GetCodigo(p); }));
        }
        return out;
    }
    std::string current() {
        return text([&](BSTR* p) { return lista->GetCodigo(p); }) + "|" +
               text([&](BSTR* p) { return lista->GetNome(p); }) + "|" +
               text([&](BSTR* p) { return lista->GetFilial(p); });
    }

    com::com_ptr<CTW_DF_NaturezasOperacao> lista;
};

TEST(FormataCodigoNatureza, PutsDotsAfterTheFirstAndFourthDigitAsFarAsTheMaskGoes) {
    struct caso {
        const char* codigo;
        size_t mascara;
        const char* mostrado;
    } casos[] = {
        {"5102", 0, "5102"},       {"5102", 1, "5102"},       {"5102", 2, "5.102"},
        {"5102", 6, "5.102"},      {"5102", 9, "5.102"},      {"5.102", 6, "5.102"},
        {"5.1.02", 0, "5102"},     {"1234567", 5, "1.234567"}, {"1234567", 6, "1.234.567"},
        {"1234567", 9, "1.234.567"}, {"", 9, ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(masterdata::FormataCodigoNatureza(c.codigo, c.mascara), c.mostrado) << c.codigo << " " << c.mascara;
}

// The demo's outgoing natures for products, in register order: 5.102 (1), 6.102 (2), 7.102 (5),
// 5.405 (6), 5.202 (8), 5.949 (10) for every branch and 5.152 (11) for branch 2. Branch 1 is in
// SP, branch 2 in RJ; C001 is in SP, C002 in RJ, C900 in Argentina.
TEST_F(NaturezasOferecidas, TheCfopGroupFollowsCountryCustomerStateAndBranchState) {
    struct caso {
        const char* cliente;
        const char* pais;   // null: as seeded
        const char* uf;
        const char* filial;
        std::vector<std::string> oferecidas;
    } casos[] = {
        {"C001", nullptr, nullptr, "1", {"5.102", "5.405", "5.202", "5.949"}},
        {"C002", nullptr, nullptr, "1", {"6.102"}},
        {"C002", nullptr, nullptr, "2", {"5.102", "5.405", "5.202", "5.949", "5.152"}},
        {"C001", nullptr, nullptr, "2", {"6.102"}},
        {"C900", nullptr, nullptr, "1", {"7.102"}},
        {"C900", nullptr, nullptr, "2", {"7.102"}},
        // The country compared without regard to case; empty is Brazil.
        {"C001", "BRASIL", "SP", "1", {"5.102", "5.405", "5.202", "5.949"}},
        {"C001", "Brasil", "RJ", "1", {"6.102"}},
        {"C001", "", "RJ", "2", {"5.102", "5.405", "5.202", "5.949", "5.152"}},
        // Abroad whatever the state.
        {"C001", "Argentina", "SP", "1", {"7.102"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.cliente) + " " + (c.pais ? c.pais : "-") + " " + c.filial);
        if (c.pais) address(1, c.pais, c.uf);
        EXPECT_EQ(codes(load(c.cliente, c.filial)), c.oferecidas);
    }
}

TEST_F(NaturezasOferecidas, AnEntryHasTheDottedCodeTheNameAndTheNaturesBranch) {
    ASSERT_EQ(load("C002", "2"), 5u);
    ASSERT_EQ(lista->LePosicao(4), S_OK);
    EXPECT_EQ(current(), "5.152|Transferência de mercadoria adquirida de terceiros|2");
    ASSERT_EQ(lista->LePosicao(0), S_OK);
    EXPECT_EQ(current(), "5.102|Venda de mercadoria adquirida de terceiros|0");
    // Outside the list: refused, the current entry kept.
    EXPECT_EQ(lista->LePosicao(5), E_INVALIDARG);
    EXPECT_EQ(current(), "5.102|Venda de mercadoria adquirida de terceiros|0");
}

TEST_F(NaturezasOferecidas, IncomingAndOtherGroupsAreNeverOffered) {
    sql("DELETE FROM natureza");
    sql("INSERT INTO natureza (empresa, posicao, codigo, nome) VALUES ('DEMO', 1, '1102', 'a'), ('DEMO', 2, '2102', 'b'),"
        " ('DEMO', 3, '3102', 'c'), ('DEMO', 4, '4102', 'd'), ('DEMO', 5, '8102', 'e'), ('DEMO', 6, '9102', 'f'),"
        " ('DEMO', 7, '5102', 'g'), ('DEMO', 8, '5.405', 'h')");
    EXPECT_EQ(codes(load("C001", "1")), (std::vector<std::string>{"5.102", "5.405"}));
    address(1, "Argentina", "EX");
    EXPECT_EQ(load("C001", "1"), 0u);
}

TEST_F(NaturezasOferecidas, CodesFollowTheLengthOfTheCompanysMask) {
    sql("INSERT INTO natureza (empresa, posicao, codigo, nome) VALUES ('DEMO', 20, '5102123', 'sete')");
    struct caso {
        const char* mascara;
        std::vector<std::string> codigos;
    } casos[] = {
        // Without dots the list's sort by the code's leading number orders the whole codes.
        {"", {"5102", "5202", "5405", "5949", "5102123"}},
        {"9.999.", {"5.102", "5.405", "5.202", "5.949", "5.102.123"}},
        {"9.999.999", {"5.102", "5.405", "5.202", "5.949", "5.102.123"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mascara);
        sql(std::string("UPDATE natureza_mascara SET mascara_cfop = '") + c.mascara + "' WHERE empresa = 'DEMO'");
        EXPECT_EQ(codes(load("C001", "1")), c.codigos);
    }
}

TEST_F(NaturezasOferecidas, TheCountAsksForTodayTheBranchAndTheSaleFilters) {
    ASSERT_EQ(qv_write_simulated_clock(SYSTEMTIME{2026, 12, 0, 11, 23, 59, 0, 0}), 0);
    load("C001", "1");
    ASSERT_EQ(qv_write_simulated_clock(SYSTEMTIME{2026, 12, 0, 12, 0, 1, 0, 0}), 0);
    load("C001", "1");
    // Day 65360 is 11/12/2026: the object asks about the day of each search, not of its making.
    EXPECT_EQ(natures().calls("Quantidade"),
              (std::vector<std::string>{"filial=1 dia=65360 tipo=0 modulo=13 letra=P",
                                        "filial=1 dia=65361 tipo=0 modulo=13 letra=P"}));
    EXPECT_EQ(branch().calls("MascaraCFOP"), (std::vector<std::string>{"opcao=0", "opcao=0"}));
}

TEST_F(NaturezasOferecidas, ANatureNotYetInForceTodayIsNotOffered) {
    ASSERT_EQ(qv_write_simulated_clock(SYSTEMTIME{2024, 6, 0, 1, 12, 0, 0, 0}), 0);
    EXPECT_EQ(codes(load("C001", "1")), (std::vector<std::string>{"5.102", "5.405", "5.202"}));
}

TEST_F(NaturezasOferecidas, UnknownBranchOrCustomerOffersNothingWithoutAskingTheNaturesServer) {
    struct caso {
        const char* cliente;
        const char* filial;
    } casos[] = {{"C001", "9"}, {"C001", ""}, {"C001", "1x"}, {"C999", "1"}, {"F001", "1"}, {"", "1"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.cliente) + "/" + c.filial);
        EXPECT_EQ(load(c.cliente, c.filial), 0u);
    }
    EXPECT_EQ(natures().count("Quantidade"), 0u);
}

TEST_F(NaturezasOferecidas, ServerFailuresAreReportedWithTheirHresultAndEmptyTheList) {
    ASSERT_EQ(load("C001", "1"), 4u);
    struct caso {
        const char* metodo;
        bool da_filial;
        const char* texto;
    } casos[] = {
        {"MascaraCFOP", true, "Falha ao ler máscara de naturezas."},
        {"Quantidade", false, "Falha ao buscar quantidade de naturezas."},
        {"Registros", false, "Falha ao buscar naturezas."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.metodo);
        (c.da_filial ? branch() : natures()).answer(c.metodo, {E_ACCESSDENIED});
        EXPECT_EQ(load("C001", "1", E_ACCESSDENIED), 0u);
        EXPECT_EQ(last_error(), c.texto);
        EXPECT_EQ(lista->LePosicao(0), E_INVALIDARG);
    }
}

TEST_F(NaturezasOferecidas, LeCodigoFindsTheDottedCodeLoadingWhenEmpty) {
    EXPECT_EQ(lista->SetCodCliente(b("C001").get()), S_OK);
    EXPECT_EQ(lista->SetCodFilial(b("1").get()), S_OK);
    EXPECT_EQ(lista->LeCodigo(b("5.405").get()), S_OK);
    EXPECT_EQ(current(), "5.405|Venda de mercadoria com ICMS por substituição tributária|0");
    EXPECT_EQ(natures().count("Quantidade"), 1u);
    // Without its dot the code is another text.
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(lista->LeCodigo(b("5102").get()), DISP_E_EXCEPTION);
    EXPECT_EQ(last_error(), "CFOP não encontrada.");
    EXPECT_EQ(current(), "5.405|Venda de mercadoria com ICMS por substituição tributária|0");
    EXPECT_EQ(lista->LeCodigo(b("5.102").get()), S_OK);
    EXPECT_EQ(natures().count("Quantidade"), 1u);
}

TEST_F(NaturezasOferecidas, LeCodigoReportsAFailedLoadAndAnEmptyList) {
    lista->SetCodCliente(b("C001").get());
    lista->SetCodFilial(b("1").get());
    natures().answer("Quantidade", {E_ACCESSDENIED});
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(lista->LeCodigo(b("5.102").get()), E_ACCESSDENIED);
    EXPECT_EQ(last_error(), "Falha ao buscar os as Naturezas de Operação.");
    lista->SetCodFilial(b("9").get());
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(lista->LeCodigo(b("5.102").get()), DISP_E_EXCEPTION);
    EXPECT_EQ(last_error(), "CFOP não encontrada.");
}

class InfoNatureza : public NaturezasOferecidas {
protected:
    InfoNatureza() : info(com::make<CTW_DF_InfoNatureza>()) {}

    VARIANT_BOOL set(const char* codigo, const char* filial) {
        VARIANT_BOOL ok = 7;
        EXPECT_EQ(info->SetDados(b(codigo).get(), b(filial).get(), &ok), S_OK);
        return ok;
    }
    std::string current() {
        USHORT ponteiro = 0;
        VARIANT_BOOL integra = 7;
        EXPECT_EQ(info->GetPonteiro(&ponteiro), S_OK);
        EXPECT_EQ(info->GetIntegraFinanceiro(&integra), S_OK);
        return std::to_string(ponteiro) + "|" + text([&](BSTR* p) { return info->GetNome(p); }) + "|" +
               std::to_string(integra);
    }

    com::com_ptr<CTW_DF_InfoNatureza> info;
};

TEST_F(InfoNatureza, ReadsTheNatureOfTheBranchAsInForceOnTheThirdOfJanuary2003) {
    EXPECT_EQ(set("5.405", "1"), VARIANT_TRUE);
    EXPECT_EQ(current(), "6|Venda de mercadoria com ICMS por substituição tributária|-1");
    EXPECT_EQ(set("1202", "2"), VARIANT_TRUE);
    EXPECT_EQ(current(), "7|Devolução de venda de mercadoria de terceiros|0");
    // 5.949 is in force only from 2025; 5.152 belongs to branch 2.
    EXPECT_EQ(set("5.949", "1"), VARIANT_FALSE);
    EXPECT_EQ(set("5.152", "1"), VARIANT_FALSE);
    EXPECT_EQ(set("5.152", "2"), VARIANT_TRUE);
    EXPECT_EQ(natures().calls("ExisteNatureza").front(), "codigo=5405 dia=56617 filial=1 modulo=13");
}

TEST_F(InfoNatureza, OnlyAnIntegrationMarkOfOneIntegrates) {
    sql("UPDATE natureza SET integracao_financeiro = 2 WHERE empresa = 'DEMO' AND posicao = 1");
    EXPECT_EQ(set("5.102", "1"), VARIANT_TRUE);
    EXPECT_EQ(current(), "1|Venda de mercadoria adquirida de terceiros|0");
}

TEST_F(InfoNatureza, AnUnknownBranchGivesFalseWithoutLookingTheNatureUp) {
    ASSERT_EQ(set("5.102", "1"), VARIANT_TRUE);
    EXPECT_EQ(set("5.102", "9"), VARIANT_FALSE);
    // Nothing of the earlier nature is left to read.
    EXPECT_EQ(current(), "0||0");
    EXPECT_EQ(set("5.102", ""), VARIANT_FALSE);
    EXPECT_EQ(natures().count("ExisteNatureza"), 1u);
}

TEST_F(InfoNatureza, AFailedLookUpGivesFalse) {
    natures().answer("ExisteNatureza", {E_ACCESSDENIED});
    EXPECT_EQ(set("5.102", "1"), VARIANT_FALSE);
    EXPECT_EQ(set("9.999", "1"), VARIANT_FALSE);
}

}  // namespace
