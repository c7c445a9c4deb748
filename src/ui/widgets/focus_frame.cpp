#include "ui/widgets/focus_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace vostrel {

namespace {

class MousePressUnmarksKeyboardFocus : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Every event of the application passes here: the cheap test first.
        if (event->type() != QEvent::MouseButtonPress) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        QWidget* window = widget->window();
        if (!window->testAttribute(Qt::WA_KeyboardFocusChange)) return false;
        window->setAttribute(Qt::WA_KeyboardFocusChange, false);
        // A click on the control that already has the focus changes no focus, so nothing
        // else would take its ring away.
        if (QWidget* focused = window->focusWidget()) focused->update();
        return false;
    }
};

}  // namespace

void makeFocusRingsFollowTheKeyboard(QCoreApplication& application) {
    const QString name = QStringLiteral("vostrel-mouse-press-unmarks-keyboard-focus");
    if (application.findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) return;
    auto* filter = new MousePressUnmarksKeyboardFocus(&application);
    filter->setObjectName(name);
    application.installEventFilter(filter);
}

bool showsKeyboardFocus(const QWidget* widget) {
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void paintFocusFrame(QPainter& painter, const QWidget* widget, const QRect& frame) {
    if (!showsKeyboardFocus(widget)) return;
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = frame;
    option.backgroundColor = widget->palette().color(QPalette::Window);
    painter.save();
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
    painter.restore();
}

}  // namespace vostrel
