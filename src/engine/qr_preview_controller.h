#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <optional>

#include "content/qr_content.h"
#include "engine/correction_level.h"
#include "engine/module_matrix.h"
#include "engine/qr_engine.h"

namespace vostrel {

// Turns the content and correction level of one document window into the matrix its preview
// draws, without making a symbol on every keystroke: a request waits out a short pause, a newer
// request cancels every older one, and only the newest request publishes. Lives on the main
// thread; the symbol is made on the controller's own engine, so the main thread never waits.
//
// What the preview sees moves between three states only: nothing yet, a matrix, or a message in
// place of the symbol. The previous picture stays until the next result replaces it.
class QRPreviewController : public QObject {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds debounceInterval{50};

    explicit QRPreviewController(QObject* parent = nullptr);
    ~QRPreviewController() override;

    // The last matrix made, or none while a message is shown (or before the first result).
    const std::optional<ModuleMatrix>& matrix() const { return matrix_; }
    // "Enter content to generate QR code", "Could not generate QR code", or none.
    const std::optional<QString>& errorMessage() const { return errorMessage_; }
    // Why no symbol could be made and the way out, beside "Could not generate QR code"; none for
    // every other state. Changes together with errorMessage.
    const std::optional<QString>& errorDetail() const { return errorDetail_; }
    // What the last successful matrix was made from. An empty content or a failure later on
    // leaves these as they were but clears the matrix.
    const std::optional<QRContent>& renderedContent() const { return renderedContent_; }
    std::optional<CorrectionLevel> renderedCorrectionLevel() const {
        return renderedCorrectionLevel_;
    }
    // The exact payload the last matrix was made from; content such as a calendar event makes
    // a new payload every time, so asking the content again may not give it.
    const QString& renderedPayload() const { return renderedPayload_; }

    // Cancels whatever earlier request is waiting or generating and renders this one after the
    // debounce interval. Returns at once. The level is the effective one (H while the style has
    // a logo).
    void requestRender(const QRContent& content, CorrectionLevel correctionLevel);

    // The matrix only when it was made from exactly this content at this level, so a copy never
    // hands out a symbol other than the one the user sees described.
    std::optional<ModuleMatrix> currentMatrix(const QRContent& content,
                                              CorrectionLevel correctionLevel) const;

  Q_SIGNALS:
    void matrixChanged();
    void errorMessageChanged();
    void renderedContentChanged();
    void renderedCorrectionLevelChanged();

  private:
    struct Request {
        quint64 serial;
        QRContent content;
        CorrectionLevel correctionLevel;
        QString payload;
    };

    void startPendingRequest();
    void publish(const Request& request, const MatrixResult& result);
    void showMessage(const QString& message, std::optional<QString> detail = std::nullopt);
    bool isLatest(const Request& request) const { return request.serial == latestSerial_; }

    void setMatrix(std::optional<ModuleMatrix> matrix);
    void setErrorMessage(std::optional<QString> message,
                         std::optional<QString> detail = std::nullopt);
    void setRenderedContent(std::optional<QRContent> content);
    void setRenderedCorrectionLevel(std::optional<CorrectionLevel> level);

    std::optional<ModuleMatrix> matrix_;
    std::optional<QString> errorMessage_;
    std::optional<QString> errorDetail_;
    std::optional<QRContent> renderedContent_;
    std::optional<CorrectionLevel> renderedCorrectionLevel_;
    QString renderedPayload_;

    QREngine engine_;
    QTimer debounce_;
    std::optional<Request> pending_;
    // Every request gets the next serial; a result whose serial is not the latest was cancelled.
    quint64 latestSerial_ = 0;
};

}  // namespace vostrel
