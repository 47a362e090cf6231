// A product's information for a sale over the demo catalogue: what SetDados reads and in which
// order, what it hands the tax calculation, the figures as texts, what a look-up that finds
// nothing or a failed step leaves readable, and the price items' memory. The tax calculation is a
// scripted one here: what the rates become as texts is this object's; the rates themselves are
// the order library's.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/QVCurrency.h"
#include "masterdata/CTW_DF_InfoProduto.h"
#include "masterdata/info_produto_textos.h"
#include "support/task_memory_counter.h"
#include "tests/masterdata/produtos_fixture.h"

using masterdata::aliquotas_produto;
using masterdata::calculo_impostos_produto;
using masterdata::CTW_DF_InfoProduto;

namespace {

// What the scripted calculation answers and what it was given.
struct roteiro_calculo {
    aliquotas_produto aliquotas{};
    HRESULT falha_inicializa = S_OK;
    HRESULT falha_calcula = S_OK;
    std::vector<std::string> chamadas;
};
roteiro_calculo* g_roteiro = nullptr;

class calculo_roteirizado final : public calculo_impostos_produto {
public:
    HRESULT Inicializa(const std::string& empresa, WORD usuario, long sessao) override {
        g_roteiro->chamadas.push_back("Inicializa " + empresa + " " + std::to_string(usuario) + " " + std::to_string(sessao));
        return g_roteiro->falha_inicializa;
    }
    HRESULT SetFilial(WORD posicao, uint32_t segundo_codigo, const inhouse::REG_FILIAL& filial) override {
        g_roteiro->chamadas.push_back("SetFilial " + std::to_string(posicao) + " " + std::to_string(segundo_codigo) + " " +
                                      std::string(inhouse::texto_campo(filial.uf)));
        return S_OK;
    }
    HRESULT SetCliente(const QVCFRT& cliente) override {
        g_roteiro->chamadas.push_back("SetCliente " + std::string(inhouse::texto_campo(cliente.codigo)) + " " +
                                      std::string(inhouse::texto_campo(cliente.uf)) + " municipio " +
                                      std::to_string(cliente.posicao_municipio != 0));
        return S_OK;
    }
    HRESULT CalculaProduto(uint32_t produto, WORD dia, aliquotas_produto& aliquotas) override {
        g_roteiro->chamadas.push_back("CalculaProduto " + std::to_string(produto) + " " + std::to_string(dia));
        if (FAILED(g_roteiro->falha_calcula)) return g_roteiro->falha_calcula;
        aliquotas = g_roteiro->aliquotas;
        return S_OK;
    }
};

class InfoProduto : public produtos_fixture {
protected:
    InfoProduto() {
        g_roteiro = &roteiro;
        anterior = masterdata::registra_calculo_impostos_produto(
            [] { return std::unique_ptr<calculo_impostos_produto>(new calculo_roteirizado); });
        factory(inhouse::CLSID_FilialServer).object_faults().clear();
        factory(inhouse::CLSID_MestreComercialServer).object_faults().clear();
        sql("INSERT OR REPLACE INTO parametro_venda (empresa, posicao, largura, valor) VALUES ('DEMO', 274, 4, 77)");
        info = com::make<CTW_DF_InfoProduto>();
    }
    ~InfoProduto() override {
        info = nullptr;
        masterdata::registra_calculo_impostos_produto(anterior);
        g_roteiro = nullptr;
    }

