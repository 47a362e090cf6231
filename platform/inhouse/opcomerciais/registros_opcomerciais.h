#pragma once
// The records of the commercial operations server (IQVDF_OperacoesComerciais) as the data-access
// library's commercial operations connection hands them over: packed, zero-filled before they
// are written, texts ended by a NUL inside their field.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
// One commercial operation.
struct _REG_DFSNTF_OPERACOES_COMERCIAIS_PS {
    uint8_t reservado_0[12];      // +0
    uint16_t posicao;             // +12, the operation's register position
    char codigo[22];              // +14
    char descricao[64];           // +36
    int32_t indisponivel_web;     // +100, greater than 0: closed to web clients
    uint8_t reservado_104[88];    // +104
};
// What an operation suggests.
struct _REG_DFSNTF_TIPOS_OPERACOES_PS {
    uint16_t cfop;                // +0, the suggested CFOP, digits only (5102)
    uint8_t reservado_2[2];       // +2
    int32_t icms;                 // +4, the suggested ICMS rate in hundredths of a percent point
    uint8_t reservado_8[248];     // +8
};
// The positions of a note type's operations: the count and a pointer field
// (platform/com/wire_pointer.h) to that many 32-bit entries whose low 16 bits are positions.
struct tagREG_DFSNTF_PONTEIROS_OPCPS {
    uint32_t quantidade;          // +0
    uint32_t ponteiros;           // +4
};
#pragma pack(pop)
static_assert(sizeof(_REG_DFSNTF_OPERACOES_COMERCIAIS_PS) == 192 &&
              offsetof(_REG_DFSNTF_OPERACOES_COMERCIAIS_PS, codigo) == 14 &&
              offsetof(_REG_DFSNTF_OPERACOES_COMERCIAIS_PS, descricao) == 36 &&
              offsetof(_REG_DFSNTF_OPERACOES_COMERCIAIS_PS, indisponivel_web) == 100);
static_assert(sizeof(_REG_DFSNTF_TIPOS_OPERACOES_PS) == 256 && offsetof(_REG_DFSNTF_TIPOS_OPERACOES_PS, cfop) == 0 &&
              offsetof(_REG_DFSNTF_TIPOS_OPERACOES_PS, icms) == 4);
static_assert(sizeof(tagREG_DFSNTF_PONTEIROS_OPCPS) == 8);

namespace inhouse {

// The server's answer for a position or an operation it does not have.
inline constexpr HRESULT QV_E_OPERACAO_DESCONHECIDA = static_cast<HRESULT>(0x80040311u);

}  // namespace inhouse
