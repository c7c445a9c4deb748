#include "engine/qr_engine.h"

#include <QStringEncoder>
#include <QtConcurrent/QtConcurrentRun>
#include <qrcodegen/qrcodegen.hpp>

namespace vostrel {
namespace {

using qrcodegen::QrCode;
using qrcodegen::QrSegment;

QrCode::Ecc generatorLevel(CorrectionLevel level) {
    switch (level) {
        case CorrectionLevel::l:
            return QrCode::Ecc::LOW;
        case CorrectionLevel::m:
            return QrCode::Ecc::MEDIUM;
        case CorrectionLevel::q:
            return QrCode::Ecc::QUARTILE;
        case CorrectionLevel::h:
            return QrCode::Ecc::HIGH;
    }
    return QrCode::Ecc::MEDIUM;
}

// Strict conversion: a lone surrogate has no UTF-8 form, and replacing it would encode text the
// user never typed.
std::optional<std::vector<std::uint8_t>> utf8Bytes(const QString& payload) {
    QStringEncoder encoder(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder(payload);
    if (encoder.hasError()) return std::nullopt;
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// Rows are written bottom to top, with one light module of border around the symbol.
ModuleMatrix matrixOf(const QrCode& code) {
    const int symbolSize = code.getSize();
    const int side = symbolSize + 2;
    ModuleMatrix matrix(side, std::vector<bool>(side, false));
    for (int y = 0; y < symbolSize; ++y) {
        std::vector<bool>& row = matrix[side - 2 - y];
        for (int x = 0; x < symbolSize; ++x) row[x + 1] = code.getModule(x, y);
    }
    return matrix;
}

}  // namespace

QREngine::QREngine() {
    executor_.setMaxThreadCount(1);
}

QREngine::~QREngine() {
    executor_.waitForDone();
}

QFuture<MatrixResult> QREngine::generateMatrix(const QString& payload, CorrectionLevel level) {
    return QtConcurrent::run(&executor_, [payload, level] { return makeMatrix(payload, level); });
}

MatrixResult QREngine::makeMatrix(const QString& payload, CorrectionLevel level) {
    if (payload.isEmpty()) return unexpected(QREngineError::invalidPayload);
    const auto bytes = utf8Bytes(payload);
    if (!bytes) return unexpected(QREngineError::invalidPayload);
    try {
        const std::vector<QrSegment> segments{QrSegment::makeBytes(*bytes)};
        const QrCode code = QrCode::encodeSegments(segments, generatorLevel(level), 1, 40, -1,
                                                   /*boostEcl=*/false);
        return matrixOf(code);
    } catch (const qrcodegen::data_too_long&) {
        return unexpected(QREngineError::generationFailed);
    } catch (const std::exception&) {
        return unexpected(QREngineError::renderFailed);
    }
}

int QREngine::capacityBytes(CorrectionLevel level) {
    switch (level) {
        case CorrectionLevel::l:
            return 2953;
        case CorrectionLevel::m:
            return 2331;
        case CorrectionLevel::q:
            return 1663;
        case CorrectionLevel::h:
            return 1273;
    }
    return 0;
}

}  // namespace vostrel
