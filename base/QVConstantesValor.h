#pragma once
// Money values shared read-only by the code that needs them, built at compile time.
#include <cstdint>

#include "base/QVCurrency.h"

inline constexpr CURRENCY qv_cy_cem = qv_cy(1000000);         // 100 with four implied decimals
inline constexpr CURRENCY qv_cy_zero = qv_cy(0);
inline constexpr CURRENCY qv_cy_zero_ex8 = qv_cy(0);          // the zero of the 8-decimal operations
inline constexpr int64_t qv_valor8_cem = 10000000000;         // 100 with eight implied decimals
