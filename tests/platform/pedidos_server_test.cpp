// The orders server stand-in: an order saved with its items, instalments, entries and notes reads
// back byte for byte, survives a restart of the store, is numbered within its month, listed by
// representative and range, shown as the order list's record and reported; every entry answers
// its fault plan.
#include <gtest/gtest.h>

#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/CQVData.h"
#include "ft/ftlibrary/libera_registro_pedido.h"
#include "ft/ftlibrary/registro_parcela.h"
#include "ft/ftlibrary/registros_pedido.h"
#include "inhouse_cache.h"
#include "platform/com/com_ptr.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/pedidos/pedidos_store.h"
#include "platform/inhouse/pedidos/registros_pedidos.h"
#include "support/stand_in_fixture.h"
#include "support/task_memory_counter.h"

namespace {

// 2020-01-10 and 2020-02-03: months without demo orders.
const uint16_t dia_jan = static_cast<uint16_t>(qv_numero_dia(10, 1, 2020));
const uint16_t dia_fev = static_cast<uint16_t>(qv_numero_dia(3, 2, 2020));
constexpr uint16_t mes_jan = (2020 - 1848) * 12 + 1;
constexpr uint16_t mes_fev = (2020 - 1848) * 12 + 2;

template <class T>
T* bloco(size_t n) {
    auto* p = static_cast<T*>(CoTaskMemAlloc(n * sizeof(T)));
    std::memset(p, 0, n * sizeof(T));
    return p;
}

void poe_u8(void* r, size_t at, uint8_t v) { static_cast<uint8_t*>(r)[at] = v; }
void poe_u16(void* r, size_t at, uint16_t v) { std::memcpy(static_cast<uint8_t*>(r) + at, &v, 2); }
void poe_i32(void* r, size_t at, int32_t v) { std::memcpy(static_cast<uint8_t*>(r) + at, &v, 4); }
void poe_i64(void* r, size_t at, int64_t v) { std::memcpy(static_cast<uint8_t*>(r) + at, &v, 8); }
uint16_t u16(const void* r, size_t at) { uint16_t v; std::memcpy(&v, static_cast<const uint8_t*>(r) + at, 2); return v; }
uint32_t u32(const void* r, size_t at) { uint32_t v; std::memcpy(&v, static_cast<const uint8_t*>(r) + at, 4); return v; }
int64_t i64(const void* r, size_t at) { int64_t v; std::memcpy(&v, static_cast<const uint8_t*>(r) + at, 8); return v; }

// An order as the order entry object hands it over: two items (the first with two sub-entries),
// three instalments, one entry, notes; every byte of the records that the server does not own set
// to something recognisable.
struct pedido_exemplo {
    REG_PEDIDO r{};
    explicit pedido_exemplo(uint16_t dia, int32_t representante = 7, int32_t cliente = 2) {
        auto* bytes = reinterpret_cast<uint8_t*>(&r);
        for (size_t k = 0; k < 2188; ++k) bytes[k] = static_cast<uint8_t>(k * 7 + 1);
        poe_i32(&r, 762, cliente);
        poe_i32(&r, 766, representante);
        poe_u16(&r, 834, dia);
        poe_u16(&r, 836, static_cast<uint16_t>(dia + 10));
        for (size_t at : {1915, 1917, 1918, 1931, 1933}) poe_u8(&r, at, 0);
        poe_u16(&r, 838, 2);
        auto* itens = bloco<REG_ITEM_PEDIDO>(2);
        for (int i = 0; i < 2; ++i) {
            auto* ib = reinterpret_cast<uint8_t*>(&itens[i]);
            for (size_t k = 0; k < 1508; ++k) ib[k] = static_cast<uint8_t>(k * 3 + i);
            poe_u16(&itens[i], 300, i == 0 ? 2 : 0);
        }
        auto* sub = bloco<REG_ENTRADA_PEDIDO>(2);
        std::memset(&sub[0], 0x5A, 28);
        std::memset(&sub[1], 0x5A, 28);
        itens[0].Blocos[0] = com::wire_pointer_put(sub);
        r.Itens = com::wire_pointer_put(itens);
        poe_u8(&r, 1912, 3);
        auto* parcelas = bloco<REG_PARCELA_PEDIDO>(3);
        for (int p = 0; p < 3; ++p) {
            std::memset(&parcelas[p], 0x30 + p, sizeof(REG_PARCELA_PEDIDO));
            poe_i64(&parcelas[p], 0, 1000000 * (p + 1));   // 100,00 200,00 300,00
        }
        r.Parcelas = com::wire_pointer_put(parcelas);
        poe_u16(&r, 842, 1);
        auto* entradas = bloco<REG_ENTRADA_PEDIDO>(1);
        std::memset(entradas, 0x77, 28);
        r.Entradas = com::wire_pointer_put(entradas);
        const char obs[] = "Entregar pela manhã";
        poe_u16(&r, 840, sizeof obs);
        auto* notas = bloco<char>(sizeof obs);
        std::memcpy(notas, obs, sizeof obs);
        r.Observacoes = com::wire_pointer_put(notas);
        r.Bloco = 0;
    }
    ~pedido_exemplo() { ft::libera_registro_pedido(r); }
    QV_PEDIDO_2208 bloco_valor() const {
        QV_PEDIDO_2208 b;
        std::memcpy(&b, &r, sizeof b);
        return b;
    }
};

class PedidosServer : public stand_in_fixture {
protected:
    PedidosServer() { server = novo(); }
    com::com_ptr<IQVFT_Pedidos> novo() {
        com::com_ptr<IQVFT_Pedidos> p;
        EXPECT_EQ(CoCreateInstance(inhouse::CLSID_PedidosServer, nullptr, CLSCTX_ALL, __uuidof(IQVFT_Pedidos),
                                   reinterpret_cast<void**>(p.put())),
                  S_OK);
        return p;
    }
    static QV_SESSAO_40 sessao(bool quantidade = false) {
        QV_SESSAO_40 b = inhouse::bloco_sessao<QV_SESSAO_40>("DEMO", 1, 77);
        b.dados[34] = quantidade ? 1 : 0;
        return b;
    }
    void open(bool quantidade = false) { ASSERT_EQ(server->Inicializa(sessao(quantidade)), S_OK); }
    LONG grava(const pedido_exemplo& p) {
        LONG saida = -5;
        EXPECT_EQ(server->Grava(0, p.bloco_valor(), 77, &saida), S_OK);
        return saida;
    }
    std::vector<uint32_t> lista(uint32_t representante, uint16_t de = 0, uint16_t ate = 65535) {
        QV_FAIXA_PEDIDOS_16 faixa{};
        poe_u16(&faixa, 0, de);
        poe_u16(&faixa, 2, ate);
        poe_u16(&faixa, 6, 1);
        QV_FILTRO_PEDIDOS_1014 filtro{};
        poe_i32(&filtro, 376, static_cast<int32_t>(representante));
        BYTE* resultado = reinterpret_cast<BYTE*>(1);
        EXPECT_EQ(server->BuscaPedidos(faixa, filtro, &resultado), S_OK);
        if (!resultado) return {};
        const uint32_t n = u32(resultado, 0);
        auto* posicoes = static_cast<uint32_t*>(com::wire_pointer_take(u32(resultado, 4)));
        std::vector<uint32_t> v(posicoes, posicoes + n);
        CoTaskMemFree(posicoes);
        CoTaskMemFree(resultado);
        return v;
    }

