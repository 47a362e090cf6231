#pragma once
// What a refused change of an instalment tells the client, by the payment condition's error code;
// a code without a text of its own gives the general one.
#include <cstdint>

namespace sales {

const char* mensagem_parcela(int16_t codigo);

}  // namespace sales
