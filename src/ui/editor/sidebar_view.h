#pragma once

#include <QPointer>
#include <QWidget>

class QScrollArea;
class QUndoStack;

namespace vostrel {

class ContentForm;
class QRContent;
class ContentTypePicker;
class VostrelDocument;

// The left column of a document window: the content-type picker over the form of the current
// kind. The form edits the document's content directly (no undo step); a kind switch goes
// through the document's undoable switch on the window's undo stack.
class SidebarView : public QWidget {
    Q_OBJECT

  public:
    SidebarView(VostrelDocument* document, QUndoStack* undoStack, QWidget* parent = nullptr);

    ContentTypePicker* picker() const { return picker_; }
    ContentForm* form() const;

  Q_SIGNALS:
    void aboutRequested();

  private:
    void showDocumentContent();
    void applyEdit(const QRContent& content);

    VostrelDocument* document_;
    QUndoStack* undoStack_;
    ContentTypePicker* picker_;
    QScrollArea* scrollArea_;
    QPointer<ContentForm> form_;
};

}  // namespace vostrel
