// The order item: loading from and writing to its record, its values and its taxes.
#include <gtest/gtest.h>

#include <string>

#include "bytes_registro.h"
#include "ft/ftlibrary/CItemPedido.h"
#include "ft/ftlibrary/TipoItemNatureza.h"

namespace {

CItemPedido item_de(const bytes_item& r) { return CItemPedido(r.como<REG_ITEM_PEDIDO>()); }

// A product: unit price, quantity, decimals, ICMS rate.
bytes_item produto(double unitario, double quantidade, uint16_t aliquota_icms = 0, uint8_t casas = 2) {
    bytes_item r;
    r.poe<int64_t>(90, v8(unitario)).cy(82, cy(quantidade)).poe<uint16_t>(310, aliquota_icms);
    r.poe<uint8_t>(1398, 1).poe<uint8_t>(1399, casas);
    return r;
}

// A service that stands by its value.
bytes_item servico(double valor) {
    bytes_item r;
    r.cy(170, cy(valor));
    return r;
}

// ---- values ---------------------------------------------------------------------------------

struct caso_valores {
    const char* nome;
    bytes_item registro;
    int64_t bruto, valor, desconto98;
};

TEST(CItemPedido, ValoresTable) {
    const caso_valores casos[] = {
        {"3 x 33.333 is 99.999, kept as 100.00", produto(33.333, 3, 0, 3), cy(100.00), cy(100.00), 0},
        {"10 % of 10.00 off, quantity 2", produto(10.00, 2).poe<uint8_t>(1394, 1).poe<uint16_t>(296, 1000), cy(20.00),
         cy(18.00), v8(1.00)},
        {"unit discount as an amount", produto(10.00, 2).poe<int64_t>(98, v8(0.50)), cy(20.00), cy(19.00), v8(0.50)},
        {"12.34 % read from 296", produto(100.00, 1).poe<uint8_t>(1394, 1).poe<uint16_t>(296, 1234), cy(100.00),
         cy(87.66), v8(12.34)},
        {"a product without quantity is worth nothing", produto(10.00, 0).cy(170, cy(55.00)), 0, 0, 0},
        {"a service stands by its value", servico(1000.00), cy(1000.00), cy(1000.00), 0},
    };
    for (const auto& c : casos) {
        const CItemPedido item = item_de(c.registro);
        EXPECT_EQ(item.GetValorBruto().int64, c.bruto) << c.nome;
        EXPECT_EQ(item.GetValor().int64, c.valor) << c.nome;
        EXPECT_EQ(bytes_item::de(item.GetRegistroPedido()).le<int64_t>(98), c.desconto98) << c.nome;
    }
}

TEST(CItemPedido, PercentageDiscountReadsAsHundredthsTimesAMillion) {
    const CItemPedido item = item_de(produto(10.00, 1).poe<uint8_t>(1394, 1).poe<uint16_t>(296, 1234));
    EXPECT_EQ(item.GetDescontoUnitario().GetValor(), 1234LL * 1000000);
}

TEST(CItemPedido, ServiceSecondAndThirdValues) {
    // Quantity equal to the second quantity: the value is the second value.
    CItemPedido igual = item_de(servico(80.00).cy(82, cy(2)).cy(178, cy(2)));
    EXPECT_EQ(igual.GetValor2().int64, cy(80.00));
    EXPECT_EQ(igual.GetValor3().int64, 0);
    // Otherwise the third.
    CItemPedido outra = item_de(servico(80.00).cy(82, cy(2)).cy(178, cy(1)));
    EXPECT_EQ(outra.GetValor3().int64, cy(80.00));
    EXPECT_EQ(outra.GetValor2().int64, 0);
    // No quantity and flag 3: the second.
    CItemPedido flag3 = item_de(servico(80.00).cy(178, cy(1)).poe<uint8_t>(1400, 1));
    EXPECT_EQ(flag3.GetValor2().int64, cy(80.00));
}

TEST(CItemPedido, TypeFromByte1398AndSetTipo) {
    EXPECT_EQ(item_de(servico(1)).GetTipo(), 'S');
    EXPECT_EQ(item_de(servico(1).poe<uint8_t>(1398, 7)).GetTipo(), 'P');
    EXPECT_EQ(bytes_item::de(item_de(servico(1).poe<uint8_t>(1398, 7)).GetRegistroPedido()).le<uint8_t>(1398), 1);
    CItemPedido item;
    EXPECT_FALSE(item.SetTipo('X'));
    EXPECT_EQ(item.GetTipo(), 0);
    EXPECT_TRUE(item.SetTipo('S'));
    EXPECT_EQ(item.GetTipo(), 'S');
}

// ---- taxes ----------------------------------------------------------------------------------

struct caso_imposto {
    const char* nome;
    bytes_item registro;
    void (*ajusta)(CItemPedido&);
    uint8_t parametro;
    int64_t ipi, icms, icms_st;
};

void nada(CItemPedido&) {}

// 100.00 of a product at 18 % ICMS.
bytes_item cem(uint16_t icms = 1800) { return produto(100.00, 1, icms); }

TEST(CItemPedido, ImpostosTable) {
    const caso_imposto casos[] = {
        {"plain ICMS", cem(), nada, 0, 0, cy(18.00), 0},
        {"IPI 10 % of the gross value", cem().cy(106, cy(10)), nada, 0, cy(10.00), cy(18.00), 0},
        {"IPI per unit", produto(100.00, 3, 1800).cy(106, cy(1.50)).poe<uint8_t>(1401, 1), nada, 0, cy(4.50), cy(54.00), 0},
        {"no IPI when the branch does not charge it", cem().cy(106, cy(10)), [](CItemPedido& i) { i.SetOpcaoFilial(0); },
         0, 0, cy(18.00), 0},
        {"CST x2x takes the branch percentage off", cem().texto(1408, "020"),
         [](CItemPedido& i) { i.SetPercentualFilial(3000); }, 0, 0, cy(12.60), 0},
        {"CST x7x likewise", cem().texto(1408, "070"), [](CItemPedido& i) { i.SetPercentualFilial(3000); }, 0, 0, cy(12.60), 0},
        {"CST x6x takes the copy off", cem().texto(1408, "060"), nada, 0, 0, 0, 0},
        {"CST x9x likewise", cem().texto(1408, "090"), nada, 0, 0, 0, 0},
        {"CST x6x keeps the charges the copy does not have", cem().texto(1408, "060"),
         [](CItemPedido& i) {
             i.SetRateioEncargo(1, moeda(10.00));
             i.SetFlag(CItemPedido::EncargosBaseReduzida, 0);
         },
         0, 0, cy(1.80), 0},
        {"CST x3x, x4x, x5x, x8x change nothing", cem().texto(1408, "040"), nada, 0, 0, cy(18.00), 0},
        {"a four-character code has no rule", cem().texto(1408, "0102"), [](CItemPedido& i) { i.SetPercentualFilial(3000); },
         0, 0, cy(18.00), 0},
        {"branch percentage 10000: no rule", cem().texto(1408, "020"), [](CItemPedido& i) { i.SetPercentualFilial(10000); },
         0, 0, cy(18.00), 0},
        {"base reduction 20 %", cem().poe<uint16_t>(336, 2000), nada, 0, 0, cy(14.40), 0},
        {"base reduction added", cem().poe<uint16_t>(336, 2000).poe<uint8_t>(1407, 1), nada, 0, 0, cy(21.60), 0},
        {"IPI into the ICMS base (no nature)", cem().cy(106, cy(10)),
         [](CItemPedido& i) {
             bytes_info info;
             info.poe<uint8_t>(472, 1);
             i.SetInfoItem(info.como<REG_INFO_ITEM_PEDIDO>());
         },
         0, cy(10.00), cy(19.80), 0},
        {"ICMS minimum base per unit", cem().cy(226, cy(150.00)), nada, 0, 0, cy(27.00), 0},
        {"ST without the parameter byte", cem().poe<uint16_t>(312, 1800).poe<uint16_t>(316, 4000), nada, 0, 0, cy(18.00), 0},
        {"ST: own ICMS subtracted", cem().poe<uint16_t>(312, 1800).poe<uint16_t>(316, 4000), nada, 1, 0, cy(18.00), cy(7.20)},
        {"ST with ClienteFlagItem keeps the full amount", cem().poe<uint16_t>(312, 1800).poe<uint16_t>(316, 4000),
         [](CItemPedido& i) { i.SetClienteFlagItem(1); }, 1, 0, cy(18.00), cy(25.20)},
        {"ST second rate reduces the base", cem().poe<uint16_t>(312, 1800).poe<uint16_t>(316, 4000).poe<uint16_t>(314, 1000),
         nada, 1, 0, cy(18.00), cy(4.68)},
        {"ST with margin: own ICMS over the base less the margin", cem().poe<uint16_t>(312, 1800).cy(258, cy(40)), nada, 1, 0,
         cy(18.00), cy(7.20)},
        {"ST with margin and ClienteFlagItem", cem().poe<uint16_t>(312, 1800).cy(258, cy(40)),
         [](CItemPedido& i) { i.SetClienteFlagItem(1); }, 1, 0, cy(18.00), cy(18.00)},
        {"ST over the ICMS base: CST x1x with FlagFilial4 and no ICMS rate empties it",
         cem(0).poe<uint16_t>(312, 1000).texto(1408, "010"),
         [](CItemPedido& i) {
             i.SetFlag(CItemPedido::STBaseValor, 0);
             i.SetFlagFilial4(1);
         },
         1, 0, 0, 0},
        {"ST over the ICMS base without FlagFilial4", cem(0).poe<uint16_t>(312, 1000).texto(1408, "010"),
         [](CItemPedido& i) { i.SetFlag(CItemPedido::STBaseValor, 0); }, 1, 0, 0, cy(10.00)},
    };
    for (const auto& c : casos) {
        CItemPedido item = item_de(c.registro);
        c.ajusta(item);
        item.CalculaImpostos(c.parametro);
        EXPECT_EQ(item.GetValorIPI().int64, c.ipi) << c.nome;
        EXPECT_EQ(item.GetValorICMS().int64, c.icms) << c.nome;
        EXPECT_EQ(item.GetValorICMSST().int64, c.icms_st) << c.nome;
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(item.GetRetencao(k).int64, 0) << c.nome << " withholding " << k;
    }
}

TEST(CItemPedido, IPIExemptionsFromTheInformationRecord) {
    for (size_t byte : {467u, 468u, 469u}) {
        CItemPedido item = item_de(cem().cy(106, cy(10)));
        bytes_info info;
        info.poe<uint8_t>(byte, 1);
        item.SetInfoItem(info.como<REG_INFO_ITEM_PEDIDO>());
        item.CalculaImpostos(0);
        EXPECT_EQ(item.GetValorIPI().int64, 0) << byte;
    }
    CItemPedido sem_icms = item_de(cem());
    bytes_info info;
    info.poe<uint8_t>(470, 1);
    sem_icms.SetInfoItem(info.como<REG_INFO_ITEM_PEDIDO>());
    sem_icms.CalculaImpostos(0);
    EXPECT_EQ(sem_icms.GetValorICMS().int64, 0);
}

TEST(CItemPedido, ServiceWithholdings) {
    // Rates at 298 (1), 324 (2), 318 (3), 322 (4), 320 (5), 326 (6); amounts at 122, 154, 130, 138, 146, 162.
    bytes_item r = servico(1000.00);
    r.poe<uint16_t>(298, 150).poe<uint16_t>(324, 65).poe<uint16_t>(318, 300).poe<uint16_t>(322, 100);
    r.poe<uint16_t>(320, 460).poe<uint16_t>(326, 200).cy(210, cy(5)).cy(114, cy(5));
    CItemPedido item = item_de(r);
    item.CalculaImpostos(1);
    const int64_t esperado[6] = {cy(15.00), cy(6.50), cy(30.00), cy(10.00), cy(46.00), cy(20.00)};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(item.GetRetencao(k).int64, esperado[k - 1]) << k;
    EXPECT_EQ(item.GetValorICMS().int64, 0);
    EXPECT_EQ(item.GetValorIPI().int64, 0);
    const bytes_item escrito = bytes_item::de(item.GetRegistroPedido());
    const size_t offsets[6] = {122, 154, 130, 138, 146, 162};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(escrito.le<int64_t>(offsets[k]), esperado[k]) << offsets[k];
}

// ---- nature ---------------------------------------------------------------------------------

TEST(CItemPedido, NatureFlagsEachFromItsByte) {
    const struct {
        CItemPedido::Flag flag;
        size_t byte;
    } mapa[] = {
        {CItemPedido::CalculaIPI, 496}, {CItemPedido::IPIBaseValor, 537}, {CItemPedido::IPIBaseEncargo1, 540},
        {CItemPedido::IPIBaseEncargo2, 541}, {CItemPedido::IPIBaseEncargo3, 542}, {CItemPedido::IPIBaseEncargoRateio, 539},
        {CItemPedido::IPIBaseLiquida, 538}, {CItemPedido::CalculaICMS, 495}, {CItemPedido::ICMSBaseValor, 520},
        {CItemPedido::ICMSBaseEncargo1, 522}, {CItemPedido::ICMSBaseEncargo2, 523}, {CItemPedido::ICMSBaseEncargo3, 524},
        {CItemPedido::ICMSBaseEncargoRateio, 521}, {CItemPedido::ICMSBaseLiquida, 531},
        {CItemPedido::EncargosBaseReduzida, 642}, {CItemPedido::ReduzBaseICMS, 529}, {CItemPedido::SomaIPIBaseICMS2, 525},
        {CItemPedido::CalculaST, 499}, {CItemPedido::STBaseEncargo1, 509}, {CItemPedido::STBaseEncargo2, 510},
        {CItemPedido::STBaseEncargo3, 511}, {CItemPedido::STBaseEncargoRateio, 508}, {CItemPedido::STBaseLiquida, 518},
        {CItemPedido::STSomaIPI, 512},
    };
    for (const auto& m : mapa) {
        bytes_natureza n;
        n.texto(0, "5102").poe<uint8_t>(500, 1).poe<uint8_t>(m.byte, 1).poe<uint16_t>(466, 77);
        CItemPedido item = item_de(cem());
        item.SetNatureza(n.como<_REG_NATUREZAPS>());
        for (int f = 0; f < CItemPedido::QuantidadeFlags; ++f) {
            EXPECT_EQ(item.GetFlag(static_cast<CItemPedido::Flag>(f)), f == m.flag ? 1 : 0) << "byte " << m.byte << " flag " << f;
        }
        EXPECT_EQ(item.GetCodigoNatureza(), 77);
    }
    // STBaseValor is set by a zero byte 500.
    bytes_natureza n;
    n.texto(0, "5102");
    CItemPedido item = item_de(cem());
    item.SetNatureza(n.como<_REG_NATUREZAPS>());
    EXPECT_EQ(item.GetFlag(CItemPedido::STBaseValor), 1);
}

TEST(CItemPedido, NatureForAServiceAndForNoNature) {
    bytes_natureza n;
    n.texto(0, "5933").poe<uint8_t>(495, 1).poe<uint8_t>(552, 1);
    CItemPedido s = item_de(servico(10));
    s.SetNatureza(n.como<_REG_NATUREZAPS>());
    for (int f = 0; f < CItemPedido::QuantidadeFlags; ++f) EXPECT_EQ(s.GetFlag(static_cast<CItemPedido::Flag>(f)), 0) << f;
    EXPECT_EQ(s.GetTipoItem(), 0);

    CItemPedido p = item_de(cem());
    p.SetNatureza(bytes_natureza().como<_REG_NATUREZAPS>());
    EXPECT_EQ(p.GetTipoItem(), 2);
    for (int f = 0; f < CItemPedido::QuantidadeFlags; ++f) {
        EXPECT_EQ(p.GetFlag(static_cast<CItemPedido::Flag>(f)), f == CItemPedido::SomaIPIBaseICMS2 ? 0 : 1) << f;
    }
}

TEST(TipoItemNatureza, Table) {
    const struct {
        char primeiro;
        std::vector<size_t> bytes;
        BYTE esperado;
    } casos[] = {
        {0, {552}, 0},           {'8', {552}, 0},         {'9', {552}, 0},         {'5', {}, 0},
        {'5', {552}, 1},         {'5', {551}, 2},         {'5', {554}, 3},         {'5', {553}, 4},
        {'5', {594}, 5},         {'5', {595}, 6},         {'5', {596}, 7},         {'5', {597}, 8},
        {'5', {551, 552}, 1},    {'6', {597, 553}, 4},
    };
    for (const auto& c : casos) {
        bytes_natureza n;
        n.poe<char>(0, c.primeiro);
        for (size_t b : c.bytes) n.poe<uint8_t>(b, 1);
        EXPECT_EQ(TipoItemNatureza(n.como<_REG_NATUREZAPS>()), c.esperado) << c.primeiro << " " << c.bytes.size();
    }
}

TEST(CItemPedido, InformationForAServiceClearsTheProductFields) {
    bytes_info info;
    info.poe<uint8_t>(467, 1).poe<uint8_t>(470, 1).poe<int64_t>(440, 15000).poe<uint8_t>(462, 5).poe<uint8_t>(472, 1);
    CItemPedido s = item_de(servico(10).cy(258, cy(40)));
    s.SetInfoItem(info.como<REG_INFO_ITEM_PEDIDO>());
    EXPECT_EQ(s.GetIsentoIPI1(), 0);
    EXPECT_EQ(s.GetSemICMS(), 0);
    EXPECT_EQ(s.GetPesoBruto().int64, 0);
    EXPECT_EQ(s.GetMargemST().int64, 0);
    EXPECT_EQ(s.GetSomaIPIBaseICMS(), 1);
    CItemPedido p = item_de(cem());
    p.SetInfoItem(info.como<REG_INFO_ITEM_PEDIDO>());
    EXPECT_EQ(p.GetIsentoIPI1(), 1);
    EXPECT_EQ(p.GetSemICMS(), 1);
    EXPECT_EQ(p.GetPesoBruto().int64, 15000);
    EXPECT_EQ(p.GetUnidadePesoBruto(), 5);
}

// ---- record round trip ----------------------------------------------------------------------

TEST(CItemPedido, RecordRoundTripFieldByField) {
    bytes_item r;
    r.poe<int32_t>(72, 123456).poe<uint16_t>(76, 1).poe<uint16_t>(78, 2).poe<uint16_t>(80, 3);
    r.cy(82, cy(4)).poe<int64_t>(90, v8(12.50)).poe<int64_t>(98, v8(0.25)).cy(106, cy(5)).cy(114, cy(2.45));
    r.cy(122, cy(0.01)).cy(130, cy(0.03)).cy(138, cy(0.04)).cy(146, cy(0.05)).cy(154, cy(0.02)).cy(162, cy(0.06));
    r.cy(170, cy(49.00));
    r.cy(178, cy(1)).cy(186, cy(2)).cy(194, cy(3)).cy(210, cy(8.82)).cy(218, cy(1.11)).cy(226, cy(0.5)).cy(234, cy(0.7));
    r.cy(258, cy(35)).poe<uint16_t>(290, 9).poe<uint16_t>(292, 10).poe<uint16_t>(294, 11).poe<uint16_t>(298, 150);
    r.poe<uint16_t>(308, 12).poe<uint16_t>(310, 1800).poe<uint16_t>(312, 1700).poe<uint16_t>(314, 100).poe<uint16_t>(316, 200);
    r.poe<uint16_t>(318, 300).poe<uint16_t>(320, 500).poe<uint16_t>(322, 400).poe<uint16_t>(324, 250).poe<uint16_t>(326, 600);
    r.poe<uint16_t>(328, 45000).poe<uint16_t>(336, 3333);
    r.texto(344, "complemento").texto(1346, "texto um").texto(1368, "12345678901234567890");
    r.poe<uint8_t>(1395, 1).poe<uint8_t>(1396, 1).poe<uint8_t>(1397, 1).poe<uint8_t>(1398, 1).poe<uint8_t>(1399, 2);
    r.poe<uint8_t>(1400, 1).poe<uint8_t>(1401, 1).poe<uint8_t>(1404, 1).poe<uint8_t>(1405, 6).poe<uint8_t>(1407, 1);
    r.texto(1408, "060").texto(1420, "5.102");

    const bytes_item w = bytes_item::de(item_de(r).GetRegistroPedido());
    for (size_t o : {82u, 90u, 98u, 106u, 114u, 122u, 130u, 138u, 146u, 154u, 162u, 170u, 178u, 186u, 194u, 210u, 218u,
                     226u, 234u, 258u}) {
        EXPECT_EQ(w.le<int64_t>(o), r.le<int64_t>(o)) << o;
    }
    EXPECT_EQ(w.le<int32_t>(72), 123456);
    for (size_t o : {76u, 78u, 80u, 290u, 292u, 294u, 298u, 308u, 310u, 312u, 314u, 316u, 318u, 320u, 322u, 324u, 326u,
                     328u, 336u}) {
        EXPECT_EQ(w.le<uint16_t>(o), r.le<uint16_t>(o)) << o;
    }
    // 296: the unit discount's eight-decimal form divided by a million (0.25 -> 25).
    EXPECT_EQ(w.le<uint16_t>(296), 25);
    for (size_t o : {1394u, 1395u, 1396u, 1397u, 1398u, 1399u, 1400u, 1401u, 1404u, 1405u, 1407u}) {
        EXPECT_EQ(w.b[o], r.b[o]) << o;
    }
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&w.b[344])), "complemento");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&w.b[1346])), "texto um");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&w.b[1368]), 20), "12345678901234567890");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&w.b[1408])), "060");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&w.b[1420])), "5.102");
    // Nothing outside the fields: the reserved bytes after the 20-byte text stay zero.
    EXPECT_EQ(w.b[1388], 0);
    EXPECT_EQ(w.b[1389], 0);
    for (size_t o = 1508; o < 1524; ++o) EXPECT_EQ(w.b[o], 0) << o;
}

