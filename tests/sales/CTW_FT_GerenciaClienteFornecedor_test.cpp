// The registration of a customer or supplier from a web form: the result codes of Gravar in
// their check order with their texts, own codes on and off, the duplicate document masked or
// not, a failed save, Gravar with no person, the reads back and their failures.
#include <functional>
#include <string>

#include "platform/inhouse/core/inhouse_guids.h"
#include "sales/CTW_FT_FornecedorCliente.h"
#include "sales/CTW_FT_GerenciaClienteFornecedor.h"
#include "tests/sales/cadastro_fixture.h"

using sales::CTW_FT_GerenciaClienteFornecedor;

namespace {

class GerenciaClienteFornecedor : public cadastro_fixture {
protected:
    com::com_ptr<ITW_FT_GerenciaClienteFornecedor> gerencia() {
        com::com_ptr<ITW_FT_GerenciaClienteFornecedor> g;
        EXPECT_EQ(m_raiz->TW_FT_GerenciaClienteFornecedor(g.put()), S_OK);
        return g;
    }
    static com::com_ptr<ICFRT_Endereco> endereco(ICFRT_Pessoa* p) {
        com::com_ptr<ICFRT_Endereco> e;
        EXPECT_EQ(p->get_Endereco(e.put()), S_OK);
        return e;
    }
    // A person that passes every check (own code, classification, CNPJ, address, name).
    static void completo(ICFRT_Pessoa* p, const std::string& codigo, const std::string& cnpj) {
        p->put_CodigoProprio(b(codigo).get());
        p->put_Classificacao(b("1.950").get());
        p->put_TipoPessoa(b("J").get());
        p->put_CNPJ_CPF(b(cnpj).get());
        p->put_Nome(b("Padaria Pão Quente Ltda").get());
        p->put_EmailPrincipal(b("contato@paoquente.com.br").get());
        const auto e = endereco(p);
        e->put_Rua(b("Rua Augusta").get());
        e->put_Numero(1500);
        e->put_Bairro(b("Consolação").get());
        e->put_CEP(b("01305-100").get());
        e->put_Telefone(b("(11) 3333-4444").get());
        e->put_CodigoMunicipio(355030);
    }
    // Gravar's answer: its HRESULT, its result and the error information it left.
    struct gravacao {
        HRESULT hr;
        LONG resultado;
        std::string texto;
    };
    static gravacao grava(ITW_FT_GerenciaClienteFornecedor* g) {
        SetErrorInfo(0, nullptr);
        LONG resultado = 12345;
        const HRESULT hr = g->Gravar(&resultado);
        return {hr, resultado, last_error()};
    }
};

TEST_F(GerenciaClienteFornecedor, CustomerChecksComeInTheirOrderWithTheirTexts) {
    // Starting from a new customer, each row fills what the previous row's code asked for; the
    // result is the next check's code. Nothing is written before the last row.
    auto g = gerencia();
    const auto c = sales::novo_cliente();
    BOOL existe = FALSE;
    ASSERT_EQ(g->SetNovoCliente(c.get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_TRUE);
    const auto e = endereco(c.get());
    struct passo {
        const char* o_que;
        std::function<void()> preenche;
        long resultado;
        const char* texto;
    };
    const passo passos[] = {
        {"vazio (a empresa usa códigos próprios)", [] {}, -9, "Código Próprio não informado."},
        {"código em uso", [&] { c->put_CodigoProprio(b("c001").get()); }, -10, "Código Próprio já existente."},
        {"código livre", [&] { c->put_CodigoProprio(b("C950").get()); }, -1, "Classificação não informada."},
        // A new customer is a natural person: its empty document is checked as a CPF.
        {"classificação", [&] { c->put_Classificacao(b("1.950").get()); }, -7, "CPF ou CNPJ inválido."},
        {"pessoa minúscula", [&] { c->put_TipoPessoa(b("j").get()); }, -5, ""},
        {"pessoa vazia", [&] { c->put_TipoPessoa(b("").get()); }, -5, ""},
        {"Jurídica", [&] { c->put_TipoPessoa(b("Jurídica").get()); }, -7, "CPF ou CNPJ inválido."},
        {"CPF numa jurídica", [&] { c->put_CNPJ_CPF(b("390.533.447-05").get()); }, -7, "CPF ou CNPJ inválido."},
        {"13 caracteres", [&] { c->put_CNPJ_CPF(b("1122233300018").get()); }, -7, "CPF ou CNPJ inválido."},
        {"CNPJ existente", [&] { c->put_CNPJ_CPF(b("11.222.333/0001-81").get()); }, -8, "CPF ou CNPJ existente."},
        {"CNPJ existente sem máscara", [&] { c->put_CNPJ_CPF(b("11222333000181").get()); }, -8,
         "CPF ou CNPJ existente."},
        {"CNPJ novo", [&] { c->put_CNPJ_CPF(b("04.252.011/0001-10").get()); }, -3, "Endereço não informado."},
        {"rua", [&] { e->put_Rua(b("Rua Augusta").get()); }, -6, "Código do Município inválido."},
        {"município inexistente", [&] { e->put_CodigoMunicipio(123); }, -6, "Código do Município inválido."},
        {"município", [&] { e->put_CodigoMunicipio(355030); }, -4, "Nome não informado."},
    };
    const long antes = linhas_cfrt();
    for (const passo& p : passos) {
        SCOPED_TRACE(p.o_que);
        p.preenche();
        const gravacao r = grava(g.get());
        ASSERT_EQ(r.hr, S_OK);
        EXPECT_EQ(r.resultado, p.resultado);
        EXPECT_EQ(r.texto, p.texto);
    }
    EXPECT_EQ(linhas_cfrt(), antes);
    c->put_Nome(b("Padaria Pão Quente Ltda").get());
    const gravacao r = grava(g.get());
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_GT(r.resultado, 0);
    EXPECT_EQ(linhas_cfrt(), antes + 1);
}

TEST_F(GerenciaClienteFornecedor, CheckOrderShowsInTheCode) {
    auto g = gerencia();
    const auto c = sales::novo_cliente();
    BOOL existe = FALSE;
    g->SetNovoCliente(c.get(), &existe);
    completo(c.get(), "C951", "04.252.011/0001-10");
    // An empty classification comes before a bad document ...
    c->put_Classificacao(b("").get());
    c->put_CNPJ_CPF(b("123").get());
    EXPECT_EQ(grava(g.get()).resultado, -1);
    // ... and a bad document before an empty street.
    c->put_Classificacao(b("1.951").get());
    endereco(c.get())->put_Rua(b("").get());
    EXPECT_EQ(grava(g.get()).resultado, -7);
}

TEST_F(GerenciaClienteFornecedor, SavedCustomerReadsBackAsTyped) {
    auto g = gerencia();
    const auto c = sales::novo_cliente();
    BOOL existe = FALSE;
    g->SetNovoCliente(c.get(), &existe);
    completo(c.get(), "C952", "04252011000110");
    c->put_InscricaoEstadual(b("111.222.333.444").get());
    c->put_Representante(9001);
    c->put_TabelaDePrecosProdutos(0x10002);   // only the low 16 bits reach the record
    const gravacao r = grava(g.get());
    ASSERT_EQ(r.hr, S_OK);
    ASSERT_GT(r.resultado, 0);

    com::com_ptr<ICFRT_Cliente> lido;
    ASSERT_EQ(g->LeCliente(r.resultado, lido.put()), S_OK);
    ASSERT_TRUE(lido);
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_Nome(p); }), "Padaria P\xe3o Quente Ltda");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_CodigoProprio(p); }), "C952");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_TipoPessoa(p); }), "J");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_CNPJ_CPF(p); }), "04252011000110");   // as typed
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_InscricaoEstadual(p); }), "111.222.333.444");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_Situacao(p); }), "Ativo");
    LONG valor = 0;
    lido->get_Representante(&valor);
    EXPECT_EQ(valor, 9001);
    lido->get_TabelaDePrecosProdutos(&valor);
    EXPECT_EQ(valor, 2);
    const auto e = endereco(lido.get());
    EXPECT_EQ(le([&](BSTR* p) { return e->get_Rua(p); }), "Rua Augusta");
    EXPECT_EQ(le([&](BSTR* p) { return e->get_DDD(p); }), "11");
    EXPECT_EQ(le([&](BSTR* p) { return e->get_Telefone(p); }), "3333-4444");
    // The main e-mail is kept where the register keeps the address's.
    EXPECT_EQ(le([&](BSTR* p) { return e->get_Email(p); }), "contato@paoquente.com.br");
    e->get_CodigoMunicipio(&valor);
    EXPECT_EQ(valor, 21);   // the register position of São Paulo

    // The same CNPJ typed with its mask is a duplicate of the bare one stored.
    const auto outro = sales::novo_cliente();
    g->SetNovoCliente(outro.get(), &existe);
    completo(outro.get(), "C953", "04.252.011/0001-10");
    EXPECT_EQ(grava(g.get()).resultado, -8);
}

