#pragma once
// The operation nature record of the natures server (IQVDF_Naturezas), as the data-access
// library's nature connection hands it over: packed, zero-filled before it is written, texts
// ended by a NUL inside their field.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace inhouse {

#pragma pack(push, 1)
struct REG_NATUREZA {
    char codigo[22];              // +0, the CFOP code, digits without separators
    char nome[61];                // +22
    uint8_t reservado_83[381];    // +83
    uint16_t filial;              // +464, the branch the nature belongs to (0: every branch)
    uint16_t posicao;             // +466, the nature's register position
    uint8_t reservado_468[27];    // +468
    uint8_t incide_icms;          // +495, the taxes the nature charges (non-zero: charged)
    uint8_t incide_ipi;           // +496
    uint8_t incide_pis;           // +497
    uint8_t incide_cofins;        // +498
    uint8_t incide_icms_st;       // +499
    uint8_t reservado_500[29];    // +500
    uint8_t flag_529;             // +529, ICMS marks the tax calculation copies further values by
    uint8_t flag_530;             // +530
    uint8_t reservado_531[18];    // +531
    uint8_t integracao_financeiro;  // +549, 1 when the nature is integrated with finance
    uint8_t reservado_550[74];    // +550
    uint8_t cst_pis;              // +624, the PIS tax situation of a nature without a PIS rule
    uint8_t reservado_625[12];    // +625
    uint8_t cst_cofins;           // +637
    uint8_t reservado_638[12];    // +638
    uint8_t flag_650;             // +650
    uint8_t reservado_651;        // +651
    int32_t codigo_pis_cofins;    // +652, the PIS/COFINS code of a nature without a rule
    uint8_t reservado_656[48];    // +656
};
#pragma pack(pop)
static_assert(sizeof(REG_NATUREZA) == 704 && offsetof(REG_NATUREZA, nome) == 22 &&
              offsetof(REG_NATUREZA, filial) == 464 && offsetof(REG_NATUREZA, posicao) == 466 &&
              offsetof(REG_NATUREZA, integracao_financeiro) == 549);
static_assert(offsetof(REG_NATUREZA, incide_icms) == 495 && offsetof(REG_NATUREZA, incide_icms_st) == 499 &&
              offsetof(REG_NATUREZA, flag_529) == 529 && offsetof(REG_NATUREZA, flag_530) == 530 &&
              offsetof(REG_NATUREZA, cst_pis) == 624 && offsetof(REG_NATUREZA, cst_cofins) == 637 &&
              offsetof(REG_NATUREZA, flag_650) == 650 && offsetof(REG_NATUREZA, codigo_pis_cofins) == 652);

// The natures server's answer for a position without a nature in force.
inline constexpr HRESULT QV_E_NATUREZA_DESCONHECIDA = static_cast<HRESULT>(0x80040301u);

}  // namespace inhouse
