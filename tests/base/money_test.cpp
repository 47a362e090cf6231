#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <optional>
#include <type_traits>

#include "base/CQVCurrencyEx.h"
#include "base/QVConstantesValor.h"
#include "base/QVCurrency.h"
#include "base/exact_decimal.h"
#include "base/value_kernels.h"
#include "platform/com/failure.h"

namespace {

constexpr rounding away = rounding::half_away, cut = rounding::truncate, even = rounding::half_even;

struct rounding_case {
    double value;
    short casas;
    rounding modo;
    int64_t expected;  // raw ticks
};

TEST(Money, NormaliseRoundsInEveryModeAndScale) {
    constexpr rounding_case cases[] = {
        {1.005, 2, away, 10100},   {-1.005, 2, away, -10100},
        {1.005, 2, cut, 10000},    {-1.005, 2, cut, -10000},
        {1.005, 2, even, 10000},   {1.015, 2, even, 10200},
        {-1.005, 2, even, -10000}, {-1.015, 2, even, -10200},
        {2.5, 0, even, 20000},     {3.5, 0, even, 40000},     {2.5001, 0, even, 30000},
        {2.5, 0, away, 30000},     {-2.5, 0, away, -30000},   {2.9999, 0, cut, 20000},
        {-2.9999, 0, cut, -20000},
        {1.2345, 4, cut, 12345},   {1.2345, 4, even, 12345},  {1.2345, 4, away, 12345},  // nothing to round
        {0.0049, 2, away, 0},      {-0.0050, 2, away, -100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " at " << c.casas << " decimals, mode "
                                        << static_cast<unsigned>(c.modo));
        CQVCurrencyEx v(c.value);
        v.SetModo(c.modo);
        v.SetCasasDecimais(c.casas);
        EXPECT_EQ(v.GetValor().int64, c.expected);
    }
}

TEST(Money, SettingsAndAssignmentKeepTheTargetsPrecision) {
    CQVCurrencyEx fresh;
    EXPECT_EQ(fresh.GetCasasDecimais(), 4);
    EXPECT_EQ(fresh.GetModo(), rounding::truncate);

    // A bare 0 or 1 is the rounding flag, never a mode: a mode is named, so the call is not ambiguous.
    static_assert(std::is_constructible_v<CQVCurrencyEx, bool, int, const CQVCurrencyEx&>);
    CQVCurrencyEx par(true, rounding::half_even, CQVCurrencyEx(1.015));
    EXPECT_EQ(par.GetModo(), rounding::half_even);
    EXPECT_EQ(par.GetValor().int64, 10200);
    CQVCurrencyEx dois(true, true, CQVCurrencyEx(1.2351));
    EXPECT_TRUE(dois.EhDuasCasas());
    EXPECT_TRUE(dois.EhArredonda());
    EXPECT_EQ(dois.GetValor().int64, 12400);

    dois = CQVCurrencyEx(9.9999);  // value only: still two decimals, rounding
    EXPECT_EQ(dois.GetValor().int64, 100000);
    dois = qv_cy(12345);
    EXPECT_EQ(dois.GetValor().int64, 12300);

    CQVCurrencyEx c(1.23456789);  // VarCyFromR8: half to even at the fourth decimal
    EXPECT_EQ(c.GetValor().int64, 12346);
    c.SetCasasDecimais(7);  // any other count: four, not normalised
    EXPECT_TRUE(c.EhQuatroCasas());
    c.SetCasasDecimais(1);
    EXPECT_TRUE(c.EhDuasCasas());
    EXPECT_EQ(c.GetValor().int64, 12300);
    c.SetCasasDecimais(0);
    EXPECT_TRUE(c.EhZeroCasas());
    EXPECT_EQ(c.GetValor().int64, 10000);
}

TEST(Money, ArithmeticIsExactAndDivisionByZeroGivesZero) {
    CQVCurrencyEx a(qv_cy(12345678));  // 1234.5678
    a *= 1.1;                          // exact decimal product: 1358.02458 -> 1358.0246 (half even)
    EXPECT_EQ(a.GetValor().int64, 13580246);

    CQVCurrencyEx b(qv_cy(10000));
    b /= 3.0;
    EXPECT_EQ(b.GetValor().int64, 3333);  // truncating mode keeps the 4 decimals of the quotient
    b /= 0.0;
    EXPECT_EQ(b.GetValor().int64, 0);
    CQVCurrencyEx c(qv_cy(50000));
    c /= qv_cy(0);
    EXPECT_EQ(c.GetValor().int64, 0);
    EXPECT_EQ((qv_cy(10000) / qv_cy(0)).int64, 0);
    EXPECT_EQ((qv_cy(10000) / 0.0).int64, 0);

    // Currency x currency: exact 128-bit product rounded half to even (Wine's VarCyMul goes
    // through doubles and loses the last digits here).
    const CURRENCY big = qv_cy(922337203685470000);  // 92,233,720,368,547.0000
    EXPECT_EQ((big * qv_cy(5000)).int64, 461168601842735000);
    EXPECT_EQ((qv_cy(15) * qv_cy(5000)).int64, 8);   // 0.0015 x 0.5 = 0.00075 -> 0.0008
    EXPECT_EQ((qv_cy(25) * qv_cy(5000)).int64, 12);  // 0.00125 -> 0.0012 (tie to even)
    EXPECT_EQ((qv_cy(-25) * qv_cy(5000)).int64, -12);

    EXPECT_EQ((qv_cy(10000) / qv_cy(30000)).int64, 3333);
    EXPECT_EQ((qv_cy(20000) / qv_cy(30000)).int64, 6667);
    EXPECT_EQ((qv_cy(10000) * 0.1).int64, 1000);     // 0.1 is taken as a decimal, not 0.1000000000000000055
    EXPECT_EQ((2.0 / qv_cy(40000)).int64, 5000);     // 2 / 4 = 0.5
    EXPECT_TRUE(qv_cy(15000) == 1.5);
    EXPECT_TRUE(qv_cy(15000) > 1.4999);
    EXPECT_TRUE(1.4999 < qv_cy(15000));
    EXPECT_EQ((-qv_cy(5)).int64, -5);
}

TEST(Money, OverflowFailsInsteadOfWrapping) {
    const CURRENCY max = qv_cy(INT64_MAX);
    EXPECT_THROW(max + qv_cy(1), com::failure);
    EXPECT_THROW(qv_cy(INT64_MIN) - qv_cy(1), com::failure);
    EXPECT_THROW(-qv_cy(INT64_MIN), com::failure);
    EXPECT_THROW(max * qv_cy(20000), com::failure);
    EXPECT_EQ((max * 2.0).int64, 0);  // the decimal road answers 0, as it does for a zero divisor
    EXPECT_THROW(CQVCurrencyEx(1e300), com::failure);
    // Rounding up past the largest value.
    CQVCurrencyEx top(max);
    top.SetArredonda(true);
    EXPECT_THROW(top.SetCasasDecimais(0), com::failure);
    CQVCurrencyEx cents;
    cents = qv_cy(3276799);
    EXPECT_EQ(cents.GetCentesimos(), 32767);
    cents = qv_cy(3276800);  // 327.68 does not fit a 16-bit hundredths field
    EXPECT_THROW(cents.GetCentesimos(), com::failure);
    cents = qv_cy(-3276800);
    EXPECT_EQ(cents.GetCentesimos(), -32768);
}

}  // namespace

