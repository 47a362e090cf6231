#include "sales/fabricas_pedidos.h"

#include "sales/CTW_FT_InfoPedido.h"
#include "sales/CTW_FT_ListaPedidos.h"
#include "server/root/fabricas_modulos.h"

namespace sales {

namespace {
template <class Classe, class Itf>
IUnknown* cria() {
    return static_cast<Itf*>(com::make<Classe>().detach());
}
}  // namespace

void registra_fabricas_pedidos() {
    server::registra_fabrica(__uuidof(ITW_FT_InfoPedido), &cria<CTW_FT_InfoPedido, ITW_FT_InfoPedido>);
    server::registra_fabrica(__uuidof(ITW_FT_ListaPedidos), &cria<CTW_FT_ListaPedidos, ITW_FT_ListaPedidos>);
}

}  // namespace sales
