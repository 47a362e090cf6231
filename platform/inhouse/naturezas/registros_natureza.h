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
    uint8_t reservado_468[81];    // +468
    uint8_t integracao_financeiro;  // +549, 1 when the nature is integrated with finance
    uint8_t reservado_550[154];   // +550
};
#pragma pack(pop)
static_assert(sizeof(REG_NATUREZA) == 704 && offsetof(REG_NATUREZA, nome) == 22 &&
              offsetof(REG_NATUREZA, filial) == 464 && offsetof(REG_NATUREZA, posicao) == 466 &&
              offsetof(REG_NATUREZA, integracao_financeiro) == 549);

// The natures server's answer for a position without a nature in force.
inline constexpr HRESULT QV_E_NATUREZA_DESCONHECIDA = static_cast<HRESULT>(0x80040301u);

}  // namespace inhouse