namespace {

TEST(Money, TextsParseAndFormatAsTheBoundaryWritesThem) {
    struct parse_case { const char* text; int64_t expected; };
    constexpr parse_case parses[] = {
        {"1.234,56", 12345600}, {"1.234", 12340},    {"12,5-", -125000}, {"", 0},
        {"-0,01", -100},        {"1,23456", 12345},  // decimals beyond four are cut
        {"1,5 ", 15000},                             // a trailing blank is not a decimal
        {"R$ 1.234.567,89", 12345678900},           {"abc", 0},
        {"1.234.567", 12345},                        // no comma: the leftmost point separates
        {"123456789012345678901234567890", 0},  // 25 digits do not fit: refused, not wrapped
    };
    for (const auto& c : parses) {
        SCOPED_TRACE(c.text);
        if (strlen(c.text) > 20) {
            EXPECT_THROW(QVConverteTextoCY(c.text), com::failure);  // beyond the range: no wrap
            continue;
        }
        EXPECT_EQ(QVConverteTextoCY(c.text).int64, c.expected);
    }
    EXPECT_EQ(QVConverteTextoCY(nullptr).int64, 0);

    struct format_case { int64_t raw; const char* cy; const char* milhar; const char* dec2; const char* dec0; };
    constexpr format_case formats[] = {
        {12345000, "1234,50", "1.234,50", "1.234,50", "1.235"},
        {-12345000, "-1234,50", "-1.234,50", "-1.234,50", "-1.235"},
        {0, "0,00", "0,00", "0,00", "0"},
        {12345, "1,2345", "1,2345", "1,23", "1"},
        {12340, "1,234", "1,234", "1,23", "1"},
        {-50, "-0,005", "-0,005", "-0,01", "0"},  // half away from zero at the shown decimals
        {12345675000, "1234567,50", "1.234.567,50", "1.234.567,50", "1.234.568"},
        {INT64_MIN, "-922337203685477,5808", "-922.337.203.685.477,5808", "-922.337.203.685.477,58",
         "-922.337.203.685.478"},
    };
    for (const auto& c : formats) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(QVFormataCY(qv_cy(c.raw)), c.cy);
        EXPECT_EQ(QVFormataCYMilhar(qv_cy(c.raw)), c.milhar);
        EXPECT_EQ(QVFormataCYDecimais(qv_cy(c.raw), 2), c.dec2);
        EXPECT_EQ(QVFormataCYDecimais(qv_cy(c.raw), 0), c.dec0);
    }
    EXPECT_EQ(QVFormataValor8Casas(123456789999, 2), "1.234,56");  // cut, not rounded
    EXPECT_EQ(QVFormataValor8Casas(-123456789999, 0), "-1.234");
    EXPECT_EQ(QVDigitosCY(qv_cy(120000)), "120000");
    EXPECT_EQ(QVDigitosCY(qv_cy(-5000)), "05000");

