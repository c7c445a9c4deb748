#include "engine/scan_check_controller.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace vostrel {

using CheckFuture = QFutureWatcher<std::optional<ScanCheckResult>>;

ScanCheckController::ScanCheckController(QObject* parent) : QObject(parent) {
    checker_.setMaxThreadCount(1);
    settle_.setSingleShot(true);
    settle_.setInterval(settleInterval);
    connect(&settle_, &QTimer::timeout, this, &ScanCheckController::startPendingRequest);
}

// A running check stops at its next reading; the pool's destructor waits for it. Its watcher is
// a child and goes with the controller, so that result is never delivered.
ScanCheckController::~ScanCheckController() {
    ++*latestSerial_;
}

void ScanCheckController::requestCheck(const ModuleMatrix& matrix, const QRStyle& style,
                                       qint64 pngSize, const QByteArray& payload) {
    pending_ = Request{++*latestSerial_, matrix, style, pngSize, payload};
    settle_.start();
}

void ScanCheckController::clear() {
    ++*latestSerial_;
    pending_.reset();
    settle_.stop();
    setResult(std::nullopt);
}

void ScanCheckController::startPendingRequest() {
    if (!pending_) return;
    auto request = std::make_shared<const Request>(std::move(*pending_));
    pending_.reset();
    auto* watcher = new CheckFuture(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request] {
        watcher->deleteLater();
        // Only a cancelled check ends without a result and is no longer the latest; the latest
        // without one had nothing to read (no picture of that size), and shows nothing.
        if (request->serial == *latestSerial_) setResult(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(&checker_, [request, latest = latestSerial_] {
        return checkScan(request->matrix, request->style, request->pngSize, request->payload,
                         [&] { return *latest != request->serial; });
    }));
}

void ScanCheckController::setResult(std::optional<ScanCheckResult> result) {
    if (result_ == result) return;
    result_ = std::move(result);
    Q_EMIT resultChanged();
}

}  // namespace vostrel
