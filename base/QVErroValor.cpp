#include "base/QVErroValor.h"

#include "platform/com/failure.h"

namespace valores {

void falha_estouro() { com::fail(texto_estouro, DISP_E_OVERFLOW); }
void falha_data(const char* texto) { com::fail(texto, DISP_E_OVERFLOW); }
void falha_origem() { com::fail(texto_origem, E_INVALIDARG); }

}  // namespace valores
