// The stock server stand-in over the demo company's balances: the balances of one product, grid
// combination, branch and place (three kinds), and the balance list of product keys.
#include <gtest/gtest.h>

#include <objbase.h>

#include <cstring>
#include <string>
#include <vector>

#include "inhouse_cache.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/login/registros_login.h"
#include "support/stand_in_fixture.h"

namespace {

template <class T>
T em(const BYTE* b, size_t offset) {
    T v;
    std::memcpy(&v, b + offset, sizeof v);
    return v;
}
template <class T>
void poe(BYTE* b, size_t offset, T v) {
    std::memcpy(b + offset, &v, sizeof v);
}

class EstoqueServer : public stand_in_fixture {
protected:
    EstoqueServer() {
        EXPECT_EQ(CoCreateInstance(inhouse::CLSID_EstoqueServer, nullptr, CLSCTX_ALL, __uuidof(IQVES_Estoque),
                                   reinterpret_cast<void**>(server.put())),
                  S_OK);
    }
    void open() { ASSERT_EQ(server->Inicializa(com::to_bstr(std::string("DEMO")).get(), 1, 1, 1307), S_OK); }

    // The query as the callers build it: -1 at 12, 16, 20, 24, 32, 36, 40 and 0xFF at 48.
    static QV_CONSULTA_SALDO_66 consulta(uint32_t produto, uint16_t i1, uint16_t i2, uint16_t i3, uint16_t filial,
                                         int32_t local = -1) {
        QV_CONSULTA_SALDO_66 c{};
        poe<uint32_t>(c.dados, 0, produto);
        poe<uint16_t>(c.dados, 4, i1);
        poe<uint16_t>(c.dados, 6, i2);
        poe<uint16_t>(c.dados, 8, i3);
        poe<uint16_t>(c.dados, 10, filial);
        for (size_t o : {12, 16, 20, 24, 32, 36, 40}) poe<int32_t>(c.dados, o, -1);
        poe<int32_t>(c.dados, 12, local);
        c.dados[48] = 0xFF;
        return c;
    }

    struct linha {
        uint32_t produto;
        uint16_t i1, i2;
        int64_t ep, ept, etpe;
        bool operator==(const linha&) const = default;
    };
    // BuscaSaldos for keys {product, item1, item2} and a branch; the rows, the block freed.
    std::vector<linha> lista(std::vector<std::vector<uint32_t>> chaves, uint16_t filial, HRESULT esperado = S_OK) {
        std::vector<BYTE> bloco(chaves.size() * 10);
        for (size_t i = 0; i < chaves.size(); ++i) {
            poe<uint32_t>(bloco.data(), i * 10, chaves[i][0]);
            poe<uint16_t>(bloco.data(), i * 10 + 4, static_cast<uint16_t>(chaves[i][1]));
            poe<uint16_t>(bloco.data(), i * 10 + 6, static_cast<uint16_t>(chaves[i][2]));
        }
        QV_LISTA_SALDOS_60 p{};
        poe<uint16_t>(p.dados, 0, filial);
        poe<uint16_t>(p.dados, 10, 24);
        poe<uint32_t>(p.dados, 20, static_cast<uint32_t>(chaves.size()));
        const uint32_t campo = com::wire_pointer_put(bloco.data());
        poe<uint32_t>(p.dados, 24, campo);
        poe<uint32_t>(p.dados, 28, 1);
        BYTE resposta[8];
        std::memset(resposta, 0xCC, sizeof resposta);
        EXPECT_EQ(server->BuscaSaldos(p, resposta), esperado);
        com::wire_pointer_take(campo);
        const uint32_t n = em<uint32_t>(resposta, 0);
        auto* linhas = static_cast<BYTE*>(com::wire_pointer_take(em<uint32_t>(resposta, 4)));
        std::vector<linha> r;
        for (uint32_t i = 0; i < n; ++i) {
            const BYTE* l = linhas + i * 384;
            r.push_back({em<uint32_t>(l, 0), em<uint16_t>(l, 4), em<uint16_t>(l, 6), em<int64_t>(l, 158),
                         em<int64_t>(l, 246), em<int64_t>(l, 334)});
            EXPECT_EQ(em<uint16_t>(l, 8), 0);
        }
        if (n == 0) EXPECT_EQ(linhas, nullptr);
        CoTaskMemFree(linhas);
        return r;
    }

