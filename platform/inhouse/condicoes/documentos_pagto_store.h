#pragma once
// The payment forms and billing types read from the store (table documento_pagamento). Store
// errors are thrown as com::failure.
#include <string_view>
#include <vector>

#include "platform/inhouse/condicoes/registros_documento_pagto.h"
#include "platform/inhouse/core/store.h"

namespace inhouse {

// The company's documents of a kind ("3", "2"), in register order; none for another kind.
std::vector<_REG_DOCUMENTOPS> lista_documentos_pagamento(store& data, std::string_view empresa, std::string_view tipo);
// The document of a kind at a position; false (record zeroed) when there is none.
bool le_documento_pagamento(store& data, std::string_view empresa, std::string_view tipo, uint16_t posicao,
                            _REG_DOCUMENTOPS& registro);
// The document of a kind whose code is `codigo` (without regard to case); false (record zeroed)
// when there is none.
bool existe_documento_pagamento(store& data, std::string_view empresa, std::string_view tipo, std::string_view codigo,
                                _REG_DOCUMENTOPS& registro);

}  // namespace inhouse
