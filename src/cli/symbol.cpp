#include "cli/symbol.h"

#include "engine/qr_engine.h"
#include "export/export_settings.h"
#include "render/logo_image_cache.h"

namespace vostrel::cli {

namespace {

QString reasonOf(QREngineError error, CorrectionLevel level) {
    switch (error) {
        case QREngineError::invalidPayload:
            return QStringLiteral("content cannot be encoded as UTF-8");
        case QREngineError::generationFailed:
            return QStringLiteral("too much data for a QR code at correction level %1")
                .arg(rawValue(level));
        case QREngineError::renderFailed:
            break;
    }
    return QStringLiteral("could not generate the QR code");
}

}  // namespace

CliResult<Symbol> makeSymbol(const DocumentSnapshot& document, const QString& doc) {
    const QString payload = document.content.payload();
    if (payload.isEmpty()) {
        return unexpected(CliFailure{ExitStatus::noSymbol, doc,
                                     QStringLiteral("content is empty: nothing to encode")});
    }
    const CorrectionLevel level = effectiveCorrectionLevel(document.style, document.exportSettings);
    MatrixResult matrix = QREngine::makeMatrix(payload, level);
    if (!matrix)
        return unexpected(CliFailure{ExitStatus::noSymbol, doc, reasonOf(matrix.error(), level)});
    return Symbol{payload, std::move(matrix).value()};
}

bool hasUnreadableLogo(const QRStyle& style) {
    return style.logoOverlay && cachedLogoImage(style.logoOverlay->imageData).isNull();
}

void noteUnreadableLogo(const QRStyle& style, const QString& doc) {
    if (hasUnreadableLogo(style)) report({ExitStatus::success, doc, unreadableLogoReason});
}

}  // namespace vostrel::cli
