#pragma once
// The document register's record and the positions list its server hands out.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "inhouse_documento.h"

// A document type (250 bytes); only the branch, the description and the code are used.
struct tagREG_CADDOCPS {
    BYTE reservado0[48];
    WORD filial;              // 48
    BYTE reservado50[10];
    char descricao[120];      // 60, NUL-terminated ANSI
    char codigo[70];          // 180, NUL-terminated ANSI
};
static_assert(sizeof(tagREG_CADDOCPS) == 250);
static_assert(offsetof(tagREG_CADDOCPS, filial) == 48);
static_assert(offsetof(tagREG_CADDOCPS, descricao) == 60);
static_assert(offsetof(tagREG_CADDOCPS, codigo) == 180);
static_assert(sizeof(QV_CADDOC_250) == sizeof(tagREG_CADDOCPS));

namespace inhouse {

// The positions list: count at 0, the array's wire field at 2 (unaligned: read and written with
// memcpy).
inline constexpr size_t tamanho_lista_documentos = 6;
inline constexpr HRESULT QV_E_DOCUMENTO_DESCONHECIDO = static_cast<HRESULT>(0x80040248u);

}  // namespace inhouse
