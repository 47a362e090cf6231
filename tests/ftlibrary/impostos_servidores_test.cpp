// The invoice tax calculation over the stand-in servers and the demo company's tax rules: the ICMS
// rate of each pair of states, imported goods, ICMS-ST with its margin, IPI by classification,
// the PIS/COFINS rule of the product server, the state server's rates and the order in which
// Inicializa creates the servers. Offsets of the records are the layouts' numbers.
#include <gtest/gtest.h>

#include <string>

#include "bytes_registro.h"
#include "ft/ftlibrary/CCalculaNotaFiscal.h"
#include "inhouse_localidades.h"
#include "inhouse_login.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "support/stand_in_fixture.h"

namespace {

using bytes_resultado = bytes_registro<168>;

// Demo register positions.
constexpr uint16_t municipio_sao_paulo = 21, municipio_rio = 19, municipio_salvador = 16, municipio_bh = 17;
constexpr uint16_t estado_sp = 20;
constexpr int32_t camiseta = 2, azeite_importado = 12, agua_mineral = 13, fio_flexivel = 15;

class ImpostosServidores : public stand_in_fixture {
protected:
    ImpostosServidores() {
        calc.m_PastaCadastros = "C:\\zu-sem-cadastros\\";
        REG_SESSAO_NOTA_FISCAL s{};
        std::memcpy(s.Empresa, "DEMO", 4);
        s.Usuario = 1;
        s.Sessao = 1;
        inicializa = calc.Inicializa(s);
    }
    // Branch 1 (São Paulo) or 2 (Rio de Janeiro) as the branch server hands it over.
    void filial(LONG posicao) {
        com::com_ptr<IQVCN_Filial> f;
        ASSERT_EQ(QVCriaInstancia(inhouse::CLSID_FilialServer, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(IQVCN_Filial),
                                  f.put_void(), QV_CRIA_PADRAO),
                  S_OK);
        ASSERT_EQ(f->Inicializa(com::to_bstr("DEMO").get(), 1, 1), S_OK);
        bytes_registro<4818> r;
        ASSERT_EQ(f->LeFilial(posicao, reinterpret_cast<QV_FILIAL_4818*>(r.b.data())), S_OK);
        calc.SetFilial(static_cast<uint16_t>(posicao), 0, r.como<inhouse::REG_FILIAL>());
    }
    // A customer charged the rate of its own state (a taxpayer there).
    void cliente(uint16_t municipio) {
        bytes_registro<3578> c;
        c.poe<uint16_t>(2608, municipio).poe<char>(1323, 'S');
        calc.SetCliente(c.como<QVCFRT>());
    }
    bytes_resultado calcula(int32_t produto) {
        bytes_resultado r;
        EXPECT_EQ(calc.CalculaProduto(produto, 0, 56617, reinterpret_cast<REG_IMPOSTOS_PRODUTO_NF*>(r.b.data())), S_OK);
        return r;
    }

    CCalculaNotaFiscal calc;
    HRESULT inicializa = E_FAIL;
};

TEST_F(ImpostosServidores, TheBranchServerGivesTheBranchsMunicipalityStateAndAdjustment) {
    com::com_ptr<IQVCN_Filial> f;
    ASSERT_EQ(QVCriaInstancia(inhouse::CLSID_FilialServer, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(IQVCN_Filial),
                              f.put_void(), QV_CRIA_PADRAO),
              S_OK);
    ASSERT_EQ(f->Inicializa(com::to_bstr("DEMO").get(), 1, 1), S_OK);
    bytes_registro<4818> r;
    ASSERT_EQ(f->LeFilial(1, reinterpret_cast<QV_FILIAL_4818*>(r.b.data())), S_OK);
    EXPECT_EQ(r.le<uint16_t>(4), 1);
    EXPECT_EQ(r.le<uint16_t>(2780), municipio_sao_paulo);
    EXPECT_EQ(r.le<uint16_t>(2782), estado_sp);
    EXPECT_EQ(r.le<char>(734), 'S');
}

struct caso_estados {
    const char* nome;
    LONG filial;
    uint16_t municipio_cliente;
    int32_t produto;
    uint16_t aliquota;
};

class AliquotaPorEstados : public ImpostosServidores, public testing::WithParamInterface<caso_estados> {};

TEST_P(AliquotaPorEstados, IsTheRateOfTheOperationBetweenTheStates) {
    ASSERT_EQ(inicializa, S_OK);
    filial(GetParam().filial);
    cliente(GetParam().municipio_cliente);
    const bytes_resultado r = calcula(GetParam().produto);
    EXPECT_EQ(r.le<uint8_t>(133), 1);
    EXPECT_EQ(r.le<uint16_t>(96), GetParam().aliquota);
}

INSTANTIATE_TEST_SUITE_P(Tabela, AliquotaPorEstados,
                         testing::Values(caso_estados{"SP_SP", 1, municipio_sao_paulo, camiseta, 1800},
                                         caso_estados{"SP_RJ", 1, municipio_rio, camiseta, 1200},
                                         caso_estados{"SP_MG", 1, municipio_bh, camiseta, 1200},
                                         caso_estados{"SP_BA", 1, municipio_salvador, camiseta, 700},
                                         caso_estados{"RJ_RJ", 2, municipio_rio, camiseta, 2000},
                                         caso_estados{"RJ_SP", 2, municipio_sao_paulo, camiseta, 1200},
                                         caso_estados{"RJ_BA", 2, municipio_salvador, camiseta, 700},
                                         caso_estados{"Importado_SP_RJ", 1, municipio_rio, azeite_importado, 400},
                                         caso_estados{"Importado_SP_SP", 1, municipio_sao_paulo, azeite_importado, 1800}),
                         [](const auto& i) { return std::string(i.param.nome); });

TEST_F(ImpostosServidores, ACustomerNotChargedItsOwnStatesRatePaysTheBranchsInternalRate) {
    ASSERT_EQ(inicializa, S_OK);
    filial(1);
    bytes_registro<3578> c;
    c.poe<uint16_t>(2608, municipio_rio);
    calc.SetCliente(c.como<QVCFRT>());
    EXPECT_EQ(calcula(camiseta).le<uint16_t>(96), 1800);
    // Imported goods: the product's rule read again for the branch's state.
    EXPECT_EQ(calcula(azeite_importado).le<uint16_t>(96), 1800);
}

TEST_F(ImpostosServidores, MineralWaterSoldInSaoPauloCarriesICMSSTWithItsMargin) {
    ASSERT_EQ(inicializa, S_OK);
    filial(1);
    cliente(municipio_sao_paulo);
    const bytes_resultado r = calcula(agua_mineral);
    EXPECT_EQ(r.le<uint16_t>(110), 1800);
    EXPECT_EQ(r.le<uint16_t>(114), 8000);
    cliente(municipio_rio);
    EXPECT_EQ(calcula(agua_mineral).le<uint16_t>(110), 0);
}

TEST_F(ImpostosServidores, IPIFollowsTheClassificationAndPisCofinsTheCompanysRule) {
    ASSERT_EQ(inicializa, S_OK);
    filial(1);
    cliente(municipio_sao_paulo);
    const bytes_resultado fio = calcula(fio_flexivel);
    EXPECT_EQ(fio.le<uint8_t>(134), 1);
    EXPECT_EQ(fio.le<uint16_t>(98), 325);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(fio.b.data() + 128)), "55");
    EXPECT_EQ(fio.le<int64_t>(24), 16500);
    EXPECT_EQ(fio.le<int64_t>(32), 76000);
    // The branch adjusts the tax situations: 01 of an exit becomes 49.
    EXPECT_EQ(fio.le<uint16_t>(118), 49);
    const bytes_resultado camisa = calcula(camiseta);
    EXPECT_EQ(camisa.le<uint16_t>(98), 0);
}

