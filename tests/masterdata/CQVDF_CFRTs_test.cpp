// The customer and supplier register: the checks of a save in their order, rights, an object
// that was never initialised, the next classification, and the customers and suppliers read back
// as person objects with their address and categories.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "masterdata/CCFRT_Cliente.h"
#include "masterdata/CCFRT_Fornecedor.h"
#include "masterdata/CQVDF_CFRTs.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "tests/server/raiz_fixture.h"

using namespace masterdata;

namespace {

com::unique_bstr b(const std::string& t) { return com::to_bstr(t); }

std::string texto(BSTR v) {
    com::unique_bstr guarda(v);
    return com::from_bstr(v);
}

template <class F>
std::string le(F&& getter) {
    BSTR out = nullptr;
    EXPECT_EQ(getter(&out), S_OK);
    return texto(out);
}

class CFRTs : public raiz_fixture {
protected:
    CFRTs() { raiz = admin(); }

    com::com_ptr<CQVDF_CFRTs> iniciado(IQV_Inicializa* r) {
        auto cfrts = com::make<CQVDF_CFRTs>();
        EXPECT_EQ(cfrts->Inicializa(r), S_OK);
        return cfrts;
    }

    // A customer that passes every check: a new classification, own code and CNPJ.
    static void completo(ICFRT_Cliente* c) {
        c->put_CodigoProprio(b("C950").get());
        c->put_Classificacao(b("1.950").get());
        c->put_TipoPessoa(b("J").get());
        c->put_CNPJ_CPF(b("04.252.011/0001-10").get());
        c->put_Nome(b("Padaria Pão Quente Ltda").get());
        c->put_InscricaoEstadual(b("111.222.333.444").get());
        c->put_TabelaDePrecosProdutos(2);
        com::com_ptr<ICFRT_Endereco> e;
        c->get_Endereco(e.put());
        e->put_Rua(b("Rua Augusta").get());
        e->put_Numero(1500);
        e->put_Bairro(b("Consolação").get());
        e->put_CEP(b("01305-100").get());
        e->put_CodigoMunicipio(355030);
        e->put_Email(b("contato@paoquente.com.br").get());
    }

    long linhas_cfrt() {
        auto q = store().db().prepare("SELECT COUNT(*) FROM cfrt");
        q.step();
        return q.column_int(0);
    }

