// The product, nature and municipality caches over their stand-in servers: one server call per
// record, product 0 asks nothing, failures of creation and initialisation are tried again, a new
// day reads again, and the nature cache asks for the day of the read.
#include <gtest/gtest.h>

#include <cstring>

#include "ft/ftlibrary/CFTBufferMunicipio.h"
#include "ft/ftlibrary/CFTBufferNaturezas.h"
#include "ft/ftlibrary/CFTBufferProduto.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "support/stand_in_fixture.h"

namespace {

class CachesServidores : public stand_in_fixture {
protected:
    inhouse::fault_plan& servidor(REFCLSID c) { return factory(c).object_faults(); }
    inhouse::fault_plan& criacao(REFCLSID c) { return factory(c).faults(); }
    template <class Cache>
    static void inicia(Cache& cache) {
        cache.Inicializa("DEMO", 1, 1);
        cache.m_Hoje = [] { return uint16_t{60000}; };
    }
};

TEST_F(CachesServidores, ProductReadOnceAndProductZeroAsksNothing) {
    CFTBufferProduto cache;
    inicia(cache);
    _REG_PRODUTOPS r;
    std::memset(&r, 0xAB, sizeof r);
    EXPECT_EQ(cache.LeProduto(0, r), S_OK);
    EXPECT_EQ(r.ponteiro, 0u);
    EXPECT_EQ(r.nome[0], 0);
    EXPECT_EQ(criacao(inhouse::CLSID_ProdutoServer).count("CreateInstance"), 0u);

    ASSERT_EQ(cache.LeProduto(2, r), S_OK);
    EXPECT_STREQ(r.codigo, "101");
    ASSERT_EQ(cache.LeProduto(2, r), S_OK);
    EXPECT_STREQ(r.codigo, "101");
    EXPECT_EQ(criacao(inhouse::CLSID_ProdutoServer).count("CreateInstance"), 1u);
    EXPECT_EQ(servidor(inhouse::CLSID_ProdutoServer).count("Inicializa"), 1u);
    EXPECT_EQ(servidor(inhouse::CLSID_ProdutoServer).count("LeProduto"), 1u);
}

TEST_F(CachesServidores, FailedCreationAndInitialisationAreTriedAgain) {
    CFTBufferProduto cache;
    inicia(cache);
    criacao(inhouse::CLSID_ProdutoServer).answer("CreateInstance", {E_OUTOFMEMORY});
    servidor(inhouse::CLSID_ProdutoServer).answer("Inicializa", {E_FAIL});
    _REG_PRODUTOPS r{};
    EXPECT_EQ(cache.LeProduto(2, r), E_OUTOFMEMORY);
    EXPECT_EQ(cache.m_Gerenciador.Interface(), nullptr);
    EXPECT_EQ(cache.LeProduto(2, r), E_FAIL);
    EXPECT_FALSE(cache.m_Gerenciador.Inicializado());
    EXPECT_EQ(cache.LeProduto(2, r), S_OK);
    EXPECT_STREQ(r.codigo, "101");
    EXPECT_EQ(criacao(inhouse::CLSID_ProdutoServer).count("CreateInstance"), 2u);
    EXPECT_EQ(servidor(inhouse::CLSID_ProdutoServer).count("Inicializa"), 2u);
    EXPECT_EQ(servidor(inhouse::CLSID_ProdutoServer).count("LeProduto"), 1u);
    // Failures reach the event log only, never a person.
    EXPECT_FALSE(events().entries().empty());
}

TEST_F(CachesServidores, FailedReadIsReturnedAndNotKept) {
    CFTBufferProduto cache;
    inicia(cache);
    servidor(inhouse::CLSID_ProdutoServer).answer("LeProduto", {E_UNEXPECTED});
    _REG_PRODUTOPS r{};
    EXPECT_EQ(cache.LeProduto(3, r), E_UNEXPECTED);
    EXPECT_EQ(cache.LeProduto(3, r), S_OK);
    EXPECT_STREQ(r.codigo, "102");
    EXPECT_EQ(servidor(inhouse::CLSID_ProdutoServer).count("LeProduto"), 2u);
}

TEST_F(CachesServidores, NatureIsAskedForTheDayOfTheRead) {
    CFTBufferNaturezas cache;
    cache.Inicializa("DEMO", 1, 1);
    uint16_t hoje = 60000;
    cache.m_Hoje = [&] { return hoje; };
    _REG_NATUREZAPS r{};
    ASSERT_EQ(cache.Le(1, r), S_OK);
    ASSERT_EQ(cache.Le(1, r), S_OK);
    ++hoje;
    ASSERT_EQ(cache.Le(1, r), S_OK);
    const auto chamadas = servidor(inhouse::CLSID_NaturezasServer).calls("LeNatureza");
    ASSERT_EQ(chamadas.size(), 2u);
    EXPECT_NE(chamadas[0].find("dia=60000"), std::string::npos) << chamadas[0];
    EXPECT_NE(chamadas[1].find("dia=60001"), std::string::npos) << chamadas[1];
    // The order model's own road: the map answers only for records read today.
    EXPECT_TRUE(cache.Busca(1, r));
    ++hoje;
    EXPECT_FALSE(cache.Busca(1, r));
}

// The natures manager keeps the company's number of natures from its initialisation; when the
// server cannot answer it, the initialisation fails, is reported and is tried again next time.
TEST_F(CachesServidores, NaturesInitialisationKeepsTheNumberOfNatures) {
    CFTBufferNaturezas cache;
    cache.Inicializa("DEMO", 1, 1);
    auto& plano = servidor(inhouse::CLSID_NaturezasServer);
    plano.answer("QuantidadeNaturezas", {E_ACCESSDENIED});
    _REG_NATUREZAPS r{};
    EXPECT_EQ(cache.Le(1, r), E_ACCESSDENIED);
    EXPECT_FALSE(cache.m_Gerenciador.Inicializado());
    EXPECT_EQ(plano.count("LeNatureza"), 0u);
    ASSERT_EQ(cache.Le(1, r), S_OK);
    EXPECT_TRUE(cache.m_Gerenciador.Inicializado());
    auto q = store().prepare("SELECT COUNT(*) FROM natureza WHERE empresa = 'DEMO'");
    ASSERT_TRUE(q.step());
    EXPECT_EQ(cache.m_Gerenciador.GetQuantidadeNaturezas(), q.column_int(0));
    EXPECT_GT(cache.m_Gerenciador.GetQuantidadeNaturezas(), 0);
    EXPECT_EQ(plano.count("QuantidadeNaturezas"), 2u);
}

TEST_F(CachesServidores, MunicipalityReadOnce) {
    CFTBufferMunicipio cache;
    inicia(cache);
    _REG_MUNICIPIO_PS r{};
    ASSERT_EQ(cache.Le(2, r), S_OK);
    ASSERT_EQ(cache.Le(2, r), S_OK);
    EXPECT_STREQ(r.nome, "Rio Branco");
    EXPECT_EQ(servidor(inhouse::CLSID_MunicipioServer).count("Le"), 1u);
    cache.Limpa();
    ASSERT_EQ(cache.Le(2, r), S_OK);
    EXPECT_EQ(servidor(inhouse::CLSID_MunicipioServer).count("Le"), 2u);
}

}  // namespace