TEST(CItemPedido, TextsAreCutToTheirFields) {
    CItemPedido item;
    item.SetComplemento(std::string(1200, 'c'));
    item.SetTexto1(std::string(30, 'a'));
    item.SetTexto2(std::string(25, 'b'));
    item.SetCST(std::string(15, '1'));
    item.SetCFOP("5.1020000");
    bytes_item w = bytes_item::de(item.GetRegistroPedido());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&w.b[344])), std::string(1000, 'c'));
    EXPECT_EQ(w.b[1344], 0);
    EXPECT_EQ(w.b[1345], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&w.b[1346])), std::string(20, 'a'));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&w.b[1368]), 20), std::string(20, 'b'));
    EXPECT_EQ(w.b[1388], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&w.b[1408])), std::string(10, '1'));
    EXPECT_EQ(w.b[1419], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&w.b[1420])), "5.102");
    EXPECT_EQ(w.b[1426], 0);

    // A record whose texts fill their fields reads no further than the field.
    bytes_item cheio;
    std::memset(&cheio.b[1346], 'x', 22);
    std::memset(&cheio.b[1368], 'y', 26);
    const CItemPedido lido = item_de(cheio);
    EXPECT_EQ(lido.GetTexto1(), std::string(20, 'x'));
    EXPECT_EQ(lido.GetTexto2(), std::string(20, 'y'));
}

TEST(CItemPedido, CopyKeepsTheUnitDecimals) {
    CItemPedido quatro = item_de(produto(1.2345, 1, 0, 4));
    CItemPedido duas = item_de(produto(1.00, 1, 0, 2));
    duas = quatro;
    EXPECT_EQ(duas.GetValorUnitario().GetValor(), v8(1.2345));
    EXPECT_EQ(duas.GetCasasDecimais(), 4);
}

}  // namespace
