#pragma once
// A payment condition and its instalment rows read from the store (tables condicao_pagamento and
// condicao_pagamento_parcela), in the forms the payment-condition server hands out.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/inhouse/condicoes/registros_condicao.h"
#include "platform/inhouse/core/store.h"

namespace inhouse {

// False when the company has no condition with that code (record and rows left empty). The
// record's count is the number of rows, in their order; throws com::failure on a store error.
bool le_condicao_pagamento(store& data, std::string_view empresa, uint16_t codigo, _REG_COND_PAGTOPS& registro,
                           std::vector<REG_LINHA_CONDICAO_PAGTO>& linhas);

}  // namespace inhouse
