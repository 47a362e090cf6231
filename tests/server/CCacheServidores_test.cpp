#include "server/holders/CCacheServidores.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/server/holders_fixture.h"
#include "platform/com/failure.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/cache/servidores_cache.h"
#include "server/holders/CBufferCFRT.h"
#include "server/holders/CRecPagTes.h"

using server::CCacheServidores;

namespace {

// Builds the bytes a record initialisation must carry, field by field, independently of the
// server's own record builders.
class bytes_builder {
public:
    explicit bytes_builder(size_t size) : m_bytes(size, 0) {}
    bytes_builder& u16(size_t at, uint16_t v) { std::memcpy(&m_bytes[at], &v, 2); return *this; }
    bytes_builder& i32(size_t at, int32_t v) { std::memcpy(&m_bytes[at], &v, 4); return *this; }
    bytes_builder& text(size_t at, const std::string& s) { std::memcpy(&m_bytes[at], s.data(), s.size()); return *this; }
    std::string hex() const { return inhouse::hex_bytes(m_bytes.data(), m_bytes.size()); }

private:
    std::vector<uint8_t> m_bytes;
};

// 40 characters: longer than every company field but the purchase servers' 254.
const std::string chave_longa = "EMPRESA-DE-CHAVE-LONGA-0123456789ABCDEFG";

struct cache_case {
    int slot;
    const CLSID* clsid;
    std::function<IUnknown*(CCacheServidores&)> getter;   // returns a reference the test owns
    std::string inicializacao;                            // empty: the slot is not initialised
};

template <class Itf>
IUnknown* take(com::com_ptr<Itf> p) { return p.detach(); }

std::vector<cache_case> cache_cases() {
    const std::string bstr = "empresa=" + chave_longa + " usuario=7 sessao=4242";
    return {
        {0, &inhouse::CLSID_SaldosContabeisServer, [](CCacheServidores& c) { return take(c.GetServidorSaldosContabeis()); }, bstr + " valor=0"},
        // The accounting master keeps its session even when it does not know the company.
        {1, &inhouse::CLSID_MestreContabilServer, [](CCacheServidores& c) { return take(c.GetServidorMestreContabil()); }, bstr},
        {3, &inhouse::CLSID_PortadoresServer, [](CCacheServidores& c) { return take(c.GetServidorPortadores()); }, bstr},
        {4, &inhouse::CLSID_NotasFiscaisServer, [](CCacheServidores& c) { return take(c.GetServidorNotasFiscais()); },
         bytes_builder(34).text(0, chave_longa.substr(0, 27)).u16(28, 7).i32(30, 4242).hex()},
        {6, &inhouse::CLSID_CondicoesPagamentoServer, [](CCacheServidores& c) { return take(c.GetServidorCondicoesPagamento()); }, bstr},
        {7, &inhouse::CLSID_CategoriasServer, [](CCacheServidores& c) { return take(c.GetServidorCategorias()); },
         bytes_builder(36).i32(0, 4242).u16(4, 7).text(6, chave_longa.substr(0, 25)).hex()},
        {8, &inhouse::CLSID_TabelasPrecoServer, [](CCacheServidores& c) { return take(c.GetServidorTabelasPreco()); }, bstr + " valor=0"},
        {9, &inhouse::CLSID_AgendamentosServer, [](CCacheServidores& c) { return take(c.GetServidorAgendamentos()); }, bstr},
        {11, &inhouse::CLSID_EstoqueServer, [](CCacheServidores& c) { return take(c.GetServidorEstoque()); }, bstr + " valor=1307"},
        {12, &inhouse::CLSID_MestreServer, [](CCacheServidores& c) { return take(c.GetServidorMestre()); }, bstr},
        {13, &inhouse::CLSID_RelatoriosMovimentosServer, [](CCacheServidores& c) { return take(c.GetServidorRelatoriosMovimentos()); }, ""},
        {14, &inhouse::CLSID_SaldosBancariosServer, [](CCacheServidores& c) { return take(c.GetServidorSaldosBancarios()); }, bstr},
        {16, &inhouse::CLSID_MestreComercialServer, [](CCacheServidores& c) { return take(c.GetServidorMestreComercial()); }, bstr},
        {17, &inhouse::CLSID_PedidosServer, [](CCacheServidores& c) { return take(c.GetServidorPedidos()); },
         // byte 34 = 1: the cache's callers read Grava's answer as a count
         bytes_builder(40).text(0, chave_longa.substr(0, 27)).u16(28, 7).i32(30, 4242).u16(34, 1).hex()},
        {18, &inhouse::CLSID_OrdensCompraServer, [](CCacheServidores& c) { return take(c.GetServidorOrdensCompra()); },
         bytes_builder(262).i32(0, 4242).u16(4, 7).text(6, chave_longa).hex()},
        {19, &inhouse::CLSID_CotacoesServer, [](CCacheServidores& c) { return take(c.GetServidorCotacoes()); },
         bytes_builder(262).i32(0, 4242).u16(4, 7).text(6, chave_longa).hex()},
        {20, &inhouse::CLSID_ComprasServer, [](CCacheServidores& c) { return take(c.GetServidorCompras()); },
         bytes_builder(262).i32(0, 4242).u16(4, 7).text(6, chave_longa).hex()},
        {21, &inhouse::CLSID_LeiautesServer, [](CCacheServidores& c) { return take(c.GetServidorLeiautes()); }, ""},
    };
}

class CacheServidores : public holders_fixture {
protected:
    CacheServidores() { login(chave_longa, 7, 4242); }
};

}  // namespace