    com::com_ptr<IQVFT_Pedidos> server;
};

TEST_F(PedidosServer, CallsBeforeInicializaAreRefusedWithTheirOutValuesCleared) {
    pedido_exemplo p(dia_jan);
    LONG saida = 9;
    EXPECT_EQ(server->Grava(0, p.bloco_valor(), 77, &saida), inhouse::QV_E_NAO_INICIALIZADO);
    EXPECT_EQ(saida, 0);
    LONG numero = 9;
    EXPECT_EQ(server->NumeroMes(mes_jan, &numero), inhouse::QV_E_NAO_INICIALIZADO);
    EXPECT_EQ(numero, 0);
    BYTE* registro = reinterpret_cast<BYTE*>(1);
    EXPECT_EQ(server->LePedido(4096 + mes_jan, -1, &registro), inhouse::QV_E_NAO_INICIALIZADO);
    EXPECT_EQ(registro, nullptr);
}

TEST_F(PedidosServer, ASavedOrderReadsBackByteForByte) {
    open();
    pedido_exemplo p(dia_jan);
    const LONG posicao = grava(p);
    EXPECT_EQ(posicao, static_cast<LONG>((1u << 12) | mes_jan));

    task_memory_counter contador;
    BYTE* lido = nullptr;
    ASSERT_EQ(server->LePedido(posicao, -1, &lido), S_OK);
    ASSERT_NE(lido, nullptr);
    auto& r = *reinterpret_cast<REG_PEDIDO*>(lido);
    // The header up to the pointer fields, counts included.
    EXPECT_EQ(std::memcmp(lido, &p.r, 2188), 0);
    EXPECT_EQ(u32(lido, 2204), 0u);

    const auto* itens = static_cast<const uint8_t*>(com::wire_pointer_get(r.Itens));
    const auto* originais = static_cast<const uint8_t*>(com::wire_pointer_get(p.r.Itens));
    ASSERT_TRUE(itens && originais);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_EQ(std::memcmp(itens + i * 1524, originais + i * 1524, 1508), 0) << i;
    // The first item's sub-entries come back; their own blocks are the caller's and are not kept.
    const auto* sub = static_cast<const uint8_t*>(com::wire_pointer_get(u32(itens, 1508)));
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub[0], 0x5A);
    EXPECT_EQ(sub[32 + 27], 0x5A);
    EXPECT_EQ(u32(itens + 1524, 1508), 0u);

