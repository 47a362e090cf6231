#pragma once
// The product server's price query (its entry 95): the key of a product, price table and grid
// items, and the price items it answers.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
// The key of a price query (24 bytes, by value). Grid item positions 0 stand for "no item".
struct CHAVE_ITENS_PRECO {
    int32_t zero0;                // +0, always 0
    int32_t produto;              // +4, the product's pointer
    uint16_t tabela;              // +8, the price table's pointer
    uint16_t item1;               // +10, grid item positions
    uint16_t item2;               // +12
    uint16_t item3;               // +14
    int32_t zero16;               // +16, always 0
    int32_t zero20;               // +20, always 0
};
// One price item (102 bytes): the price of a product and grid-item combination in a table and the
// largest discount allowed on it.
struct _REG_ITENS_TABELA_PRECOPS {
    int64_t preco;                // +0, the reference price, 8 implied decimals
    int64_t desconto;             // +8, the largest discount, 8 implied decimals: an amount, or a
                                  // percentage when desconto_percentual is set
    int32_t produto;              // +16
    uint16_t tabela;              // +20
    uint16_t item1;               // +22
    uint16_t item2;               // +24
    uint16_t item3;               // +26
    uint8_t reservado28[17];
    uint8_t desconto_percentual;  // +45, nonzero: desconto is a percentage of the price
    uint8_t reservado46[56];
};
#pragma pack(pop)

// The answer of a price query: how many items and a task-memory array of them, most specific
// first (null when there are none); the caller frees the array.
struct RESPOSTA_ITENS_PRECO {
    LONG quantidade;
    _REG_ITENS_TABELA_PRECOPS* itens;
};

static_assert(sizeof(CHAVE_ITENS_PRECO) == 24 && offsetof(CHAVE_ITENS_PRECO, produto) == 4 &&
              offsetof(CHAVE_ITENS_PRECO, tabela) == 8 && offsetof(CHAVE_ITENS_PRECO, item1) == 10 &&
              offsetof(CHAVE_ITENS_PRECO, item3) == 14 && offsetof(CHAVE_ITENS_PRECO, zero20) == 20);
static_assert(sizeof(_REG_ITENS_TABELA_PRECOPS) == 102 && offsetof(_REG_ITENS_TABELA_PRECOPS, desconto) == 8 &&
              offsetof(_REG_ITENS_TABELA_PRECOPS, produto) == 16 && offsetof(_REG_ITENS_TABELA_PRECOPS, item3) == 26 &&
              offsetof(_REG_ITENS_TABELA_PRECOPS, desconto_percentual) == 45);

// The payment conditions a price table does not allow (the product server's entry 141): how many,
// and a task-memory array of 8-byte entries (null when there are none) that the caller frees.
#pragma pack(push, 1)
struct ENTRADA_CONDICAO_VEDADA {
    uint32_t condicao;            // +0, the payment condition's number
    uint32_t reservado4;
};
#pragma pack(pop)
struct RESPOSTA_CONDICOES_VEDADAS {
    LONG quantidade;
    ENTRADA_CONDICAO_VEDADA* entradas;
};
static_assert(sizeof(ENTRADA_CONDICAO_VEDADA) == 8);
