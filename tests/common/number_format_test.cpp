#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "common/number_format.h"

using vostrel::formatFixed;
using vostrel::formatShortest;

TEST(NumberFormat, ShortestRoundTripDigitsKeepAFractionalZeroAndUseExponentsAtTheExtremes) {
    const std::pair<double, const char*> cases[] = {
        {10.0, "10.0"},
        {-0.0, "-0.0"},
        {4.25, "4.25"},
        {0.1 + 0.2, "0.30000000000000004"},
        {0.0001, "0.0001"},
        {0.000015, "1.5e-05"},
        {-0.00001, "-1e-05"},
        {1e16, "1e+16"},
        {9999999999999998.0, "9999999999999998.0"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(formatShortest(value), expected) << value;
}

// Ties and near-ties round as the binary value says, exactly like printf in the C locale.
TEST(NumberFormat, FixedDecimalsMatchPrintfInTheCLocale) {
    EXPECT_EQ(formatFixed(1e20, 0), "100000000000000000000");
    for (double value : {4.4999, 1.0, -0.04, -std::numeric_limits<double>::infinity(), 0.25, 0.35,
                         2.45, 1.05, 4.55, 1234.5678, 1.0 / 3.0}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.1f", value);
        EXPECT_EQ(formatFixed(value, 1), QString::fromLatin1(expected)) << value;
    }
}
