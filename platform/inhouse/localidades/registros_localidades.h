#pragma once
// The records of the state and municipality servers, as the data-access library's connections
// hand them over: packed, little-endian, zero-filled before they are written, texts (CP1252)
// ended by a NUL inside their field.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace inhouse {

#pragma pack(push, 1)
// An entry of the state server's read-all.
struct REG_ESTADO_ENTRADA {
    int32_t posicao;            // +0, the register position
    char nome[42];              // +4
    char sigla[4];              // +46
    char exterior;              // +50, 'S' for the foreign pseudo-state, else 'N'
    uint8_t regiao_geo;         // +51
    uint8_t regiao_fiscal;      // +52
    uint8_t reservado_53;       // +53
};

// The state record of one position.
struct REG_ESTADO {
    char nome[42];              // +0
    uint8_t reservado_42[58];   // +42
    char sigla[4];              // +100
    char exterior;              // +104
    uint8_t regiao_geo;         // +105
    uint8_t regiao_fiscal;      // +106
    uint8_t reservado_107;      // +107
};

// An entry of the municipality server's read-all.
struct REG_MUNICIPIO_ENTRADA {
    int16_t posicao;            // +0, the register position
    uint8_t reservado_2[2];     // +2
    int32_t codigo_fiscal;      // +4
    uint8_t reservado_8[4];     // +8
    int32_t codigo_ibge;        // +12
    char nome[42];              // +16
    char uf[4];                 // +58
    uint8_t reservado_62[10];   // +62
};
#pragma pack(pop)

static_assert(sizeof(REG_ESTADO_ENTRADA) == 54 && offsetof(REG_ESTADO_ENTRADA, nome) == 4 &&
              offsetof(REG_ESTADO_ENTRADA, sigla) == 46 && offsetof(REG_ESTADO_ENTRADA, exterior) == 50 &&
              offsetof(REG_ESTADO_ENTRADA, regiao_geo) == 51 && offsetof(REG_ESTADO_ENTRADA, regiao_fiscal) == 52);
static_assert(sizeof(REG_ESTADO) == 108 && offsetof(REG_ESTADO, sigla) == 100);
static_assert(sizeof(REG_MUNICIPIO_ENTRADA) == 72 && offsetof(REG_MUNICIPIO_ENTRADA, codigo_fiscal) == 4 &&
              offsetof(REG_MUNICIPIO_ENTRADA, codigo_ibge) == 12 && offsetof(REG_MUNICIPIO_ENTRADA, nome) == 16 &&
              offsetof(REG_MUNICIPIO_ENTRADA, uf) == 58);

}  // namespace inhouse

#pragma pack(push, 1)
// The municipality record of the data-access library (the connection's Le and the server's find).
struct _REG_MUNICIPIO_PS {
    char nome[42];              // +0
    uint8_t reservado_42[2];    // +42
    int32_t codigo_fiscal;      // +44
    int32_t codigo_ibge;        // +48
    uint8_t reservado_52[14];   // +52
    uint16_t estado;            // +66, the state's register position
    uint8_t reservado_68[2];    // +68
    char uf[4];                 // +70
    uint8_t reservado_74[2];    // +74
};
#pragma pack(pop)
static_assert(sizeof(_REG_MUNICIPIO_PS) == 76 && offsetof(_REG_MUNICIPIO_PS, uf) == 70 &&
              offsetof(_REG_MUNICIPIO_PS, estado) == 66 &&
              offsetof(_REG_MUNICIPIO_PS, codigo_fiscal) == 44 && offsetof(_REG_MUNICIPIO_PS, codigo_ibge) == 48);
