// The operation natures register: its filters, the load from the natures server for a logged-in
// root object (code order, the branch's CFOP mask), the server-position reads and the numbered
// failures of its worker.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "masterdata/CDFNatureza.h"
#include "masterdata/CQVDFNatureza.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "server/root/CQV_Inicializa.h"
#include "tests/masterdata/masterdata_fixture.h"

using masterdata::CQVDFNatureza;

namespace {

class Naturezas : public masterdata_fixture {
protected:
    Naturezas() {
        root = com::make<server::CQV_Inicializa>();
        INT result = -1;
        EXPECT_EQ(root->Inicializa(b("DEMO").get(), b("ADMIN").get(), b("admin123").get(), &result), S_OK);
        EXPECT_EQ(result, 0);
        branch().clear();
        branch_creation().clear();
        natures().clear();
        inhouse::faults_of_connection("CConexaoNatureza").clear();
        object = com::make<CQVDFNatureza>();
    }

public:   // the failure table's scripts reach the plans
    inhouse::fault_plan& branch() { return factory(inhouse::CLSID_FilialServer).object_faults(); }
    inhouse::fault_plan& branch_creation() { return factory(inhouse::CLSID_FilialServer).faults(); }
    inhouse::fault_plan& natures() { return factory(inhouse::CLSID_NaturezasServer).object_faults(); }

protected:

    HRESULT init(short modulo = 3, IQV_Inicializa* raiz = nullptr) {
        SetErrorInfo(0, nullptr);
        return object->Inicializa(raiz ? raiz : static_cast<IQV_Inicializa*>(root.get()), modulo);
    }
    short count() {
        short n = -1;
        EXPECT_EQ(object->get_m_iQuantidade(&n), S_OK);
        return n;
    }
    std::vector<std::string> codes() {
        std::vector<std::string> out;
        for (short i = 0, n = count(); i < n; ++i) out.push_back(text([&](BSTR* p) { return object->get_m_scodigo(i, p); }));
        return out;
    }

