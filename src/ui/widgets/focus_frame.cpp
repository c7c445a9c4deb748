#include "ui/widgets/focus_frame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace vostrel {

void paintFocusFrame(QPainter& painter, const QWidget* widget, const QRect& frame) {
    if (!widget->hasFocus() || !widget->window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = frame;
    option.backgroundColor = widget->palette().color(QPalette::Window);
    painter.save();
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
    painter.restore();
}

}  // namespace vostrel
