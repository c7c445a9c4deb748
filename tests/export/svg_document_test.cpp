#include <gtest/gtest.h>

#include "export/svg_document.h"
#include "fixed_logo.h"
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

TEST(SvgDocument, EmptyMatrixGivesEmptyText) {
    EXPECT_TRUE(svgDocument({}, QRStyle()).isEmpty());
}

TEST(SvgDocument, DefaultStyleHasBackgroundModulesAndFinders) {
    const QString svg = svgDocument(singleDarkCell(25), QRStyle());
    EXPECT_TRUE(svg.startsWith(
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 330.0 330.0\">\n"
                       "  <rect width=\"330.0\" height=\"330.0\" fill=\"#FFFFFF\"/>\n"
                       "  <path d=\"M40.0 40.0h10.0v10.0h-10.0Z\" fill=\"#000000\"/>\n"
                       "  <path d=\"M65.4 50.0h39.2a15.4 15.4 0 0 1 15.4 15.4v39.2a15.4 15.4 0 0 "
                       "1 -15.4 15.4h-39.2a15.4 15.4 0 0 1 -15.4 -15.4v-39.2a15.4 15.4 0 0 1 "
                       "15.4 -15.4ZM65.4 60.0h39.2")));
    EXPECT_TRUE(svg.contains(QStringLiteral("ZM76.6 70.0h16.8a6.6 6.6 0 0 1 6.6 6.6")));
    EXPECT_TRUE(
        svg.endsWith(QStringLiteral("\" fill=\"#000000\" fill-rule=\"evenodd\"/>\n</svg>")));
    EXPECT_FALSE(svg.contains(QStringLiteral("<defs>")));
    EXPECT_FALSE(svg.contains(u'\r'));
}

TEST(SvgDocument, ModuleOutlinesUseTheirExactTemplates) {
    QRStyle style;
    style.moduleShape = ModuleShape::dot;
    EXPECT_EQ(pathData(svgDocument(singleDarkCell(8), style), 0),
              "M40.75 45.0a4.25 4.25 0 1 0 8.5 0a4.25 4.25 0 1 0 -8.5 0Z");
    style.moduleShape = ModuleShape::squircle;
    EXPECT_EQ(pathData(svgDocument(singleDarkCell(8), style), 0),
              "M44.5 40.0C41.0359 40.0 40.0 41.0359 40.0 44.5L40.0 45.5C40.0 48.9641 41.0359 50.0 "
              "44.5 50.0L45.5 50.0C48.9641 50.0 50.0 48.9641 50.0 45.5L50.0 44.5C50.0 41.0359 "
              "48.9641 40.0 45.5 40.0Z");
}

TEST(SvgDocument, SmallMatrixHasOnlyDataModules) {
    const ModuleMatrix matrix(8, std::vector<bool>(8, true));
    const QString svg = svgDocument(matrix, QRStyle());
    EXPECT_EQ(svg.count(QStringLiteral("<path")), 1);
    EXPECT_EQ(svg.count(QStringLiteral("h10.0v10.0h-10.0Z")), 64);
}

TEST(SvgDocument, FullRoundingDrawsCirclesWithZeroLengthSides) {
    const std::string finders = pathData(svgDocument(singleDarkCell(25), withFinder(1, 1)), 1);
    EXPECT_TRUE(startsWith(
        finders,
        "M85.0 50.0h0.0a35.0 35.0 0 0 1 35.0 35.0v0.0a35.0 35.0 0 0 1 -35.0 35.0h-0.0a35.0"));
    EXPECT_NE(finders.find("v-0.0a35.0 35.0 0 0 1 35.0 -35.0Z"), std::string::npos);
    EXPECT_NE(finders.find("ZM85.0 60.0h0.0a25.0 25.0"), std::string::npos);
    EXPECT_NE(finders.find("ZM85.0 70.0h0.0a15.0 15.0"), std::string::npos);
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

TEST(SvgDocument, ColoursAreTruncatedAndOpacityIsIgnored) {
    QRStyle style;
    style.foreground = {0.5, 0.5, 0.5, 1.0};
    style.background = {1.0, 0.999, 0.0, 1.0};
    const QString opaque = svgDocument(singleDarkCell(9), style);
    EXPECT_TRUE(opaque.contains(QStringLiteral("fill=\"#7F7F7F\"")));
    EXPECT_TRUE(opaque.contains(QStringLiteral("fill=\"#FFFE00\"")));
    style.foreground.a = 0.3;
    style.background.a = 0.0;
    EXPECT_EQ(svgDocument(singleDarkCell(9), style), opaque);
}

TEST(SvgDocument, LogoWithoutBytesWritesNoLogoPieces) {
    QRStyle style;
    style.logoOverlay = LogoOverlay{};
    const QString svg = svgDocument(singleDarkCell(25), style);
    EXPECT_EQ(svg, svgDocument(singleDarkCell(25), QRStyle()));
}

TEST(SvgDocument, GradientAndLogoEachBringTheirOwnDefs) {
    QRStyle style;
    style.gradient = GradientStyle{CodableColor{0, 0, 1, 1}, GradientDirection::vertical};
    style.logoOverlay = LogoOverlay{};
    style.logoOverlay->imageData = testing::fixedLogoPng();
    const QString svg = svgDocument(singleDarkCell(25), style);
    EXPECT_EQ(svg.count(QStringLiteral("<defs>")), 2);
    EXPECT_LT(svg.indexOf(QStringLiteral("linearGradient")), svg.indexOf(QStringLiteral("<rect")));
    EXPECT_GT(svg.indexOf(QStringLiteral("clipPath")), svg.indexOf(QStringLiteral("evenodd")));
    EXPECT_EQ(svg.count(QStringLiteral("fill=\"url(#fg)\"")), 2);
    EXPECT_TRUE(svg.contains(QStringLiteral("href=\"data:image/png;base64,") +
                             QString::fromLatin1(testing::fixedLogoPng().toBase64()) + u'"'));
}

}  // namespace
}  // namespace vostrel
