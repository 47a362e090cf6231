#pragma once
// Records of the storage-places server (inhouse_armazenagem.idl): packed, little-endian,
// zero-filled, texts ended by a NUL inside their field.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace inhouse {

#pragma pack(push, 1)
// One entry of the index: the place's record pointer and its code.
struct REG_INDICE_LOCAL_ARMAZENAGEM {
    uint32_t ponteiro;          // +0
    char codigo[12];            // +4
    uint8_t reservado_16[4];    // +16
};

// One storage place.
struct REG_LOCAL_ARMAZENAGEM {
    char codigo[12];            // +0
    char nome[82];              // +12
    char tipo;                  // +94, one character: 'D' warehouse, 'L' shop, 'C' consignment
    uint8_t reservado_95;       // +95
    uint16_t filial;            // +96, the branch position (0: none in particular)
    uint8_t reservado_98[58];   // +98
};
#pragma pack(pop)
static_assert(sizeof(REG_INDICE_LOCAL_ARMAZENAGEM) == 20 && offsetof(REG_INDICE_LOCAL_ARMAZENAGEM, codigo) == 4);
static_assert(sizeof(REG_LOCAL_ARMAZENAGEM) == 156 && offsetof(REG_LOCAL_ARMAZENAGEM, nome) == 12 &&
              offsetof(REG_LOCAL_ARMAZENAGEM, tipo) == 94 && offsetof(REG_LOCAL_ARMAZENAGEM, filial) == 96);

// No place at that record pointer.
inline constexpr HRESULT QV_E_LOCAL_DESCONHECIDO = static_cast<HRESULT>(0x800403C0u);

}  // namespace inhouse