    com::com_ptr<IQVES_Estoque> server;
};

TEST_F(EstoqueServer, CallsBeforeInicializaAreRefused) {
    BYTE r[396]{};
    EXPECT_EQ(server->Saldo(consulta(5, 0, 0, 0, 1), r, 0, 0, 0), inhouse::QV_E_NAO_INICIALIZADO);
    EXPECT_EQ(server->Saldo(consulta(5, 0, 0, 0, 1), nullptr, 0, 0, 0), E_POINTER);
}

// Balances of the three kinds at 10, 138 and 266, each block: total 0, reserved 8, available 16,
// unavailable 24; the average cost at 96 of the first block (8 decimals).
TEST_F(EstoqueServer, BalancesPerProductGridBranchAndPlace) {
    open();
    struct caso {
        const char* nome;
        QV_CONSULTA_SALDO_66 c;
        int64_t ep_total, ep_reservado, ep_disponivel, ep_indisponivel, ept_total, etpe_total, custo;
    } casos[] = {
        {"no grid, branch 1 (a negative place)", consulta(5, 0, 0, 0, 1), 1170000, 100000, 1070000, 0, 0, 300000, 420000000},
        {"no grid, every branch", consulta(5, 0, 0, 0, 0), 1320000, 100000, 1220000, 0, 0, 300000, 421666666},
        {"one place", consulta(5, 0, 0, 0, 1, 2), -30000, 0, -30000, 0, 0, 0, 0},
        {"size and colour", consulta(2, 2, 1, 0, 1), 250000, 0, 250000, 0, 100000, 0, 1925000000},
        {"size, every colour", consulta(2, 2, 0, 0, 1), 230000, 0, 230000, 0, 100000, 0, 1925000000},
        {"unavailable part", consulta(8, 0, 0, 0, 1), 400000, 0, 395000, 5000, 0, 0, 2850000000},
        {"zero balance", consulta(2, 3, 3, 0, 1), 0, 0, 0, 0, 0, 0, 0},
        {"no stock row", consulta(9, 0, 0, 0, 1), 0, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : casos) {
        BYTE r[396];
        std::memset(r, 0xCC, sizeof r);
        ASSERT_EQ(server->Saldo(c.c, r, 0, 0, 0), S_OK) << c.nome;
        EXPECT_EQ(em<int64_t>(r, 10), c.ep_total) << c.nome;
        EXPECT_EQ(em<int64_t>(r, 18), c.ep_reservado) << c.nome;
        EXPECT_EQ(em<int64_t>(r, 26), c.ep_disponivel) << c.nome;
        EXPECT_EQ(em<int64_t>(r, 34), c.ep_indisponivel) << c.nome;
        EXPECT_EQ(em<int64_t>(r, 106), c.custo) << c.nome;
        EXPECT_EQ(em<int64_t>(r, 138), c.ept_total) << c.nome;
        EXPECT_EQ(em<int64_t>(r, 154), c.ept_total) << c.nome;
        EXPECT_EQ(em<int64_t>(r, 266), c.etpe_total) << c.nome;
        EXPECT_EQ(em<int64_t>(r, 282), c.etpe_total) << c.nome;
        EXPECT_EQ(em<int64_t>(r, 58), 0) << c.nome;   // pre-issue parts
        EXPECT_EQ(em<int64_t>(r, 66), 0) << c.nome;
        EXPECT_EQ(r[0], 0) << c.nome;
        EXPECT_EQ(r[395], 0) << c.nome;
    }
}

TEST_F(EstoqueServer, AFailureOfTheServerIsAnswered) {
    open();
    factory(inhouse::CLSID_EstoqueServer).object_faults().answer("Saldo", {E_FAIL});
    BYTE r[396]{};
    EXPECT_EQ(server->Saldo(consulta(5, 0, 0, 0, 1), r, 0, 0, 0), E_FAIL);
    const auto chamadas = factory(inhouse::CLSID_EstoqueServer).object_faults().calls("Saldo");
    ASSERT_EQ(chamadas.size(), 1u);
    EXPECT_EQ(chamadas[0], "produto=5 itens=0,0,0 filial=1 local=-1 zeros=0,0,0");
}

TEST_F(EstoqueServer, BalanceListOneRowPerGridCombination) {
    open();
    EXPECT_EQ(lista({{2, 0, 0}}, 1), (std::vector<linha>{{2, 1, 1, 460000, 0, 0},
                                                          {2, 2, 1, 250000, 100000, 0},
                                                          {2, 2, 2, -20000, 0, 0},
                                                          {2, 3, 3, 0, 0, 0}}));
    EXPECT_EQ(lista({{2, 2, 0}}, 2), (std::vector<linha>{{2, 2, 1, 150000, 0, 0}}));
    EXPECT_EQ(lista({{5, 0, 0}, {17, 0, 0}}, 2), (std::vector<linha>{{5, 0, 0, 150000, 0, 0}, {17, 0, 0, 2960000, 0, 0}}));
    EXPECT_EQ(lista({{5, 0, 0}}, 0), (std::vector<linha>{{5, 0, 0, 1320000, 0, 300000}}));
    EXPECT_EQ(lista({{9, 0, 0}}, 1), std::vector<linha>{});
    EXPECT_EQ(lista({}, 1), std::vector<linha>{});
}

TEST_F(EstoqueServer, BalanceListFailureLeavesNoBlock) {
    open();
    factory(inhouse::CLSID_EstoqueServer).object_faults().answer("BuscaSaldos", {E_OUTOFMEMORY});
    EXPECT_EQ(lista({{5, 0, 0}}, 1, E_OUTOFMEMORY), std::vector<linha>{});
    EXPECT_EQ(com::wire_pointer_count(), 0u);
}

}  // namespace
