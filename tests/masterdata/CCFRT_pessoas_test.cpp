// The CFRT person objects: their fill from a register record (the read-only values, the freight
// letter, the category names) and the representative's fill for the sales classes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "masterdata/CCFRT_Representante.h"
#include "masterdata/preenche_cfrt.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "server/holders/CBufferCFRT.h"

using namespace masterdata;

namespace {

std::string le(ICFRT_Pessoa* p, HRESULT (STDMETHODCALLTYPE ICFRT_Pessoa::*get)(BSTR*)) {
    BSTR v = nullptr;
    EXPECT_EQ((p->*get)(&v), S_OK);
    com::unique_bstr guarda(v);
    return com::from_bstr(v);
}

_REG_CATEGORIAS_PS categoria(uint16_t codigo, const char* nome) {
    _REG_CATEGORIAS_PS c{};
    std::strcpy(c.nome, nome);
    c.codigo = codigo;
    return c;
}

QVCFRT registro() {
    QVCFRT r{};
    auto* bytes = reinterpret_cast<uint8_t*>(&r);
    std::strcpy(reinterpret_cast<char*>(bytes + 984), "Loja Central");
    std::strcpy(reinterpret_cast<char*>(bytes + 1036), "1.050");
    std::strcpy(reinterpret_cast<char*>(bytes + 1184), "11.222.333/0001-81");
    std::strcpy(reinterpret_cast<char*>(bytes + 1300), "LC01");
    std::strcpy(reinterpret_cast<char*>(bytes + 480), "principal@loja.com.br");
    bytes[1320] = 'C';
    bytes[1322] = 'J';
    const uint16_t tabelas[2] = {3, 4};
    std::memcpy(bytes + 154, tabelas, sizeof tabelas);
    const uint16_t categorias[3] = {10, 20, 30};   // size, type, region
    std::memcpy(bytes + 198, categorias, sizeof categorias);
    return r;
}

void situacao(QVCFRT& r, char status, uint16_t ativo, uint16_t inativo) {
    auto* bytes = reinterpret_cast<uint8_t*>(&r);
    bytes[1321] = static_cast<uint8_t>(status);
    std::memcpy(bytes + 190, &ativo, 2);
    std::memcpy(bytes + 194, &inativo, 2);
}

TEST(PessoasCFRT, ReadOnlyValuesFromTheRecord) {
    struct caso {
        char status;
        uint8_t bloqueado;
        const char* situacao;
        const char* data;
        VARIANT_BOOL venda_bloqueada;
    };
    // Day numbers: 55889 is 05/01/2001, 65380 is 31/12/2026.
    const caso casos[] = {
        {'A', 0, "Ativo", "05/01/01", VARIANT_FALSE},
        {'I', 1, "Inativo", "31/12/26", VARIANT_TRUE},
        {'a', 2, "Inativo", "31/12/26", VARIANT_TRUE},   // only a capital A is active; any block > 0
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(c.situacao);
        QVCFRT r = registro();
        situacao(r, c.status, 55889, 65380);
        reinterpret_cast<uint8_t*>(&r)[1332] = c.bloqueado;
        const uint16_t desde = 55889;
        std::memcpy(reinterpret_cast<uint8_t*>(&r) + 3472, &desde, 2);
        auto f = com::make<CCFRT_Fornecedor>();
        PreencheFornecedor(*f.get(), r, {});
        EXPECT_EQ(le(f.get(), &ICFRT_Pessoa::get_Situacao), c.situacao);
        EXPECT_EQ(le(f.get(), &ICFRT_Pessoa::get_DataSituacao), c.data);
        EXPECT_EQ(le(f.get(), &ICFRT_Pessoa::get_ClienteDesde), "05/01/01");
        VARIANT_BOOL bloqueada = 7;
        EXPECT_EQ(f->get_VendaBloqueada(&bloqueada), S_OK);
        EXPECT_EQ(bloqueada, c.venda_bloqueada);
    }
}

TEST(PessoasCFRT, CategoryNamesByCodeTheLaterWinning) {
    QVCFRT r = registro();
    const categorias_lidas categorias = {categoria(10, "Pequeno"), categoria(30, "Sul"), categoria(99, "Outra"),
                                         categoria(10, "Micro")};
    auto f = com::make<CCFRT_Fornecedor>();
    PreencheFornecedor(*f.get(), r, categorias);
    EXPECT_EQ(le(f.get(), &ICFRT_Pessoa::get_Porte), "Micro");
    EXPECT_EQ(le(f.get(), &ICFRT_Pessoa::get_Tipo), "");
    EXPECT_EQ(le(f.get(), &ICFRT_Pessoa::get_Regiao), "Sul");
    EXPECT_EQ(le(f.get(), &ICFRT_Pessoa::get_Nome), "Loja Central");
    EXPECT_EQ(le(f.get(), &ICFRT_Pessoa::get_EmailPrincipal), "principal@loja.com.br");
    LONG tabela = 0;
    f->get_TabelaDePrecosServicos(&tabela);
    EXPECT_EQ(tabela, 4);
}

TEST(PessoasCFRT, CustomerWithoutItsExtraReadsKeepsThemEmpty) {
    // An accessor without servers: the freight and carrier reads fail and leave no value.
    CBufferCFRT sem_servidor;
    QVCFRT r = registro();
    reinterpret_cast<uint8_t*>(&r)[0xA24] = 9;
    const uint16_t pagamento[3] = {5, 6, 7};
    std::memcpy(reinterpret_cast<uint8_t*>(&r) + 148, pagamento, sizeof pagamento);
    auto c = com::make<CCFRT_Cliente>();
    PreencheCliente(*c.get(), r, sem_servidor, {});
    BSTR v = nullptr;
    ASSERT_EQ(c->get_FretePorConta(&v), S_OK);
    EXPECT_EQ(com::from_bstr(com::unique_bstr(v).get()), "");
    ASSERT_EQ(c->get_Transportadora(&v), S_OK);
    EXPECT_EQ(com::from_bstr(com::unique_bstr(v).get()), "");
    USHORT forma = 0;
    c->get_FormaPagamento(&forma);
    EXPECT_EQ(forma, 6);
}

TEST(PessoasCFRT, FreightLetters) {
    const std::pair<uint8_t, const char*> casos[] = {{'D', "D"}, {'E', "E"}, {'T', "T"}, {'X', ""}, {'d', ""}, {0, ""}};
    for (const auto& [letra, texto] : casos) {
        auto c = com::make<CCFRT_Cliente>();
        c->SetFretePorConta(letra);
        BSTR v = nullptr;
        ASSERT_EQ(c->get_FretePorConta(&v), S_OK);
        com::unique_bstr guarda(v);
        EXPECT_EQ(com::from_bstr(v), texto) << static_cast<int>(letra);
    }
}

TEST(PessoasCFRT, AddressIsOneObjectHandedOutWithAReferenceEachTime) {
    auto c = com::make<CCFRT_Cliente>();
    ICFRT_Endereco* a = nullptr;
    ICFRT_Endereco* b = nullptr;
    ASSERT_EQ(c->get_Endereco(&a), S_OK);
    ASSERT_EQ(c->get_Endereco(&b), S_OK);
    EXPECT_EQ(a, b);
    // The person's reference and the two handed out.
    a->AddRef();
    EXPECT_EQ(a->Release(), 3u);
    a->Release();
    b->Release();
}

TEST(PessoasCFRT, RepresentativeFromItsRecord) {
    QVCFRT r = registro();
    reinterpret_cast<uint8_t*>(&r)[1322] = 'F';
    auto rep = com::make<CCFRT_Representante>();
    rep->SetDados(9001, r);
    EXPECT_EQ(rep->GetPosicao(), 9001);
    EXPECT_EQ(le(rep.get(), &ICFRT_Pessoa::get_Nome), "Loja Central");
    EXPECT_EQ(le(rep.get(), &ICFRT_Pessoa::get_Classificacao), "1.050");
    EXPECT_EQ(le(rep.get(), &ICFRT_Pessoa::get_CNPJ_CPF), "11.222.333/0001-81");
    EXPECT_EQ(le(rep.get(), &ICFRT_Pessoa::get_CodigoProprio), "LC01");
    EXPECT_EQ(le(rep.get(), &ICFRT_Pessoa::get_TipoPessoa), "F");
    LONG tabela = 0;
    rep->get_TabelaDePrecosProdutos(&tabela);
    EXPECT_EQ(tabela, 3);
}

}  // namespace
