#include "base/exact_decimal.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace exact {
namespace {

// An unsigned integer of up to 288 bits in 32-bit limbs, least significant first; enough for a
// 64-bit value times a 64-bit value times 10^28, and portable to i686 (no __int128).
constexpr int max_limbs = 9;

struct wide {
    uint32_t w[max_limbs] = {};
    int n = 0;  // limbs in use; no leading zero limb
};

void trim(wide& x) {
    while (x.n > 0 && x.w[x.n - 1] == 0) --x.n;
}

wide from_u64(uint64_t v) {
    wide x;
    x.w[0] = static_cast<uint32_t>(v);
    x.w[1] = static_cast<uint32_t>(v >> 32);
    x.n = 2;
    trim(x);
    return x;
}

bool mul_small(wide& x, uint32_t m) {
    uint64_t carry = 0;
    for (int i = 0; i < x.n; ++i) {
        const uint64_t t = static_cast<uint64_t>(x.w[i]) * m + carry;
        x.w[i] = static_cast<uint32_t>(t);
        carry = t >> 32;
    }
    if (carry) {
        if (x.n == max_limbs) return false;
        x.w[x.n++] = static_cast<uint32_t>(carry);
    }
    trim(x);
    return true;
}

bool mul_u64(wide& x, uint64_t m) {
    if (m >> 32 == 0) return mul_small(x, static_cast<uint32_t>(m));
    wide high = x;
    if (!mul_small(x, static_cast<uint32_t>(m))) return false;
    if (!mul_small(high, static_cast<uint32_t>(m >> 32))) return false;
    // x += high << 32
    if (high.n + 1 > max_limbs) return false;
    uint64_t carry = 0;
    const int n = high.n + 1 > x.n ? high.n + 1 : x.n;
    for (int i = 0; i < n; ++i) {
        const uint64_t add_limb = i >= 1 && i - 1 < high.n ? high.w[i - 1] : 0;
        const uint64_t t = static_cast<uint64_t>(i < x.n ? x.w[i] : 0) + add_limb + carry;
        x.w[i] = static_cast<uint32_t>(t);
        carry = t >> 32;
    }
    x.n = n;
    if (carry) {
        if (x.n == max_limbs) return false;
        x.w[x.n++] = static_cast<uint32_t>(carry);
    }
    trim(x);
    return true;
}

bool mul_pow10(wide& x, int k) {
    for (; k >= 9; k -= 9)
        if (!mul_small(x, 1000000000u)) return false;
    static constexpr uint32_t small[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
    return mul_small(x, small[k]);
}

int compare(const wide& a, const wide& b) {
    if (a.n != b.n) return a.n < b.n ? -1 : 1;
    for (int i = a.n - 1; i >= 0; --i)
        if (a.w[i] != b.w[i]) return a.w[i] < b.w[i] ? -1 : 1;
    return 0;
}

// Knuth's algorithm D (in the form of Hacker's Delight, divmnu): q = u / v, r = u % v; v != 0.
void divmod(const wide& u, const wide& v, wide& q, wide& r) {
    q = wide{};
    r = wide{};
    if (compare(u, v) < 0) { r = u; return; }
    const int m = u.n, n = v.n;
    if (n == 1) {
        uint64_t rem = 0;
        for (int j = m - 1; j >= 0; --j) {
            const uint64_t cur = rem << 32 | u.w[j];
            q.w[j] = static_cast<uint32_t>(cur / v.w[0]);
            rem = cur % v.w[0];
        }
        q.n = m;
        trim(q);
        r = from_u64(rem);
        return;
    }
    const int s = __builtin_clz(v.w[n - 1]);
    uint32_t vn[max_limbs] = {}, un[max_limbs + 1] = {};
    for (int i = n - 1; i > 0; --i)
        vn[i] = s ? (v.w[i] << s | v.w[i - 1] >> (32 - s)) : v.w[i];
    vn[0] = v.w[0] << s;
    un[m] = s ? u.w[m - 1] >> (32 - s) : 0;
    for (int i = m - 1; i > 0; --i)
        un[i] = s ? (u.w[i] << s | u.w[i - 1] >> (32 - s)) : u.w[i];
    un[0] = u.w[0] << s;

    constexpr uint64_t base = 1ull << 32;
    for (int j = m - n; j >= 0; --j) {
        const uint64_t num = static_cast<uint64_t>(un[j + n]) << 32 | un[j + n - 1];
        uint64_t qhat = num / vn[n - 1];
        uint64_t rhat = num % vn[n - 1];
        while (qhat >= base || qhat * vn[n - 2] > (rhat << 32 | un[j + n - 2])) {
            --qhat;
            rhat += vn[n - 1];
            if (rhat >= base) break;
        }
        int64_t k = 0, t = 0;
        for (int i = 0; i < n; ++i) {
            const uint64_t p = qhat * vn[i];
            t = static_cast<int64_t>(un[i + j]) - k - static_cast<int64_t>(p & 0xFFFFFFFFu);
            un[i + j] = static_cast<uint32_t>(t);
            k = static_cast<int64_t>(p >> 32) - (t >> 32);
        }
        t = static_cast<int64_t>(un[j + n]) - k;
        un[j + n] = static_cast<uint32_t>(t);
        q.w[j] = static_cast<uint32_t>(qhat);
        if (t < 0) {
            --q.w[j];
            uint64_t carry = 0;
            for (int i = 0; i < n; ++i) {
                const uint64_t sum = static_cast<uint64_t>(un[i + j]) + vn[i] + carry;
                un[i + j] = static_cast<uint32_t>(sum);
                carry = sum >> 32;
            }
            un[j + n] = static_cast<uint32_t>(un[j + n] + carry);
        }
    }
    q.n = m - n + 1;
    trim(q);
    for (int i = 0; i < n; ++i)
        r.w[i] = s ? (un[i] >> s | un[i + 1] << (32 - s)) : un[i];
    r.n = n;
    trim(r);
}

// round_half_even(num / den) with a sign, into a signed 64-bit integer.
bool finish(const wide& num, const wide& den, bool negative, int64_t& out) {
    if (den.n == 0) return false;
    wide q, r;
    divmod(num, den, q, r);
    if (q.n > 2) return false;
    uint64_t mag = q.n == 0 ? 0 : (q.n == 1 ? q.w[0] : (static_cast<uint64_t>(q.w[1]) << 32 | q.w[0]));
    wide twice = r;
    if (!mul_small(twice, 2)) return false;
    const int c = compare(twice, den);
    if (c > 0 || (c == 0 && (mag & 1))) {
        if (mag == UINT64_MAX) return false;
        ++mag;
    }
    const uint64_t limit = negative ? 1ull << 63 : (1ull << 63) - 1;
    if (mag > limit) return false;
    out = negative ? static_cast<int64_t>(0 - mag) : static_cast<int64_t>(mag);
    return true;
}

}  // namespace

// The product of two money values nearly always fits 64 bits: then one division and one
// comparison give the same result as the wide road, at a fraction of its cost.
static bool mul_scaled_narrow(uint64_t magnitude_a, bool negative, uint64_t b, int e, int64_t& out, bool& done) {
    static constexpr uint64_t pow10[] = {1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull,
                                         10000000ull, 100000000ull, 1000000000ull, 10000000000ull};
    uint64_t product = 0;
    done = e <= 0 && e >= -10 && !__builtin_mul_overflow(magnitude_a, b, &product);
    if (!done) return false;
    const uint64_t unit = pow10[-e];
    // Money times money scales by 10^4: a constant divisor the compiler turns into a multiply.
    uint64_t mag = unit == 10000 ? product / 10000 : product / unit;
    const uint64_t rest = product - mag * unit;
    if (rest > unit - rest || (rest == unit - rest && (mag & 1))) ++mag;   // half to even
    const uint64_t limit = negative && product != 0 ? 1ull << 63 : (1ull << 63) - 1;
    if (mag > limit) return false;
    out = negative && product != 0 ? static_cast<int64_t>(0 - mag) : static_cast<int64_t>(mag);
    return true;
}

bool mul_scaled(int64_t a, bool b_negative, uint64_t b, int e, int64_t& out) {
    bool done = false;
    const bool ok = mul_scaled_narrow(magnitude(a), (a < 0) != b_negative, b, e, out, done);
    if (done) return ok;
    wide num = from_u64(magnitude(a));
    wide den = from_u64(1);
    if (!mul_u64(num, b)) return false;
    if (e >= 0) {
        if (!mul_pow10(num, e)) return false;
    } else if (!mul_pow10(den, -e)) {
        return false;
    }
    return finish(num, den, (a < 0) != b_negative && num.n != 0, out);
}

bool div_scaled(int64_t a, bool b_negative, uint64_t b, int e, int64_t& out) {
    if (b == 0) return false;
    wide num = from_u64(magnitude(a));
    wide den = from_u64(b);
    if (e >= 0) {
        if (!mul_pow10(num, e)) return false;
    } else if (!mul_pow10(den, -e)) {
        return false;
    }
    return finish(num, den, (a < 0) != b_negative && num.n != 0, out);
}

bool decimal_from_double(double x, decimal& out) {
    if (!std::isfinite(x)) return false;
    out = decimal{};
    if (x == 0) return true;
    char text[40];
    const auto result = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14);
    if (result.ec != std::errc{}) return false;
    *result.ptr = '\0';
    const char* at = text;
    if (*at == '-') { out.negative = true; ++at; }
    uint64_t mantissa = 0;
    for (; *at && *at != 'e'; ++at)
        if (*at >= '0' && *at <= '9') mantissa = mantissa * 10 + static_cast<uint64_t>(*at - '0');
    const int exponent = *at == 'e' ? atoi(at + 1) : 0;
    int scale = 14 - exponent;
    while (scale > 0 && mantissa % 10 == 0) { mantissa /= 10; --scale; }
    if (scale > 28) {
        // DECIMAL keeps at most 28 decimals: round the digits beyond them away, half to even.
        int64_t rounded = 0;
        if (!mul_scaled(static_cast<int64_t>(mantissa), false, 1, 28 - scale, rounded)) return false;
        mantissa = static_cast<uint64_t>(rounded);
        scale = 28;
        if (mantissa == 0) { out = decimal{}; return true; }
    }
    if (scale < 0) {
        wide value = from_u64(mantissa);
        if (!mul_pow10(value, -scale) || value.n > 3) return false;  // beyond 96 bits
    }
    out.mantissa = mantissa;
    out.scale = scale;
    return true;
}