TEST_F(ImpostosServidores, ExemptProduceIsNotChargedICMS) {
    ASSERT_EQ(inicializa, S_OK);
    filial(1);
    cliente(municipio_sao_paulo);
    const bytes_resultado banana = calcula(36);
    EXPECT_EQ(banana.le<uint8_t>(133), 0);
    EXPECT_EQ(banana.le<uint16_t>(96), 0);
    EXPECT_EQ(banana.le<int64_t>(24), 0);
}

TEST_F(ImpostosServidores, TheStateServerRefusesAStateWithoutRate) {
    com::com_ptr<IQVDF_Estado> e;
    ASSERT_EQ(QVCriaInstancia(inhouse::CLSID_EstadoFiscalServer, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(IQVDF_Estado),
                              e.put_void(), QV_CRIA_PADRAO),
              S_OK);
    ASSERT_EQ(e->Inicializa(com::to_bstr("DEMO").get(), 1, 1), S_OK);
    LONGLONG interna = -1, operacao = -1;
    ASSERT_EQ(e->Aliquotas(estado_sp, 2, &interna, &operacao), S_OK);
    EXPECT_EQ(interna, 180000);
    EXPECT_EQ(operacao, 120000);
    // The foreign pseudo-state has no rate, and position 99 no state.
    EXPECT_LT(e->Aliquotas(28, 1, &interna, &operacao), 0);
    EXPECT_EQ(interna, 0);
    EXPECT_LT(e->Aliquotas(99, 1, &interna, &operacao), 0);
    WORD codigo = 0;
    BYTE registro[108];
    ASSERT_EQ(e->PesquisaSigla(com::to_bstr("rj").get(), &codigo, registro), S_OK);
    EXPECT_EQ(codigo, 19);
    EXPECT_STREQ(reinterpret_cast<const char*>(registro + 100), "RJ");
}

TEST_F(ImpostosServidores, InicializaCreatesTheServersInOrderAndStopsAtTheFirstFailure) {
    ASSERT_EQ(inicializa, S_OK);
    for (const GUID* c : {&inhouse::CLSID_ProdutoServer, &inhouse::CLSID_NaturezasServer, &inhouse::CLSID_MunicipioServer,
                          &inhouse::CLSID_EstadoFiscalServer})
        EXPECT_EQ(factory(*c).object_faults().calls("Inicializa"), std::vector<std::string>{"empresa=DEMO usuario=1 sessao=1"});

    factory(inhouse::CLSID_MunicipioServer).faults().answer("CreateInstance", {E_ACCESSDENIED});
    CCalculaNotaFiscal outro;
    REG_SESSAO_NOTA_FISCAL s{};
    std::memcpy(s.Empresa, "DEMO", 4);
    EXPECT_EQ(outro.Inicializa(s), E_ACCESSDENIED);
    EXPECT_EQ(factory(inhouse::CLSID_NaturezasServer).faults().count("CreateInstance"), 2u);
    EXPECT_EQ(factory(inhouse::CLSID_EstadoFiscalServer).faults().count("CreateInstance"), 1u);
}

}  // namespace
