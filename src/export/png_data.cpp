#include "export/png_data.h"

#include <algorithm>

#include "export/png_writer.h"
#include "render/qr_module_renderer.h"

namespace vostrel {

namespace {

bool isSquare(const ModuleMatrix& matrix) {
    return !matrix.empty() && std::all_of(matrix.begin(), matrix.end(), [&](const auto& row) {
        return row.size() == matrix.size();
    });
}

}  // namespace

QImage pngPicture(const ModuleMatrix& matrix, const QRStyle& style, qint64 size) {
    if (size < 1 || size > maximumPngSize || !isSquare(matrix)) return {};
    return symbolPicture(matrix, style, static_cast<int>(size));
}

std::optional<QByteArray> pngData(const ModuleMatrix& matrix, const QRStyle& style, qint64 size) {
    const QImage image = pngPicture(matrix, style, size);
    if (image.isNull()) return std::nullopt;
    return encodePng(image);
}

}  // namespace vostrel