TEST_F(GerenciaClienteFornecedor, ZerosSkipTheDuplicateQueryAndLongDocumentsAreCut) {
    auto g = gerencia();
    const auto c = sales::novo_cliente();
    BOOL existe = FALSE;
    g->SetNovoCliente(c.get(), &existe);
    completo(c.get(), "C954", "000.000.000-00");
    c->put_TipoPessoa(b("F").get());
    c->put_InscricaoEstadual(b("ISENTO").get());
    EXPECT_GT(grava(g.get()).resultado, 0);
    EXPECT_EQ(servidor(inhouse::CLSID_PlanoServer).count("BuscaCpfCnpj"), 0u);
    // 20 characters: cut to 19 before the check, which then sees 15 characters, a CNPJ's.
    c->put_CodigoProprio(b("C955").get());
    c->put_TipoPessoa(b("J").get());
    c->put_CNPJ_CPF(b("390.533.447-05 1234X").get());
    c->put_Classificacao(b("1.955").get());
    const gravacao r = grava(g.get());
    ASSERT_GT(r.resultado, 0);
    com::com_ptr<ICFRT_Cliente> lido;
    ASSERT_EQ(g->LeCliente(r.resultado, lido.put()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_CNPJ_CPF(p); }), "390.533.447-05 1234");
}