    HRESULT set(const char* tabela, const char* cliente, const char* filial, const char* produto, const char* g1 = "",
                const char* g2 = "", const char* g3 = "", VARIANT_BOOL* sucesso = nullptr) {
        VARIANT_BOOL ok = 7;
        const HRESULT hr = info->SetDados(b(tabela).get(), b(cliente).get(), b(filial).get(), b(produto).get(), b(g1).get(),
                                          b(g2).get(), b(g3).get(), &ok);
        EXPECT_TRUE(ok == VARIANT_TRUE || ok == VARIANT_FALSE) << ok;
        if (sucesso) *sucesso = ok;
        return hr;
    }
    bool carrega(const char* produto, const char* g1 = "", const char* g2 = "") {
        VARIANT_BOOL ok = VARIANT_FALSE;
        EXPECT_EQ(set("VAREJO", "C001", "1", produto, g1, g2, "", &ok), S_OK);
        return ok == VARIANT_TRUE;
    }
    template <class M>
    std::string texto(M metodo) {
        return text([&](BSTR* p) { return ((*info.get()).*metodo)(p); });
    }
    // Every text getter, in slot order, with the two number getters' answers.
    std::vector<std::string> figuras() {
        USHORT casas = 99;
        ULONG pallet = 99;
        EXPECT_EQ(info->GetQtdeCasasDecimais(&casas), S_OK);
        EXPECT_EQ(info->GetQtdePallet(&pallet), S_OK);
        using I = CTW_DF_InfoProduto;
        return {texto(&I::GetAliquotaICMS),  texto(&I::GetAliquotaIPI),     texto(&I::GetAliquotaICMSST),
                texto(&I::GetDataEntrega),   texto(&I::GetDescontoUnitario), texto(&I::GetNome),
                texto(&I::GetValorUnitario), texto(&I::GetPesoBruto),        texto(&I::GetPesoLiquido),
                std::to_string(casas),       texto(&I::GetQtdeEmbalagem),    std::to_string(pallet),
                texto(&I::GetDescontoMax),   texto(&I::GetDescontoMaxPorcentagem)};
    }
    static std::vector<std::string> vazio() {
        return {"0,00", "0,00", "0,00", "0", "0,00", "", "0", "0,00", "0,00", "0", "0,00", "0", "0,00", "0,00"};
    }

    roteiro_calculo roteiro;
    masterdata::fabrica_calculo_impostos anterior = nullptr;
    com::com_ptr<CTW_DF_InfoProduto> info;
};

TEST_F(InfoProduto, LoadsEveryFigureOfADemoProduct) {
    roteiro.aliquotas = {1800, 500, 0, 1, 1};
    ASSERT_TRUE(carrega("101", "P", "AZ"));
    EXPECT_EQ(figuras(), (std::vector<std::string>{"18,00", "5,00", "0,00", "3", "5,00", "Camiseta de algodão", "39,90",
                                                   "0,22", "0,20", "0", "1,00", "1200", "3,99", "10,00"}));
    // The calculation gets the session, the branch read in full with the commercial master's value,
    // the customer's whole record and the product's own pointer on the fixed day.
    EXPECT_EQ(roteiro.chamadas, (std::vector<std::string>{"Inicializa DEMO 7 4242", "SetFilial 1 77 SP",
                                                          "SetCliente C001 SP municipio 1", "CalculaProduto 2 56617"}));
    EXPECT_EQ(produtos().calls("ItensPreco"), std::vector<std::string>{"produto=2 tabela=1 itens=1,1,0"});
}

TEST_F(InfoProduto, AGridItemOfItsOwnPriceAndWeightsInTheirScale) {
    // Size GG has a price item of its own; coffee's weights carry two decimals more (code 3),
    // its discount is a percentage of the price, and its unit (kg) has decimals code 3.
    ASSERT_TRUE(carrega("101", "GG", "PR"));
    EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetDescontoMax), "5,99");
    EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetDescontoMaxPorcentagem), "15,01");   // 5,99 of 39,90, cut
    EXPECT_EQ(produtos().calls("ItensPreco").back(), "produto=2 tabela=1 itens=4,2,0");
    ASSERT_TRUE(carrega("201"));
    const auto f = figuras();
    EXPECT_EQ(f[7], "1,02");
    EXPECT_EQ(f[8], "1,00");
    EXPECT_EQ(f[9], "4");
    EXPECT_EQ(f[12], "2,14");   // 5 % of 42,90, cut
    EXPECT_EQ(f[13], "5,00");
}

TEST_F(InfoProduto, AnUnknownTableAnswersFalseBeforeTheCustomerIsLookedUp) {
    VARIANT_BOOL ok = VARIANT_TRUE;
    EXPECT_EQ(set("NENHUMA", "C001", "1", "101", "", "", "", &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_FALSE);
    EXPECT_EQ(company().count("BuscaCodigo"), 0u);
    EXPECT_EQ(produtos().count("ExisteProduto"), 0u);
    EXPECT_TRUE(roteiro.chamadas.empty());
}

TEST_F(InfoProduto, AnUnknownGridItemStillLoadsWithItsPositionZero) {
    ASSERT_TRUE(carrega("101", "XX", "AZ"));
    EXPECT_EQ(produtos().calls("ItensPreco").back(), "produto=2 tabela=1 itens=0,1,0");
    EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetDescontoMax), "3,99");
}

