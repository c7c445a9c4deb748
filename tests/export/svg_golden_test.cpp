#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "export/svg_document.h"
#include "fixed_logo.h"
#include "hand_made_matrices.h"

// Golden SVG files in tests/data/svg/, compared byte for byte. After a deliberate change to the
// output, run the tests once with VOSTREL_REGENERATE_SVG=1 to rewrite them, then read the diff.

namespace vostrel {
namespace {

using testing::handMadeMatrix;

const QByteArray logoBytes = testing::fixedLogoPng();

struct GoldenCase {
    const char* name;
    std::function<void(QRStyle&)> edit;
    ModuleMatrix matrix = handMadeMatrix();
};

void PrintTo(const GoldenCase& golden, std::ostream* out) {
    *out << golden.name;
}

LogoOverlay logo(LogoShape shape, bool plate) {
    LogoOverlay overlay;
    overlay.imageData = logoBytes;
    overlay.shape = shape;
    overlay.sizePercent = 0.3;
    overlay.padding = 0.1;
    overlay.backgroundColor =
        plate ? std::optional(CodableColor{0.9, 0.95, 1.0, 1.0}) : std::nullopt;
    return overlay;
}

GradientStyle gradient(GradientDirection direction) {
    return {{0.1, 0.2, 0.6, 1.0}, direction};
}

const std::vector<GoldenCase>& goldenCases() {
    static const std::vector<GoldenCase> cases{
        {"default", [](QRStyle&) {}},
        {"empty", [](QRStyle&) {}, ModuleMatrix{}},
        {"shape_dot", [](QRStyle& s) { s.moduleShape = ModuleShape::dot; }},
        {"shape_squircle", [](QRStyle& s) { s.moduleShape = ModuleShape::squircle; }},
        {"finder_rounding_0", [](QRStyle& s) { s.finderCornerRadius = 0.0; }},
        {"finder_rounding_1", [](QRStyle& s) { s.finderCornerRadius = 1.0; }},
        {"finder_thickness_0_5", [](QRStyle& s) { s.finderThickness = 0.5; }},
        {"flip_off_quiet_zone_0",
         [](QRStyle& s) {
             s.flipVertical = false;
             s.quietZoneModules = 0;
         }},
        {"colours",
         [](QRStyle& s) {
             s.foreground = {0.5, 0.25, 0.0, 0.5};
             s.background = {0.999, 0.95, 0.8, 1.0};
         }},
        {"gradient_horizontal",
         [](QRStyle& s) { s.gradient = gradient(GradientDirection::horizontal); }},
        {"gradient_vertical",
         [](QRStyle& s) { s.gradient = gradient(GradientDirection::vertical); }},
        {"gradient_diagonal",
         [](QRStyle& s) { s.gradient = gradient(GradientDirection::diagonal); }},
        {"logo_square_plate", [](QRStyle& s) { s.logoOverlay = logo(LogoShape::square, true); }},
        {"logo_rounded_plate",
         [](QRStyle& s) { s.logoOverlay = logo(LogoShape::roundedRect, true); }},
        {"logo_circle_plate", [](QRStyle& s) { s.logoOverlay = logo(LogoShape::circle, true); }},
        {"logo_square", [](QRStyle& s) { s.logoOverlay = logo(LogoShape::square, false); }},
        {"logo_rounded", [](QRStyle& s) { s.logoOverlay = logo(LogoShape::roundedRect, false); }},
        {"logo_circle", [](QRStyle& s) { s.logoOverlay = logo(LogoShape::circle, false); }},
        {"gradient_and_logo",
         [](QRStyle& s) {
             s.moduleShape = ModuleShape::squircle;
             s.gradient = gradient(GradientDirection::diagonal);
             s.logoOverlay = logo(LogoShape::circle, true);
         }},
    };
    return cases;
}

QString goldenPath(const char* name) {
    return QStringLiteral(VOSTREL_TEST_DATA "/svg/%1.svg").arg(QLatin1StringView(name));
}

class SvgGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(SvgGolden, MatchesItsFileByteForByte) {
    QRStyle style;
    GetParam().edit(style);
    const QByteArray svg = svgDocument(GetParam().matrix, style).toUtf8();
    QFile file(goldenPath(GetParam().name));
    if (qEnvironmentVariableIsSet("VOSTREL_REGENERATE_SVG")) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(svg);
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    EXPECT_EQ(svg.toStdString(), file.readAll().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Files, SvgGolden, ::testing::ValuesIn(goldenCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vostrel
