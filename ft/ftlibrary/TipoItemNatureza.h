#pragma once
// The kind code of an operation nature, which an order item takes as its item kind.
#include <windows.h>

#include "ft/ftlibrary/registros_pedido.h"

// 0 when the nature's first byte is 0, '8' or '9'; otherwise the code of the first of its kind
// bytes that is set (552, 551, 554, 553, 594, 595, 596, 597 give 1 to 8); none set gives 0.
BYTE TipoItemNatureza(const _REG_NATUREZAPS& natureza);
