#include "sales/servidor_pedidos.h"

#include "server/holders/CCacheServidores.h"

namespace sales {

namespace {
com::com_ptr<IQVFT_Pedidos> do_cache() { return server::CCacheServidores::GetInstancia()->GetServidorPedidos(); }
fonte_servidor_pedidos g_fonte = &do_cache;
}  // namespace

com::com_ptr<IQVFT_Pedidos> servidor_pedidos() { return g_fonte(); }

fonte_servidor_pedidos troca_servidor_pedidos(fonte_servidor_pedidos nova) noexcept {
    const fonte_servidor_pedidos anterior = g_fonte;
    g_fonte = nova ? nova : &do_cache;
    return anterior;
}

}  // namespace sales