TEST_F(GerenciaClienteFornecedor, SupplierChecksNoDocumentAndSaysUtilizado) {
    auto g = gerencia();
    const auto f = sales::novo_fornecedor();
    BOOL existe = FALSE;
    ASSERT_EQ(g->SetNovoFornecedor(f.get(), &existe), S_OK);
    EXPECT_EQ(existe, VARIANT_TRUE);
    completo(f.get(), "c001", "");
    gravacao r = grava(g.get());
    EXPECT_EQ(r.resultado, -10);
    EXPECT_EQ(r.texto, "C\xf3""digo Pr\xf3prio j\xe1 utilizado.");
    f->put_CodigoProprio(b("F950").get());
    f->put_Classificacao(b("2.950").get());
    f->put_CNPJ_CPF(b("11.222.333/0001-81").get());   // a customer's CNPJ: not checked for suppliers
    f->put_InscricaoEstadual(b("645.000.111.222").get());
    r = grava(g.get());
    ASSERT_EQ(r.hr, S_OK);
    ASSERT_GT(r.resultado, 0);
    com::com_ptr<ICFRT_Fornecedor> lido;
    ASSERT_EQ(g->LeFornecedor(r.resultado, lido.put()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_InscricaoEstadual(p); }), "645.000.111.222");
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_CNPJ_CPF(p); }), "11.222.333/0001-81");
}

TEST_F(GerenciaClienteFornecedor, OwnCodesOffAcceptAnEmptyCodeAndWriteNone) {
    sql("UPDATE plano_configuracao SET codigo_proprio = 'N' WHERE empresa = 'DEMO'");
    auto g = gerencia();
    BOOL usa = VARIANT_TRUE;
    ASSERT_EQ(g->GetUtilizaCodigoProprio(&usa), S_OK);
    EXPECT_EQ(usa, FALSE);
    const auto c = sales::novo_cliente();
    BOOL existe = FALSE;
    g->SetNovoCliente(c.get(), &existe);
    completo(c.get(), "IGNORADO", "04.252.011/0001-10");
    const gravacao r = grava(g.get());
    ASSERT_EQ(r.hr, S_OK) << r.texto;
    ASSERT_GT(r.resultado, 0);
    EXPECT_EQ(servidor(inhouse::CLSID_PlanoServer).count("CodigoProprioEmUso"), 0u);
    com::com_ptr<ICFRT_Cliente> lido;
    ASSERT_EQ(g->LeCliente(r.resultado, lido.put()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_CodigoProprio(p); }), "");
}

