#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace vostrel {

// Qt gives a value only to its own value controls (sliders, spin boxes) and named actions only to
// its own buttons. The two calls below give them to any of our widgets: the widget then gets an
// accessible interface that reports `role`, the value and the actions, and performs an action by
// calling the widget's slot `performAccessibleAction(QString)`. Call them before the widget is
// first shown, except setAccessibleValue, which may be called again at any time.
void setAccessibleRole(QWidget* widget, QAccessible::Role role, const QStringList& actions = {});

// Also tells assistive technology that the value changed.
void setAccessibleValue(QWidget* widget, const QString& value);
QString accessibleValue(const QWidget* widget);

// Speaks short messages that do not move the focus ("Copied to clipboard", a new scannability
// warning). Qt 6.4 has no announcement event, so this is a one-pixel element with the
// notification role whose name becomes the message; each message is published as a name change
// followed by the element showing again, which screen readers read out for notifications. An
// identical message twice in a row is announced twice.
class Announcer : public QWidget {
    Q_OBJECT

  public:
    explicit Announcer(QWidget* parent = nullptr);

    void announce(const QString& message);

  Q_SIGNALS:
    // After each message was handed to assistive technology.
    void announced(const QString& message);
};

}  // namespace vostrel
