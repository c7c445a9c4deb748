#pragma once

#include <QWidget>
#include <functional>

#include "ui/editor/forms/form_fields.h"

class QLabel;
class QToolButton;

namespace vostrel {

// A value with minus and plus buttons beside its description ("Quiet zone: 4 modules"). The
// buttons stay within minimum…maximum, but a value set from outside that range is shown as it
// is; a step from there lands on the nearest end. Up and down arrow keys step too.
class Stepper : public QWidget {
    Q_OBJECT

  public:
    using Describe = std::function<QString(qint64)>;

    Stepper(qint64 minimum, qint64 maximum, Describe describe, const AccessibleText& accessible,
            QWidget* parent = nullptr);

    // Shows the value without reporting an edit.
    void setValue(qint64 value);
    qint64 value() const { return value_; }
    QToolButton* decrementButton() const { return minus_; }
    QToolButton* incrementButton() const { return plus_; }

  Q_SIGNALS:
    void valueEdited(qint64 value);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void step(int direction);
    void refresh();

    qint64 minimum_;
    qint64 maximum_;
    Describe describe_;
    qint64 value_;
    QLabel* label_;
    QToolButton* minus_;
    QToolButton* plus_;
};

}  // namespace vostrel
