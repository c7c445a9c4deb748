#include "ui/editor/document_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSplitter>
#include <QVBoxLayout>

#include "engine/qr_preview_controller.h"
#include "ui/editor/batch/batch_export_panel.h"
#include "ui/editor/export/export_panel.h"
#include "ui/editor/inspector/inspector_view.h"
#include "ui/editor/preview/preview_view.h"
#include "ui/editor/sidebar_view.h"

namespace vostrel {

namespace {

struct ColumnWidths {
    int minimum;
    int ideal;
    int maximum;
};

constexpr ColumnWidths sidebarWidths{240, 300, 380};
constexpr ColumnWidths inspectorWidths{240, 280, 320};
constexpr int previewIdealWidth = 600;

// A column is never narrower than its content needs at the current font.
void applyWidths(QWidget* column, const ColumnWidths& widths) {
    column->setMinimumWidth(std::max(widths.minimum, column->minimumSizeHint().width()));
    column->setMaximumWidth(widths.maximum);
}

// A plain splitter takes every change of the window's width from all columns alike. This one
// favours the preview: below its ideal width the preview takes width from the side columns down
// to their minimums first; above it the side columns get back up to their ideal widths first.
// A handle the user drags stays where it is put until the window is resized.
class PreviewFirstSplitter : public QSplitter {
  public:
    PreviewFirstSplitter() : QSplitter(Qt::Horizontal) {}

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QSplitter::resizeEvent(event);
        QList<int> sizes = this->sizes();
        const std::pair<int, const ColumnWidths*> sides[] = {{0, &sidebarWidths},
                                                             {2, &inspectorWidths}};
        for (const auto& [index, widths] : sides) {
            if (!widget(index)->isHidden()) balance(sizes[1], sizes[index], *widths);
        }
        if (sizes != this->sizes()) setSizes(sizes);
    }

  private:
    static void balance(int& preview, int& side, const ColumnWidths& widths) {
        if (preview < previewIdealWidth) {
            const int given = std::clamp(previewIdealWidth - preview, 0, side - widths.minimum);
            side -= given;
            preview += given;
        } else {
            const int returned = std::clamp(preview - previewIdealWidth, 0, widths.ideal - side);
            side += returned;
            preview -= returned;
        }
    }
};

}  // namespace

DocumentView::DocumentView(VostrelDocument* document, QUndoStack* undoStack, QWidget* parent)
    : QWidget(parent),
      document_(document),
      controller_(new QRPreviewController(this)),
      sidebar_(new SidebarView(document, undoStack)),
      preview_(new PreviewView(document, controller_, undoStack)),
      inspector_(new InspectorView(document, undoStack)),
      splitter_(new PreviewFirstSplitter) {
    applyWidths(sidebar_, sidebarWidths);
    applyWidths(inspector_, inspectorWidths);
    splitter_->addWidget(sidebar_);
    splitter_->addWidget(preview_);
    splitter_->addWidget(inspector_);
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({sidebarWidths.ideal, previewIdealWidth, inspectorWidths.ideal});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    // Wider than 760 only when a large font needs it.
    setMinimumSize(QSize(760, 540).expandedTo(QSize(splitter_->minimumSizeHint().width(), 0)));
    connect(sidebar_, &SidebarView::aboutRequested, this, &DocumentView::aboutRequested);
}

bool DocumentView::isInspectorShown() const {
    return !inspector_->isHidden();
}

void DocumentView::setInspectorShown(bool shown) {
    if (shown == isInspectorShown()) return;
    inspector_->setVisible(shown);
    Q_EMIT inspectorShownChanged(shown);
}

void DocumentView::showExportPanel() {
    auto* panel = new ExportPanel(document_, preview_->currentMatrix(), window());
    panel->open();
}

void DocumentView::showBatchExportPanel() {
    auto* panel = new BatchExportPanel(document_, window());
    panel->open();
}

// The focused control answers the Copy key as if it had been pressed: a text field copies its
// selection, the canvas copies the symbol. The key reaches it only from the menu, since both
// claim the shortcut for themselves while focused.
void DocumentView::copy() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != window()) return;
    const QKeyCombination keys = QKeySequence(QKeySequence::Copy)[0];
    QKeyEvent press(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
    QCoreApplication::sendEvent(focus, &press);
}

}  // namespace vostrel
