#pragma once

#include <QList>
#include <QWidget>
#include <optional>

#include "content/qr_content.h"
#include "engine/correction_level.h"
#include "engine/module_matrix.h"
#include "engine/validation_warning.h"

class QStackedLayout;
class QUndoStack;

namespace vostrel {

class Announcer;
class CopyControl;
class PreviewPlaceholder;
class QRPreviewController;
class ScanCheckController;
class SymbolCanvas;
class VostrelDocument;
class WarningBadges;

// The middle of a document window: the styled symbol of the document's current content on its
// card (or a placeholder until there is one, or the controller's message in its place), the
// scannability badges and the copy button. Asks the window's preview controller for a new symbol
// whenever the content or the effective correction level (H while the style has a logo)
// changes; style changes only redraw. Once the picture settles, its own scan check reads the
// design back off the main thread and the badges show how it read. New warnings, a newly failing
// scan check and copy results are announced to assistive technology.
class PreviewView : public QWidget {
    Q_OBJECT

  public:
    PreviewView(VostrelDocument* document, QRPreviewController* controller, QUndoStack* undoStack,
                QWidget* parent = nullptr);

    SymbolCanvas* canvas() const { return canvas_; }
    CopyControl* copyControl() const { return copyControl_; }
    WarningBadges* badges() const { return badges_; }
    Announcer* announcer() const { return announcer_; }

    // The controller's matrix when it was made from the document's current content at the
    // effective level: what is shown, copied, dragged and exported.
    std::optional<ModuleMatrix> currentMatrix() const;

    // Copies the symbol as a PNG of the document's export size, with the canvas focused, and
    // shows and announces the result. Does nothing at all while there is no current matrix.
    void copy();

    // The card never gets smaller than this, however narrow the window.
    static constexpr int minimumCardEdge = 240;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void requestRender();
    void showControllerState();
    void showWarnings();
    void requestScanCheck();
    void showScanCheck();
    void replaceLogo();

    VostrelDocument* document_;
    QRPreviewController* controller_;
    QUndoStack* undoStack_;
    QStackedLayout* pages_;
    PreviewPlaceholder* placeholder_;
    PreviewPlaceholder* message_;
    SymbolCanvas* canvas_;
    WarningBadges* badges_;
    CopyControl* copyControl_;
    Announcer* announcer_;
    ScanCheckController* scanCheck_;
    QList<ValidationWarning> warnings_;
    bool scanCheckFailed_ = false;
    // What the controller was last asked for, so that only a real change asks again.
    std::optional<std::pair<QRContent, CorrectionLevel>> lastRequest_;
};

}  // namespace vostrel
