#include <gtest/gtest.h>

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
