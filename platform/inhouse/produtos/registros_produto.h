#pragma once
// The records of the product server (IQVDF_Produto) as the data-access library's product, grid,
// unit and service connections hand them over: packed, zero-filled before they are written,
// texts ended by a NUL inside their field. Only the fields the server fills are named; the rest
// stays zero.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "inhouse_produtos.h"

#pragma pack(push, 1)

// One product, priced in the price table it was read with (984 bytes).
struct _REG_PRODUTOPS {
    uint8_t reservado0[8];
    int64_t preco;                // +8, the price in the table, 8 implied decimals
    uint8_t reservado16[8];
    int64_t peso_bruto;           // +24, 4 implied decimals and as many more as casas_peso_bruto says
    int64_t peso_liquido;         // +32, likewise with casas_peso_liquido
    uint8_t reservado40[32];
    int64_t embalagem;            // +72, the packaging quantity as a CURRENCY
    uint8_t reservado80[24];
    uint32_t ponteiro;            // +104, the product's own pointer
    uint32_t descricao;           // +108, the key of its description text (here its pointer)
    uint32_t comissao;            // +112, the salesperson's commission, hundredths of a percent point
    uint32_t estoque_minimo;      // +116, units
    uint32_t estoque_maximo;      // +120, units
    uint8_t reservado124[32];
    uint32_t pallet;              // +156, units on a pallet
    uint8_t reservado160[16];
    uint16_t unidade;             // +176, the unit of measure's pointer
    uint8_t reservado178[8];
    uint16_t grade1;              // +186, grid pointers (0: none)
    uint16_t grade2;              // +188
    uint16_t grade3;              // +190
    uint16_t origem;              // +192, the goods' origin (0 national, 1 imported directly, 2 bought imported)
    uint8_t reservado194[4];
    uint16_t desconto_unitario;   // +198, hundredths of a percent point
    uint8_t reservado200[2];
    uint16_t prazo_entrega;       // +202, delivery days
    uint8_t reservado204[8];
    uint16_t familia;             // +212, the product family's code
    uint8_t reservado214[22];
    char nome[184];               // +236
    char classificacao[30];       // +420
    char codigo[21];              // +450
    uint8_t reservado471[63];
    char referencia[61];          // +534, the maker's reference, at most 60 characters
    uint8_t reservado595[334];
    uint8_t casas_preco;          // +929, decimals shown for the price
    uint8_t reservado930;
    uint8_t casas_custo;          // +931, decimals of the product's costs
    uint8_t ofertado;             // +932, 1 when offered in the table (0: left out)
    uint8_t tipo;                 // +933, 'A' analytic or 'T' title
    uint8_t reservado934;
    uint8_t regra_icms_propria;   // +935, non-zero: the ICMS rate comes from the product's own rule
    uint8_t reservado936[7];
    // The weights' decimals codes: 2 to 6 say the weight holds 1 to 5 decimals more than a
    // CURRENCY's four; any other code, none more.
    uint8_t casas_peso_bruto;     // +943
    uint8_t casas_peso_liquido;   // +944
    uint8_t reservado945[5];
    uint8_t diferimento;          // +950, non-zero: ICMS deferred (tax situation 51 keeps it charged)
    uint8_t reservado951[33];
};

// One service (522 bytes).
struct _REG_SERVICOSPS {
    uint8_t reservado0[8];
    int64_t preco;                // +8, the sales price as a CURRENCY (4 implied decimals)
    uint8_t reservado16[50];
    uint16_t unidade;             // +66, the service unit's pointer
    uint8_t reservado68[40];
    char classificacao[52];       // +108
    char codigo[22];              // +160
    char nome[101];               // +182
    uint8_t reservado283[225];
    uint8_t casas;                // +508, decimals of the quantity
    uint8_t reservado509[13];
};

// One price table; product and service tables share the layout (102 bytes).
struct _REG_TABELA_PRECOSPS {
    uint16_t validade;            // +0, last day before which it is offered (0: no end)
    uint8_t reservado2[2];
    char nome[52];                // +4
    char codigo[36];              // +56
    uint8_t bloqueada;            // +92, nonzero: not offered
    uint8_t tipo;                 // +93, 'V' sales, 'C' purchases
    uint8_t reservado94[8];
};
using _REG_TABELA_PRECOS_SERVICOSPS = _REG_TABELA_PRECOSPS;

