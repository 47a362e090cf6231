#pragma once
// One instalment as the order record carries it to the orders server (an array of these hangs
// on REG_PEDIDO). Packed, little-endian; unnamed bytes are zero.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <type_traits>

#pragma pack(push, 1)
struct REG_PARCELA_PEDIDO {
    CURRENCY Valor;                    // +0
    CURRENCY ValorDesconto;            // +8
    uint8_t zero_16[24];               // +16
    uint16_t DataVencimento;           // +40 day number
    uint16_t DataLimiteDesconto;       // +42 day number, 0 = none
    uint16_t DiasDesconto;             // +44
    uint16_t PercentualDesconto;       // +46 hundredths of a percent
    uint16_t FormaPagamento;           // +48
    uint8_t zero_50[4];                // +50
    char Observacao[50];               // +54 CP1252, zero-filled, not terminated when full
    uint8_t zero_104[2];               // +104
    uint8_t Numero;                    // +106 the number's low byte
    uint8_t Tipo;                      // +107 the condition row's kind
    uint8_t DescontoFixo;              // +108
    uint8_t IcmsSt;                    // +109
    uint8_t zero_110[16];              // +110
};
#pragma pack(pop)

static_assert(sizeof(REG_PARCELA_PEDIDO) == 126 && std::is_trivially_copyable_v<REG_PARCELA_PEDIDO>);
static_assert(offsetof(REG_PARCELA_PEDIDO, ValorDesconto) == 8 && offsetof(REG_PARCELA_PEDIDO, DataVencimento) == 40 &&
              offsetof(REG_PARCELA_PEDIDO, DataLimiteDesconto) == 42 && offsetof(REG_PARCELA_PEDIDO, DiasDesconto) == 44 &&
              offsetof(REG_PARCELA_PEDIDO, PercentualDesconto) == 46 &&
              offsetof(REG_PARCELA_PEDIDO, FormaPagamento) == 48 && offsetof(REG_PARCELA_PEDIDO, Observacao) == 54 &&
              offsetof(REG_PARCELA_PEDIDO, Numero) == 106 && offsetof(REG_PARCELA_PEDIDO, Tipo) == 107 &&
              offsetof(REG_PARCELA_PEDIDO, DescontoFixo) == 108 && offsetof(REG_PARCELA_PEDIDO, IcmsSt) == 109);
