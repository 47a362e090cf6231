// Until the documents server lists payment forms and billing types, the list cannot be read
// (this file goes when the documents connection lists them).
#include "sales/documentos_pagamento.h"

namespace sales {

HRESULT LeDocumentosPagamento(const std::string&, WORD, LONG, const char*,
                                                    std::vector<documento_pagamento>& lista) {
    lista.clear();
    return E_NOTIMPL;
}

}  // namespace sales