    EXPECT_EQ(std::memcmp(com::wire_pointer_get(r.Parcelas), com::wire_pointer_get(p.r.Parcelas), 3 * 126), 0);
    EXPECT_EQ(std::memcmp(com::wire_pointer_get(r.Entradas), com::wire_pointer_get(p.r.Entradas), 28), 0);
    EXPECT_STREQ(static_cast<const char*>(com::wire_pointer_get(r.Observacoes)), "Entregar pela manhã");

    // The caller frees everything with the order library's function and the record itself.
    ft::libera_registro_pedido(r);
    CoTaskMemFree(lido);
    EXPECT_EQ(contador.outstanding(), 0u);
}

TEST_F(PedidosServer, GravaAnswersACountOrAPositionAsTheInitialisationAsked) {
    open(true);
    pedido_exemplo a(dia_jan);
    EXPECT_EQ(grava(a), 1);
    server = novo();
    open(false);
    pedido_exemplo b(dia_jan);
    EXPECT_EQ(grava(b), static_cast<LONG>((2u << 12) | mes_jan));
}

TEST_F(PedidosServer, OrdersAreNumberedWithinTheirMonth) {
    open();
    LONG numero = 0;
    ASSERT_EQ(server->NumeroMes(mes_jan, &numero), S_OK);
    EXPECT_EQ(numero, 1);   // a month without orders: its first sequence
    pedido_exemplo a(dia_jan), b(dia_jan), c(dia_fev);
    EXPECT_EQ(grava(a), static_cast<LONG>((1u << 12) | mes_jan));
    EXPECT_EQ(grava(b), static_cast<LONG>((2u << 12) | mes_jan));
    EXPECT_EQ(grava(c), static_cast<LONG>((1u << 12) | mes_fev));
    ASSERT_EQ(server->NumeroMes(mes_jan, &numero), S_OK);
    EXPECT_EQ(numero, 3);
    ASSERT_EQ(server->NumeroMes(mes_fev, &numero), S_OK);
    EXPECT_EQ(numero, 2);
}

TEST_F(PedidosServer, ARepresentativesListHoldsOnlyItsOrdersInTheRange) {
    open();
    pedido_exemplo a(dia_jan, 7, 2), b(dia_jan, 9001, 20), c(dia_fev, 7, 3);
    const auto pa = static_cast<uint32_t>(grava(a));
    const auto pb = static_cast<uint32_t>(grava(b));
    const auto pc = static_cast<uint32_t>(grava(c));
    auto so_2020 = [&](std::vector<uint32_t> v) {
        std::erase_if(v, [](uint32_t p) { return (p & 0xFFF) != mes_jan && (p & 0xFFF) != mes_fev; });
        return v;
    };
    EXPECT_EQ(so_2020(lista(7)), (std::vector<uint32_t>{pa, pc}));
    EXPECT_EQ(so_2020(lista(9001)), (std::vector<uint32_t>{pb}));
    EXPECT_EQ(so_2020(lista(0)), (std::vector<uint32_t>{pa, pb, pc}));   // 0: every order
    EXPECT_EQ(lista(7, dia_jan, static_cast<uint16_t>(dia_jan + 1)), (std::vector<uint32_t>{pa}));
    // Nobody's orders: no block at all, and a success.
    EXPECT_TRUE(lista(4242).empty());
}