TEST_F(InfoProduto, WhatFindsNothingLeavesNothingOfTheProductBefore) {
    struct caso {
        const char *tabela, *cliente, *filial, *produto;
    } casos[] = {
        {"NENHUMA", "C001", "1", "101"},   // table
        {"VAREJO", "C999", "1", "101"},    // customer
        {"VAREJO", "F001", "1", "101"},    // a supplier is no customer
        {"VAREJO", "C001", "9", "101"},    // branch
        {"VAREJO", "C001", "1", "999"},    // product
        {"VAREJO", "C001", "1", "1"},      // a title is not sold
    };
    roteiro.aliquotas = {1800, 500, 0, 1, 1};
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.tabela << " " << c.cliente << " " << c.filial << " " << c.produto);
        ASSERT_TRUE(carrega("101", "P", "AZ"));
        VARIANT_BOOL ok = VARIANT_TRUE;
        EXPECT_EQ(set(c.tabela, c.cliente, c.filial, c.produto, "", "", "", &ok), S_OK);
        EXPECT_EQ(ok, VARIANT_FALSE);
        EXPECT_EQ(figuras(), vazio());
    }
}

TEST_F(InfoProduto, AFailedStepIsReportedAndLeavesNothingToRead) {
    const HRESULT falha = static_cast<HRESULT>(0x80041234u);
    struct caso {
        const char* passo;
        std::function<void()> prepara;
        const char* texto;
    } casos[] = {
        {"tabela", [&] { produtos().answer("ExisteTabela", {falha}); }, "Falha ao procurar tabela de preços"},
        {"cliente", [&] { company().answer("LeConta", {falha}); },
         "Erro ao ler CFRT"},
        {"produto", [&] { produtos().answer("ExisteProduto", {falha}); }, "Falha ao procurar produto"},
        {"grade", [&] { produtos().answer("LeGrade", {falha}); }, "Falha ao ler grade do produto."},
        {"item de grade", [&] { produtos().answer("ExisteItemGrade", {falha}); },
         "Falha ao ler grade do produto."},
        {"itens de preço", [&] { produtos().answer("ItensPreco", {falha}); },
         "Falha ao carregar itens da tabela de preço."},
        {"filial", [&] { factory(inhouse::CLSID_FilialServer).object_faults().answer("LeFilial", {falha}); },
         "Falha ao ler filial."},
        {"mestre", [&] { factory(inhouse::CLSID_MestreComercialServer).object_faults().answer("LeParametros", {falha}); },
         "Falha ao ler o mestre comercial."},
        {"inicialização do cálculo", [&] { roteiro.falha_inicializa = falha; },
         "Falha ao calcular os impostos do produto."},
        {"cálculo", [&] { roteiro.falha_calcula = falha; }, "Falha ao calcular os impostos do produto."},
    };
    roteiro.aliquotas = {1800, 500, 0, 1, 1};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.passo);
        roteiro = {};
        roteiro.aliquotas = {1800, 500, 0, 1, 1};
        ASSERT_TRUE(carrega("101", "P", "AZ"));
        c.prepara();
        task_memory_counter memoria;
        VARIANT_BOOL ok = VARIANT_TRUE;
        EXPECT_EQ(set("VAREJO", "C001", "1", "101", "P", "AZ", "", &ok), falha);
        EXPECT_EQ(ok, VARIANT_FALSE);
        EXPECT_EQ(last_error(), c.texto);
        EXPECT_EQ(memoria.outstanding(), 0u);
        EXPECT_EQ(figuras(), vazio());
    }
}

TEST_F(InfoProduto, TheDiscountOfOneProductIsNotAnothers) {
    ASSERT_TRUE(carrega("101", "P"));
    ASSERT_EQ(texto(&CTW_DF_InfoProduto::GetDescontoMax), "3,99");
    ASSERT_TRUE(carrega("305"));   // no price item in VAREJO
    EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetValorUnitario), "6");
    EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetDescontoMax), "0,00");
    EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetDescontoMaxPorcentagem), "0,00");
}

TEST_F(InfoProduto, ThePriceItemsAnswerIsFreedOnEveryLoad) {
    task_memory_counter memoria;
    ASSERT_TRUE(carrega("101", "GG"));   // two items
    ASSERT_TRUE(carrega("305"));         // none
    ASSERT_TRUE(carrega("201"));
    EXPECT_GE(memoria.allocated(), 2u);
    EXPECT_EQ(memoria.outstanding(), 0u);
}

