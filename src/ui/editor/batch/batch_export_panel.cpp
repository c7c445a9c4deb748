#include "ui/editor/batch/batch_export_panel.h"

#include <QDesktopServices>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/vostrel_document.h"
#include "ui/editor/batch/batch_input_alert.h"
#include "ui/editor/batch/batch_input_view.h"
#include "ui/editor/batch/batch_progress_view.h"
#include "ui/editor/batch/batch_summary_view.h"

namespace vostrel {

namespace {

constexpr int sheetWidth = 460;
constexpr int sheetPadding = 24;

QString failureText(const BatchError& error, const QString& folder) {
    if (error.kind == BatchError::Kind::folderCreationFailed)
        return QObject::tr("Couldn’t create the folder “%1”.").arg(folder);
    return QObject::tr("Couldn’t write the QR codes to “%1”.").arg(folder);
}

}  // namespace

BatchExportPanel::BatchExportPanel(VostrelDocument* document, QWidget* parent)
    : QDialog(parent),
      document_(document),
      input_(new BatchInputView),
      progress_(new BatchProgressView),
      summary_(new BatchSummaryView) {
    setWindowTitle(tr("Batch Export"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    // The sheet keeps its width and takes the height of the screen it shows.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(sheetPadding, sheetPadding, sheetPadding, sheetPadding);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget* screen : {static_cast<QWidget*>(input_), static_cast<QWidget*>(progress_),
                            static_cast<QWidget*>(summary_)}) {
        screen->setFixedWidth(sheetWidth - 2 * sheetPadding);
        layout->addWidget(screen);
    }
    showScreen(Screen::input);

    connect(input_, &BatchInputView::startRequested, this, &BatchExportPanel::start);
    connect(input_, &BatchInputView::cancelRequested, this, &BatchExportPanel::reject);
    connect(progress_, &BatchProgressView::cancelRequested, this, &BatchExportPanel::reject);
    connect(summary_, &BatchSummaryView::closeRequested, this, &BatchExportPanel::reject);
    connect(summary_, &BatchSummaryView::showFolderRequested, this, &BatchExportPanel::showFolder);
    connect(&run_, &QFutureWatcherBase::finished, this, &BatchExportPanel::runEnded);
}

// The engine waits for the items in hand before it goes, so no file is left half-written.
BatchExportPanel::~BatchExportPanel() = default;

void BatchExportPanel::showScreen(Screen screen) {
    screen_ = screen;
    input_->setVisible(screen == Screen::input);
    progress_->setVisible(screen == Screen::progress);
    summary_->setVisible(screen == Screen::summary);
    // Each screen has its own default button; a dialog knows only one at a time.
    input_->generateButton()->setDefault(screen == Screen::input);
    summary_->showFolderButton()->setDefault(screen == Screen::summary);
    QWidget* focus = screen == Screen::input      ? input_->textArea()
                     : screen == Screen::progress ? static_cast<QWidget*>(progress_->cancelButton())
                                                  : summary_->showFolderButton();
    focus->setFocus();
}

void BatchExportPanel::start() {
    if (engine_) return;
    const BatchConfig config = input_->config();
    destination_ = config.destinationURL;
    input_->setStarting(true);
    engine_ = std::make_unique<BatchEngine>();
    run_.setFuture(engine_->generateBatch(
        input_->items(), document_->style(), document_->exportSettings().correctionLevel, config,
        [this](const BatchProgress& progress) { showProgress(progress); }));
}

void BatchExportPanel::showProgress(const BatchProgress& progress) {
    progress_->showProgress(progress);
    if (screen_ != Screen::progress) showScreen(Screen::progress);
}

void BatchExportPanel::runEnded() {
    if (run_.isCanceled() || run_.future().resultCount() == 0) return;
    const BatchOutcome outcome = run_.result();
    if (!outcome) return reportFailure(outcome.error());
    summary_->showResult(*outcome);
    showScreen(Screen::summary);
}

// The sheet goes, and the alert stays over the document window with the folder and the reason.
void BatchExportPanel::reportFailure(const BatchError& error) {
    QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
    const QString folder = QDir::toNativeSeparators(destination_.toLocalFile());
    QDialog::reject();
    showBatchAlert(window, failureText(error, folder), error);
}

void BatchExportPanel::showFolder() {
    QDesktopServices::openUrl(destination_);
    QDialog::accept();
}

void BatchExportPanel::reject() {
    if (run_.isRunning()) run_.cancel();
    QDialog::reject();
}

}  // namespace vostrel