TEST_F(GerenciaClienteFornecedor, OwnCodesOnAnswerVariantTrue) {
    auto g = gerencia();
    BOOL usa = FALSE;
    ASSERT_EQ(g->GetUtilizaCodigoProprio(&usa), S_OK);
    EXPECT_EQ(usa, VARIANT_TRUE);
}

TEST_F(GerenciaClienteFornecedor, UnreadableSettingsAreAFailureNotNoOwnCodes) {
    auto g = gerencia();
    servidor(inhouse::CLSID_PlanoServer).answer("LeConfiguracao", {E_FAIL, E_FAIL});
    BOOL usa = VARIANT_TRUE;
    EXPECT_EQ(g->GetUtilizaCodigoProprio(&usa), E_FAIL);
    EXPECT_EQ(usa, FALSE);
    EXPECT_EQ(last_error(), "Falha ao ler as configura\xe7\xf5""es do plano de contas.");
    const auto c = sales::novo_cliente();
    BOOL existe = FALSE;
    g->SetNovoCliente(c.get(), &existe);
    const gravacao r = grava(g.get());
    EXPECT_EQ(r.hr, E_FAIL);
    EXPECT_EQ(r.resultado, 0);
}

TEST_F(GerenciaClienteFornecedor, FailedQueriesAreFailuresNotFreeValues) {
    auto g = gerencia();
    const auto c = sales::novo_cliente();
    BOOL existe = FALSE;
    g->SetNovoCliente(c.get(), &existe);
    completo(c.get(), "C956", "04.252.011/0001-10");
    for (const char* metodo : {"CodigoProprioEmUso", "BuscaCpfCnpj"}) {
        SCOPED_TRACE(metodo);
        servidor(inhouse::CLSID_PlanoServer).answer(metodo, {E_FAIL});
        const gravacao r = grava(g.get());
        EXPECT_EQ(r.hr, E_FAIL);
        EXPECT_EQ(r.resultado, 0);
        EXPECT_EQ(r.texto, "Falha ao consultar o cadastro de clientes e fornecedores.");
    }
}

TEST_F(GerenciaClienteFornecedor, FailedSaveIsAFailureNotResultZero) {
    auto g = gerencia();
    const auto c = sales::novo_cliente();
    BOOL existe = FALSE;
    g->SetNovoCliente(c.get(), &existe);
    completo(c.get(), "C957", "04.252.011/0001-10");
    const long antes = linhas_cfrt();
    servidor(inhouse::CLSID_CFRTServer).answer("GravaPrincipal", {E_FAIL});
    gravacao r = grava(g.get());
    EXPECT_EQ(r.hr, E_FAIL);
    EXPECT_EQ(r.resultado, 0);
    EXPECT_EQ(r.texto, "Falha ao gravar cliente.");
    EXPECT_EQ(linhas_cfrt(), antes);
    const auto f = sales::novo_fornecedor();
    g->SetNovoFornecedor(f.get(), &existe);
    completo(f.get(), "F957", "");
    f->put_Classificacao(b("2.957").get());
    servidor(inhouse::CLSID_CFRTServer).answer("GravaPrincipal", {E_ACCESSDENIED});
    r = grava(g.get());
    EXPECT_EQ(r.hr, E_ACCESSDENIED);
    EXPECT_EQ(r.resultado, 0);
    EXPECT_EQ(r.texto, "Falha ao gravar fornecedor.");
}

