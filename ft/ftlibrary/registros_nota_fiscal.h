#pragma once
// The records of the invoice tax calculation: the session block it is initialised with, the
// 168-byte tax record of a product item it fills and the branch and customer settings it keeps.
// Packed; every named offset asserted on both builds. The product server's rule answers are in
// platform/inhouse/produtos/registros_impostos.h.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// The session block (36 bytes, by value).
struct REG_SESSAO_NOTA_FISCAL {
    char Empresa[28];                 // +0, the company key, at most 27 characters and a NUL
    uint16_t Usuario;                 // +28
    uint8_t reservado30[2];
    int32_t Sessao;                   // +32
};

// The taxes of one product item (168 bytes). Amounts are CURRENCY ticks (4 implied decimals);
// rates are 16-bit hundredths of a percent.
struct REG_IMPOSTOS_PRODUTO_NF {
    int64_t ValorDocumento;           // +0, from the document rule
    int64_t ValorICMS;                // +8
    int64_t ValorICMSST1;             // +16
    int64_t AliquotaPIS;              // +24, money
    int64_t AliquotaCOFINS;           // +32, money
    int64_t ValorFilialProduto;       // +40, the branch's amount for the product
    int64_t ValorICMSST2;             // +48
    uint8_t reservado56[24];
    int32_t CodigoPisCofins;          // +80
    uint8_t reservado84[12];
    uint16_t AliquotaICMS;            // +96
    uint16_t AliquotaIPI;             // +98
    uint16_t ValorIPI2;               // +100
    uint16_t ValorICMS2;              // +102
    uint16_t ValorICMS3;              // +104
    uint16_t ValorICMS4;              // +106
    uint16_t ValorIPI3;               // +108
    uint16_t AliquotaICMSST;          // +110
    uint16_t ValorICMSST2b;           // +112, ST value 2
    uint16_t ValorICMSST3;            // +114
    uint16_t ValorICMSST4;            // +116
    uint16_t CSTPIS;                  // +118
    uint16_t CSTCOFINS;               // +120
    uint8_t reservado122[6];
    char Modelo[4];                   // +128, the document model: 3 characters and a NUL
    uint8_t ByteICMS;                 // +132
    uint8_t CalculaICMS;              // +133, non-zero: ICMS charged
    uint8_t CalculaIPI;               // +134, non-zero: IPI charged
    uint8_t RegimeEspecialICMS;       // +135
    uint8_t FlagIPI1;                 // +136
    uint8_t FlagIPI2;                 // +137
    uint8_t RegimeEspecialIPI;        // +138
    uint8_t FlagIPI3;                 // +139
    uint8_t FlagPisCofins;            // +140
    uint8_t FlagFilialProduto;        // +141
    uint8_t SituacaoTributaria;       // +142
    uint8_t CodigoBytePisCofins;      // +143
    uint8_t reservado144[24];
};

#pragma pack(pop)

static_assert(sizeof(REG_SESSAO_NOTA_FISCAL) == 36 && offsetof(REG_SESSAO_NOTA_FISCAL, Usuario) == 28 &&
              offsetof(REG_SESSAO_NOTA_FISCAL, Sessao) == 32);
static_assert(sizeof(REG_IMPOSTOS_PRODUTO_NF) == 168);
static_assert(offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorICMS) == 8 && offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorICMSST1) == 16 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, AliquotaPIS) == 24 && offsetof(REG_IMPOSTOS_PRODUTO_NF, AliquotaCOFINS) == 32 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorFilialProduto) == 40 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorICMSST2) == 48 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, CodigoPisCofins) == 80 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, AliquotaICMS) == 96 && offsetof(REG_IMPOSTOS_PRODUTO_NF, AliquotaIPI) == 98 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorIPI2) == 100 && offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorICMS2) == 102 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorICMS3) == 104 && offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorICMS4) == 106 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorIPI3) == 108 && offsetof(REG_IMPOSTOS_PRODUTO_NF, AliquotaICMSST) == 110 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorICMSST2b) == 112 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, ValorICMSST4) == 116 && offsetof(REG_IMPOSTOS_PRODUTO_NF, CSTPIS) == 118 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, CSTCOFINS) == 120 && offsetof(REG_IMPOSTOS_PRODUTO_NF, Modelo) == 128 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, ByteICMS) == 132 && offsetof(REG_IMPOSTOS_PRODUTO_NF, CalculaICMS) == 133 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, CalculaIPI) == 134 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, RegimeEspecialICMS) == 135 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, FlagIPI1) == 136 && offsetof(REG_IMPOSTOS_PRODUTO_NF, RegimeEspecialIPI) == 138 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, FlagIPI3) == 139 && offsetof(REG_IMPOSTOS_PRODUTO_NF, FlagPisCofins) == 140 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, FlagFilialProduto) == 141 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, SituacaoTributaria) == 142 &&
              offsetof(REG_IMPOSTOS_PRODUTO_NF, CodigoBytePisCofins) == 143);
// The branch's tax settings.
struct CONFIG_FILIAL_NF {
    uint16_t Filial = 0;              // the branch number
    uint16_t CodigoMestre = 0;        // the commercial master's code
    uint16_t Chave = 0;               // the branch key (offset 4 of its record): the rates file's key
    uint16_t Municipio = 0;
    uint16_t Estado = 0;
    uint16_t AliquotaEstado = 0;      // hundredths of a percent; 0 until the state server gives it
    bool AjustaCST = false;
    uint8_t OpcaoSituacaoAlternativa = 0;
};

// The customer's tax settings.
struct CONFIG_CLIENTE_NF {
    uint16_t Municipio = 0;
    char UF[6] = {};                  // up to 5 characters
    uint16_t Estado = 0;
    uint16_t AliquotaEstado = 0;
    uint16_t AliquotaICMSST = 0;
    bool ProprioEstado = false;
    bool RegimeEspecial = false;
    bool STAlternativa = false;
    bool PisCofinsAlternativa = false;
    bool Modelo55 = false;
    bool ExcecaoRegimeICMS = false;
    bool ExcecaoRegimeIPI = false;
    bool UsaAliquotaST = false;
};
