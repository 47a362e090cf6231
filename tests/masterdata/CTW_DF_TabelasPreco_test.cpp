// The price tables open today under a fixed clock: validity today, tomorrow and none, blocked
// tables, the two kinds, reading again on every search, and the check by code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/CQVChaveRegistro.h"
#include "base/QVRelogio.h"
#include "masterdata/CTW_DF_TabelasPreco.h"
#include "tests/masterdata/produtos_fixture.h"

using masterdata::CTW_DF_TabelasPreco;

namespace {

class TabelasPreco : public produtos_fixture {
protected:
    TabelasPreco() : redirect("TabelasPreco"), lista(com::make<CTW_DF_TabelasPreco>()) {
        EXPECT_EQ(qv_write_simulated_clock(SYSTEMTIME{2026, 12, 0, 11, 9, 0, 0, 0}), 0);
        sql("DELETE FROM tabela_preco");
        tabela(0, 1, "HOJE", "2026-12-11");
        tabela(0, 2, "AMANHA", "2026-12-12");
        tabela(0, 3, "SEMFIM", "");
        tabela(0, 4, "ONTEM", "2026-12-10");
        tabela(0, 5, "BLOQUEADA", "", 1);
        tabela(0, 6, "CODIGOMUITOLONGO", "2027-01-31");
        tabela(1, 1, "SERV", "");
    }

    void tabela(int servicos, int posicao, const std::string& codigo, const std::string& validade, int bloqueada = 0) {
        sql("INSERT INTO tabela_preco (empresa, servicos, posicao, codigo, nome, validade, bloqueada) VALUES ('DEMO', " +
            std::to_string(servicos) + ", " + std::to_string(posicao) + ", '" + codigo + "', 'Tabela " + codigo + "', '" +
            validade + "', " + std::to_string(bloqueada) + ")");
    }
    std::vector<std::string> listed() {
        ULONG n = 0;
        EXPECT_EQ(lista->BuscaPonteiros(&n), S_OK);
        std::vector<std::string> out;
        for (ULONG i = 0; i < n; ++i) {
            EXPECT_EQ(lista->LePosicao(i), S_OK);
            out.push_back(text([&](BSTR* p) { return lista->GetCodigo(p); }) + " " +
                          text([&](BSTR* p) { return lista->GetValidade(p); }));
        }
        return out;
    }
    bool existe(const char* codigo) {
        VARIANT_BOOL e = 7;
        EXPECT_EQ(lista->GetTabelaPreco(b(codigo).get(), &e), S_OK);
        return e == VARIANT_TRUE;
    }

    qv_registry_redirect redirect;
    com::com_ptr<CTW_DF_TabelasPreco> lista;
};

TEST_F(TabelasPreco, ListsTheTablesOpenAfterToday) {
    // A table ending today is closed; a code longer than 11 characters is cut.
    EXPECT_EQ(listed(), (std::vector<std::string>{"AMANHA 12/12/26", "SEMFIM 00/00/00", "CODIGOMUITO 31/01/27"}));
}

TEST_F(TabelasPreco, ChecksOneTableByCode) {
    struct caso {
        const char* codigo;
        bool existe;
    } casos[] = {{"HOJE", false}, {"AMANHA", true}, {"SEMFIM", true}, {"ONTEM", false}, {"BLOQUEADA", false},
                 {"NADA", false}, {"SERV", false}};
    for (const auto& c : casos) EXPECT_EQ(existe(c.codigo), c.existe) << c.codigo;
    ASSERT_TRUE(existe("AMANHA"));
    EXPECT_FALSE(existe("HOJE"));   // the current entry stays the last one found
    EXPECT_EQ(text([&](BSTR* p) { return lista->GetCodigo(p); }), "AMANHA");
    EXPECT_EQ(text([&](BSTR* p) { return lista->GetNome(p); }), "Tabela AMANHA");
}

TEST_F(TabelasPreco, TheNextDayClosesATable) {
    ASSERT_EQ(listed().size(), 3u);
    ASSERT_EQ(qv_write_simulated_clock(SYSTEMTIME{2026, 12, 0, 12, 9, 0, 0, 0}), 0);
    EXPECT_EQ(listed(), (std::vector<std::string>{"SEMFIM 00/00/00", "CODIGOMUITO 31/01/27"}));
    EXPECT_FALSE(existe("AMANHA"));
    sql("UPDATE tabela_preco SET bloqueada = 1 WHERE codigo = 'SEMFIM'");
    EXPECT_EQ(listed(), std::vector<std::string>{"CODIGOMUITO 31/01/27"});
}

TEST_F(TabelasPreco, OnlyVariantTrueSelectsServiceTables) {
    EXPECT_EQ(lista->SetTipo(1), S_OK);
    EXPECT_EQ(listed().size(), 3u);
    EXPECT_EQ(lista->SetTipo(VARIANT_TRUE), S_OK);
    EXPECT_EQ(listed(), std::vector<std::string>{"SERV 00/00/00"});
    EXPECT_TRUE(existe("SERV"));
    EXPECT_FALSE(existe("SEMFIM"));
    EXPECT_EQ(lista->SetTipo(VARIANT_FALSE), S_OK);
    EXPECT_EQ(listed().size(), 3u);
}

TEST_F(TabelasPreco, APositionOutsideTheListChangesNothing) {
    ASSERT_EQ(listed().size(), 3u);
    ASSERT_EQ(lista->LePosicao(0), S_OK);
    EXPECT_EQ(lista->LePosicao(3), E_INVALIDARG);
    EXPECT_EQ(text([&](BSTR* p) { return lista->GetCodigo(p); }), "AMANHA");
}

TEST_F(TabelasPreco, AFailedReadIsReported) {
    produtos().answer("LeTabela", {E_FAIL});
    ULONG n = 9;
    EXPECT_EQ(lista->BuscaPonteiros(&n), E_FAIL);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(last_error(), "Falha ao ler tabela de preços");
}

}  // namespace
