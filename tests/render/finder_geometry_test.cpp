#include <gtest/gtest.h>

#include <QPainterPath>
#include <cmath>

#include "render/finder_geometry.h"
#include "render/logo_placement.h"
#include "render/module_outline.h"
#include "render/qr_style.h"

namespace vostrel {
namespace {

FinderStyle finderStyle(double rounding, double thickness) {
    QRStyle style;
    style.finderCornerRadius = rounding;
    style.finderThickness = thickness;
    return FinderStyle::of(style);
}

TEST(FinderStyle, ClampsRoundingAndThickness) {
    EXPECT_EQ(finderStyle(-1, 0.2), (FinderStyle{0.0, 0.5}));
    EXPECT_EQ(finderStyle(2, 3.0), (FinderStyle{1.0, 1.0}));
    EXPECT_EQ(finderStyle(0.44, 0.75), (FinderStyle{0.44, 0.75}));
    EXPECT_EQ(finderStyle(std::nan(""), std::nan("")), (FinderStyle{0.0, 0.5}));
}

// Sharp and full thickness is the standard 7-5-3 pattern; full rounding makes three circles.
TEST(FinderShapes, SharpAndFullyRoundedFindersAtFullThickness) {
    const FinderShapes sharp = finderShapes({1, 15}, {1.0, 4}, finderStyle(0, 1));
    EXPECT_EQ(sharp.outer, (RoundedSquare{19, 5, 7, 0}));
    EXPECT_EQ(sharp.hole, (RoundedSquare{20, 6, 5, 0}));
    EXPECT_EQ(sharp.pip, (RoundedSquare{21, 7, 3, 0}));
    const FinderShapes round = finderShapes({1, 1}, {2.0, 0}, finderStyle(1, 1));
    EXPECT_EQ(round.outer, (RoundedSquare{2, 2, 14, 7}));
    EXPECT_EQ(round.hole, (RoundedSquare{4, 4, 10, 5}));
    EXPECT_EQ(round.pip, (RoundedSquare{6, 6, 6, 3}));
}

TEST(FinderShapes, ThinWallsWidenTheGapButKeepOuterEdgeAndPip) {
    const ModuleFrame frame{10.0, 4, 3.0, 7.0};
    const FinderShapes thin = finderShapes({1, 1}, frame, finderStyle(0.44, 0.5));
    const FinderShapes standard = finderShapes({1, 1}, frame, finderStyle(0.44, 1.0));
    EXPECT_EQ(thin.outer, standard.outer);
    EXPECT_EQ(thin.pip, standard.pip);
    EXPECT_EQ(thin.hole, (RoundedSquare{58, 62, 60, thin.hole.cornerRadius}));
    EXPECT_DOUBLE_EQ(thin.hole.cornerRadius, 15.4 - 5.0);
    EXPECT_DOUBLE_EQ(standard.hole.cornerRadius, 5.4);
    EXPECT_DOUBLE_EQ(standard.pip.cornerRadius, 6.6);
}

TEST(LogoPlacement, CentresLogoAndPlateOnTheSymbolArea) {
    LogoOverlay logo;
    logo.sizePercent = 0.2;
    logo.padding = 0.25;
    logo.shape = LogoShape::roundedRect;
    const LogoPlacement placement = logoPlacement(logo, 25, {2.0, 4, 10.0, 0.0});
    // Symbol area starts at 10 + 8 across and 8 down with edge 50: centre (43, 33).
    EXPECT_EQ(placement.logo, (RoundedSquare{38, 28, 10, 1.5}));
    ASSERT_TRUE(placement.plate);
    EXPECT_EQ(placement.plate->edge, 15.0);
    EXPECT_EQ(placement.plate->x, 35.5);
    EXPECT_DOUBLE_EQ(placement.plate->cornerRadius, 2.25);

    logo.shape = LogoShape::circle;
    logo.backgroundColor.reset();
    const LogoPlacement circle = logoPlacement(logo, 25, {2.0, 4});
    EXPECT_EQ(circle.logo.cornerRadius, 5.0);
    EXPECT_FALSE(circle.plate);
    logo.shape = LogoShape::square;
    EXPECT_EQ(logoPlacement(logo, 25, {2.0, 4}).logo.cornerRadius, 0.0);
}

TEST(ModuleOutline, EachShapeSitsInItsCell) {
    const QRectF cell(30, 40, 10, 10);
    for (ModuleShape shape : allCases<ModuleShape>()) {
        QPainterPath path;
        appendModuleOutline(path, shape, cell.x(), cell.y(), cell.width());
        const QRectF bounds = path.boundingRect();
        const double inset = shape == ModuleShape::dot ? 0.75 : 0.0;
        EXPECT_NEAR(bounds.left(), cell.left() + inset, 1e-9) << rawValue(shape).toStdString();
        EXPECT_NEAR(bounds.right(), cell.right() - inset, 1e-9);
        EXPECT_NEAR(bounds.top(), cell.top() + inset, 1e-9);
        EXPECT_NEAR(bounds.bottom(), cell.bottom() - inset, 1e-9);
        EXPECT_TRUE(path.contains(cell.center()));
    }
}

TEST(ModuleOutline, SquircleCornersAreSquarerThanACircleButNotSharp) {
    QPainterPath squircle;
    appendModuleOutline(squircle, ModuleShape::squircle, 0, 0, 10);
    QPainterPath circleCorner;
    circleCorner.addRoundedRect(0, 0, 10, 10, 4.5, 4.5);
    // Along the diagonal the squircle corner reaches further out than a circular one of its size.
    EXPECT_TRUE(squircle.contains(QPointF(1.2, 1.2)));
    EXPECT_FALSE(circleCorner.contains(QPointF(1.2, 1.2)));
    EXPECT_FALSE(squircle.contains(QPointF(0.3, 0.3)));
}

}  // namespace
}  // namespace vostrel