TEST_F(CacheServidores, EachSlotIsCreatedOnceAndInitialisedOnceWithItsRecord) {
    CCacheServidores& cache = *CCacheServidores::GetInstancia();
    for (const auto& c : cache_cases()) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot);
        auto& f = factory(*c.clsid);
        IUnknown* first = c.getter(cache);
        ASSERT_NE(first, nullptr);
        IUnknown* second = c.getter(cache);
        EXPECT_EQ(second, first);
        EXPECT_EQ(cache.GetSlot(c.slot), first);
        // The cache's reference, the two callers' and this probe's.
        first->AddRef();
        EXPECT_EQ(first->Release(), 3u);
        first->Release();
        second->Release();
        EXPECT_EQ(f.faults().count("CreateInstance"), 1u);
        const auto inits = f.object_faults().calls("Inicializa");
        if (c.inicializacao.empty())
            EXPECT_TRUE(inits.empty());
        else
            EXPECT_EQ(inits, std::vector<std::string>{c.inicializacao});
    }
    for (int slot : {2, 5}) EXPECT_EQ(cache.GetSlot(slot), nullptr) << slot;
}

TEST_F(CacheServidores, CreationRetriesWhileUnavailableAndAFailedOneIsTriedAgain) {
    auto& f = factory(inhouse::CLSID_PedidosServer);
    f.faults().answer("CreateInstance", {QV_SERVIDOR_INDISPONIVEL, QV_SERVIDOR_INDISPONIVEL, QV_SERVIDOR_INDISPONIVEL});
    EXPECT_TRUE(CCacheServidores::GetInstancia()->GetServidorPedidos());
    EXPECT_EQ(f.faults().count("CreateInstance"), 4u);
    EXPECT_EQ(clock().slept_ms(), 3u * 500u);

    // Any other failure ends the creation at once: nothing is cached or initialised, and the
    // next call creates the server.
    auto& g = factory(inhouse::CLSID_EstoqueServer);
    g.faults().answer("CreateInstance", {E_ACCESSDENIED});
    EXPECT_FALSE(CCacheServidores::GetInstancia()->GetServidorEstoque());
    EXPECT_EQ(CCacheServidores::GetInstancia()->GetSlot(11), nullptr);
    EXPECT_EQ(g.object_faults().count("Inicializa"), 0u);
    EXPECT_TRUE(CCacheServidores::GetInstancia()->GetServidorEstoque());
    EXPECT_EQ(g.faults().count("CreateInstance"), 2u);
    EXPECT_EQ(g.object_faults().count("Inicializa"), 1u);
}

TEST_F(CacheServidores, ResetReleasesEverythingAndTheNextUseStartsAfresh) {
    auto& f = factory(inhouse::CLSID_MestreComercialServer);
    // A failed initialisation leaves the server cached, as callers have always found it.
    f.object_faults().answer("Inicializa", {E_FAIL});
    com::com_ptr<IQVFT_MestreComercial> held = CCacheServidores::GetInstancia()->GetServidorMestreComercial();
    ASSERT_TRUE(held);
    EXPECT_EQ(CCacheServidores::GetInstancia()->GetServidorMestreComercial().get(), held.get());

    CBufferCFRT* buffer = CCacheServidores::GetInstancia()->GetBufferCFRT();
    EXPECT_EQ(CCacheServidores::GetInstancia()->GetBufferCFRT(), buffer);
    CRecPagTes* rpt = CCacheServidores::GetInstancia()->GetRecPagTes();
    EXPECT_EQ(CCacheServidores::GetInstancia()->GetRecPagTes(), rpt);
    EXPECT_EQ(rpt->GetInicializacoes(), 1);
    EXPECT_EQ(rpt->GetEmpresa(), chave_longa);
    EXPECT_EQ(rpt->GetUsuario(), 7);
    EXPECT_EQ(rpt->GetSessao(), 4242);

    CCacheServidores::Destroi();
    EXPECT_FALSE(CCacheServidores::Existe());
    // The caller's own reference outlives the cache.
    held->AddRef();
    EXPECT_EQ(held->Release(), 1u);

    login("DEMO", 3, 99);
    EXPECT_TRUE(CCacheServidores::GetInstancia()->GetServidorMestreComercial());
    EXPECT_EQ(f.faults().count("CreateInstance"), 2u);
    EXPECT_EQ(f.object_faults().calls("Inicializa").back(), "empresa=DEMO usuario=3 sessao=99");
    EXPECT_EQ(CCacheServidores::GetInstancia()->GetRecPagTes()->GetSessao(), 99);

    // Without a session nothing is created.
    server::CSessaoGlobal::GetInstancia()->SetDados(nullptr);
    EXPECT_THROW(CCacheServidores::GetInstancia()->GetServidorPedidos(), com::failure);
    EXPECT_EQ(factory(inhouse::CLSID_PedidosServer).faults().count("CreateInstance"), 0u);
}
