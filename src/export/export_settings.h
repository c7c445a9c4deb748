#pragma once

#include <QJsonObject>
#include <array>

#include "common/json_reader.h"
#include "common/raw_enum.h"
#include "engine/correction_level.h"

namespace vostrel {

struct QRStyle;

// The preferred output format; the raw value doubles as the file-name extension.
enum class ExportFormat { png, svg };

template <>
struct RawValues<ExportFormat> {
    static constexpr std::array cases{
        std::pair{ExportFormat::png, "png"},
        std::pair{ExportFormat::svg, "svg"},
    };
};

inline size_t qHash(ExportFormat format, size_t seed = 0) {
    return ::qHash(static_cast<int>(format), seed);
}

// The export preferences a document keeps.
struct ExportSettings {
    CorrectionLevel correctionLevel = CorrectionLevel::m;  // as asked of the generator
    qint64 pngSize = 1024;  // edge in pixels of the PNG the preview copies and the checks judge
    ExportFormat exportFormat = ExportFormat::png;

    QJsonObject toJson() const;
    // Strict: all three keys are required and the level is an upper-case letter.
    static ExportSettings fromJson(JsonReader& reader);
    bool operator==(const ExportSettings&) const = default;
};

size_t qHash(const ExportSettings& settings, size_t seed = 0);

// The level symbols are generated at: H whenever the style has a logo, which hides modules, and
// the stored level otherwise. The settings themselves never change with the logo.
CorrectionLevel effectiveCorrectionLevel(const QRStyle& style, const ExportSettings& settings);

}  // namespace vostrel
