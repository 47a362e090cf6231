// The supplier and customer holder: supplier mode at the start, the mode switch (only
// VARIANT_TRUE selects the supplier), the state registration written to the current mode's
// object, the read-back answers, and the holder's objects saved by the registration object.
#include <initializer_list>
#include <string>

#include "sales/CTW_FT_FornecedorCliente.h"
#include "tests/sales/cadastro_fixture.h"

namespace {

class FornecedorCliente : public cadastro_fixture {
protected:
    FornecedorCliente() { EXPECT_EQ(m_raiz->TW_FT_FornecedorCliente(h.put()), S_OK); }

    com::com_ptr<ICFRT_Fornecedor> fornecedor() {
        com::com_ptr<ICFRT_Fornecedor> f;
        EXPECT_EQ(h->GetFornecedor(f.put()), S_OK);
        return f;
    }
    com::com_ptr<ICFRT_Cliente> cliente() {
        com::com_ptr<ICFRT_Cliente> c;
        EXPECT_EQ(h->GetCliente(c.put()), S_OK);
        return c;
    }
    template <class Itf>
    static com::com_ptr<ICFRT_Endereco> endereco(const com::com_ptr<Itf>& p) {
        com::com_ptr<ICFRT_Endereco> e;
        EXPECT_EQ(p->get_Endereco(e.put()), S_OK);
        return e;
    }
    BOOL modo() {
        BOOL v = 7;
        EXPECT_EQ(h->GetEhFornecedor(&v), S_OK);
        return v;
    }

    com::com_ptr<ITW_FT_FornecedorCliente> h;
};

TEST_F(FornecedorCliente, NewHolderFillsTheSupplier) {
    EXPECT_EQ(modo(), VARIANT_TRUE);
    BOOL r = FALSE;
    ASSERT_EQ(h->SetNome(b("Distribuidora Sul").get(), &r), S_OK);
    EXPECT_EQ(r, VARIANT_TRUE);
    EXPECT_EQ(le([&](BSTR* p) { return fornecedor()->get_Nome(p); }), "Distribuidora Sul");
    EXPECT_EQ(le([&](BSTR* p) { return cliente()->get_Nome(p); }), "");
    // Both new objects are natural persons until told otherwise.
    EXPECT_EQ(le([&](BSTR* p) { return cliente()->get_TipoPessoa(p); }), "F");
    EXPECT_EQ(le([&](BSTR* p) { return fornecedor()->get_TipoPessoa(p); }), "F");
    // The same objects every time.
    EXPECT_EQ(fornecedor().get(), fornecedor().get());
}

TEST_F(FornecedorCliente, OnlyVariantTrueSelectsTheSupplier) {
    struct caso {
        BOOL valor;
        BOOL modo;
    };
    const caso casos[] = {{1, FALSE}, {VARIANT_TRUE, VARIANT_TRUE}, {0, FALSE}, {TRUE, FALSE},
                          {static_cast<BOOL>(0xFFFF), VARIANT_TRUE}, {2, FALSE}};
    for (const caso& c : casos) {
        SCOPED_TRACE(c.valor);
        ASSERT_EQ(h->SetEhFornecedor(c.valor), S_OK);
        EXPECT_EQ(modo(), c.modo);
    }
}

TEST_F(FornecedorCliente, SettersWriteTheCurrentModesObject) {
    h->SetEhFornecedor(FALSE);
    BOOL r = FALSE;
    h->SetNome(b("Maria Souza").get(), &r);
    h->SetCpfCnpj(b("390.533.447-05").get(), &r);
    h->SetEndereco(b("Rua das Flores").get(), &r);
    h->SetCodigoMunicipio(355030, &r);
    h->SetCodigo(b("C960").get(), &r);
    h->SetClassificacao(b("1.960").get(), &r);
    h->SetTipoPessoa(b("J").get());
    h->SetNumero(12);
    h->SetComplemento(b("Sala 3").get());
    h->SetBairro(b("Centro").get());
    h->SetCep(b("01001-000").get());
    h->SetTelefone(b("(11) 3333-4444").get());
    h->SetEmail(b("maria@exemplo.com.br").get());
    const auto c = cliente();
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Nome(p); }), "Maria Souza");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_CNPJ_CPF(p); }), "390.533.447-05");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_CodigoProprio(p); }), "C960");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_Classificacao(p); }), "1.960");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_TipoPessoa(p); }), "J");
    EXPECT_EQ(le([&](BSTR* p) { return c->get_EmailPrincipal(p); }), "maria@exemplo.com.br");
    const auto e = endereco(c);
    EXPECT_EQ(le([&](BSTR* p) { return e->get_Rua(p); }), "Rua das Flores");
    EXPECT_EQ(le([&](BSTR* p) { return e->get_Complemento(p); }), "Sala 3");
    EXPECT_EQ(le([&](BSTR* p) { return e->get_Bairro(p); }), "Centro");
    EXPECT_EQ(le([&](BSTR* p) { return e->get_CEP(p); }), "01001-000");
    EXPECT_EQ(le([&](BSTR* p) { return e->get_Telefone(p); }), "(11) 3333-4444");
    LONG n = 0;
    e->get_Numero(&n);
    EXPECT_EQ(n, 12);
    e->get_CodigoMunicipio(&n);
    EXPECT_EQ(n, 355030);
    // The supplier kept nothing of it.
    EXPECT_EQ(le([&](BSTR* p) { return fornecedor()->get_Nome(p); }), "");
    EXPECT_EQ(le([&](BSTR* p) { return endereco(fornecedor())->get_Rua(p); }), "");
}

