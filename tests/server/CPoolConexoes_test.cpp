#include "server/holders/CPoolConexoes.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/server/holders_fixture.h"
#include "platform/com/failure.h"
#include "platform/inhouse/acesso/CConexaoUsuario.h"

using server::CPoolConexoes;

namespace {

struct pool_case {
    int slot;
    const char* classe;
    std::function<CConexaoServidor*(CPoolConexoes&)> accessor;
    const char* extras;     // what the slot's initialisation adds to company, user and session
};

const pool_case pool_cases[] = {
    {0, "CConexaoFilial", [](CPoolConexoes& p) { return p.GetConexaoFilial(); }, " todas=0"},
    {1, "CConexaoUsuario", [](CPoolConexoes& p) { return p.GetConexaoUsuario(); }, ""},
    {2, "CConexaoEstado", [](CPoolConexoes& p) { return p.GetConexaoEstado(); }, ""},
    {3, "CConexaoMunicipio", [](CPoolConexoes& p) { return p.GetConexaoMunicipio(); }, ""},
    {4, "CConexaoPlanoContabil", [](CPoolConexoes& p) { return p.GetConexaoPlanoContabil(); }, " opcao1='0' opcao2='0'"},
    {5, "CConexaoPlanoGerencial", [](CPoolConexoes& p) { return p.GetConexaoPlanoGerencial(); }, " opcao1='0' opcao2='0'"},
    {6, "CConexaoCFRT", [](CPoolConexoes& p) { return p.GetConexaoCFRT(); }, ""},
    {7, "CConexaoCliente", [](CPoolConexoes& p) { return p.GetConexaoCliente(); }, ""},
    {8, "CConexaoBanco", [](CPoolConexoes& p) { return p.GetConexaoBanco(); }, " tipo='C'"},
    {9, "CConexaoCategoria", [](CPoolConexoes& p) { return p.GetConexaoCategoria(); }, " cadastro=0"},
    {10, "CConexaoServico", [](CPoolConexoes& p) { return p.GetConexaoServico(); }, ""},
    {11, "CMyConexaoProduto", [](CPoolConexoes& p) { return p.GetMyConexaoProduto(); }, ""},
    {12, "CConexaoGradesProduto", [](CPoolConexoes& p) { return p.GetConexaoGradesProduto(); }, ""},
    {13, "CConexaoUnidadeMedidaProduto", [](CPoolConexoes& p) { return p.GetConexaoUnidadeMedidaProduto(); }, ""},
    {15, "CConexaoCondicaoPagamento", [](CPoolConexoes& p) { return p.GetConexaoCondicaoPagamento(); }, ""},
    {16, "CConexaoFormaPagamento", [](CPoolConexoes& p) { return p.GetConexaoFormaPagamento(); }, ""},
    {17, "CConexaoTipoCobranca", [](CPoolConexoes& p) { return p.GetConexaoTipoCobranca(); }, ""},
    {18, "CConexaoHistorico", [](CPoolConexoes& p) { return p.GetConexaoHistorico(); }, ""},
    {19, "CConexaoNatureza", [](CPoolConexoes& p) { return p.GetConexaoNatureza(); }, ""},
    {20, "CConexaoNaturezaComercial", [](CPoolConexoes& p) { return p.GetConexaoNaturezaComercial(); }, ""},
    {21, "CConexaoOpComerciais", [](CPoolConexoes& p) { return p.GetConexaoOpComerciais(); }, ""},
    {23, "CConexaoCadEquipamento", [](CPoolConexoes& p) { return p.GetConexaoCadEquipamento(); }, ""},
    {28, "CConexaoAtendimento", [](CPoolConexoes& p) { return p.GetConexaoAtendimento(); }, ""},
    {29, "CConexaoPlano", [](CPoolConexoes& p) { return p.GetConexaoPlano(); }, " tipo='C' opcao1='0' opcao2='0'"},
    {30, "CConexaoVendedor", [](CPoolConexoes& p) { return p.GetConexaoVendedor(); }, ""},
    {31, "CConexaoLocais", [](CPoolConexoes& p) { return p.GetConexaoLocais(); }, ""},
    {32, "CConexaoMovimento", [](CPoolConexoes& p) { return p.GetConexaoMovimento(); }, ""},
    {33, "CConexaoProduto", [](CPoolConexoes& p) { return p.GetConexaoProduto(); }, ""},
};

void clear_connection_plans() {
    for (const auto& c : pool_cases) inhouse::faults_of_connection(c.classe).clear();
}

class PoolConexoes : public holders_fixture {
protected:
    PoolConexoes() { clear_connection_plans(); }
};

}  // namespace

TEST_F(PoolConexoes, EachSlotIsCreatedSilencedAndInitialisedOnceWithItsArguments) {
    CPoolConexoes& pool = *CPoolConexoes::GetInstancia();
    for (const auto& c : pool_cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " " << c.classe);
        EXPECT_EQ(pool.GetSlot(c.slot), nullptr);
        CConexaoServidor* first = c.accessor(pool);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(c.accessor(pool), first);
        EXPECT_EQ(pool.GetSlot(c.slot), first);
        EXPECT_STREQ(first->NomeClasse(), c.classe);
        EXPECT_FALSE(first->GetTrataErros());
        EXPECT_FALSE(first->GetTratarMensagens());
        EXPECT_EQ(inhouse::faults_of_connection(c.classe).calls("Inicializa"),
                  std::vector<std::string>{std::string("empresa=DEMO usuario=7 sessao=4242") + c.extras});
    }
    // The slots that no class uses stay empty.
    for (int slot : {14, 22, 24, 25, 26, 27}) EXPECT_EQ(pool.GetSlot(slot), nullptr) << slot;
}

TEST_F(PoolConexoes, ResetGivesNewConnectionsWithTheThenCurrentSession) {
    CPoolConexoes::GetInstancia()->GetConexaoPlano();
    CPoolConexoes::Destroi();
    EXPECT_FALSE(CPoolConexoes::Existe());

    login("OUTRA", 9, 77);
    CConexaoPlano* plano = CPoolConexoes::GetInstancia()->GetConexaoPlano();
    EXPECT_EQ(plano->GetEmpresa(), "OUTRA");
    EXPECT_EQ(plano->GetUsuario(), 9);
    EXPECT_EQ(plano->GetSessao(), 77);
    EXPECT_EQ(inhouse::faults_of_connection("CConexaoPlano").count("Inicializa"), 2u);
}

TEST_F(PoolConexoes, FailedInitialisationStaysButNoSessionCreatesNothing) {
    // A connection whose initialisation failed stays in its slot and is not initialised again.
    inhouse::faults_of_connection("CConexaoEstado").answer("Inicializa", {E_FAIL});
    CPoolConexoes& pool = *CPoolConexoes::GetInstancia();
    CConexaoEstado* estado = pool.GetConexaoEstado();
    EXPECT_FALSE(estado->IsInicializada());
    EXPECT_EQ(pool.GetConexaoEstado(), estado);
    EXPECT_EQ(inhouse::faults_of_connection("CConexaoEstado").count("Inicializa"), 1u);

    // Without a logged-in session no connection is made with empty values.
    server::CSessaoGlobal::GetInstancia()->SetDados(nullptr);
    EXPECT_THROW(pool.GetConexaoMunicipio(), com::failure);
    EXPECT_EQ(pool.GetSlot(3), nullptr);
    EXPECT_EQ(inhouse::faults_of_connection("CConexaoMunicipio").count("Inicializa"), 0u);
}
