#pragma once
// The product server's grid references and tax answers (its entries 125 and 119).
#include <windows.h>

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
// A grid reference of a product (86 bytes): the product and its three grid items, and the unit
// weights of that combination (0: the product's own).
struct _REG_REFERENCIA_GRADEPS {
    int32_t produto;              // +0
    uint16_t item1;               // +4
    uint16_t item2;               // +6
    uint16_t item3;               // +8
    int64_t peso_bruto;           // +10
    int64_t peso_liquido;         // +18
    uint8_t reservado26[60];
};
// The answer of entry 125: how many references and a task-memory array of them (freed by the
// caller).
struct RESPOSTA_REFERENCIAS_GRADE {
    LONG quantidade;
    _REG_REFERENCIA_GRADEPS* registros;
};
// The key of a tax query (14 bytes, by value).
struct CHAVE_CONSULTA_IMPOSTO {
    int32_t produto;              // +0
    uint16_t filial;              // +4
    uint16_t dia;                 // +6
    uint16_t estado;              // +8
    int32_t zero;                 // +10
};
// The tax answer (200 bytes), as far as the order library reads it.
struct RESPOSTA_CONSULTA_IMPOSTO {
    uint8_t reservado0[53];
    uint8_t calcula_icms;         // +53, non-zero: ICMS is charged
    uint8_t reservado54[6];
    int64_t aliquota;             // +60
    uint8_t reservado68[2];
    uint16_t situacao;            // +70
    uint8_t reservado72[6];
    char cst[4];                  // +78, 3 characters and a zero
    uint8_t reservado82[4];
    uint8_t isento_ipi1;          // +86
    uint8_t isento_ipi2;          // +87
    uint8_t reservado88;
    uint8_t calcula_ipi;          // +89, non-zero: IPI is charged
    uint8_t reservado90[110];
};
#pragma pack(pop)
static_assert(sizeof(_REG_REFERENCIA_GRADEPS) == 86 && offsetof(_REG_REFERENCIA_GRADEPS, peso_bruto) == 10 &&
              offsetof(_REG_REFERENCIA_GRADEPS, peso_liquido) == 18);
static_assert(sizeof(CHAVE_CONSULTA_IMPOSTO) == 14 && offsetof(CHAVE_CONSULTA_IMPOSTO, estado) == 8);
static_assert(sizeof(RESPOSTA_CONSULTA_IMPOSTO) == 200 && offsetof(RESPOSTA_CONSULTA_IMPOSTO, aliquota) == 60 &&
              offsetof(RESPOSTA_CONSULTA_IMPOSTO, situacao) == 70 && offsetof(RESPOSTA_CONSULTA_IMPOSTO, cst) == 78 &&
              offsetof(RESPOSTA_CONSULTA_IMPOSTO, isento_ipi1) == 86 && offsetof(RESPOSTA_CONSULTA_IMPOSTO, calcula_ipi) == 89);
