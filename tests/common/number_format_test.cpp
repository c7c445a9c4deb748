#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "common/number_format.h"

using vostrel::formatShortest;

TEST(NumberFormat, WholeNumbersKeepAFractionalZeroAndSigns) {
    EXPECT_EQ(formatShortest(10.0), "10.0");
    EXPECT_EQ(formatShortest(-10.0), "-10.0");
    EXPECT_EQ(formatShortest(330.0), "330.0");
    EXPECT_EQ(formatShortest(0.0), "0.0");
    EXPECT_EQ(formatShortest(-0.0), "-0.0");
}

TEST(NumberFormat, FractionsUseTheShortestRoundTripDigits) {
    EXPECT_EQ(formatShortest(4.25), "4.25");
    EXPECT_EQ(formatShortest(40.75), "40.75");
    EXPECT_EQ(formatShortest(3.4641), "3.4641");
    EXPECT_EQ(formatShortest(15.4), "15.4");
    EXPECT_EQ(formatShortest(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(formatShortest(59.3293), "59.3293");
    EXPECT_EQ(formatShortest(0.0001), "0.0001");
}

TEST(NumberFormat, TinyAndHugeMagnitudesUseExponentForm) {
    EXPECT_EQ(formatShortest(0.000015), "1.5e-05");
    EXPECT_EQ(formatShortest(-0.00001), "-1e-05");
    EXPECT_EQ(formatShortest(1e16), "1e+16");
    EXPECT_EQ(formatShortest(9999999999999998.0), "9999999999999998.0");
    EXPECT_EQ(formatShortest(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(NumberFormat, FixedDecimalsMatchPrintfInTheCLocale) {
    using vostrel::formatFixed;
    EXPECT_EQ(formatFixed(4.4999, 1), "4.5");
    EXPECT_EQ(formatFixed(1.0, 1), "1.0");
    EXPECT_EQ(formatFixed(21.0, 1), "21.0");
    EXPECT_EQ(formatFixed(-0.04, 1), "-0.0");
    EXPECT_EQ(formatFixed(1e20, 0), "100000000000000000000");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 1), "-inf");
    // Ties and near-ties round as the binary value says, exactly like printf.
    for (double value : {0.25, 0.35, 2.45, 1.05, 4.55, 1234.5678, 1.0 / 3.0}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.1f", value);
        EXPECT_EQ(formatFixed(value, 1), QString::fromLatin1(expected)) << value;
    }
}
