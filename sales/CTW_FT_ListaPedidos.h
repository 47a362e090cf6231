#pragma once
// The sales orders of the logged-in user's representative for a web page (root factory
// TW_FT_ListaPedidos): BuscaPonteiros reads the list of order positions, LePosicao selects one
// (its record read through the order buffer, one read per order first selected) and the getters
// answer the selected order's number, dates, status, total and customer as texts.
//
// The list is read again when the month's order count changes, and also when the session's
// company, user, representative or the month itself changed since it was read: another login of
// the process, or a new month, must not show the previous list.
#include <memory>
#include <optional>
#include <string>

#include "VAVEDERAZur.h"
#include "ft/ftlibrary/CBufferPedidos.h"
#include "platform/com/object.h"
#include "platform/inhouse/pedidos/registros_pedidos.h"

namespace sales {

class CTW_FT_ListaPedidos final : public com::object<CTW_FT_ListaPedidos, ITW_FT_ListaPedidos> {
public:
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(long* plQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaQtdPedidosMesAtual(long* plQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(unsigned long ulPosArray) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDataEmissao(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDataEntrega(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetSituacao(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetValorTotal(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNomeCliente(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE SetOrdenacao(unsigned short usOrdem) noexcept override;

    // The status text of an order-list record.
    static const char* Situacao(const REG_LISTA_PEDIDO& registro) noexcept;

private:
    ~CTW_FT_ListaPedidos() override = default;   // objects come only from com::make

    // What a list was read for.
    struct chave_lista {
        std::string empresa;
        short usuario = 0;
        unsigned short representante = 0;
        uint16_t mes = 0;
        long quantidade_mes = 0;
        bool operator==(const chave_lista&) const = default;
    };

    long QuantidadeMesAtual(uint16_t mes);
    const REG_LISTA_PEDIDO& Atual() const;

    std::unique_ptr<CBufferPedidos> m_Buffer = std::make_unique<CBufferPedidos>();
    std::optional<chave_lista> m_Lida;
    std::optional<REG_LISTA_PEDIDO> m_Atual;
};

}  // namespace sales