TEST_F(GerenciaClienteFornecedor, GravarWithoutAPersonFailsCleanly) {
    auto g = gerencia();
    const std::string texto =
        "Nenhum cliente ou fornecedor foi informado: chame SetNovoCliente ou SetNovoFornecedor antes de Gravar.";
    gravacao r = grava(g.get());
    EXPECT_EQ(r.hr, E_POINTER);
    EXPECT_EQ(r.resultado, 0);
    EXPECT_EQ(r.texto, texto);
    // A supplier set to nothing, after a customer: the mode is the supplier's.
    BOOL existe = FALSE;
    const auto c = sales::novo_cliente();
    g->SetNovoCliente(c.get(), &existe);
    EXPECT_EQ(g->SetNovoFornecedor(nullptr, &existe), S_OK);
    r = grava(g.get());
    EXPECT_EQ(r.hr, E_POINTER);
    EXPECT_EQ(r.texto, texto);
    com::com_ptr<ICFRT_Fornecedor> f;
    EXPECT_EQ(g->GetNovoFornecedor(f.put()), S_OK);
    EXPECT_FALSE(f);
    com::com_ptr<ICFRT_Cliente> kept;
    EXPECT_EQ(g->GetNovoCliente(kept.put()), S_OK);
    EXPECT_EQ(kept.get(), c.get());
}

TEST_F(GerenciaClienteFornecedor, ChangesAfterSetAreSaved) {
    auto g = gerencia();
    const auto c = sales::novo_cliente();
    BOOL existe = FALSE;
    g->SetNovoCliente(c.get(), &existe);
    EXPECT_EQ(grava(g.get()).resultado, -9);
    completo(c.get(), "C958", "04.252.011/0001-10");
    EXPECT_GT(grava(g.get()).resultado, 0);
}

TEST_F(GerenciaClienteFornecedor, SeededCustomerAndSupplierReadBack) {
    auto g = gerencia();
    com::com_ptr<ICFRT_Cliente> c;
    ASSERT_EQ(g->LeCliente(2, c.put()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Nome(p); }), "Cliente Exemplo Ltda");
    // The person kind, not the register kind.
    EXPECT_EQ(le([&](BSTR* p) { return c->get_TipoPessoa(p); }), "J");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Porte(p); }), "Grande porte");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Tipo(p); }), "Atacadista");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Regiao(p); }), "Regi\xe3o Sudeste");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Situacao(p); }), "Ativo");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_FretePorConta(p); }), "D");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Transportadora(p); }), "T001");
    USHORT condicao = 0;
    c->get_CondicaoPagamento(&condicao);
    EXPECT_EQ(condicao, 1);
    com::com_ptr<ICFRT_Fornecedor> f;
    ASSERT_EQ(g->LeFornecedor(27, f.put()), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return f->get_Nome(p); }), "Ant\xf4nio Ferreira");
    EXPECT_EQ(le([&](BSTR* p) { return f->get_Porte(p); }), "Pequeno porte");
    // The categories come from the session's category server, created once.
    EXPECT_EQ(criacao(inhouse::CLSID_CategoriasServer).count("CreateInstance"), 1u);
}

TEST_F(GerenciaClienteFornecedor, FailedReadIsAFailureNotAnInactiveCustomer) {
    auto g = gerencia();
    com::com_ptr<ICFRT_Cliente> c;
    EXPECT_EQ(g->LeCliente(777777, c.put()), E_FAIL);
    EXPECT_FALSE(c);
    EXPECT_EQ(last_error(), "Falha ao ler cliente.");
    com::com_ptr<ICFRT_Fornecedor> f;
    EXPECT_EQ(g->LeFornecedor(0, f.put()), E_FAIL);
    EXPECT_FALSE(f);
    EXPECT_EQ(last_error(), "Falha ao ler fornecedor.");
    servidor(inhouse::CLSID_CFRTServer).answer("LePrincipal", {E_OUTOFMEMORY});
    EXPECT_EQ(g->LeCliente(2, c.put()), E_OUTOFMEMORY);
    EXPECT_FALSE(c);
    servidor(inhouse::CLSID_CategoriasServer).answer("BuscaCategorias", {E_FAIL});
    EXPECT_EQ(g->LeCliente(2, c.put()), E_FAIL);
    EXPECT_FALSE(c);
    EXPECT_EQ(g->LeCliente(2, nullptr), E_POINTER);
}

}  // namespace
