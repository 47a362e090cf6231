// Money and dates: the exact value types against the plain integer road and OLE Automation.
#include <windows.h>
#include <oleauto.h>

#include <cstdint>

#include "base/CQVCurrencyEx.h"
#include "base/QVCurrency.h"
#include "base/value_kernels.h"
#include "harness.h"

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
    const double mul = bench::measure([&] {
        value *= qv_cy(factors[turn ^= 1]);
        keep(value.GetValor64());
    }, 200000);
    int64_t plain_value = value.GetValor64();
    const double plain = bench::measure([&] {
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
    }, 200000);
    const double ole = bench::measure([&] {
        CY a, b, r;
        a.int64 = raw;
        b.int64 = factors[turn ^= 1];
        VarCyMul(a, b, &r);
        raw = r.int64;
        keep(r.int64);
    }, 200000);
    bench::print({"CQVCurrencyEx multiply and normalise (2 decimals, mode 0)", mul});
    bench::print({"plain int64 multiply, divide and round", plain});
    bench::print({"oleaut32 VarCyMul (no normalising)", ole});
    bench::ratio("CQVCurrencyEx / plain int64", mul, plain);
    bench::ratio("CQVCurrencyEx / VarCyMul", mul, ole);

    char text[64];
    const double format = bench::measure([&] {
        keep(value_kernels::formata_cy_milhar(raw++, text, sizeof text));
    }, 100000);
    const double parse = bench::measure([&] { keep(value_kernels::le_texto_cy("1.234.567,89")); }, 100000);
    bench::print({"money text \"1.234.567,89\" formatted", format});
    bench::print({"money text \"1.234.567,89\" parsed", parse});
}

void dates() {
    char text[16];
    uint32_t day = 60000;
    const double format = bench::measure([&] {
        value_kernels::formata_data(day++, text, sizeof text);
        keep(text[0]);
    }, 100000);
    const double parse = bench::measure([&] { keep(value_kernels::le_texto_data("05/01/2027")); }, 100000);
    bench::print({"date formatted dd/mm/yyyy", format});
    bench::print({"date text \"05/01/2027\" parsed", parse});
    std::printf("  %-58s %12.0f /s\n", "date texts formatted per second", 1e9 / format);
    std::printf("  %-58s %12.0f /s\n", "date texts parsed per second", 1e9 / parse);
}

bench::registrar money_group("2 money", money);
bench::registrar date_group("3 dates", dates);

}  // namespace
