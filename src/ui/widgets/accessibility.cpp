#include "ui/widgets/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace vostrel {

namespace {

constexpr char roleProperty[] = "vostrelAccessibleRole";
constexpr char actionsProperty[] = "vostrelAccessibleActions";
constexpr char valueProperty[] = "vostrelAccessibleValue";

class DescribedWidgetAccessible final : public QAccessibleWidget {
  public:
    explicit DescribedWidgetAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Role(widget->property(roleProperty).toInt())) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return widget()->property(valueProperty).toString();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return ownActions() + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (auto* button = qobject_cast<QAbstractButton*>(widget());
            button && name == pressAction()) {
            button->click();
        } else if (ownActions().contains(name)) {
            QMetaObject::invokeMethod(widget(), "performAccessibleAction", Q_ARG(QString, name));
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

  private:
    QStringList ownActions() const {
        QStringList actions = widget()->property(actionsProperty).toStringList();
        if (qobject_cast<QAbstractButton*>(widget())) actions.prepend(pressAction());
        return actions;
    }
};

// Asked for every class of an object's hierarchy, most derived first; answering for the first
// keeps Qt's own interface for the class from being used for described widgets.
QAccessibleInterface* describedWidgetFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(roleProperty).isValid()) return nullptr;
    if (className != QLatin1String(object->metaObject()->className())) return nullptr;
    return new DescribedWidgetAccessible(widget);
}

void installFactoryOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(describedWidgetFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessible::Role defaultRole(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) ? QAccessible::Button
                                                        : QAccessible::Grouping;
}

}  // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role, const QStringList& actions) {
    installFactoryOnce();
    widget->setProperty(roleProperty, int(role));
    widget->setProperty(actionsProperty, actions);
}

void setAccessibleValue(QWidget* widget, const QString& value) {
    if (!widget->property(roleProperty).isValid()) setAccessibleRole(widget, defaultRole(widget));
    if (accessibleValue(widget) == value && widget->property(valueProperty).isValid()) return;
    widget->setProperty(valueProperty, value);
    QAccessibleValueChangeEvent event(widget, value);
    QAccessible::updateAccessibility(&event);
}

QString accessibleValue(const QWidget* widget) {
    return widget->property(valueProperty).toString();
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setAccessibleRole(this, QAccessible::Notification);
    // Hidden widgets are left out of the accessibility tree, so the element stays shown but
    // takes one transparent pixel.
    setFixedSize(1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Announcer::announce(const QString& message) {
    setAccessibleName(message);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    Q_EMIT announced(message);
}

}  // namespace vostrel
