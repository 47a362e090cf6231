// The item-information cache over the stand-in servers: assembled once per position for one
// branch and customer, emptied for another customer, product 0 asks nothing, the tax query's
// selector from the customer's flags, a failed tax query keeps what was filled and stores nothing,
// grid-reference weights, units and services.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "ft/ftlibrary/CFTBufferInfoProdServ.h"
#include "ft/ftlibrary/CFTBufferMunicipio.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "server/holders/CBufferCFRT.h"
#include "support/stand_in_fixture.h"

namespace {

// The customer read replaced by a scripted record (the customer's flags are not in the register).
class info_cliente : public CFTBufferInfoProdServ {
public:
    using CFTBufferInfoProdServ::CFTBufferInfoProdServ;
    HRESULT LeCliente(int32_t posicao, QVCFRT& cliente) override {
        ++leituras;
        std::memcpy(&cliente, cliente_.data(), sizeof cliente);
        std::memcpy(reinterpret_cast<uint8_t*>(&cliente) + 96, &posicao, 4);
        return hr;
    }
    std::array<uint8_t, sizeof(QVCFRT)> cliente_{};
    int leituras = 0;
    HRESULT hr = S_OK;
};

class InfoProdServ : public stand_in_fixture {
protected:
    InfoProdServ() : info(&grade, &servico, &unidades, nullptr, &municipios) {
        grade.Inicializa("DEMO", 1, 1);
        municipios.Inicializa("DEMO", 1, 1);
        servico.Inicializa(CQVString(std::string("DEMO")), 1, 1);
        auto hoje = [] { return uint16_t{60000}; };
        grade.m_Hoje = hoje;
        grade.m_Produto.m_Hoje = hoje;
        municipios.m_Hoje = hoje;
        unidades.SetRelogio(hoje);
        info.SetRelogio(hoje);
        info.Inicializa(true, nullptr);
    }
    inhouse::fault_plan& produto() { return factory(inhouse::CLSID_ProdutoServer).object_faults(); }
    static REG_CHAVE_INFO_ITEM chave(int32_t p, uint16_t g1 = 0, int32_t cliente = 2, uint32_t ehProduto = 1) {
        REG_CHAVE_INFO_ITEM k{};
        k.Posicao.Produto = p;
        k.Posicao.Grade1 = g1;
        k.Filial = 1;
        k.Cliente = cliente;
        k.Produto = ehProduto;
        return k;
    }
    static std::string texto(const REG_INFO_ITEM_PEDIDO& r, size_t at) {
        return reinterpret_cast<const char*>(r.bytes + at);
    }
    static int64_t i64(const REG_INFO_ITEM_PEDIDO& r, size_t at) {
        int64_t v;
        std::memcpy(&v, r.bytes + at, 8);
        return v;
    }