TEST_F(InfoProduto, RatesShowInHundredthsAndSubstitutionOnlyWithICMS) {
    struct caso {
        aliquotas_produto a;
        const char *icms, *ipi, *st;
    } casos[] = {
        {{1800, 500, 0, 1, 1}, "18,00", "5,00", "0,00"},
        {{5, 1000, 1200, 0, 1}, "0,00", "10,00", "0,00"},   // no ICMS: no substitution either
        {{1200, 15, 1870, 1, 0}, "12,00", "0,00", "18,70"},
        {{65535, 0, 1, 1, 1}, "655,35", "0,00", "0,01"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.icms);
        roteiro.aliquotas = c.a;
        ASSERT_TRUE(carrega("104"));
        EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetAliquotaICMS), c.icms);
        EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetAliquotaIPI), c.ipi);
        EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetAliquotaICMSST), c.st);
    }
}

// The calculation the server puts in place (the order library's) answers for the demo's rules.
TEST_F(InfoProduto, TheServersOwnCalculationGivesTheDemosRates) {
    ASSERT_NE(anterior, nullptr);
    masterdata::registra_calculo_impostos_produto(anterior);
    info = com::make<CTW_DF_InfoProduto>();
    ASSERT_TRUE(carrega("305"));   // electrical tape, classification 3919: IPI 9,75 %
    EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetAliquotaICMS), "18,00");
    EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetAliquotaIPI), "9,75");
    EXPECT_EQ(texto(&CTW_DF_InfoProduto::GetAliquotaICMSST), "0,00");
    EXPECT_TRUE(roteiro.chamadas.empty());
}

TEST(InfoProdutoTextos, WeightsFollowTheirDecimalsCode) {
    struct caso {
        int64_t peso;
        uint8_t casas;
        int64_t esperado;   // CURRENCY raw
    } casos[] = {
        {12345678, 0, 12345678}, {12345678, 1, 12345678}, {12345678, 2, 1234568},   // half to even
        {12345678, 3, 123457},   {12345678, 4, 12346},    {12345678, 5, 1235},
        {12345678, 6, 123},      {12345678, 7, 12345678}, {-1000000, 3, -10000},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.peso << " code " << int(c.casas));
        EXPECT_EQ(masterdata::PesoEscalado(c.peso, c.casas).int64, c.esperado);
    }
}

TEST(InfoProdutoTextos, UnitDecimalsAndHundredths) {
    const std::pair<uint8_t, USHORT> casas[] = {{0, 0}, {1, 2}, {2, 4}, {3, 4}, {255, 4}};
    for (const auto& [codigo, n] : casas) EXPECT_EQ(masterdata::CasasDecimaisUnidade(codigo), n) << int(codigo);
    const std::pair<unsigned, const char*> centesimos[] = {{1800, "18,00"}, {5, "0,05"}, {0, "0,00"}, {101, "1,01"}};
    for (const auto& [v, t] : centesimos) EXPECT_EQ(masterdata::TextoCentesimos(v), t) << v;
}

TEST(InfoProdutoTextos, TheLargestDiscountAsAPercentage) {
    struct caso {
        int64_t preco, desconto;
        uint8_t percentual;
        const char *valor, *porcentagem;
    } casos[] = {
        {3990000000LL, 399000000LL, 0, "3,99", "10,00"},
        {3000000000LL, 100000000LL, 0, "1,00", "3,33"},      // 3,3333 cut
        {0, 100000000LL, 0, "1,00", "0,00"},                 // no reference price: no percentage
        {4290000000LL, 500000000LL, 1, "2,14", "5,00"},      // 2,145 cut
        {0, 0, 0, "0,00", "0,00"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.porcentagem);
        _REG_ITENS_TABELA_PRECOPS item{};
        item.preco = c.preco;
        item.desconto = c.desconto;
        item.desconto_percentual = c.percentual;
        EXPECT_EQ(std::string(QVFormataValor8Casas(masterdata::DescontoMaximo(item), 2)), c.valor);
        EXPECT_EQ(masterdata::TextoDescontoMaximoPorcentagem(item), c.porcentagem);
    }
}

}  // namespace