// A product unit of measure (72 bytes).
struct _REG_UNIDADES_MEDIDAPS {
    char descricao[46];           // +0
    char unidade[18];             // +46, the unit's abbreviation
    uint8_t casas;                // +64, the decimals code of quantities in this unit
    uint8_t reservado65[7];
};

// A service unit of measure (76 bytes).
struct _REG_UNIDADES_MEDIDA_SERVICOSPS {
    char descricao[42];           // +0
    char unidade[18];             // +42
    uint8_t casas;                // +60, decimals code: 0 none, 1 two, 2 four
    uint8_t horario;              // +61, 1 when quantities are times (hh:mm)
    uint8_t reservado62[14];
};

// A product grid's header (64 bytes).
struct _REG_GRADES_PRODUTOPS {
    uint16_t ponteiro;            // +0
    uint16_t codigo;              // +2
    char descricao[60];           // +4
};

// One item of a grid (64 bytes).
struct _REG_ITENS_GRADE_PRODUTOPS {
    uint16_t ponteiro;            // +0, the item's position in its grid
    char codigo[9];               // +2
    char descricao[53];           // +11
};

// The item positions of a grid (6 bytes): the count and the 32-bit wire field
// (platform/com/wire_pointer.h) of a task-memory array of that many 16-bit positions, which the
// record's holder frees.
struct _REG_PONTEIROS_ITENS_GRADE_PRODUTOPS {
    uint16_t quantidade;          // +0
    uint32_t itens;               // +2
};

// The product module's parameters of a company (744 bytes).
struct _REG_PARAMETROS_PRODUTOPS {
    uint8_t reservado0[677];
    uint8_t usa_referencia;       // +677, non-zero: items are known by their reference
    uint8_t reservado678[66];
};

#pragma pack(pop)

static_assert(sizeof(_REG_PARAMETROS_PRODUTOPS) == 744 && offsetof(_REG_PARAMETROS_PRODUTOPS, usa_referencia) == 677);

static_assert(sizeof(_REG_PRODUTOPS) == 984 && sizeof(QV_PRODUTO_984) == 984);
static_assert(offsetof(_REG_PRODUTOPS, preco) == 8 && offsetof(_REG_PRODUTOPS, ponteiro) == 104 &&
              offsetof(_REG_PRODUTOPS, unidade) == 176 && offsetof(_REG_PRODUTOPS, grade1) == 186 &&
              offsetof(_REG_PRODUTOPS, grade3) == 190 && offsetof(_REG_PRODUTOPS, nome) == 236 &&
              offsetof(_REG_PRODUTOPS, classificacao) == 420 && offsetof(_REG_PRODUTOPS, codigo) == 450 &&
              offsetof(_REG_PRODUTOPS, casas_preco) == 929 && offsetof(_REG_PRODUTOPS, ofertado) == 932 &&
              offsetof(_REG_PRODUTOPS, regra_icms_propria) == 935 && offsetof(_REG_PRODUTOPS, diferimento) == 950);
static_assert(offsetof(_REG_PRODUTOPS, peso_bruto) == 24 && offsetof(_REG_PRODUTOPS, peso_liquido) == 32 &&
              offsetof(_REG_PRODUTOPS, embalagem) == 72 && offsetof(_REG_PRODUTOPS, pallet) == 156 &&
              offsetof(_REG_PRODUTOPS, desconto_unitario) == 198 && offsetof(_REG_PRODUTOPS, prazo_entrega) == 202 &&
              offsetof(_REG_PRODUTOPS, casas_peso_bruto) == 943 && offsetof(_REG_PRODUTOPS, casas_peso_liquido) == 944);
