#pragma once

#include <QFuture>
#include <QString>
#include <QThreadPool>

#include "common/expected.h"
#include "engine/correction_level.h"
#include "engine/module_matrix.h"
#include "engine/qr_engine_error.h"

namespace vostrel {

using MatrixResult = Expected<ModuleMatrix, QREngineError>;

// Turns a payload into a ModuleMatrix with qrcodegen: the whole payload as one byte segment of its
// UTF-8 form, the smallest version that fits (1 to 40), the mask chosen by the standard penalty
// rules and the level exactly as asked (no boosting). The matrix carries a one-module light border
// and its rows run bottom to top (see module_matrix.h).
//
// Each engine owns a serial executor: its calls run one at a time on that executor, never on the
// caller's thread. Engines are independent of each other.
class QREngine {
  public:
    QREngine();
    ~QREngine();
    QREngine(const QREngine&) = delete;
    QREngine& operator=(const QREngine&) = delete;

    // Runs on the engine's executor; the future finishes with the matrix or the error.
    QFuture<MatrixResult> generateMatrix(const QString& payload, CorrectionLevel level);

    // The same work on the calling thread, for callers that are already off the main thread.
    static MatrixResult makeMatrix(const QString& payload, CorrectionLevel level);

    // The most UTF-8 bytes of payload a symbol holds at `level` (version 40, one byte segment).
    static int capacityBytes(CorrectionLevel level);

  private:
    QThreadPool executor_;
};

}  // namespace vostrel
