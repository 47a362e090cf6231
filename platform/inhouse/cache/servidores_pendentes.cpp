// Entries of the cache's servers whose callers are still being built: recorded like any other
// call, then E_NOTIMPL unless the plan answers a failure. Each moves to its server's own file when
// its caller arrives.
#include "platform/inhouse/cache/servidores_cache.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE EstoqueServer::Saldo(QV_CONSULTA_SALDO_66, BYTE*, LONG, LONG, LONG) noexcept {
    return reservado("Saldo");
}

HRESULT STDMETHODCALLTYPE EstoqueServer::BuscaSaldos(QV_LISTA_SALDOS_60, BYTE*) noexcept { return reservado("BuscaSaldos"); }

}  // namespace inhouse
