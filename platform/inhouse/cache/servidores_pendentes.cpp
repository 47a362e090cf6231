// Entries of the cache's servers whose callers are still being built: recorded like any other
// call, then E_NOTIMPL unless the plan answers a failure. Each moves to its server's own file when
// its caller arrives.
#include "platform/inhouse/cache/servidores_cache.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE NotasFiscaisServer::LeNota(QV_CHAVE_NOTA_38, BYTE*) noexcept { return reservado("LeNota"); }

HRESULT STDMETHODCALLTYPE NotasFiscaisServer::BuscaNotas(QV_PERIODO_NOTAS_24, QV_FILTRO_NOTAS_1136, BYTE**) noexcept {
    return reservado("BuscaNotas");
}

HRESULT STDMETHODCALLTYPE NotasFiscaisServer::ResumoVendas(QV_RESUMO_VENDAS_12, WORD*, BYTE**) noexcept {
    return reservado("ResumoVendas");
}

HRESULT STDMETHODCALLTYPE PedidosServer::Grava(LONG, QV_PEDIDO_2208, LONG, LONG*) noexcept { return reservado("Grava"); }

HRESULT STDMETHODCALLTYPE PedidosServer::NumeroMes(WORD, LONG*) noexcept { return reservado("NumeroMes"); }

HRESULT STDMETHODCALLTYPE PedidosServer::BuscaPedidos(QV_FAIXA_PEDIDOS_16, QV_FILTRO_PEDIDOS_1014, BYTE**) noexcept {
    return reservado("BuscaPedidos");
}

HRESULT STDMETHODCALLTYPE PedidosServer::LePedido(LONG, LONG, BYTE**) noexcept { return reservado("LePedido"); }

HRESULT STDMETHODCALLTYPE PedidosServer::LeListaPedido(LONG, BYTE*) noexcept { return reservado("LeListaPedido"); }

HRESULT STDMETHODCALLTYPE PedidosServer::RelatorioPedidos(QV_RELATORIO_PEDIDOS_834) noexcept {
    return reservado("RelatorioPedidos");
}

HRESULT STDMETHODCALLTYPE PedidosServer::Finaliza() noexcept { return reservado("Finaliza"); }

}  // namespace inhouse
