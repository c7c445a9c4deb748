#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <memory>

#include "batch/batch_engine.h"

namespace vostrel {

class BatchInputView;
class BatchProgressView;
class BatchSummaryView;
class VostrelDocument;

// The batch sheet of a document window: lines or a CSV of contacts in, one QR file per item out,
// drawn in the document's style at its correction level. One screen at a time: the input until
// the first file is written (a run that writes nothing goes straight to the summary), then the
// progress, then the summary. Cancel closes the sheet at once and the run stops before its next
// item. A run that fails closes the sheet and says why in one alert over the window; the files
// written before stay. Every opening starts afresh.
class BatchExportPanel : public QDialog {
    Q_OBJECT

  public:
    enum class Screen { input, progress, summary };

    explicit BatchExportPanel(VostrelDocument* document, QWidget* parent = nullptr);
    ~BatchExportPanel() override;

    Screen screen() const { return screen_; }
    BatchInputView* inputView() const { return input_; }
    BatchProgressView* progressView() const { return progress_; }
    BatchSummaryView* summaryView() const { return summary_; }

  public Q_SLOTS:
    // Closing by any way (Cancel, Close, Escape, the window's close button) abandons a run.
    void reject() override;

  private:
    void start();
    void showProgress(const BatchProgress& progress);
    void runEnded();
    void reportFailure(const BatchError& error);
    void showFolder();
    void showScreen(Screen screen);

    VostrelDocument* document_;
    BatchInputView* input_;
    BatchProgressView* progress_;
    BatchSummaryView* summary_;
    Screen screen_ = Screen::input;
    std::unique_ptr<BatchEngine> engine_;
    QFutureWatcher<BatchOutcome> run_;
    QUrl destination_;
};

}  // namespace vostrel
