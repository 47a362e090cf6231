#include "sales/fabricas_estoque.h"

#include "platform/com/object.h"
#include "sales/CTW_ES_SaldoTotal.h"
#include "server/root/fabricas_modulos.h"

namespace sales {

namespace {
template <class Classe, class Itf>
IUnknown* cria() {
    return static_cast<Itf*>(com::make<Classe>().detach());
}
}  // namespace

void registra_fabricas_estoque() {
    server::registra_fabrica(__uuidof(ITW_ES_SaldoTotal), &cria<CTW_ES_SaldoTotal, ITW_ES_SaldoTotal>);
}

}  // namespace sales
