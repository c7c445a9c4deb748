#include <gtest/gtest.h>

#include <cmath>

#include "render/codable_color.h"

namespace vostrel {
namespace {

TEST(HexRGB, TruncatesAndClampsEachComponentAndIgnoresOpacity) {
    EXPECT_EQ(hexRGB({1, 0.5, 0, 1}), QStringLiteral("#FF7F00"));
    EXPECT_EQ(hexRGB({0.999, 0.999, 0.999, 0.2}), QStringLiteral("#FEFEFE"));
    EXPECT_EQ(hexRGB({10 / 255.0, 171 / 255.0, 205 / 255.0, 1}), QStringLiteral("#0AABCD"));
    EXPECT_EQ(hexRGB({-0.5, 2.0, 1.0000001, 1}), QStringLiteral("#00FFFF"));
    EXPECT_EQ(hexRGB({std::nan(""), INFINITY, -INFINITY, 1}), QStringLiteral("#00FF00"));
}

TEST(CodableColorConversion, QColorKeepsComponentsToSixteenBits) {
    const CodableColor back = CodableColor::fromQColor(CodableColor{0.2, 0.4, 0.6, 0.8}.toQColor());
    const double tolerance = 1.0 / 65535;
    EXPECT_NEAR(back.r, 0.2, tolerance);
    EXPECT_NEAR(back.g, 0.4, tolerance);
    EXPECT_NEAR(back.b, 0.6, tolerance);
    EXPECT_NEAR(back.a, 0.8, tolerance);
}

}  // namespace
}  // namespace vostrel
