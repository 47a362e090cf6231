#pragma once
// The orders server (cache slot 17, and the web order collection's own instance): orders saved
// for real in the store (pedidos_store.h), listed, read back and reported.
//
// Two readings of its answers that its callers disagree on are settled here:
// - `Grava`'s out value. The order entry object reads it as the number of orders saved (at least
//   1 is success); the web order collection reads it as the saved order's position. Which one a
//   server answers follows its initialisation: a 40-byte block with byte 34 set to 1 (what the
//   server cache sends: the order entry object saves through the cache) asks for the count, so
//   `Grava` answers 1; byte 34 left 0 (the web order collection builds its block itself and zeroes
//   bytes 34 to 39) asks for the position, the order's packed number.
// - `NumeroMes`. It answers the sequence the month's next order will carry: 1 for a month without
//   orders, one more than the highest given otherwise. That is what the order information and
//   the web order show as the next number; the order list, which asks for the month's count,
//   takes one less (orders are numbered 1, 2, ... within their month, so the two are the same
//   fact).
#include "inhouse_cache.h"
#include "inhouse_registros.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class PedidosServer final : public stand_in_object<PedidosServer, IQVFT_Pedidos> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE Inicializa(QV_SESSAO_40 sessao) noexcept override;
    HRESULT STDMETHODCALLTYPE Grava(LONG zero, QV_PEDIDO_2208 pedido, LONG sessao, LONG* saida) noexcept override;
    HRESULT STDMETHODCALLTYPE NumeroMes(WORD mes, LONG* numero) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPedidos(QV_FAIXA_PEDIDOS_16 faixa, QV_FILTRO_PEDIDOS_1014 filtro,
                                           BYTE** resultado) noexcept override;
    HRESULT STDMETHODCALLTYPE LePedido(LONG posicao, LONG opcao, BYTE** pedido) noexcept override;
    HRESULT STDMETHODCALLTYPE LeListaPedido(LONG posicao, BYTE* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE RelatorioPedidos(QV_RELATORIO_PEDIDOS_834 pedido) noexcept override;
    HRESULT STDMETHODCALLTYPE Finaliza() noexcept override;
    ZU_RESERVADO(03) ZU_RESERVADO(05) ZU_RESERVADO(06) ZU_RESERVADO(07)

private:
    ~PedidosServer() override = default;   // objects come only from com::make

    std::string m_empresa;
    bool m_inicializado = false;
    bool m_saida_quantidade = false;   // Grava answers the count (1) instead of the position
};

}  // namespace inhouse
