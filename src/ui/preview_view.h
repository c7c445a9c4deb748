#pragma once

#include <QWidget>

class QLabel;
class QStackedLayout;
class QUndoStack;

namespace vostrel {

class QRPreviewController;
class SymbolCanvas;
class VostrelDocument;

// The middle of a document window: the styled symbol of the document's current content, or a
// placeholder until there is one, or the controller's message in its place. Asks the window's
// preview controller for a new symbol whenever the content or the effective correction level
// (H while the style has a logo) changes.
class PreviewView : public QWidget {
    Q_OBJECT

  public:
    PreviewView(VostrelDocument* document, QRPreviewController* controller, QUndoStack* undoStack,
                QWidget* parent = nullptr);

    SymbolCanvas* canvas() const { return canvas_; }

  private:
    void requestRender();
    void showControllerState();

    VostrelDocument* document_;
    QRPreviewController* controller_;
    QUndoStack* undoStack_;
    QStackedLayout* pages_;
    QWidget* placeholder_;
    QLabel* message_;
    SymbolCanvas* canvas_;
};

}  // namespace vostrel
