#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

#include "engine/scan_check.h"

namespace vostrel {

// Reads a document window's design back once its picture has settled, off the main thread: a
// request waits out a short pause, a newer request or clear() cancels every older one (a running
// check stops at its next reading), and only the newest request publishes. Lives on the main
// thread, which never waits for a check.
class ScanCheckController : public QObject {
    Q_OBJECT

  public:
    // The picture has settled once no request came for this long.
    static constexpr std::chrono::milliseconds settleInterval{100};

    explicit ScanCheckController(QObject* parent = nullptr);
    ~ScanCheckController() override;

    // The last published result. It stays while a newer check waits or runs, and goes with
    // clear() or a check that could draw no picture (a PNG size out of range).
    const std::optional<ScanCheckResult>& result() const { return result_; }

    // Checks this symbol, drawn in this style at pngSize pixels, against the payload it was made
    // from (UTF-8), after the settle interval. Returns at once.
    void requestCheck(const ModuleMatrix& matrix, const QRStyle& style, qint64 pngSize,
                      const QByteArray& payload);
    // There is no symbol to check: cancels what waits or runs and forgets the result.
    void clear();

  Q_SIGNALS:
    void resultChanged();

  private:
    struct Request {
        quint64 serial;
        ModuleMatrix matrix;
        QRStyle style;
        qint64 pngSize;
        QByteArray payload;
    };

    void startPendingRequest();
    void setResult(std::optional<ScanCheckResult> result);

    std::optional<ScanCheckResult> result_;
    std::optional<Request> pending_;
    QTimer settle_;
    // Every request and clear() takes the next serial; a check whose serial is no longer the
    // latest was cancelled. Shared with the running check, which may outlive a reading.
    std::shared_ptr<std::atomic<quint64>> latestSerial_ = std::make_shared<std::atomic<quint64>>(0);
    QThreadPool checker_;
};

}  // namespace vostrel
