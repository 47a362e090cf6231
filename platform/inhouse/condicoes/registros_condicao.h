#pragma once
// The payment-condition record of the data-access library (168 bytes) and the 6-byte instalment
// rows of a condition, as the payment-condition server hands them out. Packed, little-endian.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#pragma pack(push, 1)
struct _REG_COND_PAGTOPS {
    uint16_t Posicao;                  // +0 the register position (the code, in the stand-in)
    uint16_t Codigo;                   // +2 the key of the instalment rows
    uint16_t Taxa;                     // +4 interest or discount rate, hundredths of a percent
    uint16_t DescontoParcela;          // +6 instalment discount, hundredths of a percent
    uint16_t DiasDesconto;             // +8 days before the due date the discount runs
    uint16_t Validade;                 // +10 last day of use, 16-bit day number; 0: no limit
    uint8_t reservado_12[4];           // +12
    char CodigoTexto[94];              // +16 the code users type, CP1252, terminated
    char Nome[33];                     // +110 CP1252, terminated
    uint8_t QtdParcelas;               // +143
    uint8_t TipoCobranca;              // +144 0 none, 1 interest, 2 discount
    uint8_t ParcelasComDesconto;       // +145 instalments carry the discount percentage and days
    uint8_t JurosSimples;              // +146 0: the annuity family
    uint8_t Simples30Dias;             // +147
    uint8_t NumeraDeZero;              // +148
    uint8_t Entrada;                   // +149 the first instalment is a down payment
    uint8_t reservado_150;             // +150
    uint8_t ComprasPodeUsar;           // +151 purchases may use the condition (non-zero)
    uint8_t reservado_152;             // +152
    uint8_t JurosUltimoPrazo;          // +153 compound, or simple over the last instalment's days
    uint8_t reservado_154[2];          // +154
    uint8_t SegundaSeguinte;           // +156 the base date moves to the next week's Monday
    uint8_t reservado_157[11];         // +157
};

struct REG_LINHA_CONDICAO_PAGTO {
    uint16_t Percentual;               // +0 hundredths of a percent
    int16_t Dias;                      // +2 days from the base date
    uint8_t Tipo;                      // +4 passed through to the instalment
    uint8_t reservado_5;               // +5
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<_REG_COND_PAGTOPS> && sizeof(_REG_COND_PAGTOPS) == 168);
static_assert(offsetof(_REG_COND_PAGTOPS, Validade) == 10 && offsetof(_REG_COND_PAGTOPS, CodigoTexto) == 16 &&
              offsetof(_REG_COND_PAGTOPS, Nome) == 110 && offsetof(_REG_COND_PAGTOPS, ComprasPodeUsar) == 151);
static_assert(offsetof(_REG_COND_PAGTOPS, Codigo) == 2 && offsetof(_REG_COND_PAGTOPS, Taxa) == 4 &&
              offsetof(_REG_COND_PAGTOPS, DescontoParcela) == 6 && offsetof(_REG_COND_PAGTOPS, DiasDesconto) == 8 &&
              offsetof(_REG_COND_PAGTOPS, QtdParcelas) == 143 && offsetof(_REG_COND_PAGTOPS, TipoCobranca) == 144 &&
              offsetof(_REG_COND_PAGTOPS, ParcelasComDesconto) == 145 &&
              offsetof(_REG_COND_PAGTOPS, JurosSimples) == 146 && offsetof(_REG_COND_PAGTOPS, Simples30Dias) == 147 &&
              offsetof(_REG_COND_PAGTOPS, NumeraDeZero) == 148 && offsetof(_REG_COND_PAGTOPS, Entrada) == 149 &&
              offsetof(_REG_COND_PAGTOPS, JurosUltimoPrazo) == 153 &&
              offsetof(_REG_COND_PAGTOPS, SegundaSeguinte) == 156);
static_assert(sizeof(REG_LINHA_CONDICAO_PAGTO) == 6 && offsetof(REG_LINHA_CONDICAO_PAGTO, Dias) == 2 &&
              offsetof(REG_LINHA_CONDICAO_PAGTO, Tipo) == 4);
