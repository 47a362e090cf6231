#include "QVDCOM.h"

#include <objbase.h>

HRESULT QVInicializaSeguranca() {
    return CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_NONE,
                                RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
}

void QVAjustaSeguranca(IUnknown* p) {
    CoSetProxyBlanket(p, RPC_C_AUTHN_NONE, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_NONE,
                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
}
