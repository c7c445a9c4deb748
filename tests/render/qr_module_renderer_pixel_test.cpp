#include <gtest/gtest.h>

#include <tuple>

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

// Every finder, gradient direction and logo shape with every module shape, each finder both
// ways up: with a gradient and a plated logo, then plain with a larger logo on no plate.
std::vector<StyleCase> stylesToCompare() {
    std::vector<StyleCase> cases;
    const std::pair<double, double> finders[] = {{0.0, 1.0}, {0.44, 0.75}, {1.0, 0.5}};
    for (ModuleShape shape : allCases<ModuleShape>()) {
        for (std::size_t i = 0; i < 3; ++i) {
            QRStyle style;
            style.moduleShape = shape;
            std::tie(style.finderCornerRadius, style.finderThickness) = finders[i];
            style.foreground = {0.8, 0.1, 0.3, 1.0};
            style.gradient = GradientStyle{{0.1, 0.2, 0.7, 0.6}, allCases<GradientDirection>()[i]};
            style.logoOverlay = testing::solidLogo(QColor(30, 60, 200), allCases<LogoShape>()[i]);
            const std::string name = rawValue(shape).toStdString() + " finder " +
                                     std::to_string(i) + " logo " +
                                     rawValue(style.logoOverlay->shape).toStdString();
            cases.push_back(
                {name + " gradient " + rawValue(style.gradient->direction).toStdString(), style});
            style.flipVertical = false;
            style.foreground = QRStyle().foreground;
            style.gradient.reset();
            style.logoOverlay->backgroundColor.reset();
            style.logoOverlay->sizePercent = 0.3;
            cases.push_back({name + " without plate, not flipped", style});
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
    const struct {
        const char* label;
        qreal pixelRatio;
        std::function<void(QPainter&)> prepare;
    } painters[] = {{"ratio 2", 2.0, [](QPainter&) {}},
                    {"zoomed and scrolled", 1.0,
                     [](QPainter& painter) {
                         painter.translate(-61.3, 27.45);
                         painter.scale(1.37, 1.37);
                     }},
                    {"clipped", 1.0, [](QPainter& painter) {
                         painter.setClipRect(QRectF(90.5, 40.25, 200, 150));
                     }}};
    const QSizeF canvas(canvasPixels, canvasPixels);
    for (const auto& [label, ratio, prepare] : painters) {
        const QSize pixels = QSize(canvasPixels, canvasPixels) * ratio;
        expectSamePicture(renderedImage(renderer, pixels, canvas, Fill::raster, prepare, ratio),
                          renderedImage(renderer, pixels, canvas, Fill::onePath, prepare, ratio),
                          label);
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
