#pragma once
// The texts of a standard history's record (fixed fields, NUL-terminated when shorter) and the
// orders the history lists sort by.
#include <string>
#include <vector>

#include "inhouse_historico.h"

namespace masterdata {

std::string CodigoHistorico(const __MIDL___MIDL_itf_CNSHIS_0000_0000_0002& h);
std::string TextoHistorico(const __MIDL___MIDL_itf_CNSHIS_0000_0000_0002& h);
std::string ClassificacaoHistorico(const __MIDL___MIDL_itf_CNSHIS_0000_0000_0002& h);

// Sorts by order 0 (the code's leading number, as atoi reads it), 1 (the text) or 2 (the
// classification), texts byte-wise and case-sensitive; any other order is 0.
void OrdenaHistoricos(std::vector<__MIDL___MIDL_itf_CNSHIS_0000_0000_0002>& historicos, unsigned ordem);

}  // namespace masterdata