    CFTBufferReferenciaGrade grade;
    CConexaoServico servico;
    CFTBufferInfoUnMedida unidades;
    CFTBufferMunicipio municipios;
    info_cliente info;
};

TEST_F(InfoProdServ, SamePositionTwiceCallsTheServersOnce) {
    REG_INFO_ITEM_PEDIDO r{};
    const REG_CHAVE_INFO_ITEM k = chave(2);
    ASSERT_EQ(info.Le(&k, &r), S_OK);
    EXPECT_EQ(texto(r, 0), "101");
    EXPECT_EQ(texto(r, 62), "Camiseta de algodão");
    EXPECT_EQ(texto(r, 306), "UN");
    EXPECT_EQ(texto(r, 184), "Camiseta de algodão");   // the description text
    EXPECT_EQ(r.bytes[471], 1);
    EXPECT_EQ(texto(r, 380), "000");
    ASSERT_EQ(info.Le(&k, &r), S_OK);
    EXPECT_EQ(texto(r, 0), "101");
    EXPECT_EQ(produto().count("LeProduto"), 1u);
    EXPECT_EQ(produto().count("LeUnidadeProduto"), 1u);
    EXPECT_EQ(produto().count("ConsultaImposto"), 1u);
    EXPECT_EQ(produto().count("Descricao"), 1u);
    EXPECT_EQ(info.leituras, 1);
    // Another customer empties the information maps: the record is assembled again (the product
    // itself still comes from the product cache).
    const REG_CHAVE_INFO_ITEM outro = chave(2, 0, 3);
    ASSERT_EQ(info.Le(&outro, &r), S_OK);
    EXPECT_EQ(produto().count("LeProduto"), 1u);
    EXPECT_EQ(produto().count("ConsultaImposto"), 2u);
    EXPECT_EQ(info.leituras, 2);
}

TEST_F(InfoProdServ, ProductZeroGivesZerosAndCallsNothing) {
    REG_INFO_ITEM_PEDIDO r;
    std::memset(&r, 0x5A, sizeof r);
    const REG_CHAVE_INFO_ITEM k = chave(0);
    EXPECT_EQ(info.Le(&k, &r), S_OK);
    for (uint8_t b : r.bytes) ASSERT_EQ(b, 0);
    EXPECT_EQ(factory(inhouse::CLSID_ProdutoServer).faults().count("CreateInstance"), 0u);
    EXPECT_EQ(info.leituras, 0);
}

TEST_F(InfoProdServ, CustomerFlagsChooseTheSelector) {
    struct caso {
        char letra;
        uint8_t b1584, b1585, b2135;
        const char* seletor;
        uint8_t r469, r470, r472;
    };
    // The demo's product 2 has no tax row: ICMS and IPI charged.
    const caso casos[] = {
        {'s', 0, 0, 2, "seletor=24", 0, 0, 1},
        {'S', 1, 0, 0, "seletor=8", 0, 0, 0},
        {'N', 0, 0, 0, "seletor=8", 0, 0, 0},
    };
    int cliente = 10;
    for (const caso& c : casos) {
        info.cliente_[1326] = static_cast<uint8_t>(c.letra);
        info.cliente_[1584] = c.b1584;
        info.cliente_[1585] = c.b1585;
        info.cliente_[2135] = c.b2135;
        REG_INFO_ITEM_PEDIDO r{};
        const REG_CHAVE_INFO_ITEM k = chave(2, 0, ++cliente);
        ASSERT_EQ(info.Le(&k, &r), S_OK);
        const auto chamadas = produto().calls("ConsultaImposto");
        ASSERT_FALSE(chamadas.empty());
        EXPECT_EQ(chamadas.back().rfind(c.seletor, 0), 0u) << chamadas.back();
        EXPECT_EQ(r.bytes[469], c.r469) << c.letra;
        EXPECT_EQ(r.bytes[470], c.r470) << c.letra;
        EXPECT_EQ(r.bytes[472], c.r472) << c.letra;
    }
    // A product not charged ICMS, for a customer with flag A: SemICMS.
    store().db().exec("INSERT INTO produto_imposto (empresa, produto, calcula_icms, calcula_ipi, cst) VALUES ('DEMO', 3, 0, 0, '040')");
    info.cliente_[1326] = 'S';
    info.cliente_[1584] = 0;
    info.cliente_[1585] = 0;
    REG_INFO_ITEM_PEDIDO r{};
    const REG_CHAVE_INFO_ITEM k = chave(3, 0, 99);
    ASSERT_EQ(info.Le(&k, &r), S_OK);
    EXPECT_EQ(r.bytes[469], 1);
    EXPECT_EQ(r.bytes[470], 1);
    EXPECT_EQ(texto(r, 380), "040");
}

TEST_F(InfoProdServ, FailedTaxQueryKeepsWhatWasFilledAndStoresNothing) {
    produto().answer("ConsultaImposto", {E_UNEXPECTED});
    REG_INFO_ITEM_PEDIDO r{};
    const REG_CHAVE_INFO_ITEM k = chave(2);
    EXPECT_EQ(info.Le(&k, &r), E_UNEXPECTED);
    EXPECT_EQ(texto(r, 0), "101");
    EXPECT_EQ(texto(r, 306), "UN");
    EXPECT_EQ(r.bytes[471], 0);
    ASSERT_EQ(info.Le(&k, &r), S_OK);
    EXPECT_EQ(produto().count("ConsultaImposto"), 2u);
    EXPECT_EQ(produto().count("LeProduto"), 1u);   // the product cache kept its record
    EXPECT_FALSE(events().entries().empty());
}

TEST_F(InfoProdServ, FailedDescriptionStopsBeforeTheTaxes) {
    produto().answer("Descricao", {E_FAIL});
    REG_INFO_ITEM_PEDIDO r{};
    const REG_CHAVE_INFO_ITEM k = chave(2);
    EXPECT_EQ(info.Le(&k, &r), E_FAIL);
    EXPECT_EQ(texto(r, 0), "101");
    EXPECT_EQ(texto(r, 184), "");
    EXPECT_EQ(produto().count("ConsultaImposto"), 0u);
}

TEST_F(InfoProdServ, GridReferenceWeightsReplaceNonZeroOnly) {
    store().db().exec(
        "INSERT INTO produto_referencia_grade (empresa, produto, item1, peso_bruto, peso_liquido) VALUES ('DEMO', 2, 1, 0, 500)");
    REG_INFO_ITEM_PEDIDO r{};
    const REG_CHAVE_INFO_ITEM k = chave(2, 1);
    ASSERT_EQ(info.Le(&k, &r), S_OK);
    EXPECT_EQ(i64(r, 432), 500);   // net from the grid reference
    EXPECT_EQ(i64(r, 440), 2200);  // gross stays the product's (0,22 kg)
    EXPECT_EQ(produto().count("ReferenciasGrade"), 1u);
    // No first grid item: no grid reference asked.
    const REG_CHAVE_INFO_ITEM sem = chave(3);
    ASSERT_EQ(info.Le(&sem, &r), S_OK);
    EXPECT_EQ(produto().count("ReferenciasGrade"), 1u);
}

TEST_F(InfoProdServ, GridReferenceWithoutAnswerIsZero) {
    _REG_POSICAO_PRODUTOPS p{2, 7, 0, 0};
    _REG_REFERENCIA_GRADEPS ref;
    std::memset(&ref, 0x33, sizeof ref);
    EXPECT_EQ(grade.LeReferencia(p, ref), S_OK);
    EXPECT_EQ(ref.produto, 0);
    EXPECT_EQ(ref.peso_liquido, 0);
}

TEST_F(InfoProdServ, ServiceTakesItsColumnsAndServiceUnit) {
    REG_INFO_ITEM_PEDIDO r{};
    const REG_CHAVE_INFO_ITEM k = chave(3, 0, 2, 0);
    ASSERT_EQ(info.Le(&k, &r), S_OK);
    EXPECT_EQ(texto(r, 0), "20");
    EXPECT_EQ(texto(r, 62), "Ajuste de roupas");
    EXPECT_EQ(produto().count("LeUnidadeServico"), 1u);
    ASSERT_EQ(info.Le(&k, &r), S_OK);
    EXPECT_EQ(produto().count("LeUnidadeServico"), 1u);
}

}  // namespace
