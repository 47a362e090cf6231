#pragma once
// One file of the editor server's list, as ListaArquivos fills it: 170 bytes, the name and the
// description as NUL-terminated CP1252 texts.
#include <cstddef>
#include <type_traits>

struct QVSEDITOR_ARQUIVO {
    char nome[50];         // +0
    char descricao[120];   // +50
};
static_assert(std::is_standard_layout_v<QVSEDITOR_ARQUIVO> && std::is_trivially_copyable_v<QVSEDITOR_ARQUIVO>);
static_assert(sizeof(QVSEDITOR_ARQUIVO) == 170);
static_assert(offsetof(QVSEDITOR_ARQUIVO, descricao) == 50);

// The name the editor server's own headers give the entry.
using __MIDL___MIDL_itf_QVSEditor_0000_0000_0001 = QVSEDITOR_ARQUIVO;
