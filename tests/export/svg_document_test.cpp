#include <gtest/gtest.h>

#include "export/svg_document.h"
#include "hand_made_matrices.h"

namespace vostrel {
namespace {

using testing::handMadeMatrix;

ModuleMatrix singleDarkCell(int size) {
    ModuleMatrix matrix(size_t(size), std::vector<bool>(size_t(size), false));
    matrix[0][0] = true;
    return matrix;
}

// The d attribute of the n-th path element.
std::string pathData(const QString& svg, int index) {
    qsizetype at = -1;
    for (int i = 0; i <= index; ++i) at = svg.indexOf(QStringLiteral("<path d=\""), at + 1);
    if (at < 0) return {};
    at += 9;
    return svg.mid(at, svg.indexOf(u'"', at) - at).toStdString();
}

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

QRStyle withFinder(double rounding, double thickness) {
    QRStyle style;
    style.finderCornerRadius = rounding;
    style.finderThickness = thickness;
    return style;
}

TEST(SvgDocument, SmallMatrixHasOnlyDataModules) {
    const ModuleMatrix matrix(8, std::vector<bool>(8, true));
    const QString svg = svgDocument(matrix, QRStyle());
    EXPECT_EQ(svg.count(QStringLiteral("<path")), 1);
    EXPECT_EQ(svg.count(QStringLiteral("h10.0v10.0h-10.0Z")), 64);
}

TEST(SvgDocument, ThinSharpFindersWidenTheGapOnly) {
    const std::string finders = pathData(svgDocument(singleDarkCell(25), withFinder(0, 0.5)), 1);
    EXPECT_TRUE(startsWith(
        finders,
        "M50.0 50.0h70.0v70.0h-70.0ZM55.0 55.0h60.0v60.0h-60.0ZM70.0 70.0h30.0v30.0h-30.0Z"
        "M50.0 210.0h70.0v70.0h-70.0Z"));
    EXPECT_EQ(pathData(svgDocument(singleDarkCell(25), withFinder(-3, 0.1)), 1), finders);
}

TEST(SvgDocument, FinderCellsNeverBecomeModulesInEitherOrientation) {
    for (bool flip : {true, false}) {
        QRStyle style;
        style.flipVertical = flip;
        const std::string modules = pathData(svgDocument(handMadeMatrix(), style), 0);
        // (2, 3) is dark in the engine-order upper-left finder's gap: x 70, y 60 or, reversed,
        // y (16 - 2 + 4) · 10.
        EXPECT_EQ(modules.find("M70.0 60.0h"), std::string::npos);
        EXPECT_EQ(modules.find("M70.0 180.0h"), std::string::npos);
        // (5, 8) is a data module: row 5 down, or row 11 once reversed.
        EXPECT_NE(modules.find(flip ? "M120.0 90.0h" : "M120.0 150.0h"), std::string::npos);
    }
}

// The golden files pin how colours are written; opacity must leave no trace at all.
TEST(SvgDocument, OpacityIsIgnored) {
    QRStyle style;
    const QString opaque = svgDocument(singleDarkCell(9), style);
    style.foreground.a = 0.3;
    style.background.a = 0.0;
    EXPECT_EQ(svgDocument(singleDarkCell(9), style), opaque);
}

}  // namespace
}  // namespace vostrel
