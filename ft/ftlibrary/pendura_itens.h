#pragma once
// The order's items as the order record carries them: a task-memory array of item records at
// 2192 with their count at 838. An array the record already holds is freed first (with its
// items' blocks), so that writing the items again leaks nothing.
#include <windows.h>

#include "ft/ftlibrary/registros_pedido.h"

class CPedido;

namespace ft {

// S_OK, or E_OUTOFMEMORY with the record's items left empty.
HRESULT pendura_itens(const CPedido& pedido, REG_PEDIDO& registro);

}  // namespace ft
