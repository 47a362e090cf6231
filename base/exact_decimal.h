#pragma once
// Exact scaled arithmetic behind the money and quantity types. Products and quotients are worked
// out on wide integers and rounded once, half to even, as OLE Automation's currency and decimal
// conversions round; nothing goes through a double. Wine's oleaut32 computes VarCyMul through
// doubles, so the server does not call it.
#include <cstdint>

#include "base/rounding.h"

namespace exact {

// A decimal as OLE DECIMAL holds one converted from a double: +/- mantissa x 10^-scale, with at
// most 15 significant digits; scale may be negative for large values (mantissa x 10^-scale).
struct decimal {
    bool negative = false;
    uint64_t mantissa = 0;
    int scale = 0;
};

// A double rounded to 15 significant digits and at most 28 decimals, as VarDecFromR8 does.
// False for NaN, infinities and magnitudes beyond DECIMAL's 96 bits.
bool decimal_from_double(double x, decimal& out);

// round_half_even(a x b x 10^e); e < 0 divides by 10^-e. False when the result does not fit a
// signed 64-bit integer.
bool mul_scaled(int64_t a, bool b_negative, uint64_t b, int e, int64_t& out);
// round_half_even(a x 10^e / b). False when b is 0 or the result does not fit.
bool div_scaled(int64_t a, bool b_negative, uint64_t b, int e, int64_t& out);

inline uint64_t magnitude(int64_t v) {
    return v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
}
inline bool mul_scaled(int64_t a, int64_t b, int e, int64_t& out) {
    return mul_scaled(a, b < 0, magnitude(b), e, out);
}
inline bool div_scaled(int64_t a, int64_t b, int e, int64_t& out) {
    return div_scaled(a, b < 0, magnitude(b), e, out);
}
// With a double operand taken as a decimal first; false when any step fails.
bool mul_scaled(int64_t a, double b, int e, int64_t& out);
bool div_scaled(int64_t a, double b, int e, int64_t& out);

// Checked 64-bit sums: false on overflow instead of wrapping.
inline bool add(int64_t a, int64_t b, int64_t& out) { return !__builtin_add_overflow(a, b, &out); }
inline bool sub(int64_t a, int64_t b, int64_t& out) { return !__builtin_sub_overflow(a, b, &out); }

// Rounds value to a multiple of unit (a power of ten). False when the rounded value does not fit.
bool round_to_unit(int64_t value, int64_t unit, rounding mode, int64_t& out);

// A double times 10^decimals rounded half to even, as VarCyFromR8 does for 4 decimals. False for
// NaN, infinities and results that do not fit.
bool scaled_from_double(double x, int decimals, int64_t& out);

}  // namespace exact
