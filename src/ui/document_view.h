#pragma once

#include <QWidget>

class QSplitter;
class QUndoStack;

namespace vostrel {

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

    bool isInspectorShown() const;
    void setInspectorShown(bool shown);

  Q_SIGNALS:
    void inspectorShownChanged(bool shown);
    void aboutRequested();

  private:
    VostrelDocument* document_;
    QRPreviewController* controller_;
    SidebarView* sidebar_;
    PreviewView* preview_;
    QWidget* inspector_;
    QSplitter* splitter_;
};

}  // namespace vostrel