    char small[6];
    EXPECT_EQ(QVFormataCYMilhar(qv_cy(12345000), small, sizeof small), 5u);  // cut, terminated
    EXPECT_STREQ(small, "1.234");

    CQVCurrencyEx shown(true, false, CQVCurrencyEx(1234.5));
    EXPECT_EQ(shown.Formata(), "1.234,50");
    shown = -1234.5;
    EXPECT_EQ(shown.Formata(), "-1.234,50");
    CQVCurrencyEx four(qv_cy(12345678));
    EXPECT_EQ(four.Formata(), "1.234,5678");

    EXPECT_EQ(QVConverteTextoI4("1.234,5"), 1234);   // half to even
    EXPECT_EQ(QVConverteTextoI4("1.235,5"), 1236);
    EXPECT_EQ(QVConverteTextoUI2("65.535"), 66);  // no comma: 65.535
    EXPECT_THROW(QVConverteTextoUI2("-1"), com::failure);
    EXPECT_THROW(QVConverteTextoUI2("65536"), com::failure);
    EXPECT_EQ(QVConverteNumeroTexto(static_cast<unsigned short>(65535)), "65535");
}

TEST(Money, PercentagesAndInterest) {
    CQVCurrencyEx v(qv_cy(1000000));  // 100
    EXPECT_EQ(v.CalculaPercentual(static_cast<unsigned short>(1234)).int64, 123400);  // 12.34 %
    EXPECT_EQ(v.CalculaPercentual(qv_cy(125000)).int64, 125000);                     // 12.5 %
    EXPECT_EQ(QVCalculaPercentual(qv_cy(1000000), qv_cy(33333), 2).int64, 33300);
    EXPECT_EQ(QVCalculaPercentual(qv_cy(1000000), qv_cy(33333), -1).int64, 33333);
    EXPECT_EQ(QVCalculaPercentual(qv_cy(0), qv_cy(33333), 2).int64, 0);
    EXPECT_EQ(QVCalculaPercentualDe(qv_cy(2000000), qv_cy(500000), 2).int64, 250000);  // 25 %
    EXPECT_EQ(QVCalculaPercentualDe(qv_cy(-1), qv_cy(500000), 2).int64, 0);

    struct juros_case { char kind; unsigned short days; char unit; int64_t expected; };
    constexpr juros_case juros[] = {
        {'S', 60, 'M', 200000},  // 1000 x 2 months x 1 %
        {'S', 60, 'm', 200000},  // lower-case unit is the same month
        {'S', 2, 'D', 200000},
        {'S', 720, 'A', 200000}, // any other unit: 360-day years
        {'C', 60, 'M', 201000},  // compound: 1000 x (1.01^2 - 1) = 20.10
        {'P', 60, 'M', 150200},  // payment 507.51 x 2 - 1000
        {'A', 60, 'M', 99800},   // payment 336.66 x 3 - 1000
        {'P', 0, 'M', 0},        // no period: no interest, no division by zero
        {'S', 0, 'M', 0},        {'A', 0, 'D', 0},
    };
    for (const auto& c : juros) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.days << " " << c.unit);
        EXPECT_EQ(QVCalculaJuros(qv_cy(10000000), c.kind, qv_cy(10000), c.days, c.unit, 2).int64, c.expected);
    }
    EXPECT_EQ(QVCalculaJuros(qv_cy(0), 'S', qv_cy(10000), 30, 'M', 2).int64, 0);
    EXPECT_DOUBLE_EQ(QVArredonda(2.675, 2), 2.67);  // the double is 2.67499999...
    EXPECT_DOUBLE_EQ(QVArredonda(1.5, 0), 2.0);
}

