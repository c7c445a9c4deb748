#pragma once

#include <QScrollArea>

class QUndoStack;

namespace vostrel {

class VostrelDocument;

// The style inspector column on the right of a document window.
class InspectorView : public QScrollArea {
    Q_OBJECT

  public:
    InspectorView(VostrelDocument* document, QUndoStack* undoStack, QWidget* parent = nullptr);

  private:
    VostrelDocument* document_;
    QUndoStack* undoStack_;
};

}  // namespace vostrel
