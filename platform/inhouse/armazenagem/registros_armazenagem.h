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

#pragma pack(push, 1)
// A product's default storage place in a branch.
struct REG_LOCAL_PADRAO {
    uint32_t local;             // +0, the place's record pointer (0: none)
    uint16_t filial;            // +4
    uint8_t reservado_6[10];    // +6
};

// A product's balance in one storage place of a branch.
struct REG_SALDO_LOCAL {
    int32_t produto;            // +0
    uint16_t item1, item2, item3;  // +4, +6, +8
    uint16_t filial;            // +10
    char codigo_local[12];      // +12
    uint8_t reservado_24[8];    // +24
    uint16_t local;             // +32, the place's record pointer
    uint8_t reservado_34[98];   // +34
    int64_t saldo;              // +132, CURRENCY (4 implied decimals), the kinds asked for summed
    uint8_t reservado_140[26];  // +140
};
#pragma pack(pop)
static_assert(sizeof(REG_LOCAL_PADRAO) == 16 && offsetof(REG_LOCAL_PADRAO, filial) == 4);
static_assert(sizeof(REG_SALDO_LOCAL) == 166 && offsetof(REG_SALDO_LOCAL, filial) == 10 &&
              offsetof(REG_SALDO_LOCAL, local) == 32 && offsetof(REG_SALDO_LOCAL, saldo) == 132);

// No place at that record pointer.
inline constexpr HRESULT QV_E_LOCAL_DESCONHECIDO = static_cast<HRESULT>(0x800403C0u);

}  // namespace inhouse

// The data-access library's names of these records.
using _REG_ES_LOCAISPS = inhouse::REG_LOCAL_ARMAZENAGEM;
using _REG_DFPRO_LOCAL_PADRAOPS = inhouse::REG_LOCAL_PADRAO;
using _REG_ES_SALDO_LOCALPS = inhouse::REG_SALDO_LOCAL;
