#pragma once
// Payment conditions and their instalment rows read from the store (tables condicao_pagamento and
// condicao_pagamento_parcela), in the forms the payment-condition server hands out. A condition's
// register position is its number (codigo). Store errors are thrown as com::failure.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/inhouse/condicoes/registros_condicao.h"
#include "platform/inhouse/core/store.h"

namespace inhouse {

// False when the company has no condition with that code (record and rows left empty). The
// record's count is the number of rows, in their order.
bool le_condicao_pagamento(store& data, std::string_view empresa, uint16_t codigo, _REG_COND_PAGTOPS& registro,
                           std::vector<REG_LINHA_CONDICAO_PAGTO>& linhas);

// The number of the company's conditions (every module).
uint16_t quantidade_condicoes_pagamento(store& data, std::string_view empresa);

// The company's conditions in register order: with module id 0 all of them, otherwise those of
// every module and those of the module with that id.
std::vector<_REG_COND_PAGTOPS> lista_condicoes_pagamento(store& data, std::string_view empresa, int32_t modulo);

// The position of the condition whose code users type is `codigo` (compared without regard to
// case); 0 when there is none.
uint16_t posicao_condicao_pagamento(store& data, std::string_view empresa, std::string_view codigo);

}  // namespace inhouse
