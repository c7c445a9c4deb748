#include "ui/preview_view.h"

#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "document/vostrel_document.h"
#include "engine/qr_preview_controller.h"
#include "export/export_settings.h"
#include "ui/symbol_canvas.h"

namespace vostrel {

namespace {

QLabel* makeCentredLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

}  // namespace

PreviewView::PreviewView(VostrelDocument* document, QRPreviewController* controller,
                         QUndoStack* undoStack, QWidget* parent)
    : QWidget(parent),
      document_(document),
      controller_(controller),
      undoStack_(undoStack),
      pages_(new QStackedLayout),
      placeholder_(makeCentredLabel(tr("QR Preview"))),
      message_(makeCentredLabel({})),
      canvas_(new SymbolCanvas) {
    placeholder_->setAccessibleName(tr("QR code preview placeholder"));
    pages_->addWidget(placeholder_);
    pages_->addWidget(message_);
    pages_->addWidget(canvas_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addLayout(pages_);

    connect(document_, &VostrelDocument::contentChanged, this, &PreviewView::requestRender);
    connect(document_, &VostrelDocument::exportSettingsChanged, this, &PreviewView::requestRender);
    connect(document_, &VostrelDocument::styleChanged, this, &PreviewView::requestRender);
    connect(document_, &VostrelDocument::styleChanged, this, &PreviewView::showControllerState);
    connect(controller_, &QRPreviewController::matrixChanged, this,
            &PreviewView::showControllerState);
    connect(controller_, &QRPreviewController::errorMessageChanged, this,
            &PreviewView::showControllerState);
    requestRender();
}

// Style changes other than adding or removing the logo keep the level; the controller is only
// asked again when the content or the effective level differs from its last request.
void PreviewView::requestRender() {
    const CorrectionLevel level =
        effectiveCorrectionLevel(document_->style(), document_->exportSettings());
    if (controller_->renderedContent() == document_->content() &&
        controller_->renderedCorrectionLevel() == level && controller_->matrix())
        return;
    controller_->requestRender(document_->content(), level);
}

void PreviewView::showControllerState() {
    if (const auto& matrix = controller_->matrix()) {
        canvas_->setSymbol(*matrix, document_->style());
        canvas_->setAccessibleName(document_->content().accessibilitySummary());
        pages_->setCurrentWidget(canvas_);
    } else if (const auto& message = controller_->errorMessage()) {
        message_->setText(*message);
        pages_->setCurrentWidget(message_);
    } else {
        pages_->setCurrentWidget(placeholder_);
    }
}

}  // namespace vostrel