    com::com_ptr<server::CQV_Inicializa> raiz;
};

TEST_F(CFRTs, SaveChecksComeInTheirOrder) {
    // Starting from an empty customer, each row fills what the previous row's code asked for;
    // the result is the next check's code, and nothing is written before the last row.
    auto cfrts = iniciado(raiz.get());
    com::com_ptr<ICFRT_Cliente> c;
    ASSERT_EQ(cfrts->NovoCliente(c.put()), S_OK);
    com::com_ptr<ICFRT_Endereco> e;
    c->get_Endereco(e.put());
    struct passo {
        const char* o_que;
        std::function<void()> preenche;
        long resultado;
    };
    const passo passos[] = {
        {"vazio", [] {}, -9},
        {"código em uso", [&] { c->put_CodigoProprio(b("c001").get()); }, -10},
        {"código livre", [&] { c->put_CodigoProprio(b("C950").get()); }, -1},
        {"sem ponto", [&] { c->put_Classificacao(b("1950").get()); }, -11},
        {"pai analítico", [&] { c->put_Classificacao(b("5.001.1").get()); }, -11},
        {"já usada", [&] { c->put_Classificacao(b("1.001").get()); }, -11},
        {"classificação livre", [&] { c->put_Classificacao(b("1.950").get()); }, -5},
        {"pessoa minúscula", [&] { c->put_TipoPessoa(b("j").get()); }, -5},
        {"pessoa jurídica", [&] { c->put_TipoPessoa(b("J").get()); }, -7},
        {"CPF numa jurídica", [&] { c->put_CNPJ_CPF(b("111.444.777-35").get()); }, -7},
        {"CNPJ existente", [&] { c->put_CNPJ_CPF(b("11.222.333/0001-81").get()); }, -8},
        {"CNPJ existente sem máscara", [&] { c->put_CNPJ_CPF(b("11222333000181").get()); }, -8},
        {"CNPJ novo", [&] { c->put_CNPJ_CPF(b("04.252.011/0001-10").get()); }, -3},
        {"rua", [&] { e->put_Rua(b("Rua Augusta").get()); }, -6},
        {"município inexistente", [&] { e->put_CodigoMunicipio(123); }, -6},
        {"município", [&] { e->put_CodigoMunicipio(355030); }, -4},
        {"nome", [&] { c->put_Nome(b("Padaria Pão Quente Ltda").get()); }, -101},
    };
    const long antes = linhas_cfrt();
    for (const passo& p : passos) {
        SCOPED_TRACE(p.o_que);
        p.preenche();
        LONG resultado = 0;
        ASSERT_EQ(cfrts->GravaCliente(c.get(), &resultado), S_OK);
        EXPECT_EQ(resultado, p.resultado);
    }
    EXPECT_EQ(linhas_cfrt(), antes);
    c->put_InscricaoEstadual(b("111.222.333.444").get());
    LONG resultado = 0;
    ASSERT_EQ(cfrts->GravaCliente(c.get(), &resultado), S_OK);
    EXPECT_GT(resultado, 0);
    EXPECT_EQ(linhas_cfrt(), antes + 1);
    // The same CNPJ again, under another code and classification.
    c->put_CodigoProprio(b("C901").get());
    c->put_Classificacao(b("1.901").get());
    ASSERT_EQ(cfrts->GravaCliente(c.get(), &resultado), S_OK);
    EXPECT_EQ(resultado, -8);
}

TEST_F(CFRTs, CpfCnpjEdgeCases) {
    auto cfrts = iniciado(raiz.get());
    int n = 0;
    auto grava = [&](const char* tipo, const char* numero) {
        com::com_ptr<ICFRT_Cliente> c;
        EXPECT_EQ(cfrts->NovoCliente(c.put()), S_OK);
        completo(c.get());
        ++n;
        c->put_CodigoProprio(b("Z" + std::to_string(n)).get());
        c->put_Classificacao(b("1.8" + std::to_string(10 + n)).get());
        c->put_TipoPessoa(b(tipo).get());
        c->put_CNPJ_CPF(b(numero).get());
        LONG resultado = 0;
        EXPECT_EQ(cfrts->GravaCliente(c.get(), &resultado), S_OK);
        return resultado;
    };
    EXPECT_GT(grava("F", "000.000.000-00"), 0);
    EXPECT_GT(grava("F", "00000000000"), 0);
    EXPECT_GT(grava("F", "390.533.447-051"), 0);
    // Only customers count for a customer: the supplier with this CPF does not refuse it ...
    EXPECT_GT(grava("F", "390.533.447-05"), 0);
    // ... but the customer just saved does.
    EXPECT_EQ(grava("F", "39053344705"), -8);
    EXPECT_EQ(grava("F", "390.533.447-0"), -7);
    EXPECT_EQ(grava("J", "33.700.557/0001-9"), -7);
    // A supplier's CNPJ is free for a customer.
    EXPECT_GT(grava("J", "33.700.557/0001-94"), 0);
}

TEST_F(CFRTs, SavedCustomerReadsBack) {
    auto cfrts = iniciado(raiz.get());
    com::com_ptr<ICFRT_Cliente> c;
    ASSERT_EQ(cfrts->NovoCliente(c.put()), S_OK);
    completo(c.get());
    c->put_Representante(9001);
    LONG posicao = 0;
    ASSERT_EQ(cfrts->GravaCliente(c.get(), &posicao), S_OK);
    ASSERT_GT(posicao, 0);

    com::com_ptr<ICFRT_Cliente> lido;
    ASSERT_EQ(cfrts->LeCliente(posicao, lido.put()), S_OK);
    ASSERT_TRUE(lido);
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_Nome(p); }), "Padaria P\xe3o Quente Ltda");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_Classificacao(p); }), "1.950");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_CodigoProprio(p); }), "C950");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_TipoPessoa(p); }), "J");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_CNPJ_CPF(p); }), "04.252.011/0001-10");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_InscricaoEstadual(p); }), "111.222.333.444");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_Situacao(p); }), "Ativo");
    LONG valor = 0;
    lido->get_Representante(&valor);
    EXPECT_EQ(valor, 9001);
    lido->get_TabelaDePrecosProdutos(&valor);
    EXPECT_EQ(valor, 2);
    com::com_ptr<ICFRT_Endereco> e;
    ASSERT_EQ(lido->get_Endereco(e.put()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return e->get_Rua(p); }), "Rua Augusta");
    EXPECT_EQ(le([&](BSTR* p) { return e->get_Bairro(p); }), "Consola\xe7\xe3o");
    EXPECT_EQ(le([&](BSTR* p) { return e->get_Email(p); }), "contato@paoquente.com.br");
    e->get_Numero(&valor);
    EXPECT_EQ(valor, 1500);
    e->get_CodigoMunicipio(&valor);
    EXPECT_EQ(valor, 21);   // the register position of São Paulo
}

