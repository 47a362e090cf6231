#pragma once
// The records of a customer's history (packed, little-endian, zero-filled before they are
// written): the invoices server's sales summary with its request, rows and most-bought block, the
// master server's financial position with its request, and the treasury's third-party cheques.
// Pointer fields are wire pointers (platform/com/wire_pointer.h); the blocks they name are task
// memory the caller frees.
#include <cstddef>
#include <cstdint>

#include "inhouse_cache.h"

namespace inhouse {

#pragma pack(push, 1)
// The sales summary request (by value).
struct REG_PEDIDO_RESUMO_VENDAS {
    uint16_t data_inicial;          // +0
    uint16_t data_final;            // +2
    uint8_t opcao1;                 // +4, 1
    uint8_t opcao2;                 // +5, 1
    uint16_t quantidade;            // +6, positions named (1)
    uint32_t posicoes;              // +8, wire pointer to `quantidade` 32-bit customer positions (the caller's)
};

// One customer's sales summary of the period.
struct REG_RESUMO_VENDAS {
    uint8_t reservado_0[4];         // +0
    int64_t pedidos;                // +4, CURRENCY
    int64_t vendas;                 // +12
    int64_t devolucoes;             // +20
    uint32_t intervalo_medio;       // +28, days between purchases
    uint8_t reservado_32[4];        // +32
    uint32_t mais_comprados;        // +36, wire pointer to a REG_MAIS_COMPRADOS (0: none)
    uint16_t quantidade_linhas;     // +40
    uint32_t linhas;                // +42, wire pointer to the REG_LINHA_RESUMO_VENDAS rows
    uint8_t reservado_46[2];        // +46
};

// One last-purchase row.
struct REG_LINHA_RESUMO_VENDAS {
    uint32_t numero;                // +0
    uint8_t reservado_4[2];         // +4
    char documento[16];             // +6
    uint16_t filial;                // +22, the branch's position
    uint16_t data1;                 // +24
    uint16_t data2;                 // +26
    int64_t valor1;                 // +28, CURRENCY
    int64_t valor2;                 // +36
    uint16_t vendedor;              // +44, the salesperson's position
    uint32_t conta;                 // +46, the account's chart position
    uint32_t extra32;               // +50
    uint16_t extra16;               // +54
};

// A product key of the most-bought block: the product's code (its position) and grid items.
struct REG_CHAVE_MAIS_COMPRADO {
    uint32_t produto;               // +0
    uint16_t grade[3];              // +4
};

// The most-bought products of the period.
struct REG_MAIS_COMPRADOS {
    REG_CHAVE_MAIS_COMPRADO por_quantidade;   // +0
    uint8_t reservado_10[8];                  // +10
    int64_t quantidade;                       // +18, CURRENCY
    uint8_t reservado_26[24];                 // +26
    REG_CHAVE_MAIS_COMPRADO por_valor;        // +50
    uint8_t reservado_60[8];                  // +60
    int64_t valor;                            // +68, CURRENCY
};

// The financial position request (by value).
struct REG_PEDIDO_POSICAO_FINANCEIRA {
    uint16_t data_inicial;          // +0
    uint16_t data_final;            // +2
    uint32_t cliente;               // +4
    uint32_t opcoes;                // +8, 0x200000
    uint16_t zero;                  // +12
    uint8_t reservado_14[42];       // +14
};

// A customer's financial position.
struct REG_POSICAO_FINANCEIRA {
    int64_t a_vencer;               // +0, CURRENCY
    uint8_t reservado_8[8];         // +8
    int64_t vencido;                // +16
    int64_t maior_atraso;           // +24
    uint8_t reservado_32[40];       // +32
    int64_t baixas_inadimplencia;   // +72
    int64_t comprometido;           // +80
    int64_t limite;                 // +88
    int64_t adiantamentos;          // +96
    uint8_t reservado_104[20];      // +104
    uint16_t media_atraso;          // +124, days
    uint8_t reservado_126[8];       // +126
    uint16_t quantidade_baixas;     // +134
    uint16_t data_limite;           // +136
    uint8_t reservado_138[84];      // +138
};

// The third-party cheques filter (by value).
struct REG_FILTRO_CHEQUES_3 {
    uint8_t reservado_0[100];       // +0
    uint32_t cliente;               // +100, 0: every customer
};

// A cheque received from a customer.
struct tagREG_CHEQUE_3PS {
    int64_t valor;                  // +0, CURRENCY
    uint8_t reservado_8[18];        // +8
    uint16_t data;                  // +26, day number
    uint8_t reservado_28[104];      // +28
    uint8_t situacao;               // +132: 5, 6, 7 returned
    uint8_t reservado_133[49];      // +133
    uint32_t cliente;               // +182
};
#pragma pack(pop)

static_assert(sizeof(REG_PEDIDO_RESUMO_VENDAS) == 12 && offsetof(REG_PEDIDO_RESUMO_VENDAS, posicoes) == 8);
static_assert(sizeof(QV_RESUMO_VENDAS_12) == sizeof(REG_PEDIDO_RESUMO_VENDAS));
static_assert(offsetof(REG_RESUMO_VENDAS, pedidos) == 4 && offsetof(REG_RESUMO_VENDAS, vendas) == 12 &&
              offsetof(REG_RESUMO_VENDAS, devolucoes) == 20 && offsetof(REG_RESUMO_VENDAS, intervalo_medio) == 28 &&
              offsetof(REG_RESUMO_VENDAS, mais_comprados) == 36 && offsetof(REG_RESUMO_VENDAS, quantidade_linhas) == 40 &&
              offsetof(REG_RESUMO_VENDAS, linhas) == 42 && sizeof(REG_RESUMO_VENDAS) == 48);
static_assert(sizeof(REG_LINHA_RESUMO_VENDAS) == 56 && offsetof(REG_LINHA_RESUMO_VENDAS, documento) == 6 &&
              offsetof(REG_LINHA_RESUMO_VENDAS, filial) == 22 && offsetof(REG_LINHA_RESUMO_VENDAS, data1) == 24 &&
              offsetof(REG_LINHA_RESUMO_VENDAS, valor1) == 28 && offsetof(REG_LINHA_RESUMO_VENDAS, valor2) == 36 &&
              offsetof(REG_LINHA_RESUMO_VENDAS, vendedor) == 44 && offsetof(REG_LINHA_RESUMO_VENDAS, conta) == 46 &&
              offsetof(REG_LINHA_RESUMO_VENDAS, extra32) == 50 && offsetof(REG_LINHA_RESUMO_VENDAS, extra16) == 54);
static_assert(sizeof(REG_MAIS_COMPRADOS) == 76 && offsetof(REG_MAIS_COMPRADOS, quantidade) == 18 &&
              offsetof(REG_MAIS_COMPRADOS, por_valor) == 50 && offsetof(REG_MAIS_COMPRADOS, valor) == 68);
static_assert(sizeof(REG_PEDIDO_POSICAO_FINANCEIRA) == 56 && offsetof(REG_PEDIDO_POSICAO_FINANCEIRA, cliente) == 4 &&
              offsetof(REG_PEDIDO_POSICAO_FINANCEIRA, opcoes) == 8 && offsetof(REG_PEDIDO_POSICAO_FINANCEIRA, zero) == 12);
static_assert(sizeof(QV_POSICAO_FINANCEIRA_56) == sizeof(REG_PEDIDO_POSICAO_FINANCEIRA));
static_assert(sizeof(REG_POSICAO_FINANCEIRA) == 222 && offsetof(REG_POSICAO_FINANCEIRA, vencido) == 16 &&
              offsetof(REG_POSICAO_FINANCEIRA, maior_atraso) == 24 &&
              offsetof(REG_POSICAO_FINANCEIRA, baixas_inadimplencia) == 72 &&
              offsetof(REG_POSICAO_FINANCEIRA, comprometido) == 80 && offsetof(REG_POSICAO_FINANCEIRA, limite) == 88 &&
              offsetof(REG_POSICAO_FINANCEIRA, adiantamentos) == 96 && offsetof(REG_POSICAO_FINANCEIRA, media_atraso) == 124 &&
              offsetof(REG_POSICAO_FINANCEIRA, quantidade_baixas) == 134 &&
              offsetof(REG_POSICAO_FINANCEIRA, data_limite) == 136);
static_assert(sizeof(REG_FILTRO_CHEQUES_3) == 104);
static_assert(sizeof(tagREG_CHEQUE_3PS) == 186 && offsetof(tagREG_CHEQUE_3PS, data) == 26 &&
              offsetof(tagREG_CHEQUE_3PS, situacao) == 132 && offsetof(tagREG_CHEQUE_3PS, cliente) == 182);

}  // namespace inhouse
