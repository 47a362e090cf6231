// The older web order road: the item bag, the order's header and items, its save record and the
// collection that makes, saves and reads orders, over the demo company's stand-ins.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "ft/ftlibrary/libera_registro_pedido.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/store_processo.h"
#include "sales/CItemPedidoWeb.h"
#include "sales/CPedidoWeb.h"
#include "sales/CPedidos.h"
#include "sales/messages.h"
#include "sales/normaliza_decimais.h"
#include "server/root/CQV_Inicializa.h"
#include "support/task_memory_counter.h"
#include "tests/masterdata/masterdata_fixture.h"

using sales::CItemPedidoWeb;
using sales::CPedidos;
using sales::CPedidoWeb;

namespace {

std::string last_error_text() { return last_error(); }

// ---------------------------------------------------------------------------------------------
// The item bag.

class ItemPedidoWeb : public masterdata_fixture {
protected:
    com::com_ptr<CItemPedidoWeb> item = com::make<CItemPedidoWeb>();
};

TEST_F(ItemPedidoWeb, GridIndicesAreCheckedAndANewItemHasNoGrid) {
    struct caso {
        bool com_codigo;
        SHORT indice;
        HRESULT esperado;
    };
    const caso casos[] = {
        {false, 0, E_UNEXPECTED}, {false, 2, E_UNEXPECTED}, {false, 3, E_INVALIDARG}, {false, -1, E_INVALIDARG},
        {true, 0, S_OK},          {true, 2, S_OK},          {true, 3, E_INVALIDARG},  {true, -1, E_INVALIDARG},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << "code set " << c.com_codigo << ", index " << c.indice);
        auto i = com::make<CItemPedidoWeb>();
        if (c.com_codigo) {
            ASSERT_EQ(i->put_Codigo(b("101").get()), S_OK);
        }
        BSTR codigo = reinterpret_cast<BSTR>(1);
        EXPECT_EQ(i->GetCodigoItemGrade(c.indice, &codigo), c.esperado);
        com::unique_bstr dono(codigo);
        if (c.esperado != S_OK) {
            EXPECT_EQ(codigo, nullptr);
        }
        SHORT posicao = 7;
        EXPECT_EQ(i->GetPosItemGrade(c.indice, &posicao), c.esperado);
    }
    EXPECT_EQ(item->SetCodigoItemGrade(3, b("P").get()), E_INVALIDARG);
}

TEST_F(ItemPedidoWeb, RatesAreHundredthsOfAPercentAndFreeOfChargeIsOneOrZero) {
    ASSERT_EQ(item->put_AliqICMS(b("12,5").get()), S_OK);
    ASSERT_EQ(item->put_AliqICMSST(b("18,00").get()), S_OK);
    SHORT icms = 0, st = 0;
    EXPECT_EQ(item->get_AliqICMS(&icms), S_OK);
    EXPECT_EQ(item->get_AliqICMSST(&st), S_OK);
    EXPECT_EQ(icms, 1250);
    EXPECT_EQ(st, 1800);
    for (LONG v : {-1L, 1L, 5L}) {
        LONG lido = 9;
        ASSERT_EQ(item->put_LivreDeCobranca(v), S_OK);
        EXPECT_EQ(item->get_LivreDeCobranca(&lido), S_OK);
        EXPECT_EQ(lido, 1) << v;
    }
}

// The texts were cut to 14 characters: "123456789012,34" became 123456789012,3. Refused now, and
// the text given before stays.
TEST_F(ItemPedidoWeb, AnAmountTextTooLongForItsFieldIsRefusedNotCut) {
    ASSERT_EQ(item->put_NovaQuantidade(b("12345678901,25").get()), S_OK);   // 14: fits
    EXPECT_EQ(item->put_NovaQuantidade(b("123456789012,34").get()), E_INVALIDARG);
    EXPECT_EQ(text([&](BSTR* p) { return item->get_NovaQuantidade(p); }), "12345678901,25");
    EXPECT_EQ(item->put_NovoValorUnitario(b("000000000000001").get()), E_INVALIDARG);
    EXPECT_EQ(item->put_NovoDesconto(b("1,000000000000000").get()), E_INVALIDARG);
    EXPECT_EQ(item->put_AliqIPI(b("10,0000000000000").get()), E_INVALIDARG);
    EXPECT_EQ(last_error_text(), sales::msg::item_valor_longo);
}

