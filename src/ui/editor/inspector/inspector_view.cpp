#include "ui/editor/inspector/inspector_view.h"

#include <QScrollBar>
#include <QStyle>
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
    layout->setContentsMargins(14, 16, 14, 16);
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

QSize InspectorView::minimumSizeHint() const {
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int page = widget()->minimumSizeHint().width() + scrollBar + 2 * frameWidth();
    return QScrollArea::minimumSizeHint().expandedTo(QSize(page, 0));
}

}  // namespace vostrel
