#pragma once
// The information record the report component fills when it opens a report file. Only the
// file's length is read by the server; the rest belongs to the component.
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace inhouse {

struct QV_INFO_RELATORIO {
    uint8_t reservado_0[12];
    uint32_t tamanho;             // +12: the file's length in bytes
    uint8_t reservado_16[4420];
};
static_assert(std::is_standard_layout_v<QV_INFO_RELATORIO> && std::is_trivially_copyable_v<QV_INFO_RELATORIO>);
static_assert(sizeof(QV_INFO_RELATORIO) == 4436);
static_assert(offsetof(QV_INFO_RELATORIO, tamanho) == 12);

}  // namespace inhouse