static_assert(offsetof(_REG_PRODUTOPS, comissao) == 112 && offsetof(_REG_PRODUTOPS, estoque_minimo) == 116 &&
              offsetof(_REG_PRODUTOPS, estoque_maximo) == 120 && offsetof(_REG_PRODUTOPS, origem) == 192 &&
              offsetof(_REG_PRODUTOPS, familia) == 212 && offsetof(_REG_PRODUTOPS, referencia) == 534);
static_assert(sizeof(_REG_SERVICOSPS) == 522 && sizeof(QV_SERVICO_522) == 522);
static_assert(offsetof(_REG_SERVICOSPS, preco) == 8 && offsetof(_REG_SERVICOSPS, unidade) == 66 &&
              offsetof(_REG_SERVICOSPS, classificacao) == 108 && offsetof(_REG_SERVICOSPS, codigo) == 160 &&
              offsetof(_REG_SERVICOSPS, nome) == 182 && offsetof(_REG_SERVICOSPS, casas) == 508);
static_assert(sizeof(_REG_TABELA_PRECOSPS) == 102 && sizeof(QV_TABELA_PRECO_102) == 102);
static_assert(offsetof(_REG_TABELA_PRECOSPS, nome) == 4 && offsetof(_REG_TABELA_PRECOSPS, codigo) == 56 &&
              offsetof(_REG_TABELA_PRECOSPS, bloqueada) == 92);
static_assert(sizeof(_REG_UNIDADES_MEDIDAPS) == 72 && sizeof(QV_UNIDADE_72) == 72 &&
              offsetof(_REG_UNIDADES_MEDIDAPS, unidade) == 46 && offsetof(_REG_UNIDADES_MEDIDAPS, casas) == 64);
static_assert(sizeof(_REG_UNIDADES_MEDIDA_SERVICOSPS) == 76 && sizeof(QV_UNIDADE_76) == 76 &&
              offsetof(_REG_UNIDADES_MEDIDA_SERVICOSPS, unidade) == 42 &&
              offsetof(_REG_UNIDADES_MEDIDA_SERVICOSPS, casas) == 60 &&
              offsetof(_REG_UNIDADES_MEDIDA_SERVICOSPS, horario) == 61);
static_assert(sizeof(_REG_GRADES_PRODUTOPS) == 64 && sizeof(QV_GRADE_64) == 64 &&
              offsetof(_REG_GRADES_PRODUTOPS, descricao) == 4);
static_assert(sizeof(_REG_ITENS_GRADE_PRODUTOPS) == 64 && offsetof(_REG_ITENS_GRADE_PRODUTOPS, codigo) == 2 &&
              offsetof(_REG_ITENS_GRADE_PRODUTOPS, descricao) == 11);
static_assert(sizeof(_REG_PONTEIROS_ITENS_GRADE_PRODUTOPS) == 6 &&
              offsetof(_REG_PONTEIROS_ITENS_GRADE_PRODUTOPS, itens) == 2);

namespace inhouse {

// The product server's answers for what it does not have.
inline constexpr HRESULT QV_E_PRODUTO_DESCONHECIDO = static_cast<HRESULT>(0x800403A0u);
inline constexpr HRESULT QV_E_TABELA_DESCONHECIDA = static_cast<HRESULT>(0x800403A1u);
inline constexpr HRESULT QV_E_SERVICO_DESCONHECIDO = static_cast<HRESULT>(0x800403A2u);
// A service position whose service was deleted: the register keeps the position empty.
inline constexpr HRESULT QV_E_SERVICO_EXCLUIDO = static_cast<HRESULT>(0x800403A3u);
inline constexpr HRESULT QV_E_UNIDADE_DESCONHECIDA = static_cast<HRESULT>(0x800403A4u);
inline constexpr HRESULT QV_E_GRADE_DESCONHECIDA = static_cast<HRESULT>(0x800403A5u);
// A date of the register that a 16-bit day number cannot hold.
inline constexpr HRESULT QV_E_DATA_FORA_DO_CAMPO = static_cast<HRESULT>(0x800403A6u);
// A tax-situation code the register does not have.
inline constexpr HRESULT QV_E_SITUACAO_DESCONHECIDA = static_cast<HRESULT>(0x800403A7u);

}  // namespace inhouse
