#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "engine/module_matrix.h"
#include "render/qr_style.h"

namespace vostrel {

// What dragging the symbol out of the preview hands over: always a 512-pixel PNG, whatever PNG
// size the document exports at, offered as a file named "qr-code.png".
struct QRCodeTransferable {
    ModuleMatrix matrix;
    QRStyle style;

    static constexpr int pngSize = 512;
    static QString suggestedFileName() { return QStringLiteral("qr-code.png"); }

    // pngData at pngSize; nothing when that yields nothing.
    std::optional<QByteArray> pngBytes() const;

    bool operator==(const QRCodeTransferable&) const = default;
};

}  // namespace vostrel
