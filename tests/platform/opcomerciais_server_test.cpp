// The commercial operations server stand-in and the branch and customer look-ups of the data-access
// library that the sale pages use: the operations of a note type, reads and look-ups, and the CFOP
// and ICMS an operation suggests by where branch and customer are.
#include <gtest/gtest.h>

#include <objbase.h>

#include <string>
#include <vector>

#include "inhouse_opcomerciais.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/opcomerciais/registros_opcomerciais.h"
#include "support/stand_in_fixture.h"

namespace {

class OpComerciaisServer : public stand_in_fixture {
protected:
    OpComerciaisServer() {
        EXPECT_EQ(CoCreateInstance(inhouse::CLSID_OpComerciaisServer, nullptr, CLSCTX_ALL,
                                   __uuidof(IQVDF_OperacoesComerciais), reinterpret_cast<void**>(server.put())),
                  S_OK);
    }
    void open() { ASSERT_EQ(server->Inicializa(com::to_bstr(std::string("DEMO")).get(), 1, 1), S_OK); }
    static com::unique_bstr b(const char* t) { return com::to_bstr(std::string(t)); }

    com::com_ptr<IQVDF_OperacoesComerciais> server;
};

TEST_F(OpComerciaisServer, CallsBeforeInicializaAreRefused) {
    LONG n = 7;
    DWORD* p = reinterpret_cast<DWORD*>(0x10);
    EXPECT_EQ(server->Posicoes(2, &n, &p), inhouse::QV_E_NAO_INICIALIZADO);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(p, nullptr);
}

TEST_F(OpComerciaisServer, PositionsOfANoteTypeInRegisterOrder) {
    open();
    struct caso {
        BYTE tipo;
        std::vector<DWORD> posicoes;
    } casos[] = {{2, {1, 2, 3, 4, 5}}, {1, {6}}, {9, {}}};
    for (const auto& c : casos) {
        LONG n = -1;
        DWORD* p = nullptr;
        ASSERT_EQ(server->Posicoes(c.tipo, &n, &p), S_OK);
        EXPECT_EQ(std::vector<DWORD>(p, p + n), c.posicoes) << int(c.tipo);
        CoTaskMemFree(p);
    }
}

TEST_F(OpComerciaisServer, ReadsAndLooksUpOperations) {
    open();
    _REG_DFSNTF_OPERACOES_COMERCIAIS_PS r{};
    ASSERT_EQ(server->Le(3, 0, reinterpret_cast<BYTE*>(&r)), S_OK);
    EXPECT_EQ(inhouse::texto_campo(r.codigo), "TRANSF");
    EXPECT_EQ(r.indisponivel_web, 1);
    EXPECT_EQ(server->Le(99, 0, reinterpret_cast<BYTE*>(&r)), inhouse::QV_E_OPERACAO_DESCONHECIDA);
    EXPECT_EQ(inhouse::texto_campo(r.codigo), "");
    LONG posicao = -1;
    ASSERT_EQ(server->Existe(b("BONIF").get(), &posicao, reinterpret_cast<BYTE*>(&r)), S_OK);
    EXPECT_EQ(posicao, 4);
    EXPECT_EQ(inhouse::texto_campo(r.descricao), "Bonificação");
    ASSERT_EQ(server->Existe(b("bonif").get(), &posicao, reinterpret_cast<BYTE*>(&r)), S_OK);
    EXPECT_EQ(posicao, 0);
}

TEST_F(OpComerciaisServer, SuggestsByWhereBranchAndCustomerAre) {
    open();
    struct caso {
        LONG operacao;
        const char *filial, *cliente, *pais;
        unsigned cfop;
        int icms;
    } casos[] = {
        {1, "SP", "SP", "", 5102, 1800},       {1, "SP", "RJ", "", 6102, 1200},
        {1, "SP", "RJ", "BRASIL", 6102, 1200}, {1, "SP", "EX", "Argentina", 7102, 0},
        {1, "", "", "", 5102, 1800},           {5, "RJ", "SP", "", 2202, 1200},
        {5, "SP", "SP", "brasil", 1202, 1800}, {5, "SP", "", "Chile", 3202, 0},
    };
    for (const auto& c : casos) {
        _REG_DFSNTF_TIPOS_OPERACOES_PS r{};
        ASSERT_EQ(server->TipoOperacao(c.operacao, b(c.filial).get(), b(c.cliente).get(), b(c.pais).get(),
                                       b("").get(), reinterpret_cast<BYTE*>(&r)),
                  S_OK);
        EXPECT_EQ(r.cfop, c.cfop) << c.operacao << c.filial << c.cliente << c.pais;
        EXPECT_EQ(r.icms, c.icms) << c.operacao << c.filial << c.cliente << c.pais;
    }
    _REG_DFSNTF_TIPOS_OPERACOES_PS r{};
    EXPECT_EQ(server->TipoOperacao(99, b("SP").get(), b("SP").get(), b("").get(), b("").get(),
                                   reinterpret_cast<BYTE*>(&r)),
              inhouse::QV_E_OPERACAO_DESCONHECIDA);
}

// The connections read what the sale pages need of a branch and a customer.
class ConexoesVenda : public stand_in_fixture {};

TEST_F(ConexoesVenda, ABranchIsFoundByItsNumberWithItsState) {
    CConexaoFilial filial;
    filial.Inicializa("DEMO", 1, 1, false);
    struct caso {
        const char* codigo;
        int existe;
        long posicao;
        const char* uf;
    } casos[] = {{"1", 1, 1, "SP"}, {"2", 1, 2, "RJ"}, {"9", 0, 0, ""}, {"", 0, 0, ""}, {"1a", 0, 0, ""},
                 {"-1", 0, 0, ""},  {"99999999999", 0, 0, ""}};
    for (const auto& c : casos) {
        long posicao = -1;
        inhouse::REG_FILIAL r{};
        EXPECT_EQ(filial.Existe(c.codigo, &posicao, &r), c.existe) << c.codigo;
        EXPECT_EQ(posicao, c.posicao) << c.codigo;
        EXPECT_EQ(inhouse::texto_campo(r.uf), c.uf) << c.codigo;
    }
}

TEST_F(ConexoesVenda, ACustomerIsFoundByTheCodeOfItsAccountWithCountryAndState) {
    CConexaoCliente cliente;
    cliente.Inicializa("DEMO", 1, 1);
    struct caso {
        const char* codigo;
        int existe;
        const char *pais, *uf;
    } casos[] = {{"C001", 1, "", "SP"}, {"C002", 1, "", "RJ"}, {"C900", 1, "Argentina", "EX"},
                 {"F001", 0, "", ""},   {"C999", 0, "", ""},   {"", 0, "", ""}};
    for (const auto& c : casos) {
        long posicao = -1;
        QVCFRT r{};
        EXPECT_EQ(cliente.Existe(c.codigo, &posicao, &r, 0), c.existe) << c.codigo;
        EXPECT_EQ(posicao != 0, c.existe == 1) << c.codigo;
        EXPECT_EQ(inhouse::texto_campo(r.pais), c.pais) << c.codigo;
        EXPECT_EQ(inhouse::texto_campo(r.uf), c.uf) << c.codigo;
        if (c.existe) {
            EXPECT_EQ(r.tipo, 'C');
        }
    }
}

}  // namespace
