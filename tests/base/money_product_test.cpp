#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "base/QVCurrency.h"
#include "platform/com/failure.h"

namespace {

#ifdef __SIZEOF_INT128__
// The product of two CURRENCY values, computed independently with 128-bit integers: the exact
// product scaled back by 10^4, rounded once, half to even. nullopt when it leaves the 64-bit range.
std::optional<int64_t> expected_product(int64_t a, int64_t b) {
    const __int128 p = static_cast<__int128>(a) * b;
    __int128 q = p / 10000;
    const __int128 r = p - q * 10000;
    const __int128 twice = (r < 0 ? -r : r) * 2;
    if (twice > 10000 || (twice == 10000 && (q & 1))) q += p < 0 ? -1 : 1;
    if (q > INT64_MAX || q < INT64_MIN) return std::nullopt;
    return static_cast<int64_t>(q);
}

TEST(MoneyProduct, AgreesWithAnIndependentWideComputation) {
    std::mt19937_64 random(20261210);
    const int64_t ranges[] = {10000, 100000000, 10000000000LL, 1000000000000000LL, INT64_MAX};
    for (int i = 0; i < 200000; ++i) {
        const int64_t ra = ranges[random() % 5], rb = ranges[random() % 5];
        const int64_t a = static_cast<int64_t>(random() % static_cast<uint64_t>(ra)) * ((random() & 1) ? -1 : 1);
        const int64_t b = static_cast<int64_t>(random() % static_cast<uint64_t>(rb)) * ((random() & 1) ? -1 : 1);
        const auto expected = expected_product(a, b);
        CURRENCY x, y;
        x.int64 = a;
        y.int64 = b;
        if (expected) {
            ASSERT_EQ((x * y).int64, *expected) << a << " x " << b;
        } else {
            ASSERT_THROW(x * y, com::failure) << a << " x " << b;
        }
    }
}

TEST(MoneyProduct, TiesGoToTheEvenTick) {
    struct row { int64_t a, b, product; };
    const row rows[] = {
        {5000, 1, 0},       // 0,5 x 0,0001 = 0,00005: a tie, 0 is even
        {15000, 1, 2},      // 1,5 x 0,0001 = 0,00015: a tie, up to 2
        {-15000, 1, -2},
        {25000, 1, 2},      // 0,00025: down to 2
        {10000, 10000, 10000},
        {-1, 1, 0},
    };
    for (const auto& r : rows) {
        CURRENCY x, y;
        x.int64 = r.a;
        y.int64 = r.b;
        EXPECT_EQ((x * y).int64, r.product) << r.a << " x " << r.b;
    }
}
#endif

}  // namespace
