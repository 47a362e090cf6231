// The order model: items, discounts, branch and customer rules, loading from the order record.
#include <gtest/gtest.h>

#include <vector>

#include "base/CQVException.h"
#include "base/QVEventLog.h"
#include "bytes_registro.h"
#include "contexto_teste.h"
#include "ft/ftlibrary/CPedido.h"
#include "ft/ftlibrary/libera_registro_pedido.h"
#include "ft/ftlibrary/pendura_itens.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/login/registros_filial.h"

namespace {

CItemPedido produto(double valor, double volumes = 0) {
    bytes_item r;
    r.poe<int64_t>(90, v8(valor)).cy(82, cy(1)).cy(194, cy(volumes)).poe<uint8_t>(1398, 1).poe<uint8_t>(1399, 2);
    return CItemPedido(r.como<REG_ITEM_PEDIDO>());
}
CItemPedido servico(double valor) {
    bytes_item r;
    r.cy(170, cy(valor));
    return CItemPedido(r.como<REG_ITEM_PEDIDO>());
}

TEST(CPedido, DiscountMustStayBelowTheTotal) {
    CPedido p;
    p.AdicionaItem(produto(100.00));
    EXPECT_FALSE(p.SetDesconto(moeda(100.00), 0));
    EXPECT_EQ(p.GetErro().GetCodigo(), 1);
    EXPECT_EQ(p.GetDescontoTotal().int64, 0);
    EXPECT_TRUE(p.SetDesconto(moeda(99.99), 0));
    EXPECT_EQ(p.GetErro().GetCodigo(), 0);
    EXPECT_EQ(p.GetErro().GetPosicao(), -1);
    EXPECT_EQ(p.GetDescontoTotal().int64, cy(99.99));

    p.AdicionaItem(servico(50.00));
    EXPECT_FALSE(p.SetDescontoServicos(moeda(50.00), 0));
    EXPECT_EQ(p.GetErro().GetCodigo(), 2);
    EXPECT_TRUE(p.SetDescontoServicos(moeda(10), 1));   // 10 % of 50.00
    EXPECT_EQ(p.GetDescontoServicos().int64, cy(5.00));
}

TEST(CPedido, PercentageDiscountIsRoundedToCents) {
    CPedido p;
    p.AdicionaItem(produto(1234.56));
    EXPECT_TRUE(p.SetDesconto(moeda(10), 1));
    EXPECT_EQ(p.GetDescontoTotal().int64, cy(123.46));
}

TEST(CPedido, DiscountGettersChangeNoState) {
    CPedido p;
    p.AdicionaItem(produto(30.00));
    p.AdicionaItem(produto(30.00));
    ASSERT_TRUE(p.SetDesconto(moeda(50.00), 0));
    // One item becomes free of charge: the products total drops below the discount.
    p.GetItem(1).SetLivreCobranca(1);
    p.AtualizaTotaisItens();
    EXPECT_EQ(p.GetDescontoTotal().int64, 0);
    EXPECT_EQ(p.CalculaTotalPagar().int64, cy(30.00));
    EXPECT_EQ(p.GetDescontoTotal().int64, 0);
    // Charged again: the discount given is still there.
    p.GetItem(1).SetLivreCobranca(0);
    p.AtualizaTotaisItens();
    EXPECT_EQ(p.GetDescontoTotal().int64, cy(50.00));
    EXPECT_EQ(p.CalculaTotalPagar().int64, cy(10.00));
}

TEST(CPedido, RemovingTheOnlyProductTakesItsDiscountAlong) {
    CPedido p;
    p.AdicionaItem(produto(100.00));
    ASSERT_TRUE(p.SetDesconto(moeda(10.00), 0));
    EXPECT_TRUE(p.RemoveItem(0));
    EXPECT_EQ(p.GetQtdItens(), 0);
    EXPECT_EQ(p.GetDescontoTotal().int64, 0);
    EXPECT_EQ(p.GetTotalProdutos().int64, 0);
}

TEST(CPedido, RemovingAnItemKeepsAPercentageDiscountsShare) {
    CPedido p;
    p.AdicionaItem(produto(60.00));
    p.AdicionaItem(produto(40.00));
    ASSERT_TRUE(p.SetDesconto(moeda(10), 1));   // 10.00
    EXPECT_TRUE(p.RemoveItem(0));
    EXPECT_EQ(p.GetDescontoTotal().int64, cy(4.00));
    EXPECT_EQ(p.GetTotalProdutos().int64, cy(40.00));
}

TEST(CPedido, RemovingFromATotalOfZeroDividesNothing) {
    CPedido p;
    CItemPedido livre = produto(10.00);
    livre.SetLivreCobranca(1);
    p.AdicionaItem(livre);
    p.AdicionaItem(livre);
    ASSERT_EQ(p.GetTotalProdutos().int64, 0);
    EXPECT_TRUE(p.RemoveItem(0));
    EXPECT_EQ(p.GetQtdItens(), 1);
    EXPECT_EQ(p.GetDescontoTotal().int64, 0);
}

TEST(CPedido, RemovingAServiceTakesItsShareOfTheServicesDiscount) {
    CPedido p;
    p.AdicionaItem(servico(30.00));
    p.AdicionaItem(servico(10.00));
    ASSERT_TRUE(p.SetDescontoServicos(moeda(8.00), 0));
    EXPECT_TRUE(p.RemoveItem(0));   // 75 % of the services: 6.00 of the discount goes
    EXPECT_EQ(p.GetDescontoServicos().int64, cy(2.00));
    EXPECT_EQ(p.GetTotalServicos().int64, cy(10.00));
}

TEST(CPedido, AmountToPay) {
    CPedido p;
    p.AdicionaItem(produto(100.00));
    p.AdicionaItem(servico(50.00));
    CItemPedido livre = produto(20.00);
    livre.SetLivreCobranca(1);
    p.AdicionaItem(livre);
    ASSERT_TRUE(p.SetDesconto(moeda(10.00), 0));
    ASSERT_TRUE(p.SetDescontoServicos(moeda(5.00), 0));
    EXPECT_EQ(p.CalculaTotalPagar().int64, cy(135.00));
}

TEST(CPedido, IndexesOutsideTheItems) {
    CPedido p;
    p.AdicionaItem(produto(1.00));
    EXPECT_FALSE(p.RemoveItem(1));
    EXPECT_EQ(p.GetQtdItens(), 1);
    EXPECT_THROW(p.GetItem(1), CInvalidArgException);
    EXPECT_NO_THROW(p.GetItem(0));
}

TEST(CPedido, SetFilialRecalculatesOnlyOnAChange) {
    std::vector<uint8_t> filial(sizeof(inhouse::REG_FILIAL), 0);
    auto& registro = *reinterpret_cast<inhouse::REG_FILIAL*>(filial.data());
    CPedido p;
    p.AdicionaItem(produto(10.00));
    p.GetItem(0).SetRateioDesconto(moeda(1.23));
    p.SetFilial(registro);   // all five values are still 0: nothing runs
    EXPECT_EQ(p.GetItem(0).GetRateioDesconto().int64, cy(1.23));

    filial[3482] = 's';
    filial[734] = 'S';
    filial[3483] = 'S';
    const int64_t percentual = 123456;   // / 100 -> 1234
    std::memcpy(&filial[756], &percentual, sizeof percentual);
    p.SetFilial(registro);
    EXPECT_EQ(p.GetFilialFlag1(), 1);
    EXPECT_EQ(p.GetFilialFlag2(), 1);
    EXPECT_EQ(p.GetFilialCobraIPI(), 1);
    EXPECT_EQ(p.GetFilialFlag4(), 1);
    EXPECT_EQ(p.GetFilialPercentual(), 1234);
    EXPECT_EQ(p.GetItem(0).GetRateioDesconto().int64, 0);   // recalculated
    EXPECT_EQ(p.GetItem(0).GetPercentualFilial(), 1234);
}

TEST(CPedido, SetClienteReadsItsFiveFlags) {
    std::vector<uint8_t> cliente(sizeof(QVCFRT), 0);
    cliente[1322] = 'f';
    cliente[3069] = 's';
    cliente[3524] = 's';   // case kept: not 'S'
    cliente[1349] = 2;
    cliente[216] = 1;
    CPedido p;
    p.SetCliente(*reinterpret_cast<const QVCFRT*>(cliente.data()));
    EXPECT_EQ(p.GetPessoaFisica(), 1);
    EXPECT_EQ(p.GetClienteFlag2(), 1);
    EXPECT_EQ(p.GetClienteFlag3(), 0);
    EXPECT_EQ(p.GetClienteFlag4(), 1);
    EXPECT_EQ(p.GetClienteFlagItem(), 1);
}

TEST(CPedido, VolumesQuestionIsLoggedAndAnsweredNo) {
    qv_event_log_capture log;
    CPedido p;
    p.AdicionaItem(produto(1.00, 2));
    EXPECT_EQ(p.GetQuantidadeTotal().int64, cy(2));
    EXPECT_TRUE(log.entries().empty());
    // The client typed 10 volumes; the next item brings 3: the calculated 5 stands.
    p.SetQuantidadeTotal(moeda(10));
    p.AdicionaItem(produto(1.00, 3));
    EXPECT_EQ(p.GetQuantidadeTotal().int64, cy(5));
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_TRUE(log.contains("Tavon Comercial"));
    EXPECT_TRUE(log.contains(
        "A quantidade de volumes calculada(5) é diferente da inserida pelo usuário(10). Deseja manter o valor atual(10)?"));
}

TEST(CPedido, FormataNumeroPedido) {
    // December 2026: month index (2026 - 1848) x 12 + 12 = 2148; sequence 123.
    EXPECT_EQ(CPedido::FormataNumeroPedido((123u << 12) | 2148u), "1226-000123");
}

// ---- loading from the order record --------------------------------------------------------

struct registro_pedido {
    registro_pedido() = default;
    registro_pedido(const registro_pedido&) = delete;
    registro_pedido& operator=(const registro_pedido&) = delete;
    bytes_pedido r;
    std::vector<bytes_item> itens;
    std::vector<uint8_t> bloco;
    // Hangs the items (as raw bytes) at 2192; the block lives as long as this object.
    void pendura() {
        bloco.assign(1524 * itens.size(), 0);
        for (size_t i = 0; i < itens.size(); ++i) std::memcpy(&bloco[1524 * i], itens[i].b.data(), 1524);
        r.poe<uint16_t>(838, static_cast<uint16_t>(itens.size()));
        r.poe<uint32_t>(2192, com::wire_pointer_put(bloco.data()));
    }
    ~registro_pedido() { com::wire_pointer_take(r.le<uint32_t>(2192)); }
    const REG_PEDIDO& registro() const { return r.como<REG_PEDIDO>(); }
};

void pedido_gravado(registro_pedido& p) {
    p.r.cy(570, cy(5.00)).cy(578, cy(1.00)).cy(586, cy(3.00)).cy(610, cy(2.00)).cy(618, cy(4.00));
    p.r.cy(316, cy(7)).cy(324, cy(12.5)).cy(332, cy(11.5));
    p.r.poe<int32_t>(340, 11).poe<int32_t>(762, 22).poe<int32_t>(778, 33).poe<uint16_t>(824, 44).poe<uint16_t>(826, 55);
    p.r.poe<uint16_t>(832, 66).texto(894, "PC-991").poe<uint8_t>(1919, 1).poe<uint8_t>(1916, 2).poe<uint8_t>(1920, 3);
    bytes_item a;
    a.poe<int32_t>(72, 501).poe<uint16_t>(76, 4).poe<int64_t>(90, v8(50.00)).cy(82, cy(2)).poe<uint8_t>(1398, 1);
    a.poe<uint8_t>(1399, 2).cy(194, cy(3)).poe<uint16_t>(294, 9).cy(114, cy(1.00)).cy(210, cy(18.00));
    bytes_item b;
    b.poe<int32_t>(72, 7).cy(170, cy(40.00)).cy(194, cy(4)).cy(122, cy(0.60));
    p.itens = {a, b};
    p.pendura();
}

TEST(CPedido, SetRegistroLoadsHeaderAndItems) {
    registro_pedido gravado;
    pedido_gravado(gravado);
    CPedido p;
    ASSERT_EQ(p.SetRegistro(gravado.registro()), S_OK);
    ASSERT_EQ(p.GetQtdItens(), 2);
    EXPECT_EQ(p.GetItem(0).GetTipo(), 'P');
    EXPECT_EQ(p.GetItem(1).GetTipo(), 'S');
    EXPECT_EQ(p.GetTotalProdutos().int64, cy(100.00));
    EXPECT_EQ(p.GetTotalServicos().int64, cy(40.00));
    EXPECT_EQ(p.GetDescontoTotal().int64, cy(5.00));
    EXPECT_EQ(p.GetDescontoServicos().int64, cy(1.00));
    EXPECT_EQ(p.GetEncargoProduto(1).int64, cy(3.00));
    EXPECT_EQ(p.GetDescontoRateio().int64, cy(2.00));
    EXPECT_EQ(p.GetEncargoRateio().int64, cy(4.00));
    EXPECT_EQ(p.GetPesoBruto().int64, cy(12.5));
    EXPECT_EQ(p.GetPosicaoTransportadora(), 11);
    EXPECT_EQ(p.GetPosicaoCliente(), 22);
    EXPECT_EQ(p.GetPosicaoOperacao(), 33);
    EXPECT_EQ(p.GetValor824(), 44);
    EXPECT_EQ(p.GetPosicaoNatureza(), 55);
    EXPECT_EQ(p.GetPosicaoFilial(), 66);
    EXPECT_EQ(p.GetPedidoCliente(), "PC-991");
    EXPECT_EQ(p.GetFlagPedido1(), 1);
    EXPECT_EQ(p.GetFlagPedido2(), 2);
    EXPECT_EQ(p.GetFlagPedido3(), 3);
    // Without a context no tax is recalculated: the items keep what the record says.
    EXPECT_EQ(p.GetItem(0).GetValorICMS().int64, cy(18.00));
    EXPECT_EQ(p.GetTotal(CPedido::ICMS).int64, cy(18.00));
    EXPECT_EQ(p.GetTotal(CPedido::Retencao1).int64, cy(0.60));
    // Apportioned: the products discount to the only product, the order discount over 140.00.
    EXPECT_EQ(p.GetItem(0).GetRateioEncargo(1).int64, cy(3.00));
    EXPECT_EQ(p.GetItem(0).GetRateioDesconto().int64, cy(5.00 + 1.42));
    EXPECT_EQ(p.GetItem(1).GetRateioDesconto().int64, cy(1.00 + 0.58));
}

TEST(CPedido, SetRegistroAsksTheCachesWithTheItemsKeys) {
    registro_pedido gravado;
    pedido_gravado(gravado);
    info_teste info;
    info.resposta.poe<uint8_t>(467, 1);
    naturezas_teste naturezas;
    naturezas.servidor.texto(0, "5102").poe<uint8_t>(552, 1);
    CPedido p;
    p.SetBufferInfoProdServ(&info);
    p.SetBufferNaturezas(&naturezas);
    ASSERT_EQ(p.SetRegistro(gravado.registro()), S_OK);
    ASSERT_EQ(info.chaves.size(), 2u);
    EXPECT_EQ(info.chaves[0].Posicao.Produto, 501);
    EXPECT_EQ(info.chaves[0].Posicao.Grade1, 4);
    EXPECT_EQ(info.chaves[0].Filial, 66);
    EXPECT_EQ(info.chaves[0].Cliente, 22);
    EXPECT_EQ(info.chaves[0].Produto, 1u);
    EXPECT_EQ(info.chaves[0].Partes, 0u);
    EXPECT_EQ(info.chaves[1].Produto, 0u);
    EXPECT_EQ(p.GetItem(0).GetIsentoIPI1(), 1);
    // The product's nature 9 was loaded once and kept; the service has none.
    EXPECT_EQ(naturezas.cargas, 1);
    EXPECT_EQ(naturezas.mapa.count(9), 1u);
    EXPECT_EQ(p.GetItem(0).GetTipoItem(), 1);
    EXPECT_EQ(p.GetItem(0).GetCodigoNatureza(), 9);

    // A second load finds the nature in the map.
    CPedido outro;
    outro.SetBufferNaturezas(&naturezas);
    ASSERT_EQ(outro.SetRegistro(gravado.registro()), S_OK);
    EXPECT_EQ(naturezas.cargas, 1);
}

TEST(CPedido, SetRegistroFailsWhenALookUpFails) {
    registro_pedido gravado;
    pedido_gravado(gravado);
    CPedido p;
    p.AdicionaItem(servico(9.00));
    info_teste info;
    info.hr = E_FAIL;
    p.SetBufferInfoProdServ(&info);
    EXPECT_EQ(p.SetRegistro(gravado.registro()), E_FAIL);
    EXPECT_EQ(p.GetQtdItens(), 1);   // the order as it was
    EXPECT_EQ(p.GetTotalServicos().int64, cy(9.00));

    naturezas_teste naturezas;
    naturezas.hr = static_cast<HRESULT>(0x80040301);
    CPedido q;
    q.SetBufferNaturezas(&naturezas);
    EXPECT_EQ(q.SetRegistro(gravado.registro()), static_cast<HRESULT>(0x80040301));
    EXPECT_EQ(q.GetQtdItens(), 0);
    EXPECT_TRUE(naturezas.mapa.empty());

    // A disabled cache loads but does not keep.
    naturezas_teste desligado;
    desligado.habilitado = false;
    CPedido r;
    r.SetBufferNaturezas(&desligado);
    EXPECT_EQ(r.SetRegistro(gravado.registro()), S_OK);
    EXPECT_TRUE(desligado.mapa.empty());
}

TEST(CPedido, SetRegistroRefusesACountWithoutItems) {
    bytes_pedido r;
    r.poe<uint16_t>(838, 3);
    CPedido p;
    EXPECT_EQ(p.SetRegistro(r.como<REG_PEDIDO>()), E_INVALIDARG);
    bytes_pedido vazio;
    EXPECT_EQ(p.SetRegistro(vazio.como<REG_PEDIDO>()), S_OK);
    EXPECT_EQ(p.GetQtdItens(), 0);
}

TEST(CPedido, ItemsToTheRecordAndBack) {
    const size_t handles = com::wire_pointer_count();
    registro_pedido gravado;
    pedido_gravado(gravado);
    CPedido p;
    ASSERT_EQ(p.SetRegistro(gravado.registro()), S_OK);
    bytes_pedido novo;
    auto& registro = const_cast<REG_PEDIDO&>(novo.como<REG_PEDIDO>());
    ASSERT_EQ(ft::pendura_itens(p, registro), S_OK);
    ASSERT_EQ(ft::pendura_itens(p, registro), S_OK);   // again: the first array is freed
    EXPECT_EQ(novo.le<uint16_t>(838), 2);
    CPedido de_volta;
    ASSERT_EQ(de_volta.SetRegistro(registro), S_OK);
    ASSERT_EQ(de_volta.GetQtdItens(), 2);
    for (uint16_t i = 0; i < 2; ++i) {
        EXPECT_EQ(de_volta.GetItem(i).GetValor().int64, p.GetItem(i).GetValor().int64) << i;
        EXPECT_EQ(de_volta.GetItem(i).GetVolumes().int64, p.GetItem(i).GetVolumes().int64) << i;
    }
    ft::libera_registro_pedido(registro);
    EXPECT_EQ(com::wire_pointer_count(), handles + 1);   // the test's own hung block stays
}

}  // namespace
