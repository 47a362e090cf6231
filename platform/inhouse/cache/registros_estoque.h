#pragma once
// Records of the stock server (IQVES_Estoque, cache slot 11) as its callers and the stand-in
// exchange them: packed, little-endian, zero-filled before they are written. Money is CURRENCY
// (64-bit, 4 implied decimals) unless said otherwise.
//
// Saldo (entry 40): the balances of one product for one grid-item combination and branch.
//   query, 66 bytes by value:
//     0   product pointer (32-bit)
//     4, 6, 8   grid 1, 2, 3 item positions (16-bit; 0 = every item of that grid)
//     10  branch position (16-bit; 0 = every branch)
//     12  storage place position (32-bit; -1 = every place); 16, 20, 24 (-1) and 32, 36, 40 (-1),
//         28 and 44 (0), byte 48 (0xFF) are the callers' other filters, all "everything" here
//   answer, 396 bytes (the caller zeroes it; the stand-in writes all of it): from offset 10 three
//   128-byte blocks, one per stock kind in the order EP (10), EPT (138), ETPE (266); in each block
//     0   total quantity
//     8   reserved quantity
//     16  available quantity (total - reserved - unavailable); so a caller that reads 26, 154
//         and 282 of the answer reads the available quantity of EP, EPT and ETPE
//     24  unavailable quantity
//     48, 56  the two parts of the pre-issue balance (0 here)
//     96  average cost, 8 implied decimals (EP block only): the rows with a positive quantity
//         weighted by their quantity
//
// BuscaSaldos (entry 41): the balance rows of a list of product keys for one branch.
//   request, 60 bytes by value:
//     0   branch position (16-bit; 0 = every branch)
//     2   storage place position (32-bit; 0 = every place)
//     10  24 (16-bit), 20 number of keys (32-bit), 24 pointer to the keys (wire pointer, 10-byte
//         keys: product pointer 32-bit, grid 1-3 item positions 16-bit; an item 0 = every item),
//     28  1 (32-bit)
//   answer, 8 bytes: row count (32-bit) and a wire pointer to a task-memory array of that many
//   384-byte rows (0 when none), one per product and grid-item combination that has stock rows,
//   in product and item order; the caller frees it. Each row: key at 0-9, the total quantity of
//   EP at 158, EPT at 246, ETPE at 334.
#include <cstddef>
#include <cstdint>

namespace inhouse {

#pragma pack(push, 1)
struct REG_CONSULTA_SALDO {
    uint32_t produto;              // +0
    uint16_t itens[3];             // +4, +6, +8
    uint16_t filial;               // +10
    int32_t local;                 // +12
    int32_t filtros_16[3];         // +16
    uint32_t zero_28;              // +28
    int32_t filtros_32[3];         // +32
    uint32_t zero_44;              // +44
    uint8_t todos_48;              // +48
    uint8_t reservado_49[17];      // +49
};

struct REG_SALDO_TIPO_ESTOQUE {
    int64_t total;                 // +0
    int64_t reservado;             // +8
    int64_t disponivel;            // +16
    int64_t indisponivel;          // +24
    uint8_t reservado_32[16];      // +32
    int64_t pre_emissao[2];        // +48, +56
    uint8_t reservado_64[32];      // +64
    int64_t custo_medio;           // +96, 8 implied decimals
    uint8_t reservado_104[24];     // +104
};

struct REG_SALDO_PRODUTO {
    static constexpr int tipos_estoque = 3;   // EP, EPT, ETPE
    uint8_t reservado_0[10];                  // +0
    REG_SALDO_TIPO_ESTOQUE tipos[tipos_estoque];   // +10, +138, +266
    uint8_t reservado_394[2];                 // +394
};

struct REG_CHAVE_SALDO {
    uint32_t produto;              // +0
    uint16_t itens[3];             // +4
};

struct REG_LISTA_SALDOS {
    uint16_t filial;               // +0
    int32_t local;                 // +2
    uint8_t reservado_6[4];        // +6
    uint16_t vinte_e_quatro;       // +10
    uint8_t reservado_12[8];       // +12
    uint32_t quantidade_chaves;    // +20
    uint32_t chaves;               // +24, wire pointer
    uint32_t um;                   // +28
    uint8_t reservado_32[28];      // +32
};

struct REG_RESPOSTA_SALDOS {
    uint32_t quantidade;           // +0
    uint32_t linhas;               // +4, wire pointer
};

struct _REG_ES_SALDOS_PRODUTOSPS {
    REG_CHAVE_SALDO chave;         // +0
    uint8_t reservado_10[148];     // +10
    int64_t saldo_ep;              // +158
    uint8_t reservado_166[80];     // +166
    int64_t saldo_ept;             // +246
    uint8_t reservado_254[80];     // +254
    int64_t saldo_etpe;            // +334
    uint8_t reservado_342[42];     // +342
};
#pragma pack(pop)

static_assert(sizeof(REG_CONSULTA_SALDO) == 66 && offsetof(REG_CONSULTA_SALDO, filial) == 10 &&
              offsetof(REG_CONSULTA_SALDO, local) == 12 && offsetof(REG_CONSULTA_SALDO, zero_28) == 28 &&
              offsetof(REG_CONSULTA_SALDO, filtros_32) == 32 && offsetof(REG_CONSULTA_SALDO, todos_48) == 48);
static_assert(sizeof(REG_SALDO_TIPO_ESTOQUE) == 128 && offsetof(REG_SALDO_TIPO_ESTOQUE, disponivel) == 16 &&
              offsetof(REG_SALDO_TIPO_ESTOQUE, pre_emissao) == 48 &&
              offsetof(REG_SALDO_TIPO_ESTOQUE, custo_medio) == 96);
static_assert(sizeof(REG_SALDO_PRODUTO) == 396 && offsetof(REG_SALDO_PRODUTO, tipos) == 10);
static_assert(sizeof(REG_CHAVE_SALDO) == 10);
static_assert(sizeof(REG_LISTA_SALDOS) == 60 && offsetof(REG_LISTA_SALDOS, local) == 2 &&
              offsetof(REG_LISTA_SALDOS, vinte_e_quatro) == 10 && offsetof(REG_LISTA_SALDOS, quantidade_chaves) == 20 &&
              offsetof(REG_LISTA_SALDOS, chaves) == 24 && offsetof(REG_LISTA_SALDOS, um) == 28);
static_assert(sizeof(REG_RESPOSTA_SALDOS) == 8);
static_assert(sizeof(_REG_ES_SALDOS_PRODUTOSPS) == 384 && offsetof(_REG_ES_SALDOS_PRODUTOSPS, saldo_ep) == 158 &&
              offsetof(_REG_ES_SALDOS_PRODUTOSPS, saldo_ept) == 246 &&
              offsetof(_REG_ES_SALDOS_PRODUTOSPS, saldo_etpe) == 334);

}  // namespace inhouse