TEST(NormalizaDecimais, CutsOrFillsToThePlaces) {
    struct caso {
        const char* texto;
        int casas;
        const char* esperado;
    };
    const caso casos[] = {
        {"12", 2, "12,00"},   {"1,5", 2, "1,50"},    {"1,239", 2, "1,23"},   {"10,129", 2, "10,12"},
        {"2,5", 2, "2,50"},   {"2,5", 0, "2,"},      {"7", 0, "7"},          {"1.234,5", 2, "1.234,50"},
        {"3,1.25", 2, "3,1.25"}, {"0,00001", 4, "0,0000"}, {"", 2, ",00"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(sales::normaliza_decimais(c.texto, c.casas), c.esperado) << c.texto << " to " << c.casas;
}

// ---------------------------------------------------------------------------------------------
// The web order and its collection.

class PedidoWeb : public masterdata_fixture {
protected:
    static constexpr LONG representante = 9001;

    PedidoWeb() {
        root = com::make<server::CQV_Inicializa>();
        INT result = -1;
        EXPECT_EQ(root->Inicializa(b("DEMO").get(), b("ADMIN").get(), b("admin123").get(), &result), S_OK);
        EXPECT_EQ(result, 0);
        orders().clear();
        orders_creation().clear();
        pedidos = com::make<CPedidos>();
    }

    inhouse::fault_plan& orders() { return factory(inhouse::CLSID_PedidosServer).object_faults(); }
    inhouse::fault_plan& orders_creation() { return factory(inhouse::CLSID_PedidosServer).faults(); }

    HRESULT inicializa() {
        SetErrorInfo(0, nullptr);
        return pedidos->Inicializa(static_cast<IQV_Inicializa*>(root.get()));
    }
    com::com_ptr<IPedidoWeb> novo(LONG rep = representante) {
        com::com_ptr<IPedidoWeb> p;
        EXPECT_EQ(pedidos->NovoPedido(rep, p.put()), S_OK);
        return p;
    }
    static CPedidoWeb* nosso(IPedidoWeb* p) { return CPedidoWeb::deste_servidor(p); }
    // Adds an item and gives its position (or -1) and the order's last error.
    static std::pair<LONG, std::string> grava(IPedidoWeb* p, const char* codigo, const char* quantidade,
                                              const char* valor, const char* desconto = "0",
                                              std::vector<const char*> grades = {}) {
        com::com_ptr<IItemPedidoWeb> item;
        EXPECT_EQ(p->NovoItem(item.put()), S_OK);
        EXPECT_EQ(item->put_Codigo(b(codigo).get()), S_OK);
        for (SHORT i = 0; i < static_cast<SHORT>(grades.size()); ++i)
            EXPECT_EQ(item->SetCodigoItemGrade(i, b(grades[i]).get()), S_OK);
        EXPECT_EQ(item->put_NovaQuantidade(b(quantidade).get()), S_OK);
        EXPECT_EQ(item->put_NovoValorUnitario(b(valor).get()), S_OK);
        EXPECT_EQ(item->put_NovoDesconto(b(desconto).get()), S_OK);
        LONG pos = 0;
        EXPECT_EQ(p->GravaItem(item.get(), b("VAREJO").get(), &pos), S_OK);
        return {pos, text([&](BSTR* e) { return p->GetLastError(e); })};
    }

    // The payment conditions and the holiday calendar read the installation's store.
    inhouse::publica_store publicada{store()};
    com::com_ptr<server::CQV_Inicializa> root;
    com::com_ptr<CPedidos> pedidos;
};

TEST_F(PedidoWeb, ACollectionNotInitialisedRefusesWork) {
    com::com_ptr<IPedidoWeb> p;
    EXPECT_EQ(pedidos->NovoPedido(representante, p.put()), E_UNEXPECTED);
    EXPECT_FALSE(p);
    EXPECT_EQ(last_error_text(), sales::msg::pedidos_nao_inicializado);
}

// A failed Inicializa keeps nothing: the collection stays uninitialised and the next call builds
// everything again.
TEST_F(PedidoWeb, AFailedInicializaLeavesNothingHalfMade) {
    orders().answer("Inicializa", {E_ACCESSDENIED});
    EXPECT_EQ(inicializa(), E_ACCESSDENIED);
    EXPECT_EQ(last_error_text(), sales::msg::pedidos_inicializar_servidor);
    EXPECT_FALSE(pedidos->Inicializado());
    EXPECT_EQ(pedidos->ServidorPedidos(), nullptr);
    EXPECT_EQ(inicializa(), S_OK);
    EXPECT_TRUE(pedidos->Inicializado());
    // A second Inicializa is a no-op.
    EXPECT_EQ(pedidos->Inicializa(nullptr), S_OK);
}

TEST_F(PedidoWeb, ANewOrderOfARepresentativeHasNumberDateAndRepresentative) {
    ASSERT_EQ(inicializa(), S_OK);
    auto p = novo();
    const std::string numero = text([&](BSTR* v) { return p->get_NumeroPedido(v); });
    // The month's next sequence from the orders server: the demo company has three orders of
    // this month.
    EXPECT_EQ(numero.size(), 11u);
    EXPECT_EQ(numero.substr(4), "-000004");
    EXPECT_EQ(text([&](BSTR* v) { return p->get_CodigoRepresentante(v); }), "R901");
    EXPECT_EQ(text([&](BSTR* v) { return p->get_NomeRepresentante(v); }), "Representante Regional Sul");
    EXPECT_EQ(text([&](BSTR* v) { return p->get_Situacao(v); }), "Pendente");
    // Position 0 names no representative: linked, no number.
    auto vazio = novo(0);
    EXPECT_EQ(text([&](BSTR* v) { return vazio->get_NumeroPedido(v); }), "");
}

TEST_F(PedidoWeb, FreightAndTransportWayFollowTheirTables) {
    auto p = com::make<CPedidoWeb>();
    struct caso {
        const char* posto;
        const char* lido;
    };
    for (const caso& c : {caso{"E", "E"}, caso{"D", "D"}, caso{"T", "T"}, caso{"e", "S"}, caso{"X", "S"}}) {
        ASSERT_EQ(p->put_FretePorConta(b(c.posto).get()), S_OK);
        EXPECT_EQ(text([&](BSTR* v) { return p->get_FretePorConta(v); }), c.lido) << c.posto;
    }
    for (const char* via : {"Rod", "Fer", "RodFer", "Aq", "Dut", "Aer", "Out"}) {
        ASSERT_EQ(p->put_ViaTransporte(b(via).get()), S_OK);
        EXPECT_EQ(text([&](BSTR* v) { return p->get_ViaTransporte(v); }), via);
    }
    ASSERT_EQ(p->put_ViaTransporte(b("Aq").get()), S_OK);
    ASSERT_EQ(p->put_ViaTransporte(b("aq").get()), S_OK);   // unknown: unchanged
    EXPECT_EQ(text([&](BSTR* v) { return p->get_ViaTransporte(v); }), "Aq");
}

TEST_F(PedidoWeb, SituationTakesTheFirstStatusByteSet) {
    struct caso {
        std::vector<size_t> bytes;
        const char* esperado;
    };
    const caso casos[] = {
        {{}, "Pendente"},
        {{1933}, "Em Análise"},
        {{1916, 1919}, "Cancelado"},
        {{1919, 1931}, "Bloqueado"},
        {{1915, 1918}, "Atendido"},
        {{1918, 1917}, "Parcialmente atendido"},
        {{1917}, "Parcialmente faturado"},
    };
    for (const auto& c : casos) {
        auto p = com::make<CPedidoWeb>();
        for (size_t pos : c.bytes) reinterpret_cast<uint8_t*>(&p->Cabecalho())[pos] = 1;
        EXPECT_EQ(text([&](BSTR* v) { return p->get_Situacao(v); }), c.esperado);
    }
}

// An order made through its ProgID belongs to no collection: every call that needs one fails with
// a clear text instead of reaching a null owner.
TEST_F(PedidoWeb, AnOrderWithoutACollectionFailsClearly) {
    auto p = com::make<CPedidoWeb>();
    auto item = com::make<CItemPedidoWeb>();
    LONG pos = 0;
    const std::vector<std::pair<const char*, std::function<HRESULT()>>> chamadas = {
        {"GravaItem", [&] { return p->GravaItem(item.get(), b("VAREJO").get(), &pos); }},
        {"LePosicao", [&] { return p->LePosicao(1, FALSE); }},
        {"CodigoCliente", [&] { return p->put_CodigoCliente(b("C101").get()); }},
        {"Transportadora", [&] { return p->put_Transportadora(b("T001").get()); }},
        {"QtdFormasPgto", [&] { SHORT n; return p->get_QtdFormasPgto(&n); }},
    };
    for (const auto& [nome, chamada] : chamadas) {
        SetErrorInfo(0, nullptr);
        EXPECT_EQ(chamada(), E_UNEXPECTED) << nome;
        EXPECT_EQ(last_error_text(), sales::msg::pedido_sem_dono) << nome;
    }
    // What needs no collection works.
    EXPECT_EQ(p->put_LocalEntrega(b("Doca 3").get()), S_OK);
    EXPECT_EQ(text([&](BSTR* v) { return p->get_LocalEntrega(v); }), "Doca 3");
}

// The notes were thrown away (a zeroed 6-byte block was saved); now the text is kept and saved.
TEST_F(PedidoWeb, NotesAreKeptAndSaved) {
    auto p = com::make<CPedidoWeb>();
    ASSERT_EQ(p->put_Observacoes(b("Entregar pela manhã; portão 2").get()), S_OK);
    EXPECT_EQ(text([&](BSTR* v) { return p->get_Observacoes(v); }), "Entregar pela manhã; portão 2");
    sales::registro_gravacao g;
    p->MontaRegistro(g);
    const auto* notas = static_cast<const char*>(com::wire_pointer_get(g.registro.Observacoes));
    ASSERT_NE(notas, nullptr);
    EXPECT_EQ(g.registro.TamanhoObservacoes, 30);
    EXPECT_STREQ(notas, "Entregar pela manhã; portão 2");
    // Without a condition: condition 0, no instalments, origin web.
    EXPECT_EQ(g.registro.PosicaoCondicaoPagamento, 0);
    EXPECT_EQ(g.registro.QtdParcelas, 0);
    EXPECT_EQ(g.registro.Byte1922, 1);
}

// A C++ object that answers IPedidoWeb but is not one of ours.
class pedido_estranho final : public com::object<pedido_estranho, IPedidoWeb> {
public:
#define ZU_NAO(...) noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_PosCFOP(SHORT*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_PosCFOP(SHORT) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_CodigoRepresentante(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE get_CodigoCliente(BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE put_CodigoCliente(BSTR) ZU_NAO() HRESULT STDMETHODCALLTYPE get_LocalEntrega(BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE put_LocalEntrega(BSTR) ZU_NAO() HRESULT STDMETHODCALLTYPE get_DataEmissao(BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_NomeRepresentante(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE get_NomeCliente(BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_QuantidadeItems(LONG*) ZU_NAO() HRESULT STDMETHODCALLTYPE GetItem(SHORT, IItemPedidoWeb**) ZU_NAO()
    HRESULT STDMETHODCALLTYPE RemoveItem(SHORT) ZU_NAO() HRESULT STDMETHODCALLTYPE get_NumeroPedido(BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_Situacao(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE LePosicao(LONG, BOOL) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_DataEntrega(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_DataEntrega(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_ValorTotal(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE get_Posicao(LONG*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_Filial(IFilial**) ZU_NAO() HRESULT STDMETHODCALLTYPE put_Filial(IFilial*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_Desconto(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_Desconto(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_CondicaoPagamento(LONG*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_CondicaoPagamento(LONG) ZU_NAO()
    HRESULT STDMETHODCALLTYPE GetLastError(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE get_Observacoes(BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE put_Observacoes(BSTR) ZU_NAO() HRESULT STDMETHODCALLTYPE get_Origem(BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_OrdemCompraCliente(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_OrdemCompraCliente(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE NovoItem(IItemPedidoWeb**) ZU_NAO()
    HRESULT STDMETHODCALLTYPE GravaItem(IItemPedidoWeb*, BSTR, LONG*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_ValorIPI(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE get_ValorProdutos(BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_ValorLight(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE get_QtdParcelas(LONG*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_Parcela(SHORT, BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE get_AcrescimoCondPgto(BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE AlteraParcela(SHORT, BSTR, BSTR, SHORT, BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_QtdFormasPgto(SHORT*) ZU_NAO() HRESULT STDMETHODCALLTYPE get_FormaPgto(SHORT, BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_QtdTiposCobranca(SHORT*) ZU_NAO() HRESULT STDMETHODCALLTYPE get_TipoCobranca(SHORT, BSTR*) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_FretePorConta(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_FretePorConta(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_Transportadora(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_Transportadora(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_TranspRedespacho(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_TranspRedespacho(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_ViaTransporte(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_ViaTransporte(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_QuantidadeTotal(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_QuantidadeTotal(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_PesoBruto(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_PesoBruto(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_PesoLiquido(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_PesoLiquido(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_Especie(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_Especie(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_Marca(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_Marca(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_NrInicial(BSTR*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_NrInicial(BSTR) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_OpComercial(LONG*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_OpComercial(LONG) ZU_NAO()
    HRESULT STDMETHODCALLTYPE get_TipoCobrancaPedido(SHORT*) ZU_NAO() HRESULT STDMETHODCALLTYPE put_TipoCobrancaPedido(SHORT) ZU_NAO()
#undef ZU_NAO
private:
    ~pedido_estranho() override = default;
};

// The save cast the client's interface to its own class: a foreign implementation crashed the
// server. Refused now, with the position -1 and nothing sent to the orders server.
TEST_F(PedidoWeb, SavingAnOrderThisServerDidNotMakeIsRefused) {
    ASSERT_EQ(inicializa(), S_OK);
    auto estranho = com::make<pedido_estranho>();
    LONG posicao = 7;
    EXPECT_EQ(pedidos->GravaPedido(estranho.get(), &posicao), E_INVALIDARG);
    EXPECT_EQ(posicao, -1);
    EXPECT_EQ(last_error_text(), sales::msg::pedidos_pedido_estranho);
    EXPECT_EQ(pedidos->GravaPedido(nullptr, &posicao), E_INVALIDARG);
    EXPECT_EQ(orders().count("Grava"), 0u);
}

TEST_F(PedidoWeb, ItemEntryRefusesInTheOrderOfItsChecks) {
    ASSERT_EQ(inicializa(), S_OK);
    auto p = novo();
    struct caso {
        const char* codigo;
        const char* quantidade;
        const char* valor;
        const char* desconto;
        std::vector<const char*> grades;
        LONG posicao;
        std::string erro;
    };
    const caso casos[] = {
        {"999", "1", "10", "0", {}, -1, "Produto não encontrado"},
        {"101", "1", "10", "0", {"XX"}, -1, "Item da grade de produto não encontrado"},
        {"104", "1", "0", "0", {}, -1, "Valor unitário inválido 0,00"},
        {"104", "1", "-3,5", "0", {}, -1, "Valor unitário inválido -3,50"},
        {"104", "0", "10", "0", {}, -1, "Quantidade inválida"},
        {"104", "1", "10", "10", {}, -1, "Desconto inválido"},
        {"104", "1", "10", "-1", {}, -1, "Desconto inválido"},
        {"104", "2", "10", "0", {}, 1, ""},
        {"104", "1", "12", "0", {}, -1, "Este produto já existe neste pedido"},
        {"101", "1", "30", "0", {"P", "AZ"}, 2, ""},
        {"101", "1", "30", "0", {"M", "AZ"}, 3, ""},
        {"101", "1", "30", "0", {"P", "AZ"}, -1, "Este produto já existe neste pedido"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.codigo << " qty " << c.quantidade << " value " << c.valor);
        const auto [pos, erro] = grava(p.get(), c.codigo, c.quantidade, c.valor, c.desconto, c.grades);
        EXPECT_EQ(pos, c.posicao);
        EXPECT_EQ(erro, c.erro);
    }
    LONG n = 0;
    EXPECT_EQ(p->get_QuantidadeItems(&n), S_OK);
    EXPECT_EQ(n, 3);
}

// The products value took the unit discount times the unit price; now each item's discount is
// counted once per unit sold: 3 x (10,00 - 1,00) + 2 x 5,00 = 37,00.
TEST_F(PedidoWeb, ProductsValueCountsTheDiscountPerUnitSold) {
    ASSERT_EQ(inicializa(), S_OK);
    auto p = novo();
    ASSERT_EQ(grava(p.get(), "104", "3", "10", "1").first, 1);
    ASSERT_EQ(grava(p.get(), "201", "2", "5").first, 2);
    EXPECT_EQ(text([&](BSTR* v) { return p->get_ValorProdutos(v); }), "37,00");
    ASSERT_EQ(p->put_Desconto(b("7").get()), S_OK);
    EXPECT_EQ(text([&](BSTR* v) { return p->get_ValorTotal(v); }), "30,00");
}

TEST_F(PedidoWeb, APaymentConditionSplitsTheOrderAndIsReplacedWhole) {
    ASSERT_EQ(inicializa(), S_OK);
    auto p = novo();
    LONG n = -1;
    EXPECT_EQ(p->get_QtdParcelas(&n), S_OK);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(text([&](BSTR* v) { return p->get_AcrescimoCondPgto(v); }), "0,00");
    // Without items the base is 0: the position is kept, no condition is made.
    ASSERT_EQ(p->put_CondicaoPagamento(2), S_OK);
    EXPECT_EQ(p->get_QtdParcelas(&n), S_OK);
    EXPECT_EQ(n, 0);
    LONG c = 0;
    EXPECT_EQ(p->get_CondicaoPagamento(&c), S_OK);
    EXPECT_EQ(c, 2);

    ASSERT_EQ(grava(p.get(), "104", "3", "100").first, 1);
    ASSERT_EQ(p->put_CondicaoPagamento(2), S_OK);
    EXPECT_EQ(p->get_QtdParcelas(&n), S_OK);
    EXPECT_EQ(n, 3);
    ASSERT_EQ(p->put_CondicaoPagamento(1), S_OK);
    EXPECT_EQ(p->get_QtdParcelas(&n), S_OK);
    EXPECT_EQ(n, 1);
    BSTR nada = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(p->get_Parcela(1, &nada), S_OK);
    EXPECT_EQ(nada, nullptr);

    // Three instalments of 300,00; the first becomes 150,00 and the other two share the rest.
    ASSERT_EQ(p->put_CondicaoPagamento(2), S_OK);
    com::unique_bstr venc;
    ASSERT_EQ(p->AlteraParcela(0, b("10/01/2027").get(), b("150").get(), 0, b("").get()), S_OK);
    std::vector<std::string> valores;
    for (SHORT i = 0; i < 3; ++i) {
        const std::string t = text([&](BSTR* v) { return p->get_Parcela(i, v); });
        const auto a = t.find('|', t.find('|') + 1);
        valores.push_back(t.substr(a + 1, t.find('|', a + 1) - a - 1));
        EXPECT_NE(t.find("|(nenhum)|"), std::string::npos) << t;
    }
    EXPECT_EQ(valores, (std::vector<std::string>{"150,00", "75,00", "75,00"}));
    EXPECT_EQ(p->AlteraParcela(3, b("10/01/2027").get(), b("1").get(), 0, b("").get()), E_INVALIDARG);
}

TEST_F(PedidoWeb, SavedOrderCarriesItsItemsAndGoesToTheOrdersServer) {
    ASSERT_EQ(inicializa(), S_OK);
    auto p = novo();
    ASSERT_EQ(grava(p.get(), "104", "2", "10").first, 1);
    ASSERT_EQ(grava(p.get(), "201", "1", "5").first, 2);
    ASSERT_EQ(p->put_CondicaoPagamento(2), S_OK);
    sales::registro_gravacao g;
    nosso(p.get())->MontaRegistro(g);
    EXPECT_EQ(g.registro.QtdItens, 2);
    EXPECT_EQ(g.registro.QtdParcelas, 3);
    EXPECT_EQ(g.registro.PosicaoCondicaoPagamento, 2);
    EXPECT_EQ(g.registro.PosicaoRepresentante, representante);
    const auto* itens = static_cast<const REG_ITEM_PEDIDO*>(com::wire_pointer_get(g.registro.Itens));
    ASSERT_NE(itens, nullptr);
    EXPECT_EQ(itens[0].Posicao.Produto, 5);
    EXPECT_EQ(itens[0].Quantidade.int64, 20000);
    EXPECT_EQ(itens[0].Flag4, 1);
    EXPECT_EQ(g.registro.TotalProdutosCliente2.int64, 250000);

    // The orders server's save answers E_NOTIMPL until it is served: a failure with -1.
    LONG posicao = 0;
    SetErrorInfo(0, nullptr);
    const HRESULT hr = pedidos->GravaPedido(p.get(), &posicao);
    if (FAILED(hr)) {
        EXPECT_EQ(posicao, -1);
        EXPECT_EQ(last_error_text(), sales::msg::pedidos_gravar);
    }
    orders().answer("Grava", {E_FAIL});
    EXPECT_EQ(pedidos->GravaPedido(p.get(), &posicao), E_FAIL);
    EXPECT_EQ(posicao, -1);
    EXPECT_EQ(last_error_text(), sales::msg::pedidos_gravar);
}

// Every block of the save record (notes, items, instalments, the empty entry block) is freed
// once, also when the save fails.
TEST_F(PedidoWeb, TheSaveRecordsBlocksAreFreedOnEveryRoad) {
    ASSERT_EQ(inicializa(), S_OK);
    auto p = novo();
    ASSERT_EQ(grava(p.get(), "104", "2", "10").first, 1);
    ASSERT_EQ(p->put_CondicaoPagamento(2), S_OK);
    ASSERT_EQ(p->put_Observacoes(b("Frágil").get()), S_OK);
    task_memory_counter counter;
    {
        sales::registro_gravacao g;
        nosso(p.get())->MontaRegistro(g);
        EXPECT_EQ(counter.outstanding(), 4u);
    }
    EXPECT_EQ(counter.outstanding(), 0u);
    orders().answer("Grava", {E_FAIL});
    LONG posicao = 0;
    EXPECT_EQ(pedidos->GravaPedido(p.get(), &posicao), E_FAIL);
    EXPECT_EQ(counter.outstanding(), 0u);
}

TEST_F(PedidoWeb, AFailedReadOfASavedOrderIsAFailure) {
    ASSERT_EQ(inicializa(), S_OK);
    auto p = novo(0);
    orders().answer("LePedido", {E_FAIL});
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(p->LePosicao(3, FALSE), E_FAIL);
    EXPECT_EQ(last_error_text(), sales::msg::pedido_ler_posicao);
    LONG posicao = 9;
    EXPECT_EQ(p->get_Posicao(&posicao), S_OK);
    EXPECT_EQ(posicao, 0);
}

TEST_F(PedidoWeb, ListIndicesOutsideTheListGiveNoOrder) {
    ASSERT_EQ(inicializa(), S_OK);
    orders().answer("BuscaPedidos", {E_FAIL});
    LONG n = 7;
    EXPECT_EQ(pedidos->BuscaPonteiros(representante, &n), E_FAIL);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(last_error_text(), sales::msg::pedidos_ler);
    for (LONG i : {-1L, 0L, 1L}) {
        com::com_ptr<IPedidoWeb> p;
        EXPECT_EQ(pedidos->GetPedidoLight(i, p.put()), S_OK);
        EXPECT_FALSE(p);
        EXPECT_EQ(pedidos->GetPedidoLightInvertido(i, p.put()), S_OK);
        EXPECT_FALSE(p);
    }
}

TEST_F(PedidoWeb, RepresentativeIsReadIntoItsObject) {
    ASSERT_EQ(inicializa(), S_OK);
    com::com_ptr<ICFRT_Representante> r;
    ASSERT_EQ(pedidos->BuscaRepresentante(representante, r.put()), S_OK);
    ASSERT_TRUE(r);
}

}  // namespace
