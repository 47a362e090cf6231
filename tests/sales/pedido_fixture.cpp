#include "tests/sales/pedido_fixture.h"

#include <cstring>

#include "platform/com/wire_pointer.h"

namespace {
pedidos_falso* g_servidor = nullptr;
com::com_ptr<IQVFT_Pedidos> servidor_falso() { return com::com_ptr<IQVFT_Pedidos>(g_servidor); }
}  // namespace

HRESULT pedidos_falso::Grava(LONG zero, QV_PEDIDO_2208 pedido, LONG sessao, LONG* saida) noexcept {
    pedido_recebido r;
    r.zero = zero;
    r.sessao = sessao;
    std::memcpy(r.pedido.b.data(), &pedido, sizeof pedido);
    const auto n_itens = r.pedido.le<uint16_t>(838);
    const auto* itens = static_cast<const uint8_t*>(com::wire_pointer_get(r.pedido.le<uint32_t>(2192)));
    for (size_t i = 0; itens && i < n_itens; ++i) {
        bytes_registro<1524> item;
        std::memcpy(item.b.data(), itens + i * 1524, 1524);
        r.itens.push_back(item);
    }
    const auto n_parcelas = r.pedido.le<uint8_t>(1912);
    const auto* parcelas = static_cast<const uint8_t*>(com::wire_pointer_get(r.pedido.le<uint32_t>(2196)));
    for (size_t i = 0; parcelas && i < n_parcelas; ++i) {
        bytes_registro<126> p;
        std::memcpy(p.b.data(), parcelas + i * 126, 126);
        r.parcelas.push_back(p);
    }
    if (const auto* obs = static_cast<const char*>(com::wire_pointer_get(r.pedido.le<uint32_t>(2188))))
        r.observacoes = obs;
    recebidos.push_back(std::move(r));
    auto resposta = std::make_pair(S_OK, LONG{1});
    if (!respostas.empty()) {
        resposta = respostas.front();
        respostas.pop_front();
    }
    *saida = resposta.second;
    return resposta.first;
}

pedido_fixture::pedido_fixture() {
    servidor = com::make<pedidos_falso>();
    g_servidor = servidor.get();
    anterior = sales::troca_servidor_pedidos(&servidor_falso);
    factory(inhouse::CLSID_FilialServer).object_faults().clear();
    factory(inhouse::CLSID_MestreComercialServer).object_faults().clear();
    pedido = com::make<sales::CTW_FT_Pedido>();
}

pedido_fixture::~pedido_fixture() {
    pedido = nullptr;
    sales::troca_servidor_pedidos(anterior);
    g_servidor = nullptr;
    servidor = nullptr;
}

HRESULT pedido_fixture::adiciona(const char* codigo, const char* quantidade, const char* valor, const char* g1,
                                 const char* g2, const char* complemento, const char* desconto, unsigned char percentual,
                                 const char* icms, const char* ipi, const char* st, VARIANT_BOOL* sucesso) {
    VARIANT_BOOL ok = 7;
    const HRESULT hr = pedido->AdicionaItem(b(codigo).get(), b(quantidade).get(), b(valor).get(), b(desconto).get(),
                                            b(icms).get(), b(ipi).get(), b(st).get(), b("").get(), b("20/12/2026").get(),
                                            b(complemento).get(), b("0,5").get(), b("0,4").get(), b(g1).get(), b(g2).get(),
                                            b("").get(), 0, b("5102").get(), percentual, b("VAREJO").get(), b("1").get(),
                                            b("C001").get(), &ok);
    EXPECT_TRUE(ok == VARIANT_TRUE || ok == VARIANT_FALSE) << ok;
    if (sucesso) *sucesso = ok;
    return hr;
}

HRESULT pedido_fixture::set_dados(const cabecalho& c, VARIANT_BOOL* sucesso) {
    VARIANT_BOOL ok = 7;
    const HRESULT hr = pedido->SetDados(
        b("").get(), b(c.filial.c_str()).get(), b(c.cliente.c_str()).get(), b(c.entrega.c_str()).get(), b("VENDA").get(),
        b("5102").get(), b(c.oc.c_str()).get(), b(c.observacoes.c_str()).get(), b("1.234,50").get(), b("10,00").get(),
        b("0").get(), b(c.volumes.c_str()).get(), b(c.frete.c_str()).get(), b(c.transportadora.c_str()).get(),
        b(c.via.c_str()).get(), b("").get(), b("12,5").get(), b("11,25").get(), b("ACME").get(), b("CAIXA").get(),
        b("1").get(), b(c.local.c_str()).get(), b(c.cobranca.c_str()).get(), b(c.emissao.c_str()).get(),
        b(c.condicao.c_str()).get(), &ok);
    EXPECT_TRUE(ok == VARIANT_TRUE || ok == VARIANT_FALSE) << ok;
    if (sucesso) *sucesso = ok;
    return hr;
}

HRESULT pedido_fixture::grava(VARIANT_BOOL* sucesso) {
    VARIANT_BOOL ok = 7;
    const HRESULT hr = pedido->Grava(&ok);
    EXPECT_TRUE(ok == VARIANT_TRUE || ok == VARIANT_FALSE) << ok;
    if (sucesso) *sucesso = ok;
    return hr;
}