TEST_F(PedidosServer, TheOrderListRecordCarriesTheFieldsTheListShows) {
    open();
    pedido_exemplo p(dia_jan, 7, 3);
    poe_u8(&p.r, 1933, 1);
    const LONG posicao = grava(p);
    std::vector<BYTE> r(1020, 0xEE);
    ASSERT_EQ(server->LeListaPedido(posicao, r.data()), S_OK);
    EXPECT_EQ(i64(r.data(), 570), 6000000);          // the instalments: 100 + 200 + 300
    EXPECT_EQ(u32(r.data(), 794), static_cast<uint32_t>(posicao));
    EXPECT_EQ(u32(r.data(), 798), 3u);
    EXPECT_EQ(u16(r.data(), 834), dia_jan);
    EXPECT_EQ(u16(r.data(), 836), dia_jan + 10);
    for (size_t at : {934, 935, 936, 937, 938, 949}) EXPECT_EQ(r[at], 0) << at;
    EXPECT_EQ(r[950], 1);
    EXPECT_EQ(r[0], 0);   // the record is written whole

    EXPECT_EQ(server->LeListaPedido(4096 * 99 + mes_jan, r.data()), inhouse::QV_E_PEDIDO_DESCONHECIDO);
}

TEST_F(PedidosServer, SeededOrdersAreReadFromTheirColumns) {
    open();
    const auto todas = lista(0);
    ASSERT_EQ(todas.size(), 6u);
    const auto deles = lista(9001);
    EXPECT_EQ(deles.size(), 2u);
    std::vector<BYTE> r(1020);
    ASSERT_EQ(server->LeListaPedido(static_cast<LONG>(deles[0]), r.data()), S_OK);
    EXPECT_TRUE(u32(r.data(), 798) == 20u || u32(r.data(), 798) == 21u);
    BYTE* lido = nullptr;
    ASSERT_EQ(server->LePedido(static_cast<LONG>(todas[0]), -1, &lido), S_OK);
    auto& rp = *reinterpret_cast<REG_PEDIDO*>(lido);
    EXPECT_EQ(u16(lido, 838), 1u);
    EXPECT_EQ(lido[1912], 1u);
    EXPECT_NE(u32(lido, 766), 0u);
    ft::libera_registro_pedido(rp);
    CoTaskMemFree(lido);
}

TEST_F(PedidosServer, ARecordAnnouncingAMissingArrayIsRefusedAndNothingIsSaved) {
    open();
    pedido_exemplo p(dia_jan);
    REG_PEDIDO r = p.r;
    r.Itens = 0;
    QV_PEDIDO_2208 b;
    std::memcpy(&b, &r, sizeof b);
    LONG saida = 5;
    EXPECT_EQ(server->Grava(0, b, 77, &saida), inhouse::QV_E_PEDIDO_INVALIDO);
    EXPECT_EQ(saida, 0);
    LONG numero = 0;
    ASSERT_EQ(server->NumeroMes(mes_jan, &numero), S_OK);
    EXPECT_EQ(numero, 1);
}

TEST_F(PedidosServer, EveryEntryAnswersItsFaultPlanAndClearsItsOutValues) {
    open();
    auto& plano = factory(inhouse::CLSID_PedidosServer).object_faults();
    const HRESULT falha = RPC_E_DISCONNECTED;
    pedido_exemplo p(dia_jan);
    for (const char* m : {"Grava", "NumeroMes", "BuscaPedidos", "LePedido", "LeListaPedido", "RelatorioPedidos", "Finaliza"})
        plano.answer(m, {falha});
    LONG saida = 3, numero = 3;
    BYTE* resultado = reinterpret_cast<BYTE*>(1);
    BYTE* registro = reinterpret_cast<BYTE*>(1);
    std::vector<BYTE> lista_r(1020);
    EXPECT_EQ(server->Grava(0, p.bloco_valor(), 77, &saida), falha);
    EXPECT_EQ(saida, 0);
    EXPECT_EQ(server->NumeroMes(mes_jan, &numero), falha);
    EXPECT_EQ(numero, 0);
    EXPECT_EQ(server->BuscaPedidos(QV_FAIXA_PEDIDOS_16{}, QV_FILTRO_PEDIDOS_1014{}, &resultado), falha);
    EXPECT_EQ(resultado, nullptr);
    EXPECT_EQ(server->LePedido(4096 + mes_jan, -1, &registro), falha);
    EXPECT_EQ(registro, nullptr);
    EXPECT_EQ(server->LeListaPedido(4096 + mes_jan, lista_r.data()), falha);
    EXPECT_EQ(server->RelatorioPedidos(QV_RELATORIO_PEDIDOS_834{}), falha);
    EXPECT_EQ(server->Finaliza(), falha);
    // Nothing was saved by the refused Grava, and the calls were recorded.
    ASSERT_EQ(server->NumeroMes(mes_jan, &numero), S_OK);
    EXPECT_EQ(numero, 1);
    EXPECT_EQ(plano.calls("Grava"), std::vector<std::string>{"zero=0 sessao=77 itens=2 parcelas=3"});
    // Finaliza ends the work: later calls need a new initialisation.
    ASSERT_EQ(server->Finaliza(), S_OK);
    EXPECT_EQ(server->NumeroMes(mes_jan, &numero), inhouse::QV_E_NAO_INICIALIZADO);
}

