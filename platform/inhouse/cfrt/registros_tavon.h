#pragma once
// Records of the session data cache's servers that no other header holds.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#pragma pack(push, 1)
// One bank account or bearer.
struct _REG_BANCO_ps {
    uint8_t reservado_0[8];
    int64_t limite;                   // +8 money (CY ticks)
    char nome[40];                    // +16
    uint8_t reservado_56[326];
    uint8_t inativo;                  // +382 non-zero: inactive
    uint8_t reservado_383;
    uint16_t quantidade_filiais;      // +384
    uint8_t reservado_386[2];
    uint32_t filiais;                 // +388 the branch list's handle (a 32-bit address in the product)
    uint8_t reservado_392[2];
};
#pragma pack(pop)
static_assert(sizeof(_REG_BANCO_ps) == 394 && std::is_trivially_copyable_v<_REG_BANCO_ps>);
static_assert(offsetof(_REG_BANCO_ps, limite) == 8 && offsetof(_REG_BANCO_ps, nome) == 16 &&
              offsetof(_REG_BANCO_ps, inativo) == 382 && offsetof(_REG_BANCO_ps, quantidade_filiais) == 384 &&
              offsetof(_REG_BANCO_ps, filiais) == 388);
