#include "ui/editor/inspector/inspector_view.h"

#include <QVBoxLayout>

#include "ui/editor/inspector/inspector_sections.h"

namespace vostrel {

InspectorView::InspectorView(VostrelDocument* document, QUndoStack* undoStack, QWidget* parent)
    : QScrollArea(parent) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAccessibleName(tr("Style inspector"));
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(18);
    layout->addWidget(new ShapeSection(document));
    layout->addWidget(new FinderSection(document));
    layout->addWidget(new ColorsSection(document));
    layout->addWidget(new LogoSection(document, undoStack));
    layout->addWidget(new GradientSection(document));
    layout->addWidget(new QuietZoneSection(document));
    layout->addWidget(new ErrorCorrectionSection(document));
    layout->addStretch(1);
    setWidget(page);
}

}  // namespace vostrel
