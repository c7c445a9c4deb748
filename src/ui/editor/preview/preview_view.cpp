#include "ui/editor/preview/preview_view.h"

#include <QGuiApplication>
#include <QPointer>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "document/vostrel_document.h"
#include "engine/qr_preview_controller.h"
#include "engine/scan_check_controller.h"
#include "engine/scannability_checks.h"
#include "export/export_settings.h"
#include "ui/editor/export/export_services.h"
#include "ui/editor/preview/copy_control.h"
#include "ui/editor/preview/logo_image_chooser.h"
#include "ui/editor/preview/preview_placeholder.h"
#include "ui/editor/preview/symbol_canvas.h"
#include "ui/editor/preview/warning_badges.h"
#include "ui/widgets/accessibility.h"

namespace vostrel {

namespace {

constexpr int sideMargin = 24;
constexpr int narrowSideMargin = 4;

}  // namespace

PreviewView::PreviewView(VostrelDocument* document, QRPreviewController* controller,
                         QUndoStack* undoStack, QWidget* parent)
    : QWidget(parent),
      document_(document),
      controller_(controller),
      undoStack_(undoStack),
      pages_(new QStackedLayout),
      placeholder_(new PreviewPlaceholder(tr("QR Preview"))),
      message_(new PreviewPlaceholder),
      canvas_(new SymbolCanvas),
      badges_(new WarningBadges),
      copyControl_(new CopyControl),
      announcer_(new Announcer),
      scanCheck_(new ScanCheckController(this)) {
    placeholder_->setAccessibleName(tr("QR code preview placeholder"));
    pages_->addWidget(placeholder_);
    pages_->addWidget(message_);
    pages_->addWidget(canvas_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(sideMargin, 20, sideMargin, 16);
    layout->setSpacing(12);
    layout->addLayout(pages_, 1);
    layout->addWidget(badges_);
    layout->addWidget(copyControl_);
    layout->addWidget(announcer_);

    connect(document_, &VostrelDocument::contentChanged, this, &PreviewView::requestRender);
    connect(document_, &VostrelDocument::exportSettingsChanged, this, &PreviewView::requestRender);
    connect(document_, &VostrelDocument::styleChanged, this, &PreviewView::requestRender);
    connect(document_, &VostrelDocument::styleChanged, this, &PreviewView::showControllerState);
    connect(document_, &VostrelDocument::styleChanged, this, &PreviewView::showWarnings);
    connect(document_, &VostrelDocument::exportSettingsChanged, this, &PreviewView::showWarnings);
    connect(document_, &VostrelDocument::exportSettingsChanged, this,
            &PreviewView::requestScanCheck);
    connect(controller_, &QRPreviewController::matrixChanged, this,
            &PreviewView::showControllerState);
    connect(controller_, &QRPreviewController::matrixChanged, this, &PreviewView::showWarnings);
    connect(scanCheck_, &ScanCheckController::resultChanged, this, &PreviewView::showScanCheck);
    connect(controller_, &QRPreviewController::errorMessageChanged, this,
            &PreviewView::showControllerState);
    connect(controller_, &QRPreviewController::renderedContentChanged, this,
            &PreviewView::showControllerState);
    connect(canvas_, &SymbolCanvas::copyRequested, this, &PreviewView::copy);
    connect(canvas_, &SymbolCanvas::replaceLogoRequested, this, &PreviewView::replaceLogo);
    connect(copyControl_, &CopyControl::copyClicked, this, &PreviewView::copy);

    setMinimumWidth(SymbolCanvas::canvasEdgeFor(minimumCardEdge) + 2 * narrowSideMargin);
    // What the document holds when the window opens is shown, not announced.
    warnings_ = evaluateDesignWarnings(document_->style(), document_->exportSettings().pngSize, 0);
    badges_->showWarnings(warnings_);
    requestRender();
    showControllerState();
}

// Style changes other than adding or removing the logo keep the level, and are not asked for
// again. The comparison is with the last request, not the last result: typing a letter and
// deleting it within the debounce must ask for the old content again, or the pending request
// for the letter would publish a symbol the document no longer has.
void PreviewView::requestRender() {
    std::pair request{document_->content(),
                      effectiveCorrectionLevel(document_->style(), document_->exportSettings())};
    if (lastRequest_ == request) return;
    controller_->requestRender(request.first, request.second);
    lastRequest_ = std::move(request);
}

std::optional<ModuleMatrix> PreviewView::currentMatrix() const {
    return controller_->currentMatrix(
        document_->content(),
        effectiveCorrectionLevel(document_->style(), document_->exportSettings()));
}

void PreviewView::showControllerState() {
    if (const auto& matrix = controller_->matrix()) {
        canvas_->setSymbol(*matrix, document_->style());
        if (const auto& content = controller_->renderedContent())
            canvas_->setAccessibleName(content->accessibilitySummary());
        pages_->setCurrentWidget(canvas_);
    } else if (const auto& message = controller_->errorMessage()) {
        const QString detail = controller_->errorDetail().value_or(QString());
        message_->setText(*message, detail);
        message_->setAccessibleName(*message);
        message_->setAccessibleDescription(detail);
        pages_->setCurrentWidget(message_);
    } else {
        pages_->setCurrentWidget(placeholder_);
    }
    copyControl_->button()->setEnabled(controller_->matrix().has_value());
    badges_->setSymbolShown(controller_->matrix().has_value());
    requestScanCheck();
}

// In a narrow window the margins beside the card give way before the card itself shrinks.
void PreviewView::resizeEvent(QResizeEvent* event) {
    const int spare = width() - SymbolCanvas::canvasEdgeFor(minimumCardEdge);
    const int side = std::clamp(spare / 2, narrowSideMargin, sideMargin);
    QMargins margins = layout()->contentsMargins();
    if (margins.left() != side) {
        margins.setLeft(side);
        margins.setRight(side);
        layout()->setContentsMargins(margins);
    }
    QWidget::resizeEvent(event);
}

// Every change to what the picture shows asks again; the check waits until they stop.
void PreviewView::requestScanCheck() {
    const auto& matrix = controller_->matrix();
    if (!matrix) {
        scanCheck_->clear();
        return;
    }
    scanCheck_->requestCheck(*matrix, document_->style(), document_->exportSettings().pngSize,
                             controller_->renderedPayload().toUtf8());
}

void PreviewView::showScanCheck() {
    const std::optional<ScanCheckResult>& result = scanCheck_->result();
    badges_->showScanCheck(result);
    const bool failed = result && !result->passed();
    if (failed && !scanCheckFailed_) announcer_->announce(result->message());
    scanCheckFailed_ = failed;
}

// The module size needs the symbol; until there is one, it is left out.
void PreviewView::showWarnings() {
    const auto& matrix = controller_->matrix();
    const int symbolSize = matrix ? int(matrix->size()) - 2 : 0;
    const QList<ValidationWarning> warnings =
        evaluateDesignWarnings(document_->style(), document_->exportSettings().pngSize, symbolSize);
    if (warnings == warnings_) return;
    QStringList appeared;
    for (const ValidationWarning& warning : warnings) {
        if (!warnings_.contains(warning)) appeared.append(warning.message());
    }
    warnings_ = warnings;
    badges_->showWarnings(warnings_);
    if (!appeared.isEmpty()) announcer_->announce(appeared.join(u' '));
}

void PreviewView::copy() {
    const std::optional<ModuleMatrix> matrix = currentMatrix();
    if (!matrix) return;
    canvas_->setFocus(Qt::OtherFocusReason);
    const bool copied = copyPNG(*matrix, document_->style(), document_->exportSettings().pngSize,
                                QGuiApplication::clipboard());
    copyControl_->showResult(copied);
    announcer_->announce(copyControl_->message());
}

void PreviewView::replaceLogo() {
    chooseLogoImage(this, [self = QPointer(this)](const LogoOverlay& logo) {
        if (self) self->document_->setLogoOverlay(logo, self->undoStack_);
    });
}

}  // namespace vostrel
