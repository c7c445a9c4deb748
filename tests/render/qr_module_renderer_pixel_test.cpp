#include <gtest/gtest.h>

#include "render_test_support.h"
#include "support/image_difference.h"

// The raster fill against the rendering it replaces: the same picture with the modules filled
// as one QPainterPath by QPainter. Both scan-convert the same outlines on the same 1/64-pixel
// grid and differ only in how coverage is rounded: at most one level of 255, which blending
// and the gradient's fixed-point stepping turn into at most 2 levels in a channel, on a few
// percent of the edge pixels (mean below 0.05). A seam, a misplaced module or a broken gradient
// is off by tens of levels over whole rows of pixels.

namespace vostrel {
namespace {

using testing::Fill;
using testing::imageDifference;
using testing::renderedImage;

constexpr int channelTolerance = 2;
constexpr double meanTolerance = 0.05;
constexpr int canvasPixels = 437;  // 11.8 pixels per module: every edge falls inside a pixel

const ModuleMatrix& matrix() {
    static const ModuleMatrix matrix = testing::engineMatrix(
        QStringLiteral("https://example.com/menu?table=12"), CorrectionLevel::h);
    return matrix;
}

struct StyleCase {
    std::string label;
    QRStyle style;
};

std::vector<StyleCase> stylesToCompare() {
    std::vector<StyleCase> cases;
    const std::pair<double, double> finders[] = {{0.0, 1.0}, {0.44, 0.75}, {1.0, 0.5}};
    for (ModuleShape shape : allCases<ModuleShape>()) {
        const std::string name = rawValue(shape).toStdString();
        for (const auto& [rounding, thickness] : finders) {
            for (bool flip : {true, false}) {
                QRStyle style;
                style.moduleShape = shape;
                style.finderCornerRadius = rounding;
                style.finderThickness = thickness;
                style.flipVertical = flip;
                cases.push_back({name + " rounding " + std::to_string(rounding) + " thickness " +
                                     std::to_string(thickness) + (flip ? " flip" : ""),
                                 style});
            }
        }
        for (GradientDirection direction : allCases<GradientDirection>()) {
            QRStyle style;
            style.moduleShape = shape;
            style.foreground = {0.8, 0.1, 0.3, 1.0};
            style.gradient = GradientStyle{{0.1, 0.2, 0.7, 0.6}, direction};
            cases.push_back({name + " gradient " + rawValue(direction).toStdString(), style});
        }
        for (LogoShape logoShape : allCases<LogoShape>()) {
            QRStyle style;
            style.moduleShape = shape;
            style.logoOverlay = testing::solidLogo(QColor(30, 60, 200), logoShape);
            cases.push_back({name + " logo " + rawValue(logoShape).toStdString(), style});
            style.logoOverlay->backgroundColor.reset();
            style.logoOverlay->sizePercent = 0.3;
            cases.push_back(
                {name + " logo without plate " + rawValue(logoShape).toStdString(), style});
        }
    }
    return cases;
}

void expectSamePicture(const QImage& raster, const QImage& onePath, const std::string& label) {
    const testing::ImageDifference difference = imageDifference(raster, onePath);
    EXPECT_LE(difference.maximum, channelTolerance) << label;
    EXPECT_LE(difference.mean, meanTolerance) << label;
}

TEST(RasterFill, MatchesTheOnePathFillForEveryStyle) {
    for (const StyleCase& styleCase : stylesToCompare()) {
        const QRModuleRenderer renderer{matrix(), styleCase.style};
        expectSamePicture(renderedImage(renderer, canvasPixels, Fill::raster),
                          renderedImage(renderer, canvasPixels, Fill::onePath), styleCase.label);
    }
}

TEST(RasterFill, MatchesTheOnePathFillOnNonSquareAndTinyCanvases) {
    QRModuleRenderer renderer{matrix(), {}};
    renderer.style.moduleShape = ModuleShape::dot;
    renderer.style.gradient = GradientStyle{CodableColor::white(), GradientDirection::diagonal};
    for (QSize size : {QSize(300, 200), QSize(173, 411), QSize(37, 37), QSize(1, 1)}) {
        expectSamePicture(renderedImage(renderer, size, size, Fill::raster),
                          renderedImage(renderer, size, size, Fill::onePath),
                          std::to_string(size.width()) + "x" + std::to_string(size.height()));
    }
}

// High-density screens, zoomed and scrolled views and clipped repaints: the fast fill works in
// device pixels, whatever the painter's scale, offset and clip.
TEST(RasterFill, MatchesTheOnePathFillUnderScaledTranslatedAndClippedPainters) {
    QRModuleRenderer renderer{matrix(), {}};
    renderer.style.moduleShape = ModuleShape::squircle;
    renderer.style.gradient = GradientStyle{{0.2, 0.6, 0.2, 1.0}, GradientDirection::vertical};
    const auto highDensity = [](QPainter&) {};
    const auto zoomedAndScrolled = [](QPainter& painter) {
        painter.translate(-61.3, 27.45);
        painter.scale(1.37, 1.37);
    };
    const auto clipped = [](QPainter& painter) {
        painter.setClipRect(QRectF(90.5, 40.25, 200, 150));
    };
    const QSizeF canvas(canvasPixels, canvasPixels);
    const QSize pixels(canvasPixels, canvasPixels);
    expectSamePicture(renderedImage(renderer, pixels * 2, canvas, Fill::raster, highDensity, 2.0),
                      renderedImage(renderer, pixels * 2, canvas, Fill::onePath, highDensity, 2.0),
                      "ratio 2");
    for (const auto& [label, prepare] :
         {std::pair{"zoomed and scrolled", std::function<void(QPainter&)>(zoomedAndScrolled)},
          std::pair{"clipped", std::function<void(QPainter&)>(clipped)}}) {
        expectSamePicture(renderedImage(renderer, pixels, canvas, Fill::raster, prepare),
                          renderedImage(renderer, pixels, canvas, Fill::onePath, prepare), label);
    }
}

TEST(RasterFill, RotatedPaintersGetTheOnePathFill) {
    const QRModuleRenderer renderer{matrix(), {}};
    const auto rotated = [](QPainter& painter) {
        painter.translate(200, 0);
        painter.rotate(30);
    };
    const QSize pixels(canvasPixels, canvasPixels);
    EXPECT_EQ(renderedImage(renderer, pixels, QSizeF(300, 300), Fill::raster, rotated),
              renderedImage(renderer, pixels, QSizeF(300, 300), Fill::onePath, rotated));
}

}  // namespace
}  // namespace vostrel
