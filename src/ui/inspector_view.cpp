#include "ui/inspector_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/forms/form_fields.h"

namespace vostrel {

InspectorView::InspectorView(VostrelDocument* document, QUndoStack* undoStack, QWidget* parent)
    : QScrollArea(parent), document_(document), undoStack_(undoStack) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(makeCaption(tr("STYLE")));
    layout->addStretch(1);
    setWidget(page);
}

}  // namespace vostrel
