#pragma once

#include <QWidget>

class QSplitter;
class QUndoStack;

namespace vostrel {

class InspectorView;
class PreviewView;
class QRPreviewController;
class SidebarView;
class VostrelDocument;

// The three columns of a document window: the sidebar with the content picker and form, the
// preview in the middle, and the style inspector on the right, which can be hidden (the preview
// then takes its width). Owns the window's preview controller.
class DocumentView : public QWidget {
    Q_OBJECT

  public:
    DocumentView(VostrelDocument* document, QUndoStack* undoStack, QWidget* parent = nullptr);

    VostrelDocument* document() const { return document_; }
    QRPreviewController* controller() const { return controller_; }
    SidebarView* sidebar() const { return sidebar_; }
    PreviewView* preview() const { return preview_; }
    InspectorView* inspector() const { return inspector_; }

    bool isInspectorShown() const;
    void setInspectorShown(bool shown);

    // Opens the export sheet over the window for the symbol the preview shows; without one the
    // sheet only says so.
    void showExportPanel();

    // Opens the batch sheet over the window; it needs no symbol, only the document's style.
    void showBatchExportPanel();

    // The Edit menu's Copy: the symbol while the preview's canvas has the keyboard focus,
    // otherwise the ordinary copy of whichever control has it (the selected text of a field).
    void copy();

  Q_SIGNALS:
    void inspectorShownChanged(bool shown);
    void aboutRequested();

  private:
    VostrelDocument* document_;
    QRPreviewController* controller_;
    SidebarView* sidebar_;
    PreviewView* preview_;
    InspectorView* inspector_;
    QSplitter* splitter_;
};

}  // namespace vostrel
