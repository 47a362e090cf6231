#include "sales/fabricas.h"

#include "sales/CTW_FT_Pedido.h"
#include "server/root/fabricas_modulos.h"

namespace sales {

namespace {
template <class Classe, class Itf>
IUnknown* cria() {
    return static_cast<Itf*>(com::make<Classe>().detach());
}

struct fabrica {
    const IID* iid;
    server::fabrica_modulo cria;
};
const fabrica fabricas[] = {
    {&__uuidof(ITW_FT_Pedido), &cria<CTW_FT_Pedido, ITW_FT_Pedido>},
};
}  // namespace

void registra_fabricas() {
    for (const auto& f : fabricas) server::registra_fabrica(*f.iid, f.cria);
}

}  // namespace sales