TEST_F(CFRTs, SeededCustomerAndSupplierWithTheirCategories) {
    auto cfrts = iniciado(raiz.get());
    com::com_ptr<ICFRT_Cliente> c;
    ASSERT_EQ(cfrts->LeCliente(2, c.put()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Nome(p); }), "Cliente Exemplo Ltda");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Porte(p); }), "Grande porte");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Tipo(p); }), "Atacadista");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Regiao(p); }), "Regi\xe3o Sudeste");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_ClienteDesde(p); }), "05/01/01");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_DataSituacao(p); }), "01/03/19");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_FretePorConta(p); }), "D");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Transportadora(p); }), "T001");
    USHORT condicao = 0;
    c->get_CondicaoPagamento(&condicao);
    EXPECT_EQ(condicao, 1);
    VARIANT_BOOL bloqueada = VARIANT_TRUE;
    c->get_VendaBloqueada(&bloqueada);
    EXPECT_EQ(bloqueada, VARIANT_FALSE);

    com::com_ptr<ICFRT_Cliente> maria;
    ASSERT_EQ(cfrts->LeCliente(3, maria.put()), S_OK);
    maria->get_VendaBloqueada(&bloqueada);
    EXPECT_EQ(bloqueada, VARIANT_TRUE);
    EXPECT_EQ(le([&](BSTR* p) { return maria->get_FretePorConta(p); }), "E");
    EXPECT_EQ(le([&](BSTR* p) { return maria->get_Transportadora(p); }), "");

    com::com_ptr<ICFRT_Fornecedor> f;
    ASSERT_EQ(cfrts->LeFornecedor(27, f.put()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return f->get_Nome(p); }), "Ant\xf4nio Ferreira");
    EXPECT_EQ(le([&](BSTR* p) { return f->get_TipoPessoa(p); }), "F");
    EXPECT_EQ(le([&](BSTR* p) { return f->get_Porte(p); }), "Pequeno porte");
    EXPECT_EQ(le([&](BSTR* p) { return f->get_Tipo(p); }), "");
    ASSERT_EQ(cfrts->LeFornecedor(28, f.put()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return f->get_InscricaoEstadual(p); }), "645.123.987.110");
    EXPECT_EQ(le([&](BSTR* p) { return f->get_Regiao(p); }), "Regi\xe3o Sudeste");
    // One category server for every read of the object.
    EXPECT_EQ(criacao(inhouse::CLSID_CategoriasServer).count("CreateInstance"), 1u);
}

