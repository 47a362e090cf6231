#pragma once
// The orders server the order-entry object saves through: the process-wide cache's (slot 17).
// Tests put an in-process server of their own in its place.
#include "inhouse_cache.h"
#include "platform/com/com_ptr.h"

namespace sales {

// An empty pointer when the server could not be created.
com::com_ptr<IQVFT_Pedidos> servidor_pedidos();

using fonte_servidor_pedidos = com::com_ptr<IQVFT_Pedidos> (*)();
// Puts another source in place and answers the one it replaced; null restores the cache's.
fonte_servidor_pedidos troca_servidor_pedidos(fonte_servidor_pedidos nova) noexcept;

}  // namespace sales
