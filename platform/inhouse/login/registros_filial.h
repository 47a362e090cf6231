#pragma once
// The branch record of the branch server (IQVCN_Filial), as the data-access library's branch
// connection hands it over: packed, little-endian, zero-filled before it is written, texts ended
// by a NUL inside their field. QV_FILIAL_4818 carries the same bytes.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "inhouse_registros.h"

namespace inhouse {

#pragma pack(push, 1)
struct REG_FILIAL {
    uint8_t reservado_0[4];     // +0
    uint16_t codigo;            // +4, the branch's number
    uint8_t reservado_6[366];   // +6
    char nome[61];              // +372
    char cnpj[19];              // +433, "99.999.999/9999-99"
    char inscricao_estadual[21];  // +452, as the state writes it
    uint8_t reservado_473[213]; // +473
    char uf[3];                 // +686, the branch's state ("SP")
    uint8_t reservado_689[45];  // +689
    char ajusta_cst;            // +734, 'S': PIS/COFINS tax situations adjusted to the operation
    uint8_t reservado_735[2045];  // +735
    uint16_t municipio;         // +2780, the municipality's register position (0: none)
    uint16_t estado;            // +2782, the state's register position
    uint8_t reservado_2784[808];  // +2784
    char homepage[121];         // +3592, the branch's web address
    uint8_t reservado_3713[32]; // +3713
    uint8_t opcao_situacao;     // +3745, 1: the ICMS rule's alternative tax situation
    uint8_t reservado_3746[1072];  // +3746
};
#pragma pack(pop)
static_assert(sizeof(REG_FILIAL) == 4818 && offsetof(REG_FILIAL, codigo) == 4 && offsetof(REG_FILIAL, nome) == 372 &&
              offsetof(REG_FILIAL, cnpj) == 433 && offsetof(REG_FILIAL, inscricao_estadual) == 452 &&
              offsetof(REG_FILIAL, uf) == 686 && offsetof(REG_FILIAL, homepage) == 3592);
static_assert(offsetof(REG_FILIAL, ajusta_cst) == 734 && offsetof(REG_FILIAL, municipio) == 2780 &&
              offsetof(REG_FILIAL, estado) == 2782 && offsetof(REG_FILIAL, opcao_situacao) == 3745);
static_assert(sizeof(QV_FILIAL_4818) == sizeof(REG_FILIAL));

// The branch number that LeLogotipo takes for the company's own logo, and the option that asks
// for the logo's full path (the installation's images folder before a bare file name).
inline constexpr LONG logotipo_empresa = -1;
inline constexpr LONG logotipo_caminho_completo = 1;

// The branch server's answer for a position without a branch.
inline constexpr HRESULT QV_E_FILIAL_DESCONHECIDA = static_cast<HRESULT>(0x80040203u);

}  // namespace inhouse