TEST_F(CFRTs, ReadFailuresHandOutNoObject) {
    auto cfrts = iniciado(raiz.get());
    servidor(inhouse::CLSID_CategoriasServer).answer("BuscaCategorias", {E_FAIL});
    com::com_ptr<ICFRT_Cliente> c;
    EXPECT_EQ(cfrts->LeCliente(2, c.put()), E_FAIL);
    EXPECT_FALSE(c);
    EXPECT_EQ(last_error(), "Falha ao ler um cliente");
    servidor(inhouse::CLSID_CategoriasServer).answer("Inicializa", {E_FAIL});
    auto outro = iniciado(raiz.get());
    com::com_ptr<ICFRT_Fornecedor> f;
    EXPECT_EQ(outro->LeFornecedor(5, f.put()), E_FAIL);
    EXPECT_FALSE(f);
    EXPECT_EQ(last_error(), "Falha ao ler um fornecedor");
    // A position without an account is a failure, not an empty customer.
    EXPECT_EQ(cfrts->LeCliente(777, c.put()), E_FAIL);
    EXPECT_FALSE(c);
    EXPECT_EQ(last_error(), "Erro ao ler CFRT");
    ASSERT_EQ(cfrts->LeCliente(2, c.put()), S_OK);
    EXPECT_TRUE(c);
}

TEST_F(CFRTs, RightsAreCheckedPerKind) {
    auto regional_raiz = regional();
    auto cfrts = iniciado(regional_raiz.get());
    com::com_ptr<ICFRT_Fornecedor> f;
    ASSERT_EQ(cfrts->NovoFornecedor(f.put()), S_OK);
    LONG resultado = 5;
    EXPECT_EQ(cfrts->GravaFornecedor(f.get(), &resultado), E_ACCESSDENIED);
    EXPECT_EQ(last_error(), "Usu\xe1rio n\xe3o possui acesso para utilizar este recurso");
    EXPECT_EQ(resultado, 0);
    // The customer right it holds lets the checks run.
    com::com_ptr<ICFRT_Cliente> c;
    ASSERT_EQ(cfrts->NovoCliente(c.put()), S_OK);
    EXPECT_EQ(cfrts->GravaCliente(c.get(), &resultado), S_OK);
    EXPECT_EQ(resultado, -9);
}

