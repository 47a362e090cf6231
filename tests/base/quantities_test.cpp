#include <gtest/gtest.h>

#include <climits>

#include "base/CQVCurrencyEx8.h"
#include "base/QVConstantesValor.h"
#include "platform/com/failure.h"

namespace {

TEST(Quantities, NormaliseRoundsInEveryMode) {
    constexpr rounding away = rounding::half_away, cut = rounding::truncate, even = rounding::half_even;
    struct rounding_case { double value; int casas; rounding modo; int64_t expected; };
    constexpr rounding_case cases[] = {
        {1234.56789, 2, away, 123457000000}, {1234.56789, 2, cut, 123456000000},
        {0.125, 2, even, 12000000},          {-0.125, 2, even, -12000000},
        {0.135, 2, even, 14000000},          {-1234.56789, 2, away, -123457000000},
        {2.5, 0, even, 200000000},           {3.5, 0, even, 400000000},
        {1.23456789, 8, even, 123456789},    {1.23456789, 8, cut, 123456789},
        {1.23456789, 5, cut, 123456000},     {-1.23456789, 5, away, -123457000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " at " << c.casas << " decimals, mode "
                                        << static_cast<unsigned>(c.modo));
        CQVCurrencyEx8 v(c.value);
        v.SetModo(c.modo);
        v.SetCasasDecimais(c.casas);
        EXPECT_EQ(v.GetValor64(), c.expected);
    }
    CQVCurrencyEx8 fresh;
    EXPECT_EQ(fresh.GetCasasDecimais(), 8);
    EXPECT_EQ(fresh.GetModo(), rounding::half_away);
    CQVCurrencyEx8 kept;
    kept.SetPrecisao(2, false);
    kept = CQVCurrencyEx8(1.999);  // value only: still two decimals, truncating
    EXPECT_EQ(kept.GetValor64(), 199000000);
}

TEST(Quantities, TextIsReadExactly) {
    struct text_case { const char* text; int64_t expected; };
    constexpr text_case cases[] = {
        {"1,5", 150000000},          {"1.5", 150000000},          {"12", 1200000000},
        {"1.234,5", 123450000000},   // the rightmost comma separates the decimals
        {"-1.234,5", -123450000000}, {"1.234", 123400000},        // no comma: the leftmost point
        {"0,123456785", 12345678},   // ninth decimal 5, nothing after, 8 even: stays
        {"0,123456775", 12345678},   // 7 odd: up
        {"0,1234567851", 12345679},  // anything after the 5: up
        {"", 0},                     {"abc", 0},
        {"92233720368,54775807", INT64_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CQVCurrencyEx8 v;
        v.SetValorTexto(c.text);
        EXPECT_EQ(v.GetValor64(), c.expected);
    }
    CQVCurrencyEx8 v;
    EXPECT_THROW(v.SetValorTexto("92233720368,54775808"), com::failure);
    EXPECT_THROW(v.SetValorTexto("123456789012345678901234"), com::failure);
    v.SetCasasDecimais(2);
    v.SetValorTexto("1,239");
    EXPECT_EQ(v.GetValor64(), 124000000);  // normalised with the kept decimals
}

TEST(Quantities, ArithmeticAndConversions) {
    EXPECT_EQ(CQVCurrencyEx8(0.123456789).GetCurrencyEx().GetValor().int64, 1235);
    EXPECT_EQ(static_cast<double>(CQVCurrencyEx8(int64_t{150000000})), 1.5);

    const CQVCurrencyEx8 two_and_half(2.5), four(4.0);
    EXPECT_EQ((two_and_half * four).GetValor64(), 1000000000);
    EXPECT_EQ((two_and_half * qv_cy(30000)).GetValor64(), 750000000);
    EXPECT_EQ((qv_cy(10000) / four).GetValor64(), 25000000);
    EXPECT_EQ((two_and_half / 3.0).GetValor64(), 83333333);
    EXPECT_EQ((1.0 / four).GetValor64(), 25000000);
    EXPECT_EQ((four / qv_cy(20000)).GetValor64(), 200000000);
    EXPECT_EQ((two_and_half / CQVCurrencyEx8()).GetValor64(), 0);   // a quotient by zero is zero
    EXPECT_EQ((two_and_half / 0.0).GetValor64(), 0);
    EXPECT_EQ((two_and_half / qv_cy(0)).GetValor64(), 0);
    CQVCurrencyEx8 q(2.5);
    q /= 0.0;
    EXPECT_EQ(q.GetValor64(), 0);
    EXPECT_EQ((two_and_half + qv_cy(5000)).GetValor64(), 300000000);
    EXPECT_EQ((qv_cy(5000) - two_and_half).GetValor64(), -200000000);

    // value x rate / 100 is one exact step, rounded once at the last place (half to even).
    struct percent_case { int64_t value, rate, expected; };
    constexpr percent_case percents[] = {
        {1000000000, 1250000000, 125000000},          // 12.5 % of 10
        {qv_valor8_cem, 1250000000, 1250000000},      // 12.5 % of 100
        {1496, 10000000, 1},      // 1.496 ticks; rounding after the multiply and again gave 2
        {-1496, 10000000, -1},
        {150, 100000000, 2},      // 1.5 ticks: a tie goes to the even neighbour
        {250, 100000000, 2},
        {INT64_MAX, 20000000000, 0},                  // 200 % does not fit: zero, as a failed step
    };
    for (const auto& c : percents) {
        SCOPED_TRACE(testing::Message() << c.value << " x " << c.rate);
        EXPECT_EQ(CQVCurrencyEx8(c.value).CalculaPercentual(CQVCurrencyEx8(c.rate)).GetValor64(), c.expected);
    }
    CQVCurrencyEx8 rate(int64_t{1000000000});  // 10
    EXPECT_EQ(rate.CalculaPercentual(static_cast<unsigned short>(1234)).GetValor64(), 123400000);  // 12.34 %
    EXPECT_EQ(CQVCurrencyEx8(int64_t{1496}).CalculaPercentual(static_cast<unsigned short>(10)).GetValor64(), 1);

    CQVCurrencyEx8 sum;
    sum += qv_cy(12345);
    sum -= CQVCurrencyEx8(0.2345);
    EXPECT_EQ(sum.GetValor64(), 100000000);

    // Sums and scale changes fail instead of wrapping; products and quotients give zero.
    const CQVCurrencyEx8 top(int64_t{INT64_MAX});
    EXPECT_THROW(top + CQVCurrencyEx8(int64_t{1}), com::failure);
    EXPECT_THROW(CQVCurrencyEx8() + qv_cy(INT64_MAX), com::failure);
    EXPECT_EQ((top * 2.0).GetValor64(), 0);

    CQVCurrencyEx8 shown(1234.5);
    shown.SetCasasDecimais(2);
    EXPECT_EQ(shown.Formata(), "1.234,50");
    shown = -0.5;
    EXPECT_EQ(shown.Formata(), "-0,50");
    EXPECT_EQ(CQVCurrencyEx8(1.5).Formata(), "1,50000000");
}

}  // namespace
