// The caches' hash map: the minimal standard hash, 16-bit masking, collisions in one bucket, node
// blocks of ten, and the cache base's day stamp and enabled flag.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "ft/ftlibrary/CFTBufferRegistros.h"
#include "ft/ftlibrary/CFTHashMap.h"

namespace {

TEST(CFTHashMap, HashIsTheMinimalStandardGenerator) {
    for (uint32_t k : {0u, 1u, 2u, 127772u, 127773u, 127774u, 65535u, 1000000u, 2147483646u})
        EXPECT_EQ(QVHashMinimoPadrao(k), static_cast<uint32_t>(16807ull * k % 2147483647ull)) << k;
    EXPECT_EQ(QVHashMinimoPadrao(1), 16807u);
}

TEST(CFTHashMap, SixteenBitKeysAreMaskedBeforeHashing) {
    CFTHashMap<int32_t, int, tracos_chave_16<int32_t>> mapa;
    mapa.Guarda(0x10005, 7);
    ASSERT_NE(mapa.Busca(5), nullptr);
    EXPECT_EQ(*mapa.Busca(5), 7);
    mapa.Guarda(-1, 9);  // 0xFFFF
    ASSERT_NE(mapa.Busca(65535), nullptr);
    EXPECT_EQ(*mapa.Busca(65535), 9);
    EXPECT_EQ(mapa.Quantidade(), 2u);
}

TEST(CFTHashMap, KeysOfOneBucketAreToldApart) {
    using mapa_t = CFTHashMap<uint32_t, int>;
    // Three keys falling into key 1's bucket.
    std::vector<uint32_t> mesmas{1};
    for (uint32_t k = 2; mesmas.size() < 3; ++k)
        if (mapa_t::Balde(k) == mapa_t::Balde(1)) mesmas.push_back(k);
    mapa_t mapa;
    mapa.Guarda(mesmas[0], 10);
    mapa.Guarda(mesmas[1], 20);
    ASSERT_NE(mapa.Busca(mesmas[0]), nullptr);
    ASSERT_NE(mapa.Busca(mesmas[1]), nullptr);
    EXPECT_EQ(*mapa.Busca(mesmas[0]), 10);
    EXPECT_EQ(*mapa.Busca(mesmas[1]), 20);
    EXPECT_EQ(mapa.Busca(mesmas[2]), nullptr);
    mapa.Guarda(mesmas[1], 21);  // replaces, does not add
    EXPECT_EQ(*mapa.Busca(mesmas[1]), 21);
    EXPECT_EQ(mapa.Quantidade(), 2u);
}

TEST(CFTHashMap, NodesComeInBlocksOfTenAndClearGivesThemBack) {
    CFTHashMap<uint16_t, int> mapa;
    for (uint16_t k = 1; k <= 10; ++k) mapa.Guarda(k, k);
    EXPECT_EQ(mapa.Blocos(), 1u);
    mapa.Guarda(11, 11);
    EXPECT_EQ(mapa.Blocos(), 2u);
    for (uint16_t k = 1; k <= 11; ++k) ASSERT_NE(mapa.Busca(k), nullptr) << k;
    mapa.Limpa();
    EXPECT_EQ(mapa.Blocos(), 0u);
    EXPECT_EQ(mapa.Quantidade(), 0u);
    EXPECT_EQ(mapa.Busca(3), nullptr);
}

// A cache whose server is a counter.
struct cache_contada : CFTBufferRegistros<uint16_t, int64_t> {
    HRESULT Carrega(uint16_t chave, int64_t& registro) override {
        ++cargas;
        registro = chave * 100 + cargas;
        return hr;
    }
    int cargas = 0;
    HRESULT hr = S_OK;
};

TEST(CFTBufferRegistros, ReadsOncePerDayAndNotAtAllWhenDisabledStores) {
    struct caso {
        const char* nome;
        bool habilitado;
        bool troca_dia;
        HRESULT hr;
        int cargas;
    };
    const caso casos[] = {
        {"kept", true, false, S_OK, 1},
        {"disabled cache does not store", false, false, S_OK, 2},
        {"a new day reads again", true, true, S_OK, 2},
        {"a failed read is not kept", true, false, E_FAIL, 2},
    };
    for (const caso& c : casos) {
        cache_contada cache;
        uint16_t dia = 40000;
        cache.m_Hoje = [&] { return dia; };
        cache.m_Habilitado = c.habilitado;
        cache.hr = c.hr;
        int64_t r = 0;
        EXPECT_EQ(cache.Le(7, r), c.hr) << c.nome;
        if (c.troca_dia) ++dia;
        EXPECT_EQ(cache.Le(7, r), c.hr) << c.nome;
        EXPECT_EQ(cache.cargas, c.cargas) << c.nome;
    }
}

}  // namespace
