#pragma once
// The company's payment forms (kind "3") and billing types (kind "2") as the documents server
// lists them: code and name of each.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace sales {

struct documento_pagamento {
    uint16_t codigo = 0;
    std::string nome;
};

inline constexpr char TipoFormaPagamento[] = "3";
inline constexpr char TipoCobranca[] = "2";

HRESULT LeDocumentosPagamento(const std::string& empresa, WORD usuario, LONG sessao, const char* tipo,
                              std::vector<documento_pagamento>& lista);

}  // namespace sales
