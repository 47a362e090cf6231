#pragma once
// The payment-document record of the data-access library (278 bytes): a payment form or a
// billing type. Packed, little-endian; texts CP1252, terminated inside their field.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#pragma pack(push, 1)
struct _REG_DOCUMENTOPS {
    uint16_t Posicao;                  // +0 the register position
    uint8_t reservado_2[6];            // +2
    char Nome[52];                     // +8
    char Codigo[21];                   // +60
    uint8_t reservado_81[197];         // +81
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<_REG_DOCUMENTOPS> && sizeof(_REG_DOCUMENTOPS) == 278);
static_assert(offsetof(_REG_DOCUMENTOPS, Nome) == 8 && offsetof(_REG_DOCUMENTOPS, Codigo) == 60);
