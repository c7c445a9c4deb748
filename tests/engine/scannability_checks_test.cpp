#include <gtest/gtest.h>

#include "engine/scannability_checks.h"

using namespace vostrel;

namespace {

using Kind = ValidationWarning::Kind;

CodableColor grey(double level) {
    return {level, level, level, 1.0};
}

QStringList messages(const QList<ValidationWarning>& warnings) {
    QStringList texts;
    for (const ValidationWarning& warning : warnings) texts.append(warning.message());
    return texts;
}

}  // namespace

TEST(ScannabilityChecks, LuminanceAndContrastFollowTheSrgbFormula) {
    EXPECT_NEAR(relativeLuminance(0.5, 0.5, 0.5), 0.21404, 1e-5);
    EXPECT_NEAR(relativeLuminance(0.04, 0, 0), 0.2126 * 0.04 / 12.92, 1e-12);
    EXPECT_DOUBLE_EQ(contrastRatio(0.0, 1.0), 21.0);
}

TEST(ScannabilityChecks, ThresholdsAndMessages) {
    QRStyle style;
    style.foreground = grey(0.5);
    style.background = grey(0.5);
    EXPECT_EQ(messages(evaluateWarnings(style, 1024)),
              QStringList{"Low contrast: ratio is 1.0:1. Minimum for reliable scanning is 4.5:1."});

    QRStyle swapped;
    swapped.foreground = {0.2, 0.6, 0.9, 1.0};
    swapped.background = {0.9, 0.9, 0.3, 1.0};
    const QList<ValidationWarning> forward = evaluateWarnings(swapped, 1024);
    std::swap(swapped.foreground, swapped.background);
    EXPECT_EQ(evaluateWarnings(swapped, 1024), forward);
    ASSERT_EQ(forward.size(), 1);
    EXPECT_EQ(forward[0].message(),
              "Low contrast: ratio is 2.3:1. Minimum for reliable scanning is 4.5:1.");

    QRStyle tight;
    tight.quietZoneModules = 0;
    EXPECT_EQ(evaluateWarnings(tight, 1024), QList{ValidationWarning::insufficientQuietZone(0)});
    tight.quietZoneModules = -1;
    EXPECT_EQ(messages(evaluateWarnings(tight, 1024)),
              QStringList{"Quiet zone is -1 modules. Minimum recommended is 4."});

    EXPECT_EQ(messages(evaluateWarnings(QRStyle{}, 199)),
              QStringList{"Export size is 199px. Minimum recommended is 200px."});
    EXPECT_TRUE(evaluateWarnings(QRStyle{}, 200).isEmpty());

    // A gradient is judged at its lighter end.
    QRStyle graded;
    graded.gradient = GradientStyle{grey(1.0), GradientDirection::horizontal};
    EXPECT_EQ(messages(evaluateWarnings(graded, 1024)),
              QStringList{"Gradient contrast at edge: 1.0:1. May be hard to scan."});
    graded.gradient->endColor = grey(0.3);
    EXPECT_TRUE(evaluateWarnings(graded, 1024).isEmpty());
}

TEST(ScannabilityChecks, LogosWarnWhenLargeOrWithoutAPlate) {
    QRStyle style;
    style.logoOverlay = LogoOverlay{};
    style.logoOverlay->sizePercent = 0.26;
    EXPECT_EQ(evaluateWarnings(style, 1024), QList{ValidationWarning::logoTooLarge()});
    style.logoOverlay->backgroundColor = CodableColor{0, 0, 0, 0};
    EXPECT_EQ(evaluateWarnings(style, 1024), QList{ValidationWarning::logoTooLarge()});
    style.logoOverlay->sizePercent = 0.25;
    style.logoOverlay->backgroundColor = grey(0.0);
    EXPECT_TRUE(evaluateWarnings(style, 1024).isEmpty());
    style.logoOverlay->sizePercent = 0.2;
    style.logoOverlay->backgroundColor.reset();
    EXPECT_EQ(messages(evaluateWarnings(style, 1024)),
              QStringList{"Logo has no background. It may be hard to see against the QR modules."});
}

