// Money and dates: the exact value types against the plain integer road and OLE Automation.
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <string_view>

#include "base/CQVCurrencyEx.h"
#include "base/QVCurrency.h"
#include "base/value_kernels.h"
#include "bench/harness.h"

namespace {

// Keeps the optimiser from dropping a result.
template <class T>
void keep(T value) {
    [[maybe_unused]] static volatile T sink;
    sink = value;
}

void money() {
    // Alternating factors keep the value in range: 3,1415 then 0,3183.
    const int64_t factors[2] = {31415, 3183};
    int64_t raw = 123456789;   // 12.345,6789
    int turn = 0;
    CQVCurrencyEx value;
    value.SetModo(rounding::half_away);
    value.SetCasasDecimais(2);
    value = qv_cy(raw);
    int64_t plain_value = value.GetValor64();
    const auto [mul, plain] = bench::measure_pair([&] {
        value *= qv_cy(factors[turn ^= 1]);
        keep(value.GetValor64());
    }, [&] {
        // the plain int64 road: multiply, scale back rounding half to even, keep 2 decimals
        const int64_t p = plain_value * factors[turn ^= 1];
        int64_t q = p / 10000;
        const int64_t r = p - q * 10000;
        if (r > 5000 || (r == 5000 && (q & 1))) ++q; else if (r < -5000 || (r == -5000 && (q & 1))) --q;
        int64_t c = q / 100;
        const int64_t rc = q - c * 100;
        if (rc >= 50) ++c; else if (rc <= -50) --c;
        plain_value = c * 100;
        keep(plain_value);
    }, 20000);
    int64_t mul_ole = raw;
    const auto [mul_again, ole] = bench::measure_pair([&] {
        value *= qv_cy(factors[turn ^= 1]);
        keep(value.GetValor64());
    }, [&] {
        CY a, b, r;
        a.int64 = mul_ole;
        b.int64 = factors[turn ^= 1];
        VarCyMul(a, b, &r);
        mul_ole = r.int64;
        keep(r.int64);
    }, 20000);
    bench::print("CQVCurrencyEx multiply and normalise (2 decimals, mode 0)", mul);
    bench::print("plain int64 multiply, divide and round", plain);
    bench::print("oleaut32 VarCyMul (no normalising)", ole);
    bench::ratio("CQVCurrencyEx / plain int64", mul, plain);
    bench::ratio("CQVCurrencyEx / VarCyMul", mul_again, ole);

    // The figures name one text, and every timed call formats and parses exactly that one.
    constexpr int64_t named = 12345678900;   // 1.234.567,89 in ticks
    char text[64];
    long format_failures = 0, parse_failures = 0;
    const auto format = bench::measure([&] {
        const size_t n = value_kernels::formata_cy_milhar(named, text, sizeof text);
        if (std::string_view(text, n) != "1.234.567,89") ++format_failures;
    }, 20000);
    const auto parse = bench::measure([&] {
        if (value_kernels::le_texto_cy("1.234.567,89") != named) ++parse_failures;
    }, 20000);
    bench::print("money text \"1.234.567,89\" formatted", format, format_failures);
    bench::print("money text \"1.234.567,89\" parsed", parse, parse_failures);
}

void dates() {
    char text[16];
    uint32_t day = 60000;
    const auto format = bench::measure([&] {
        value_kernels::formata_data(day++, text, sizeof text);
        keep(text[0]);
    }, 20000);
    const uint32_t expected = value_kernels::le_texto_data("05/01/2027");
    long parse_failures = expected == 0 ? 1 : 0;
    const auto parse = bench::measure([&] {
        if (value_kernels::le_texto_data("05/01/2027") != expected) ++parse_failures;
    }, 20000);
    bench::print("date formatted dd/mm/yyyy", format);
    bench::print("date text \"05/01/2027\" parsed", parse, parse_failures);
    std::printf("  %-58s %12.0f /s\n", "date texts formatted per second", 1e9 / format.median());
    std::printf("  %-58s %12.0f /s\n", "date texts parsed per second", 1e9 / parse.median());
}

bench::registrar money_group("2 money", money);
bench::registrar date_group("3 dates", dates);

}  // namespace
