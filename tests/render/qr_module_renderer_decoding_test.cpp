#include <gtest/gtest.h>

#include "render_test_support.h"
#include "support/qr_decoding.h"

// Every style the inspector offers still scans once rendered at 400 pixels: ZXing reads the
// picture back to the payload.

namespace vostrel {
namespace {

using testing::Fill;

const QString payload = QStringLiteral("https://example.com/menu?table=12");
constexpr int canvasPixels = 400;

// With the flip on the symbol is the mirror image of the standard orientation, the only one
// ZXing reads, so the picture is flipped back first.
void expectScans(const ModuleMatrix& matrix, const QRStyle& style, const std::string& label) {
    const QImage image = testing::renderedImage({matrix, style}, canvasPixels, Fill::raster);
    const QImage upright = style.flipVertical ? testing::mirroredTopToBottom(image) : image;
    EXPECT_EQ(testing::decodeQr(upright).value_or(QString()).toStdString(), payload.toStdString())
        << label;
}

// Thickness 0.6 is the thinnest finder wall ZXing accepts (see the SVG decoding tests).
TEST(RenderedSymbolDecoding, EveryShapeFinderGradientAndOrientationScans) {
    const ModuleMatrix matrix = testing::engineMatrix(payload, CorrectionLevel::m);
    ASSERT_FALSE(matrix.empty());
    std::vector<std::optional<GradientStyle>> paints{std::nullopt};
    for (GradientDirection direction : allCases<GradientDirection>()) {
        paints.push_back(GradientStyle{{0.1, 0.2, 0.6, 1.0}, direction});
    }
    for (ModuleShape shape : allCases<ModuleShape>()) {
        for (const auto& [rounding, thickness] :
             {std::pair{0.0, 1.0}, std::pair{0.44, 0.6}, std::pair{1.0, 0.6}}) {
            for (const auto& paint : paints) {
                for (bool flip : {true, false}) {
                    QRStyle style;
                    style.moduleShape = shape;
                    style.finderCornerRadius = rounding;
                    style.finderThickness = thickness;
                    style.gradient = paint;
                    style.flipVertical = flip;
                    expectScans(matrix, style,
                                rawValue(shape).toStdString() + " rounding " +
                                    std::to_string(rounding) + (paint ? " gradient " : "") +
                                    (flip ? " flip" : ""));
                }
            }
        }
    }
}

TEST(RenderedSymbolDecoding, QuarterSizeLogosScanAtLevelH) {
    const ModuleMatrix matrix = testing::engineMatrix(payload, CorrectionLevel::h);
    ASSERT_FALSE(matrix.empty());
    for (ModuleShape shape : allCases<ModuleShape>()) {
        for (LogoShape logoShape : allCases<LogoShape>()) {
            for (bool plate : {true, false}) {
                QRStyle style;
                style.moduleShape = shape;
                style.logoOverlay = testing::solidLogo(QColor(30, 60, 200), logoShape);
                style.logoOverlay->sizePercent = 0.25;
                if (!plate) style.logoOverlay->backgroundColor.reset();
                style.flipVertical = plate;
                expectScans(matrix, style,
                            rawValue(shape).toStdString() + " logo " +
                                rawValue(logoShape).toStdString() + (plate ? " plate" : ""));
            }
        }
    }
}

}  // namespace
}  // namespace vostrel
