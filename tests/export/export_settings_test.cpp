#include <gtest/gtest.h>

#include <QJsonDocument>

#include "export/export_settings.h"
#include "render/qr_style.h"

namespace vostrel {
namespace {

std::string decodingError(const char* json) {
    JsonReader reader(QJsonDocument::fromJson(json).object());
    ExportSettings::fromJson(reader);
    return reader.ok() ? std::string() : reader.error().message().toStdString();
}

TEST(ExportSettingsJson, RoundTripsEveryLevelAndFormat) {
    for (CorrectionLevel level : allCases<CorrectionLevel>()) {
        for (ExportFormat format : allCases<ExportFormat>()) {
            const ExportSettings settings{level, 333, format};
            JsonReader reader(settings.toJson());
            EXPECT_EQ(ExportSettings::fromJson(reader), settings);
            EXPECT_TRUE(reader.ok());
        }
    }
}

TEST(ExportSettingsJson, DecodingIsStrict) {
    EXPECT_EQ(decodingError(R"({"correctionLevel": "H", "pngSize": 1024})"),
              "exportFormat: missing");
    EXPECT_EQ(decodingError(R"({"correctionLevel": "H", "pngSize": 10.5, "exportFormat": "svg"})"),
              "pngSize: expected an integer");
    EXPECT_EQ(decodingError(R"({"correctionLevel": "Q", "pngSize": 1, "exportFormat": "SVG"})"),
              "exportFormat: unknown value 'SVG'");
    EXPECT_EQ(decodingError(R"({"correctionLevel": "Q", "pngSize": -5, "exportFormat": "svg"})"),
              "");
}

TEST(EffectiveCorrectionLevel, LogoForcesHighWithoutTouchingTheSettings) {
    const ExportSettings settings{CorrectionLevel::l, 1024, ExportFormat::png};
    QRStyle style;
    EXPECT_EQ(effectiveCorrectionLevel(style, settings), CorrectionLevel::l);
    style.logoOverlay = LogoOverlay{};
    EXPECT_EQ(effectiveCorrectionLevel(style, settings), CorrectionLevel::h);
}

}  // namespace
}  // namespace vostrel
