#include "ft/ftlibrary/pendura_itens.h"

#include "ft/ftlibrary/CPedido.h"
#include "ft/ftlibrary/libera_registro_pedido.h"
#include "ft/ftlibrary/memoria_tarefa.h"
#include "platform/com/wire_pointer.h"

namespace ft {

HRESULT pendura_itens(const CPedido& pedido, REG_PEDIDO& registro) {
    if (auto* antigos = static_cast<REG_ITEM_PEDIDO*>(com::wire_pointer_take(registro.Itens))) {
        for (size_t i = 0; i < registro.QtdItens; ++i) libera_registro_item(antigos[i]);
        libera_tarefa(antigos);
    }
    registro.Itens = 0;
    registro.QtdItens = 0;

    const uint16_t n = pedido.GetQtdItens();
    if (n == 0) return S_OK;
    auto* itens = static_cast<REG_ITEM_PEDIDO*>(aloca_tarefa(sizeof(REG_ITEM_PEDIDO) * n));
    if (!itens) return E_OUTOFMEMORY;
    for (uint16_t i = 0; i < n; ++i) itens[i] = pedido.GetItem(i).GetRegistroPedido();
    try {
        registro.Itens = com::wire_pointer_put(itens);
    } catch (...) {
        libera_tarefa(itens);
        return E_OUTOFMEMORY;
    }
    registro.QtdItens = n;
    return S_OK;
}

}  // namespace ft
