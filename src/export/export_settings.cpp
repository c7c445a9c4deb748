#include "export/export_settings.h"

#include "render/qr_style.h"

namespace vostrel {

QJsonObject ExportSettings::toJson() const {
    return {{QStringLiteral("correctionLevel"), rawValue(correctionLevel)},
            {QStringLiteral("pngSize"), pngSize},
            {QStringLiteral("exportFormat"), rawValue(exportFormat)}};
}

ExportSettings ExportSettings::fromJson(JsonReader& reader) {
    ExportSettings settings;
    settings.correctionLevel = reader.enumeration<CorrectionLevel>(u"correctionLevel");
    settings.pngSize = reader.integer(u"pngSize");
    settings.exportFormat = reader.enumeration<ExportFormat>(u"exportFormat");
    return settings;
}

size_t qHash(const ExportSettings& settings, size_t seed) {
    return qHashMulti(seed, static_cast<int>(settings.correctionLevel), settings.pngSize,
                      settings.exportFormat);
}

CorrectionLevel effectiveCorrectionLevel(const QRStyle& style, const ExportSettings& settings) {
    return style.logoOverlay ? CorrectionLevel::h : settings.correctionLevel;
}

}  // namespace vostrel
