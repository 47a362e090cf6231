#pragma once
// Failures of the value types: a value that does not fit its field is refused with a clear error,
// never wrapped or cut. Thrown as com::failure until the base library's own exception type
// carries them.
#include <windows.h>

#include <string>

namespace valores {

inline constexpr const char* texto_estouro = "Valor numérico fora dos limites.";
inline constexpr const char* texto_data_curta =
    "Data fora do intervalo do campo de data de 16 bits (01/01/1848 a 04/06/2027).";
inline constexpr const char* texto_data_antiga =
    "Data fora do intervalo do campo de data antigo (01/01/1850 a 04/06/2029).";
inline constexpr const char* texto_origem = "Valor não cabe no campo da origem.";

// DISP_E_OVERFLOW with texto_estouro.
[[noreturn]] void falha_estouro();
// DISP_E_OVERFLOW with the text given.
[[noreturn]] void falha_data(const char* texto);
// E_INVALIDARG with texto_origem.
[[noreturn]] void falha_origem();

}  // namespace valores
