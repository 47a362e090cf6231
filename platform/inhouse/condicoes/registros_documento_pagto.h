#pragma once
// A payment document of the data-access library (278 bytes): a payment form or a billing type,
// as the document server hands them out. Packed, little-endian.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#pragma pack(push, 1)
struct _REG_DOCUMENTOPS {
    uint16_t Posicao;                  // +0 the register position within its kind
    uint8_t reservado_2[6];            // +2
    char Nome[52];                     // +8 CP1252, terminated
    char Codigo[21];                   // +60 CP1252, terminated
    uint8_t reservado_81[197];         // +81
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<_REG_DOCUMENTOPS> && sizeof(_REG_DOCUMENTOPS) == 278);
static_assert(offsetof(_REG_DOCUMENTOPS, Nome) == 8 && offsetof(_REG_DOCUMENTOPS, Codigo) == 60);

namespace inhouse {

// The kinds of payment documents, as the server's callers name them.
inline constexpr char tipo_forma_pagamento[] = "3";
inline constexpr char tipo_cobranca[] = "2";

}  // namespace inhouse
