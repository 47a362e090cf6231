#include "ft/ftlibrary/libera_registro_pedido.h"

#include "ft/ftlibrary/memoria_tarefa.h"
#include "platform/com/wire_pointer.h"

namespace ft {

namespace {

// Frees the block a wire field names and empties the field.
void libera_campo(uint32_t& campo) noexcept {
    libera_tarefa(com::wire_pointer_take(campo));
    campo = 0;
}

// An array of 32-byte entries: each entry's own block first, then the array.
void libera_entradas(uint32_t& campo, size_t quantidade) noexcept {
    if (auto* entradas = static_cast<REG_ENTRADA_PEDIDO*>(com::wire_pointer_get(campo))) {
        for (size_t i = 0; i < quantidade; ++i) libera_campo(entradas[i].Bloco);
    }
    libera_campo(campo);
}

}  // namespace

void libera_registro_item(REG_ITEM_PEDIDO& item) noexcept {
    libera_entradas(item.Blocos[0], item.QtdSubEntradas);
    item.QtdSubEntradas = 0;
    for (uint32_t& bloco : item.Blocos) libera_campo(bloco);
}

void libera_registro_pedido(REG_PEDIDO& pedido) noexcept {
    libera_campo(pedido.Parcelas);
    pedido.QtdParcelas = 0;

    libera_entradas(pedido.Entradas, pedido.QtdEntradas);
    pedido.QtdEntradas = 0;

    if (auto* itens = static_cast<REG_ITEM_PEDIDO*>(com::wire_pointer_get(pedido.Itens))) {
        for (size_t i = 0; i < pedido.QtdItens; ++i) libera_registro_item(itens[i]);
    }
    libera_campo(pedido.Itens);
    pedido.QtdItens = 0;

    libera_campo(pedido.Bloco);

    pedido.TamanhoObservacoes = 0;
    libera_campo(pedido.Observacoes);
}

}  // namespace ft
