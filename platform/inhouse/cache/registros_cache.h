#pragma once
// Records of the servers of the process-wide cache, as the server and the stand-ins exchange
// them: packed, little-endian, zero-filled before they are written, texts ended by a NUL inside
// their field. The byte blocks of inhouse_registros.idl carry the same bytes.
#include <cstddef>
#include <cstdint>

#include "inhouse_registros.h"

#pragma pack(push, 1)
// One customer category.
struct _REG_CATEGORIAS_PS {
    uint8_t reservado_0[10];    // +0
    char nome[68];              // +10, the category's name
    uint16_t codigo;            // +78
};
#pragma pack(pop)
static_assert(sizeof(_REG_CATEGORIAS_PS) == 80 && offsetof(_REG_CATEGORIAS_PS, nome) == 10 &&
              offsetof(_REG_CATEGORIAS_PS, codigo) == 78);
static_assert(sizeof(QV_CATEGORIA_80) == sizeof(_REG_CATEGORIAS_PS));

namespace inhouse {

#pragma pack(push, 1)
// The company's master record of the master-data server: the names of the economic indices the
// company uses.
struct REG_MESTRE {
    static constexpr int quantidade_indices = 14;
    static constexpr size_t largura_indice = 20;
    uint8_t reservado_0[20];                                // +0
    char indices[quantidade_indices][largura_indice];       // +20, index i (1 to 14) at 20 x i
    uint8_t reservado_300[134];                             // +300
    char indice_moeda[40];                                  // +434, the currency's own index, first of the list
    uint8_t reservado_474[850];                             // +474
};
#pragma pack(pop)
static_assert(sizeof(REG_MESTRE) == 1324 && offsetof(REG_MESTRE, indices) == 20 &&
              offsetof(REG_MESTRE, reservado_300) == 300 && offsetof(REG_MESTRE, indice_moeda) == 434);
static_assert(sizeof(QV_MESTRE_1324) == sizeof(REG_MESTRE));

// Index i (1 to REG_MESTRE::quantidade_indices) of a master record.
inline const char (&indice_mestre(const REG_MESTRE& r, int i))[REG_MESTRE::largura_indice] { return r.indices[i - 1]; }
inline char (&indice_mestre(REG_MESTRE& r, int i))[REG_MESTRE::largura_indice] { return r.indices[i - 1]; }

}  // namespace inhouse
