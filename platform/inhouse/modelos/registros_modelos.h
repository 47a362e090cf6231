#pragma once
// The records of the report-model component. Pointer fields are 32 bits wide on both builds and
// go through com::wire_pointer_put / wire_pointer_take.
#include <cstddef>
#include <cstdint>

namespace inhouse {

#pragma pack(push, 1)
// A model's bytes (LeModelo).
struct QV_MODELO_RELATORIO {
    uint16_t reservado;   // +0 not used
    uint32_t tamanho;     // +2 the number of bytes
    uint32_t bytes;       // +6 the bytes (task memory)
};
// The names list (ListaNomes).
struct QV_LISTA_MODELOS {
    uint16_t quantidade;  // +0
    uint32_t nomes;       // +2 quantidade entries of QV_TAMANHO_NOME_MODELO bytes (task memory)
};
#pragma pack(pop)
static_assert(sizeof(QV_MODELO_RELATORIO) == 10 && offsetof(QV_MODELO_RELATORIO, tamanho) == 2 &&
              offsetof(QV_MODELO_RELATORIO, bytes) == 6);
static_assert(sizeof(QV_LISTA_MODELOS) == 6 && offsetof(QV_LISTA_MODELOS, nomes) == 2);

// One entry of the names list: a NUL-terminated ANSI name.
inline constexpr size_t QV_TAMANHO_NOME_MODELO = 256;

}  // namespace inhouse