TEST_F(PedidosServer, TheReportIsWrittenToTheNamedFile) {
    open();
    pedido_exemplo a(dia_jan, 7, 2), b(dia_jan, 9001, 20);
    grava(a);
    grava(b);
    REG_RELATORIO_PEDIDOS pedido{};
    const std::string nome = "FTLteste" + std::to_string(GetCurrentProcessId()) + ".txt";
    std::strcpy(pedido.Arquivo, nome.c_str());
    pedido.PosicaoRepresentante = 9001;
    pedido.DataInicial = dia_jan;
    pedido.DataFinal = dia_jan;
    QV_RELATORIO_PEDIDOS_834 bloco_r;
    std::memcpy(&bloco_r, &pedido, sizeof bloco_r);
    ASSERT_EQ(server->RelatorioPedidos(bloco_r), S_OK);
    char pasta[MAX_PATH + 1] = {};
    GetTempPathA(sizeof pasta, pasta);
    const std::string caminho = std::string(pasta) + nome;
    std::ifstream arquivo(caminho, std::ios::binary);
    ASSERT_TRUE(arquivo.good());
    std::stringstream texto;
    texto << arquivo.rdbuf();
    arquivo.close();
    std::remove(caminho.c_str());
    EXPECT_NE(texto.str().find("0120-000002;10/01/2020;20;9001;600,00\r\n"), std::string::npos) << texto.str();
    EXPECT_EQ(texto.str().find("0120-000001"), std::string::npos);
    EXPECT_NE(texto.str().find("Pedidos: 1;"), std::string::npos);

    REG_RELATORIO_PEDIDOS sem_nome{};
    std::memcpy(&bloco_r, &sem_nome, sizeof bloco_r);
    EXPECT_EQ(server->RelatorioPedidos(bloco_r), inhouse::QV_E_RELATORIO_PEDIDOS);
}

// The data is in the store's file: a server of a new process (a store opened again) reads it.
TEST(PedidosStore, OrdersSurviveARestartOfTheStore) {
    const auto arquivo = (std::filesystem::temp_directory_path() /
                          ("pedidos_" + std::to_string(GetCurrentProcessId()) + ".db")).string();
    std::filesystem::remove(arquivo);
    uint32_t posicao = 0;
    REG_PEDIDO copia{};
    {
        auto dados = inhouse::store::create(arquivo);
        pedido_exemplo p(dia_jan);
        copia = p.r;
        posicao = inhouse::grava_pedido(dados, "DEMO", p.r, 1);
    }
    {
        auto dados = inhouse::store::open(arquivo);
        EXPECT_EQ(inhouse::proxima_sequencia(dados, "DEMO", mes_jan), 2u);
        REG_PEDIDO* r = inhouse::le_pedido(dados, "DEMO", posicao);
        EXPECT_EQ(std::memcmp(r, &copia, 2188), 0);
        ft::libera_registro_pedido(*r);
        CoTaskMemFree(r);
        const auto lista = inhouse::le_lista_pedido(dados, "DEMO", posicao);
        EXPECT_EQ(lista.Numero, posicao);
        // Another company does not see it.
        EXPECT_THROW(inhouse::le_lista_pedido(dados, "OUTRA", posicao), com::failure);
    }
    std::filesystem::remove(arquivo);
}

}  // namespace