TEST(ScannabilityChecks, AStyleFailingEveryCheckListsAllSixInOrder) {
    QRStyle style;
    style.foreground = grey(0.5);
    style.background = grey(0.5);
    style.quietZoneModules = 2;
    style.gradient = GradientStyle{grey(0.6), GradientDirection::vertical};
    style.logoOverlay = LogoOverlay{};
    style.logoOverlay->sizePercent = 0.3;
    style.logoOverlay->backgroundColor.reset();
    const QList<ValidationWarning> warnings = evaluateWarnings(style, 64);
    QStringList ids;
    QList<Kind> kinds;
    for (const ValidationWarning& warning : warnings) {
        ids.append(warning.id());
        kinds.append(warning.kind());
    }
    EXPECT_EQ(kinds, (QList<Kind>{Kind::lowContrast, Kind::insufficientQuietZone,
                                  Kind::gradientLowContrastAtEdge, Kind::exportSizeTooSmall,
                                  Kind::logoTooLarge, Kind::logoNeedsBackground}));
    EXPECT_EQ(ids, (QStringList{"lowContrast", "quietZone", "gradientContrast", "exportSize",
                                "logoTooLarge", "logoNeedsBackground"}));
    EXPECT_EQ(messages(warnings)[4],
              "Logo covers more than 25% of the QR code. This may prevent reliable scanning.");
    EXPECT_EQ(badgeLabels(warnings.mid(2, 2)), (QStringList{"Low contrast", "Low resolution"}));
    EXPECT_EQ(badgeLabels(warnings.mid(3)),
              (QStringList{"Low resolution", "Logo too large", "+1 more"}));
}

TEST(ScannabilityChecks, ReadBackWarningsStartAtTheirThresholds) {
    const auto ids = [](const QRStyle& style, qint64 size, int symbolSize) {
        QStringList names;
        for (const ValidationWarning& warning : evaluateDesignWarnings(style, size, symbolSize))
            names.append(warning.id());
        return names;
    };
    QRStyle style;
    // 100 modules across with the quiet zone: 300 px is 3 px per module, 250 px is not.
    EXPECT_TRUE(ids(style, 300, 92).isEmpty());
    EXPECT_EQ(evaluateDesignWarnings(style, 250, 92).last().message(),
              "Modules are 2.5px at the export size. Minimum recommended is 3px.");
    // Without a symbol the module size is unknown.
    EXPECT_TRUE(ids(style, 250, 0).isEmpty());
    style.finderThickness = 0.7;
    style.logoOverlay = LogoOverlay{};
    style.logoOverlay->sizePercent = 0.25;
    style.logoOverlay->padding = 0.15;
    EXPECT_TRUE(ids(style, 1024, 25).isEmpty());

    style.finderThickness = 0.69;
    style.logoOverlay->padding = 0.16;
    style.background = grey(0.0);
    style.foreground = {1.0, 1.0, 1.0, 0.5};
    const QList<ValidationWarning> warnings = evaluateDesignWarnings(style, 1024, 25);
    EXPECT_EQ(ids(style, 1024, 25),
              (QStringList{"lightOnDark", "finderThickness", "logoPlateSize", "moduleOpacity"}));
    EXPECT_EQ(warnings[1].message(), "Finder rings are 69% thick. Minimum recommended is 70%.");
    EXPECT_EQ(warnings[2].message(),
              "Logo with its padding covers 33% of the QR code's width. This may prevent reliable "
              "scanning.");
    EXPECT_EQ(warnings[3].message(), "Foreground opacity is 50%. Modules scan best fully opaque.");

    // A logo already too large is named once, by the size check.
    style.logoOverlay->sizePercent = 0.3;
    EXPECT_FALSE(ids(style, 1024, 25).contains("logoPlateSize"));
}
