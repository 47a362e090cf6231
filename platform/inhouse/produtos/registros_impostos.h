#pragma once
// The product server's tax answers to the invoice tax calculation (its entries 31, 49, 150, 151
// and 152): the key of the ICMS and document rules, the rules, a product's settings in a branch
// and the PIS/COFINS rule. Packed; amounts are CURRENCY ticks (4 implied decimals), rates 16-bit
// hundredths of a percent unless said otherwise.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// The product server's key of the ICMS and document rules (18 bytes, by value).
struct CHAVE_REGRA_PRODUTO_NF {
    int32_t Zero;                     // +0
    int32_t Produto;                  // +4
    uint16_t Filial;                  // +8
    uint16_t Data;                    // +10, day number (0: the rule in force)
    uint16_t Estado;                  // +12, state code
    int32_t Flag;                     // +14, always 0
};

// The ICMS rule of a product for a branch and a state (60 bytes).
struct REG_REGRA_ICMS_NF {
    int64_t ValorICMS;                // +0
    int64_t ValorST1;                 // +8
    int64_t ValorST2;                 // +16
    uint16_t Aliquota;                // +24
    uint16_t Valor2;                  // +26
    uint8_t reservado28[2];
    uint16_t Valor3;                  // +30
    uint16_t AliquotaST;              // +32
    uint16_t ST34;                    // +34, the ST margin (MVA) in hundredths of a percent
    uint16_t ST36;                    // +36
    uint16_t ST38;                    // +38
    uint16_t ST40;                    // +40
    uint16_t ICMS42;                  // +42
    uint8_t reservado44[5];
    uint8_t Byte49;                   // +49
    uint8_t Situacao;                 // +50, tax-situation code
    uint8_t reservado51;
    uint8_t SituacaoAlternativa;      // +52
    uint8_t SemRegimeEspecial;        // +53, 0: the special regime applies
    uint8_t reservado54[6];
};

// The document rule of a product (32 bytes): IPI and the document model.
struct REG_REGRA_DOCUMENTO_NF {
    int64_t ValorDocumento;           // +0
    uint8_t reservado8[2];
    uint16_t AliquotaIPI;             // +10
    uint16_t ValorIPI2;               // +12
    uint8_t reservado14[2];
    uint16_t ValorIPI3;               // +16
    char Modelo[3];                   // +18
    uint8_t reservado21[5];
    uint8_t FlagIPI1;                 // +26
    uint8_t FlagIPI2;                 // +27
    uint8_t reservado28;
    uint8_t SemRegimeEspecial;        // +29, 0: the special regime applies
    uint8_t FlagIPI3;                 // +30
    uint8_t reservado31;
};

// A product's settings in a branch (48 bytes).
struct REG_FILIAL_PRODUTO_NF {
    int64_t Valor;                    // +0
    uint8_t reservado8[39];
    uint8_t Flag;                     // +47
};

#pragma pack(pop)

static_assert(sizeof(CHAVE_REGRA_PRODUTO_NF) == 18 && offsetof(CHAVE_REGRA_PRODUTO_NF, Produto) == 4 &&
              offsetof(CHAVE_REGRA_PRODUTO_NF, Filial) == 8 && offsetof(CHAVE_REGRA_PRODUTO_NF, Data) == 10 &&
              offsetof(CHAVE_REGRA_PRODUTO_NF, Estado) == 12 && offsetof(CHAVE_REGRA_PRODUTO_NF, Flag) == 14);
static_assert(sizeof(REG_REGRA_ICMS_NF) == 60 && offsetof(REG_REGRA_ICMS_NF, ValorST1) == 8 &&
              offsetof(REG_REGRA_ICMS_NF, Aliquota) == 24 && offsetof(REG_REGRA_ICMS_NF, Valor2) == 26 &&
              offsetof(REG_REGRA_ICMS_NF, Valor3) == 30 && offsetof(REG_REGRA_ICMS_NF, AliquotaST) == 32 &&
              offsetof(REG_REGRA_ICMS_NF, ST34) == 34 && offsetof(REG_REGRA_ICMS_NF, ST40) == 40 &&
              offsetof(REG_REGRA_ICMS_NF, ICMS42) == 42 && offsetof(REG_REGRA_ICMS_NF, Byte49) == 49 &&
              offsetof(REG_REGRA_ICMS_NF, Situacao) == 50 && offsetof(REG_REGRA_ICMS_NF, SituacaoAlternativa) == 52 &&
              offsetof(REG_REGRA_ICMS_NF, SemRegimeEspecial) == 53);
static_assert(sizeof(REG_REGRA_DOCUMENTO_NF) == 32 && offsetof(REG_REGRA_DOCUMENTO_NF, AliquotaIPI) == 10 &&
              offsetof(REG_REGRA_DOCUMENTO_NF, ValorIPI2) == 12 && offsetof(REG_REGRA_DOCUMENTO_NF, ValorIPI3) == 16 &&
              offsetof(REG_REGRA_DOCUMENTO_NF, Modelo) == 18 && offsetof(REG_REGRA_DOCUMENTO_NF, FlagIPI1) == 26 &&
              offsetof(REG_REGRA_DOCUMENTO_NF, FlagIPI2) == 27 && offsetof(REG_REGRA_DOCUMENTO_NF, SemRegimeEspecial) == 29 &&
              offsetof(REG_REGRA_DOCUMENTO_NF, FlagIPI3) == 30);
static_assert(sizeof(REG_FILIAL_PRODUTO_NF) == 48 && offsetof(REG_FILIAL_PRODUTO_NF, Flag) == 47);

// The rule read's arguments.
struct REQ_REGRA_PIS_COFINS {
    int32_t Um = 1;                   // always 1
    int32_t Mascara = 4;              // 4, plus 1 for PIS, plus 2 for COFINS
    int32_t Produto = 0;
    uint16_t Chave = 0;               // the server key (the branch number)
    uint16_t Data = 0;                // today
    uint8_t Entrada = 0;              // 1 for an entry operation
};

#pragma pack(push, 1)

// One tax's pairs in the answer.
struct PARES_PIS_COFINS {
    int64_t Aliquota1;                // +0, money
    uint16_t CST1;                    // +8
    int64_t Aliquota2;                // +10
    uint16_t CST2;                    // +18
};

// The rule read's answer (48 bytes).
struct REG_REGRA_PIS_COFINS {
    PARES_PIS_COFINS PIS;             // +0
    PARES_PIS_COFINS COFINS;          // +20
    int32_t Codigo;                   // +40
    uint8_t CodigoByte;               // +44
    uint8_t Flag;                     // +45
    uint8_t reservado46[2];
};

#pragma pack(pop)

static_assert(sizeof(PARES_PIS_COFINS) == 20 && offsetof(PARES_PIS_COFINS, Aliquota2) == 10);
static_assert(sizeof(REG_REGRA_PIS_COFINS) == 48 && offsetof(REG_REGRA_PIS_COFINS, COFINS) == 20 &&
              offsetof(REG_REGRA_PIS_COFINS, Codigo) == 40 && offsetof(REG_REGRA_PIS_COFINS, Flag) == 45);
