#pragma once
// Frees every task-memory array hanging from an order record, in the order the orders server's
// callers rely on: the instalments; each 32-byte entry's block, then the entries; for each item
// record the blocks of its sub-entries, then its four blocks at 1508; the item array; the block at
// 2204; last the notes (after their size is set to 0). Every freed field is set to 0 and every
// count to 0, so a second call frees nothing.
#include "ft/ftlibrary/registros_pedido.h"

namespace ft {

void libera_registro_pedido(REG_PEDIDO& pedido) noexcept;

// The blocks of one item record (sub-entries' blocks, then the four blocks); its fields to 0.
void libera_registro_item(REG_ITEM_PEDIDO& item) noexcept;

}  // namespace ft
