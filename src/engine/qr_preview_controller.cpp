#include "engine/qr_preview_controller.h"

#include <QFutureWatcher>
#include <QLocale>

namespace vostrel {
namespace {

const QString emptyContentMessage = QStringLiteral("Enter content to generate QR code");
const QString generationFailedMessage = QStringLiteral("Could not generate QR code");

// Too much content is the one failure a user can do something about.
std::optional<QString> failureDetail(QREngineError error, CorrectionLevel level) {
    if (error != QREngineError::generationFailed) return std::nullopt;
    const QString wayOut = level == CorrectionLevel::l
                               ? QStringLiteral("shorten it")
                               : QStringLiteral("shorten it or lower error correction");
    return QStringLiteral("Too much content for a QR code at level %1 (%2 bytes at most): %3")
        .arg(rawValue(level), QLocale(QLocale::English).toString(QREngine::capacityBytes(level)),
             wayOut);
}

template <class T>
bool assignIfChanged(T& field, T value) {
    if (field == value) return false;
    field = std::move(value);
    return true;
}

}  // namespace

QRPreviewController::QRPreviewController(QObject* parent) : QObject(parent) {
    debounce_.setSingleShot(true);
    // A coarse timer may fire a little early, which would let a request through while typing.
    debounce_.setTimerType(Qt::PreciseTimer);
    debounce_.setInterval(debounceInterval);
    connect(&debounce_, &QTimer::timeout, this, &QRPreviewController::startPendingRequest);
}

// The engine's destructor waits for a symbol still being made; its watcher is a child and goes
// with the controller, so that result is never delivered.
QRPreviewController::~QRPreviewController() = default;

void QRPreviewController::requestRender(const QRContent& content, CorrectionLevel correctionLevel) {
    pending_ = Request{++latestSerial_, content, correctionLevel, {}};
    debounce_.start();
}

std::optional<ModuleMatrix> QRPreviewController::currentMatrix(
    const QRContent& content, CorrectionLevel correctionLevel) const {
    if (renderedContent_ != content || renderedCorrectionLevel_ != correctionLevel) return {};
    return matrix_;
}

void QRPreviewController::startPendingRequest() {
    if (!pending_) return;
    Request request = std::move(*pending_);
    pending_.reset();
    request.payload = request.content.payload();
    if (request.payload.isEmpty()) {
        showMessage(emptyContentMessage);
        return;
    }
    auto* watcher = new QFutureWatcher<MatrixResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request] {
        watcher->deleteLater();
        if (isLatest(request)) publish(request, watcher->result());
    });
    watcher->setFuture(engine_.generateMatrix(request.payload, request.correctionLevel));
}

void QRPreviewController::publish(const Request& request, const MatrixResult& result) {
    if (!result) {
        showMessage(generationFailedMessage,
                    failureDetail(result.error(), request.correctionLevel));
        return;
    }
    // Before the matrix, so that whoever hears of the new matrix finds its payload.
    renderedPayload_ = request.payload;
    setMatrix(result.value());
    setRenderedContent(request.content);
    setRenderedCorrectionLevel(request.correctionLevel);
    setErrorMessage(std::nullopt);
}

void QRPreviewController::showMessage(const QString& message, std::optional<QString> detail) {
    setMatrix(std::nullopt);
    setErrorMessage(message, std::move(detail));
}

void QRPreviewController::setMatrix(std::optional<ModuleMatrix> matrix) {
    if (assignIfChanged(matrix_, std::move(matrix))) Q_EMIT matrixChanged();
}

void QRPreviewController::setErrorMessage(std::optional<QString> message,
                                          std::optional<QString> detail) {
    // Both are always evaluated: `|`, not `||`.
    if (assignIfChanged(errorMessage_, std::move(message)) |
        assignIfChanged(errorDetail_, std::move(detail)))
        Q_EMIT errorMessageChanged();
}

void QRPreviewController::setRenderedContent(std::optional<QRContent> content) {
    if (assignIfChanged(renderedContent_, std::move(content))) Q_EMIT renderedContentChanged();
}

void QRPreviewController::setRenderedCorrectionLevel(std::optional<CorrectionLevel> level) {
    if (assignIfChanged(renderedCorrectionLevel_, level)) Q_EMIT renderedCorrectionLevelChanged();
}

}  // namespace vostrel