    com::com_ptr<server::CQV_Inicializa> root;
    com::com_ptr<CQVDFNatureza> object;
};

TEST(MascaraCfop, KeepsTheDotsAndAppliesThemToCodes) {
    EXPECT_EQ(masterdata::mascara_cfop("9.999"), "#.###");
    EXPECT_EQ(masterdata::mascara_cfop("99.99.9"), "##.##.#");
    struct caso {
        const char* codigo;
        const char* mascara;
        const char* mostrado;
    } casos[] = {
        {"5102", "#.###", "5.102"},  {"5.102", "#.###", "5.102"}, {"51021", "#.###", "5.1021"},
        {"5102", "", "5102"},        {"5.1.02", "", "5102"},      {"51", "#.###", "5.1"},
        {"5", "#.###", "5"},         {"5102", "##.#.#", "51.0.2"}, {"", "#.###", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(masterdata::aplica_mascara(c.codigo, c.mascara), c.mostrado) << c.codigo << " " << c.mascara;
}

TEST_F(Naturezas, ANewObjectFiltersBranchZeroTypeZeroModuleThreeProducts) {
    short v = -1;
    EXPECT_EQ(object->get_m_iFilial(&v), S_OK);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(object->get_m_iTipoNatureza(&v), S_OK);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(object->get_m_iModulo(&v), S_OK);
    EXPECT_EQ(v, 3);
    EXPECT_EQ(object->worker().GetTipoProduto(), 'P');
    EXPECT_EQ(count(), 0);
}

TEST_F(Naturezas, TypeAndModuleKeepTheirLowByte) {
    struct caso {
        short escrito, tipo, modulo;
    } casos[] = {{200, -56, 200}, {300, 44, 44}, {-1, -1, 255}, {7, 7, 7}};
    for (const auto& c : casos) {
        short v = 0;
        ASSERT_EQ(object->put_m_iTipoNatureza(c.escrito), S_OK);
        ASSERT_EQ(object->get_m_iTipoNatureza(&v), S_OK);
        EXPECT_EQ(v, c.tipo) << c.escrito;
        ASSERT_EQ(object->put_m_iModulo(c.escrito), S_OK);
        ASSERT_EQ(object->get_m_iModulo(&v), S_OK);
        EXPECT_EQ(v, c.modulo) << c.escrito;
    }
}

TEST_F(Naturezas, LoadsTheNaturesInForceInCodeOrderWithTheMask) {
    ASSERT_EQ(init(), S_OK);
    EXPECT_EQ(codes(), (std::vector<std::string>{"1.102", "1.202", "2.102", "5.102", "5.152", "5.202", "5.405", "6.102",
                                                 "7.102"}));
    EXPECT_EQ(text([&](BSTR* p) { return object->get_m_sNome(3, p); }), "Venda de mercadoria adquirida de terceiros");
    short filial = -1;
    EXPECT_EQ(object->get_m_Filial(4, &filial), S_OK);
    EXPECT_EQ(filial, 2);
    EXPECT_EQ(natures().calls("Quantidade"), std::vector<std::string>{"filial=0 dia=56617 tipo=0 modulo=3 letra=P"});
    EXPECT_EQ(branch().calls("MascaraCFOP"), std::vector<std::string>{"opcao=0"});
}

TEST_F(Naturezas, FiltersReachTheServer) {
    ASSERT_EQ(object->put_m_iFilial(1), S_OK);
    ASSERT_EQ(object->put_m_iTipoNatureza(1), S_OK);
    ASSERT_EQ(init(13), S_OK);
    EXPECT_EQ(codes(), (std::vector<std::string>{"1.102", "1.202", "2.102"}));
    ASSERT_EQ(object->put_m_iTipoNatureza(2), S_OK);
    ASSERT_EQ(object->SetStatusTipoServico(), S_OK);
    ASSERT_EQ(init(13), S_OK);
    EXPECT_EQ(codes(), (std::vector<std::string>{"5.102", "5.202", "5.405", "5.933", "6.102", "7.102"}));
    EXPECT_EQ(natures().calls("Quantidade").back(), "filial=1 dia=56617 tipo=2 modulo=13 letra=S");
    short modulo = 0;
    EXPECT_EQ(object->get_m_iModulo(&modulo), S_OK);
    EXPECT_EQ(modulo, 13);
}

TEST_F(Naturezas, ServerPositionReadsAskTheServerEveryTime) {
    ASSERT_EQ(init(), S_OK);
    EXPECT_EQ(text([&](BSTR* p) { return object->LeCodigo(6, p); }), "5.405");
    EXPECT_EQ(text([&](BSTR* p) { return object->LeNome(9, p); }), "Prestação de serviço tributado pelo ISSQN");
    VARIANT_BOOL integra = 0;
    EXPECT_EQ(object->TemIntegracaoFinanceiro(1, &integra), S_OK);
    EXPECT_EQ(integra, VARIANT_TRUE);
    EXPECT_EQ(object->TemIntegracaoFinanceiro(7, &integra), S_OK);
    EXPECT_EQ(integra, VARIANT_FALSE);
    EXPECT_EQ(natures().calls("LeNatureza"),
              (std::vector<std::string>{"posicao=6 dia=56617 modulo=3", "posicao=9 dia=56617 modulo=3",
                                        "posicao=1 dia=56617 modulo=3", "posicao=7 dia=56617 modulo=3"}));
}

TEST_F(Naturezas, AReadTheServerRefusesIsAFailureEveryTime) {
    ASSERT_EQ(init(), S_OK);
    // 5.949 is in force only from 2025; position 99 holds no nature.
    for (unsigned short pos : {10, 99, 10}) {
        BSTR out = reinterpret_cast<BSTR>(1);
        EXPECT_EQ(object->LeCodigo(pos, &out), inhouse::QV_E_NATUREZA_DESCONHECIDA) << pos;
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(last_error(), "Falha ao ler a natureza de operação.");
    }
    natures().answer("LeNatureza", {E_ACCESSDENIED});
    VARIANT_BOOL integra = VARIANT_TRUE;
    EXPECT_EQ(object->TemIntegracaoFinanceiro(1, &integra), E_ACCESSDENIED);
    EXPECT_EQ(integra, VARIANT_FALSE);
}

TEST_F(Naturezas, ExisteAnswersThePositionOfTheCode) {
    ASSERT_EQ(init(), S_OK);
    struct caso {
        const char* codigo;
        unsigned short posicao;
    } casos[] = {{"5102", 1}, {"5.405", 6}, {"9999", 0}, {"5949", 0}, {"", 0}};
    for (const auto& c : casos) {
        unsigned short pos = 77;
        EXPECT_EQ(object->Existe(b(c.codigo).get(), &pos), S_OK);
        EXPECT_EQ(pos, c.posicao) << c.codigo;
    }
    EXPECT_EQ(natures().calls("ExisteNatureza").front(), "codigo=5102 dia=56617 filial=0 modulo=3");
}

TEST_F(Naturezas, IndexedGettersOutsideTheLoadedNaturesGiveTheirMessage) {
    ASSERT_EQ(init(), S_OK);
    for (short pos : {short(-1), short(9), short(1000)}) {
        BSTR out = reinterpret_cast<BSTR>(1);
        EXPECT_EQ(object->get_m_scodigo(pos, &out), static_cast<HRESULT>(0xFFFFFFFFu));
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(last_error(), "100  -\tO índice deve estar entre 0 e 8 ");
        EXPECT_EQ(object->get_m_sNome(pos, &out), static_cast<HRESULT>(0xFFFFFFFFu));
        EXPECT_EQ(last_error(), "101  -\tO índice deve estar entre 0 e 8 ");
        short f = 5;
        EXPECT_EQ(object->get_m_Filial(pos, &f), static_cast<HRESULT>(0xFFFFFFFFu));
        const reported_error e = last_reported_error();
        EXPECT_EQ(e.description, "102  -\tO índice deve estar entre 0 e 8 ");
        EXPECT_EQ(e.source.rfind("Arquivo= CDFNatureza.cpp  linha= ", 0), 0u) << e.source;
    }
    auto empty = com::make<CQVDFNatureza>();
    BSTR out = nullptr;
    EXPECT_EQ(empty->get_m_scodigo(0, &out), static_cast<HRESULT>(0xFFFFFFFFu));
    EXPECT_EQ(last_error(), "100  -\tO índice deve estar entre 0 e -1 ");
}

struct load_failure {
    const char* name;
    std::function<void(Naturezas&)> script;
    HRESULT hr;
    std::string message;
    short natures_after;   // 9 loaded before the failing call
};

std::string texto(const char* inicio, HRESULT hr) {
    char codigo[16];
    std::snprintf(codigo, sizeof codigo, "0x%08lX", static_cast<unsigned long>(hr));
    return std::string(inicio) + std::to_string(static_cast<int>(hr)) + "  - Erro " + codigo + " do módulo DF.";
}

TEST_F(Naturezas, LoadFailuresAreNumberedMessagesWithTheFailingHresult) {
    const HRESULT falha = static_cast<HRESULT>(0x80040777u);
    const load_failure cases[] = {
        {"the branch server cannot be created", [](Naturezas& t) { t.branch_creation().answer("CreateInstance", {falha}); },
         falha, texto("95\t-\tFalha ao inicializar a filial - HRESULT = ", falha), 9},
        {"the branch server cannot be opened", [](Naturezas& t) { t.branch().answer("Inicializa", {falha}); }, falha,
         texto("95\t-\tFalha ao inicializar a filial - HRESULT = ", falha), 9},
        {"the mask cannot be read", [](Naturezas& t) { t.branch().answer("MascaraCFOP", {falha}); }, falha,
         texto("96\t-\tFalha ao ler o CFOP - HRESULT = ", falha), 9},
        {"the natures connection fails", [](Naturezas&) {
             inhouse::faults_of_connection("CConexaoNatureza").answer("Inicializa", {falha});
         },
         falha, texto("97\t-\tFalha ao inicializar o cadastro de naturezas - HRESULT = ", falha), 9},
        {"the natures cannot be counted", [](Naturezas& t) { t.natures().answer("Quantidade", {falha}); }, falha,
         texto("98 \t-\tFalha ao buscar a quantidade de naturezas - HRESULT = ", falha), 9},
        {"the natures cannot be read", [](Naturezas& t) { t.natures().answer("Registros", {falha}); }, falha,
         texto("99 \t-\tFalha ao buscar os registros de naturezas - HRESULT = ", falha), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        object = com::make<CQVDFNatureza>();
        ASSERT_EQ(init(), S_OK);
        ASSERT_EQ(count(), 9);
        c.script(*this);
        EXPECT_EQ(init(), c.hr);
        const reported_error e = last_reported_error();
        EXPECT_EQ(e.description, c.message);
        EXPECT_EQ(e.source.rfind("Arquivo= CDFNatureza.cpp  linha= ", 0), 0u) << e.source;
        EXPECT_EQ(count(), c.natures_after);
        branch().clear();
        branch_creation().clear();
        natures().clear();
        inhouse::faults_of_connection("CConexaoNatureza").clear();
    }
}

TEST_F(Naturezas, ARootWithoutASessionGivesMessageOne) {
    auto sem_sessao = com::make<server::CQV_Inicializa>();
    EXPECT_EQ(init(3, sem_sessao.get()), static_cast<HRESULT>(0x800A0001u));
    EXPECT_EQ(last_error(), "1\t-\tComponente não inicializado !");
    EXPECT_EQ(natures().count("Quantidade"), 0u);
}

}  // namespace
