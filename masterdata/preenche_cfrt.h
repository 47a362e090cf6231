#pragma once
// The fill of the CFRT person objects from a register record: the customer's and the supplier's
// own values, the common properties and address, then the category names.
#include <vector>

#include "masterdata/CCFRT_Cliente.h"
#include "masterdata/CCFRT_Fornecedor.h"
#include "platform/inhouse/cache/registros_cache.h"
#include "platform/inhouse/cfrt/QVCFRT.h"

class CBufferCFRT;

namespace masterdata {

using categorias_lidas = std::vector<_REG_CATEGORIAS_PS>;

// The customer's values come from the record and, for the freight letter and the carrier's own
// code, from two more reads through `buffer`, whose failures leave them empty.
void PreencheCliente(CCFRT_Cliente& cliente, const QVCFRT& registro, CBufferCFRT& buffer,
                     const categorias_lidas& categorias);
void PreencheFornecedor(CCFRT_Fornecedor& fornecedor, const QVCFRT& registro, const categorias_lidas& categorias);

}  // namespace masterdata
