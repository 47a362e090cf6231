// The payment connections the order objects share: look-ups by the code a user types (found,
// not found, the widths they write) and reads by position, over the demo registers.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/inhouse/acesso/CConexaoCondicaoPagamento.h"
#include "platform/inhouse/condicoes/DocumentosPagtoServer.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales_fixture.h"

namespace {

class ConexoesPagamento : public sales_fixture {
protected:
    template <class C>
    static void inicia(C& c) {
        c.SetTrataErros(false);
        ASSERT_EQ(c.Inicializa(CQVString("DEMO"), 1, 1), S_OK);
    }
};

TEST_F(ConexoesPagamento, ConditionsByCode) {
    CConexaoCondicaoPagamento c;
    inicia(c);
    WORD posicao = 77;
    _REG_COND_PAGTOPS r{};
    ASSERT_EQ(c.Existe("2", &posicao, &r), 1);
    EXPECT_EQ(posicao, 2);
    EXPECT_EQ(r.QtdParcelas, 3);
    EXPECT_STREQ(r.Nome, "30/60/90 dias");
    // Not found: position and record stay as they were.
    posicao = 77;
    std::memset(&r, 0x5A, sizeof r);
    EXPECT_EQ(c.Existe("99", &posicao, &r), 0);
    EXPECT_EQ(c.Existe("", &posicao, &r), 0);
    EXPECT_EQ(posicao, 77);
    EXPECT_EQ(r.Posicao, 0x5A5A);
    // A failing server finds nothing.
    condicoes().answer("Existe", {E_FAIL});
    EXPECT_EQ(c.Existe("2", &posicao, &r), 0);
    EXPECT_EQ(posicao, 77);
}

TEST_F(ConexoesPagamento, FormsAndBillingTypesByCodeWithinTheirKind) {
    CConexaoFormaPagamento formas;
    CConexaoTipoCobranca cobrancas;
    inicia(formas);
    inicia(cobrancas);
    const struct {
        CConexaoDFSTDC* conexao;
        const char* codigo;
        int achou;
        DWORD posicao;
    } casos[] = {
        {&formas, "bol", 1, 2},   {&formas, "DD", 0, 0xFFFFFFFF},    {&cobrancas, "DD", 1, 3},
        {&cobrancas, "BOL", 0, 0xFFFFFFFF},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.codigo);
        DWORD posicao = 0xFFFFFFFF;   // all 32 bits are written when found
        _REG_DOCUMENTOPS r{};
        EXPECT_EQ(caso.conexao->Existe(caso.codigo, &posicao, &r), caso.achou);
        EXPECT_EQ(posicao, caso.posicao);
    }
    _REG_DOCUMENTOPS r{};
    ASSERT_EQ(cobrancas.Le(1, &r), S_OK);
    EXPECT_STREQ(r.Nome, "Carteira");
    EXPECT_STREQ(r.Codigo, "CAR");
    EXPECT_EQ(formas.Le(99, &r), inhouse::QV_E_DOCUMENTO_PAGTO_DESCONHECIDO);
    EXPECT_EQ(r.Posicao, 0);
}

}  // namespace