bool mul_scaled(int64_t a, double b, int e, int64_t& out) {
    decimal d;
    if (!decimal_from_double(b, d)) return false;
    return mul_scaled(a, d.negative, d.mantissa, e - d.scale, out);
}

bool div_scaled(int64_t a, double b, int e, int64_t& out) {
    decimal d;
    if (!decimal_from_double(b, d)) return false;
    return div_scaled(a, d.negative, d.mantissa, e + d.scale, out);
}

bool round_to_unit(int64_t value, int64_t unit, rounding mode, int64_t& out) {
    if (unit <= 1) { out = value; return true; }
    // Whole cents and whole units are nearly every call: constant divisors, no division unit.
    const int64_t q = unit == 100 ? value / 100 : unit == 10000 ? value / 10000 : value / unit;  // toward zero
    const int64_t r = value - q * unit;
    const uint64_t rest = magnitude(r);
    const uint64_t half = static_cast<uint64_t>(unit) / 2;
    bool away = false;
    if (mode == rounding::half_away) away = rest >= half;
    else if (mode == rounding::half_even) away = rest > half || (rest == half && (q & 1) != 0);
    int64_t kept = q;
    if (away && !add(q, value < 0 ? -1 : 1, kept)) return false;
    return !__builtin_mul_overflow(kept, unit, &out);
}

bool scaled_from_double(double x, int decimals, int64_t& out) {
    if (!std::isfinite(x)) return false;
    double scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const double y = std::nearbyint(x * scale);  // the default rounding: half to even
    if (!(y >= -9223372036854775808.0 && y < 9223372036854775808.0)) return false;
    out = static_cast<int64_t>(y);
    return true;
}

}  // namespace exact
