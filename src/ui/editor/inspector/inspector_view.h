#pragma once

#include <QScrollArea>

class QUndoStack;

namespace vostrel {

class VostrelDocument;

// The style inspector column on the right of a document window: every field of the document's
// style, section by section (shape, finder pattern, colours, logo, gradient, quiet zone). Each
// control writes its field straight to the document; only logo changes are undoable, on the
// window's stack. The controls follow the document, so undo and redo show in them.
class InspectorView : public QScrollArea {
    Q_OBJECT

  public:
    // As wide as its widest row at the current font, so that nothing is cut: the page scrolls
    // only vertically.
    QSize minimumSizeHint() const override;

    InspectorView(VostrelDocument* document, QUndoStack* undoStack, QWidget* parent = nullptr);
};

}  // namespace vostrel