TEST(Money, SharedConstantsAndOpera) {
    EXPECT_EQ(qv_cy_cem.int64, 1000000);
    EXPECT_EQ(qv_cy_zero.int64, 0);
    EXPECT_EQ(qv_cy_zero_ex8.int64, 0);
    EXPECT_EQ(qv_valor8_cem, 10000000000);
    EXPECT_EQ(CQVCurrencyEx(100.0).GetValor().int64, qv_cy_cem.int64);

    CQVCurrencyEx result(true, true, CQVCurrencyEx());
    Opera(CQVCurrencyEx(qv_cy(10000)), CQVCurrencyEx(qv_cy(30000)), '/', result);
    EXPECT_EQ(result.GetValor().int64, 3300);  // 0.3333 kept at two decimals
    Opera(CQVCurrencyEx(qv_cy(10000)), CQVCurrencyEx(qv_cy(30000)), '+', result);
    EXPECT_EQ(result.GetValor().int64, 40000);
    Opera(CQVCurrencyEx(qv_cy(10000)), CQVCurrencyEx(qv_cy(30000)), '?', result);
    EXPECT_EQ(result.GetValor().int64, 40000);  // unknown operator: unchanged

    CQVCurrencyEx sum;
    sum += 0.1;
    sum += qv_cy(2);
    sum -= 0.05;
    EXPECT_EQ(sum.GetValor().int64, 502);
    EXPECT_EQ(static_cast<double>(sum), 0.0502);
}

TEST(Money, KernelsAreTheClassOperations) {
    EXPECT_EQ(value_kernels::multiplica_normaliza(12345678, 11000, 2, away), 13580300);  // 1234.57 x 1.1
    EXPECT_EQ(value_kernels::multiplica_double_normaliza(12345678, 1.1, 4, cut), 13580246);
    EXPECT_EQ(value_kernels::divide_double_normaliza(10000, 0.0, 2, away), 0);
    char text[32];
    value_kernels::formata_cy_milhar(value_kernels::le_texto_cy("1.234,5"), text, sizeof text);
    EXPECT_STREQ(text, "1.234,50");
    value_kernels::formata_data(value_kernels::le_texto_data("5/1/2027"), text, sizeof text);
    EXPECT_STREQ(text, "05/01/2027");
    EXPECT_EQ(value_kernels::converte_texto_data("05/01/2027"), 65385);
}

TEST(Money, ExactDecimalDividesWideNumbers) {
    // Multi-limb divisors go through the long division: 10^28-scaled quotients round once.
    int64_t out = 0;
    ASSERT_TRUE(exact::div_scaled(1, int64_t{3}, 18, out));
    EXPECT_EQ(out, 333333333333333333);
    ASSERT_TRUE(exact::mul_scaled(INT64_MAX, int64_t{INT64_MAX}, -19, out));
    EXPECT_EQ(out, 8507059173023461585);  // (2^63-1)^2 / 10^19, rounded
    ASSERT_TRUE(exact::div_scaled(INT64_MAX, true, 0xFFFFFFFFFFFFull, -4, out));
    EXPECT_EQ(out, -3);  // -(2^63-1) / (2^48-1) / 10^4 = -3.2768...
    EXPECT_FALSE(exact::div_scaled(1, int64_t{0}, 0, out));
    EXPECT_FALSE(exact::mul_scaled(INT64_MAX, int64_t{2}, 0, out));
    ASSERT_TRUE(exact::mul_scaled(INT64_MIN, int64_t{1}, 0, out));
    EXPECT_EQ(out, INT64_MIN);
}

}  // namespace
