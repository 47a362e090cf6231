// The customer information of an order screen, over the demo register: found by own code or
// classification, its texts, and a customer that cannot be read.
#include <gtest/gtest.h>

#include <string>

#include "masterdata/CTW_DF_InfoCliente.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "tests/server/raiz_fixture.h"

using namespace masterdata;

namespace {

class InfoCliente : public raiz_fixture {
protected:
    InfoCliente() { raiz = admin(); }

    com::com_ptr<ITW_DF_InfoCliente> cria() {
        com::com_ptr<ITW_DF_InfoCliente> info;
        EXPECT_EQ(raiz->TW_DF_InfoCliente(info.put()), S_OK);
        return info;
    }
    static std::string le(ITW_DF_InfoCliente* info, HRESULT (STDMETHODCALLTYPE ITW_DF_InfoCliente::*get)(BSTR*)) {
        BSTR v = nullptr;
        EXPECT_EQ((info->*get)(&v), S_OK);
        com::unique_bstr guarda(v);
        return com::from_bstr(v);
    }
    static VARIANT_BOOL escolhe(ITW_DF_InfoCliente* info, const char* codigo) {
        VARIANT_BOOL achou = 7;
        EXPECT_EQ(info->SetDados(com::to_bstr(std::string(codigo)).get(), &achou), S_OK);
        return achou;
    }

    com::com_ptr<server::CQV_Inicializa> raiz;
};

TEST_F(InfoCliente, AnswersOfAFoundCustomer) {
    auto info = cria();
    ASSERT_TRUE(info);
    ASSERT_EQ(escolhe(info.get(), "C001"), VARIANT_TRUE);
    using I = ITW_DF_InfoCliente;
    EXPECT_EQ(le(info.get(), &I::GetNome), "Cliente Exemplo Ltda");
    EXPECT_EQ(le(info.get(), &I::GetEndereco), "Avenida Paulista, 1000 - Bairro: Bela Vista");
    EXPECT_EQ(le(info.get(), &I::GetCEP), "01310100");
    EXPECT_EQ(le(info.get(), &I::GetUf), "SP");
    EXPECT_EQ(le(info.get(), &I::GetCodigoTransportadora), "T001");
    EXPECT_EQ(le(info.get(), &I::GetPosicaoTabPrecos), "1");
    EXPECT_EQ(le(info.get(), &I::GetPosicaoTipoCobranca), "1");
    EXPECT_EQ(le(info.get(), &I::GetPosicaoFormaPagamento), "1");
    EXPECT_EQ(le(info.get(), &I::GetPosicaoCondicaoPagamento), "1");
    EXPECT_EQ(le(info.get(), &I::GetMunicipio), "S\xe3o Paulo");
    // By classification too; a customer without price table, carrier or municipality name.
    ASSERT_EQ(escolhe(info.get(), "1.103"), VARIANT_TRUE);
    EXPECT_EQ(le(info.get(), &I::GetNome), "Importadora Lisboa Lda");
    EXPECT_EQ(le(info.get(), &I::GetPosicaoTabPrecos), "0");
    EXPECT_EQ(le(info.get(), &I::GetCodigoTransportadora), "");
    EXPECT_EQ(le(info.get(), &I::GetEndereco), "Rua Augusta, 100 - Bairro: Baixa");
    EXPECT_EQ(le(info.get(), &I::GetMunicipio), "Exterior");
}

TEST_F(InfoCliente, UnknownCodesAndOtherKindsAreNotFound) {
    auto info = cria();
    for (const char* codigo : {"C999", "", "F001", "5.001"}) {
        SCOPED_TRACE(codigo);
        EXPECT_EQ(escolhe(info.get(), codigo), VARIANT_FALSE);
    }
}

TEST_F(InfoCliente, ACustomerFoundButNotReadIsAFailure) {
    auto info = cria();
    servidor(inhouse::CLSID_CFRTServer).answer("LePrincipal", {E_FAIL});
    VARIANT_BOOL achou = VARIANT_TRUE;
    EXPECT_EQ(info->SetDados(com::to_bstr(std::string("C001")).get(), &achou), E_FAIL);
    EXPECT_EQ(achou, VARIANT_FALSE);
    EXPECT_EQ(last_error(), "Erro ao ler CFRT");
    EXPECT_EQ(le(info.get(), &ITW_DF_InfoCliente::GetNome), "");
    ASSERT_EQ(escolhe(info.get(), "C001"), VARIANT_TRUE);
    EXPECT_EQ(le(info.get(), &ITW_DF_InfoCliente::GetNome), "Cliente Exemplo Ltda");
}

}  // namespace