TEST_F(FornecedorCliente, StateRegistrationGoesToTheCurrentModesObject) {
    BOOL r = VARIANT_TRUE;
    h->SetEhFornecedor(FALSE);
    ASSERT_EQ(h->SetInscricaoEstadual(b("111.222.333.444").get(), &r), S_OK);
    EXPECT_EQ(r, VARIANT_TRUE);
    EXPECT_EQ(le([&](BSTR* p) { return cliente()->get_InscricaoEstadual(p); }), "111.222.333.444");
    EXPECT_EQ(le([&](BSTR* p) { return fornecedor()->get_InscricaoEstadual(p); }), "");
    h->SetEhFornecedor(VARIANT_TRUE);
    ASSERT_EQ(h->SetInscricaoEstadual(b("645.000.111.222").get(), &r), S_OK);
    EXPECT_EQ(le([&](BSTR* p) { return fornecedor()->get_InscricaoEstadual(p); }), "645.000.111.222");
    EXPECT_EQ(le([&](BSTR* p) { return cliente()->get_InscricaoEstadual(p); }), "111.222.333.444");
    ASSERT_EQ(h->SetInscricaoEstadual(b("").get(), &r), S_OK);
    EXPECT_EQ(r, FALSE);
}

TEST_F(FornecedorCliente, ReadBackAnswers) {
    // Every setter with an answer: an empty value read back is FALSE, any other TRUE; the
    // municipality is FALSE for 0; the own code is always TRUE.
    struct caso {
        const char* o_que;
        HRESULT (STDMETHODCALLTYPE ITW_FT_FornecedorCliente::*set)(BSTR, BOOL*);
    };
    const caso casos[] = {{"nome", &ITW_FT_FornecedorCliente::SetNome},
                          {"cpf", &ITW_FT_FornecedorCliente::SetCpfCnpj},
                          {"endereço", &ITW_FT_FornecedorCliente::SetEndereco},
                          {"classificação", &ITW_FT_FornecedorCliente::SetClassificacao},
                          {"inscrição", &ITW_FT_FornecedorCliente::SetInscricaoEstadual}};
    for (BOOL fornecedor_ : std::initializer_list<BOOL>{VARIANT_TRUE, FALSE}) {
        h->SetEhFornecedor(fornecedor_);
        for (const caso& c : casos) {
            SCOPED_TRACE(std::string(c.o_que) + (fornecedor_ ? " fornecedor" : " cliente"));
            BOOL r = 7;
            ASSERT_EQ((h.get()->*c.set)(b("x").get(), &r), S_OK);
            EXPECT_EQ(r, VARIANT_TRUE);
            ASSERT_EQ((h.get()->*c.set)(b("").get(), &r), S_OK);
            EXPECT_EQ(r, FALSE);
        }
        BOOL r = 7;
        ASSERT_EQ(h->SetCodigoMunicipio(0, &r), S_OK);
        EXPECT_EQ(r, FALSE);
        ASSERT_EQ(h->SetCodigoMunicipio(-5, &r), S_OK);
        EXPECT_EQ(r, VARIANT_TRUE);
        ASSERT_EQ(h->SetCodigo(b("").get(), &r), S_OK);
        EXPECT_EQ(r, VARIANT_TRUE);
        EXPECT_EQ(h->SetNome(b("x").get(), nullptr), E_POINTER);
    }
}

TEST_F(FornecedorCliente, HolderCustomerIsSavedByTheRegistration) {
    h->SetEhFornecedor(0);
    BOOL r = FALSE;
    h->SetCodigo(b("C961").get(), &r);
    h->SetClassificacao(b("1.961").get(), &r);
    h->SetTipoPessoa(b("J").get());
    h->SetCpfCnpj(b("04.252.011/0001-10").get(), &r);
    h->SetEndereco(b("Rua Augusta").get(), &r);
    h->SetCodigoMunicipio(355030, &r);
    h->SetNome(b("Padaria Pão Quente Ltda").get(), &r);
    h->SetInscricaoEstadual(b("111.222.333.444").get(), &r);
    com::com_ptr<ITW_FT_GerenciaClienteFornecedor> g;
    ASSERT_EQ(m_raiz->TW_FT_GerenciaClienteFornecedor(g.put()), S_OK);
    ASSERT_EQ(g->SetNovoCliente(cliente().get(), &r), S_OK);
    LONG posicao = 0;
    ASSERT_EQ(g->Gravar(&posicao), S_OK);
    ASSERT_GT(posicao, 0);
    com::com_ptr<ICFRT_Cliente> lido;
    ASSERT_EQ(g->LeCliente(posicao, lido.put()), S_OK);
    // The state registration set in customer mode reached the saved customer.
    EXPECT_EQ(le([&](BSTR* p) { return lido->get_InscricaoEstadual(p); }), "111.222.333.444");
}

}  // namespace