TEST_F(CFRTs, UninitialisedObjectRefusesWithEPointer) {
    auto cfrts = com::make<CQVDF_CFRTs>();
    com::com_ptr<ICFRT_Cliente> c;
    ASSERT_EQ(cfrts->NovoCliente(c.put()), S_OK);
    com::com_ptr<ICFRT_Fornecedor> f;
    ASSERT_EQ(cfrts->NovoFornecedor(f.put()), S_OK);
    LONG resultado = 0;
    EXPECT_EQ(cfrts->GravaCliente(c.get(), &resultado), E_POINTER);
    EXPECT_EQ(last_error(), "Falha ao gravar cliente");
    EXPECT_EQ(cfrts->GravaFornecedor(f.get(), &resultado), E_POINTER);
    EXPECT_EQ(last_error(), "Falha ao gravar fornecedor");
    BSTR proxima = nullptr;
    EXPECT_EQ(cfrts->GetProximaClassificacao(b("C").get(), &proxima), E_POINTER);
    EXPECT_EQ(last_error(), "Falha ao pegar a pr\xf3xima classifica\xe7\xe3o do CFRT");
    com::com_ptr<ICFRT_Cliente> lido;
    EXPECT_TRUE(FAILED(cfrts->LeCliente(2, lido.put())));
    EXPECT_EQ(last_error(), "Erro ao ler CFRT");
    EXPECT_EQ(cfrts->Inicializa(nullptr), E_POINTER);
    EXPECT_EQ(last_error(), "Falha ao inicializar o CFRT");
    servidor(inhouse::CLSID_CFRTServer).answer("Inicializa", {E_FAIL});
    EXPECT_EQ(cfrts->Inicializa(raiz.get()), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao inicializar o CFRT");
}

TEST_F(CFRTs, NextClassificationByKind) {
    auto cfrts = iniciado(raiz.get());
    struct caso {
        const char* tipo;
        HRESULT hr;
        const char* resposta;   // the classification, or the error text
    };
    const caso casos[] = {
        {"C", S_OK, "1.003"},
        {"cliente", S_OK, "1.003"},
        {"Fornecedor", S_OK, "2.002"},
        {"r", S_OK, "3.002"},
        {"transportadora", S_OK, "4.002"},
        {"", E_INVALIDARG, "Par\xe2metro inv\xe1lido no m\xe9todo IQVDF_CFRTs::GetProximaClassificacao"},
        {"x", E_INVALIDARG, "Tipo de cadastro desconhecido (IQVDF_CFRTs::GetProximaClassificacao)"},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(c.tipo);
        BSTR proxima = nullptr;
        EXPECT_EQ(cfrts->GetProximaClassificacao(b(c.tipo).get(), &proxima), c.hr);
        EXPECT_EQ(c.hr == S_OK ? texto(proxima) : last_error(), c.resposta);
    }
    servidor(inhouse::CLSID_PlanoServer).answer("LeConfiguracao", {E_FAIL});
    BSTR proxima = nullptr;
    EXPECT_EQ(cfrts->GetProximaClassificacao(b("C").get(), &proxima), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao ler as configura\xe7\xf5" "es do CFRT");
}

TEST_F(CFRTs, ServerFailuresOfTheChecksAndTheWrite) {
    auto cfrts = iniciado(raiz.get());
    com::com_ptr<ICFRT_Cliente> c;
    ASSERT_EQ(cfrts->NovoCliente(c.put()), S_OK);
    completo(c.get());
    LONG resultado = 0;
    conexao("CConexaoMunicipio").answer("Inicializa", {E_FAIL});
    EXPECT_EQ(cfrts->GravaCliente(c.get(), &resultado), E_FAIL);
    EXPECT_EQ(last_error(), "Erro ao consultar munic\xedpio");
    conexao("CConexaoMunicipio").clear();
    servidor(inhouse::CLSID_PlanoServer).answer("BuscaCpfCnpj", {E_OUTOFMEMORY});
    EXPECT_EQ(cfrts->GravaCliente(c.get(), &resultado), E_OUTOFMEMORY);
    servidor(inhouse::CLSID_CFRTServer).answer("GravaPrincipal", {E_FAIL});
    EXPECT_EQ(cfrts->GravaCliente(c.get(), &resultado), E_FAIL);
    EXPECT_EQ(last_error(), "Falha ao gravar cliente");
    // The object goes on working after the failure: the chart account written on the way keeps
    // its classification, so the next try takes another one.
    c->put_Classificacao(b("1.901").get());
    c->put_CodigoProprio(b("C901").get());
    ASSERT_EQ(cfrts->GravaCliente(c.get(), &resultado), S_OK);
    EXPECT_GT(resultado, 0);
    servidor(inhouse::CLSID_CFRTServer).answer("LePrincipal", {E_FAIL});
    com::com_ptr<ICFRT_Cliente> lido;
    EXPECT_EQ(cfrts->LeCliente(resultado, lido.put()), E_FAIL);
    ASSERT_EQ(cfrts->LeCliente(resultado, lido.put()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_CodigoProprio(p); }), "C901");
}

TEST_F(CFRTs, OwnCodesAreAskedOncePerInicializa) {
    sql("UPDATE plano_configuracao SET codigo_proprio = 'N'");
    auto cfrts = iniciado(raiz.get());
    com::com_ptr<ICFRT_Cliente> c;
    ASSERT_EQ(cfrts->NovoCliente(c.put()), S_OK);
    LONG resultado = 0;
    // Without own codes an empty one is no refusal: the classification is checked first.
    ASSERT_EQ(cfrts->GravaCliente(c.get(), &resultado), S_OK);
    EXPECT_EQ(resultado, -1);
    sql("UPDATE plano_configuracao SET codigo_proprio = 'S'");
    ASSERT_EQ(cfrts->GravaCliente(c.get(), &resultado), S_OK);
    EXPECT_EQ(resultado, -1);
    ASSERT_EQ(cfrts->Inicializa(raiz.get()), S_OK);
    ASSERT_EQ(cfrts->GravaCliente(c.get(), &resultado), S_OK);
    EXPECT_EQ(resultado, -9);
}

}  // namespace
