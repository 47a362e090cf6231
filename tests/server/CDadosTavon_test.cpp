#include "server/root/CDadosTavon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "support/stand_in_fixture.h"

namespace {

class DadosTavon : public stand_in_fixture {
protected:
    DadosTavon() { dados.SetEmpresa("DEMO", 1, 11); }

    inhouse::fault_plan& plano() { return factory(inhouse::CLSID_PlanoServer).object_faults(); }
    inhouse::fault_plan& bancos() { return factory(inhouse::CLSID_BancoServer).object_faults(); }
    inhouse::fault_plan& usuarios() { return factory(inhouse::CLSID_UsuarioServer).object_faults(); }
    size_t relatos(HRESULT hr) const {
        const auto& e = const_cast<DadosTavon*>(this)->events().entries();
        return static_cast<size_t>(std::count_if(e.begin(), e.end(), [&](const auto& x) {
            return x.event_id == static_cast<DWORD>(hr);
        }));
    }

    CDadosTavon dados;
};

template <size_t N>
std::string txt(const char (&c)[N]) { return std::string(inhouse::texto_campo(c)); }

}  // namespace

TEST_F(DadosTavon, LookupsAreCachedPerCompanyUserAndSession) {
    _RegContaPS conta;
    std::memset(&conta, 0x5A, sizeof conta);
    EXPECT_EQ(dados.LeConta(0, &conta), 1);                          // key 0: no server call
    EXPECT_EQ(conta.posicao, 0);
    EXPECT_EQ(factory(inhouse::CLSID_PlanoServer).faults().count("CreateInstance"), 0u);

    ASSERT_EQ(dados.LeConta(2, &conta), 0);
    EXPECT_EQ(txt(conta.nome), "Cliente Exemplo Ltda");
    ASSERT_EQ(dados.LeConta(2, &conta), 0);
    EXPECT_EQ(plano().count("LeConta"), 1u);                           // the second came from memory
    EXPECT_EQ(plano().calls("Prepara"), std::vector<std::string>{"0,0"});

    // A position without an account: the server's positive answer, nothing cached.
    EXPECT_EQ(dados.LeConta(99, &conta), S_FALSE);
    EXPECT_EQ(dados.ContasEmCache(), 1u);

    _REG_BANCO_ps banco{};
    ASSERT_EQ(dados.LePortador(2, &banco), 0);
    EXPECT_EQ(txt(banco.nome), "Banco do Brasil");
    EXPECT_EQ(banco.limite, 10000 * 10000LL);                          // 10.000,00
    EXPECT_EQ(dados.LePortador(3, &banco), 0);
    EXPECT_EQ(banco.inativo, 1);

    dados.SetEmpresa("DEMO", 1, 11);                                   // the same triple keeps all
    EXPECT_EQ(dados.ContasEmCache(), 1u);
    EXPECT_EQ(dados.PortadoresEmCache(), 2u);
    dados.SetEmpresa("DEMO", 1, 12);                                   // another session empties
    EXPECT_EQ(dados.ContasEmCache(), 0u);
    EXPECT_EQ(dados.PortadoresEmCache(), 0u);
    ASSERT_EQ(dados.LeConta(2, &conta), 0);
    EXPECT_EQ(plano().count("LeConta"), 3u);
}

TEST_F(DadosTavon, CallsAreRetriedWhileTheServerIsUnavailable) {
    bancos().answer("Inicializa", {QV_SERVIDOR_INDISPONIVEL});
    bancos().answer("LeBanco", {QV_SERVIDOR_INDISPONIVEL, QV_SERVIDOR_INDISPONIVEL});
    _REG_BANCO_ps banco{};
    EXPECT_EQ(dados.LePortador(1, &banco), 0);
    EXPECT_EQ(txt(banco.nome), "Caixa");
    EXPECT_EQ(bancos().count("Inicializa"), 2u);
    EXPECT_EQ(bancos().count("LeBanco"), 3u);
    EXPECT_EQ(clock().slept_ms(), 3u * 500u);

    // Still unavailable after 400 calls: the failure is the answer, reported, nothing cached.
    bancos().answer("LeBanco", QV_SERVIDOR_INDISPONIVEL, 400);
    EXPECT_EQ(dados.LePortador(2, &banco), QV_SERVIDOR_INDISPONIVEL);
    EXPECT_EQ(relatos(QV_SERVIDOR_INDISPONIVEL), 1u);
    EXPECT_EQ(dados.PortadoresEmCache(), 1u);

    // A server that cannot be initialised gives no interface, and the lookup a failure.
    CDadosTavon outro;
    outro.SetEmpresa("DEMO", 1, 11);
    plano().answer("Inicializa", {E_ACCESSDENIED});
    _RegContaPS conta{};
    EXPECT_LT(outro.LeConta(2, &conta), 0);
    EXPECT_EQ(relatos(E_ACCESSDENIED), 1u);
}

TEST_F(DadosTavon, BranchAccessIsDeniedWhenItCannotBeRead) {
    std::array<uint8_t, QV_TAMANHO_ACESSO_FILIAIS> tabela{};
    ASSERT_EQ(dados.LeAcessoFiliais(tabela.data()), S_OK);
    EXPECT_NE(tabela[2 + 1], 0);     // ADMIN reaches branches 1 and 2
    EXPECT_NE(tabela[2 + 2], 0);
    EXPECT_EQ(usuarios().calls("LeFiliaisAtivas"), std::vector<std::string>{"usuario=1"});

    // A failed read grants nothing (all zero), is reported and answered.
    tabela.fill(0x77);
    usuarios().answer("LeFiliaisAtivas", {E_FAIL});
    EXPECT_EQ(dados.LeAcessoFiliais(tabela.data()), E_FAIL);
    EXPECT_TRUE(std::all_of(tabela.begin(), tabela.end(), [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(relatos(E_FAIL), 1u);

    // With error reporting off the answer is the same, without a report.
    EXPECT_TRUE(dados.SetTrataErros(false));
    usuarios().answer("LeFiliaisAtivas", {E_FAIL});
    EXPECT_EQ(dados.LeAcessoFiliais(tabela.data()), E_FAIL);
    EXPECT_EQ(relatos(E_FAIL), 1u);
    dados.LimpaCaches();
    EXPECT_TRUE(dados.GetTrataErros());
}
