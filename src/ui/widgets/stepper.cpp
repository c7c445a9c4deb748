#include "ui/widgets/stepper.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "ui/widgets/accessibility.h"

namespace vostrel {

namespace {

QToolButton* makeStepButton(const QString& text, const QString& name) {
    auto* button = new QToolButton;
    button->setText(text);
    button->setAccessibleName(name);
    button->setFocusPolicy(Qt::NoFocus);  // the stepper itself takes the focus
    button->setFixedSize(26, 24);
    return button;
}

}  // namespace

Stepper::Stepper(qint64 minimum, qint64 maximum, Describe describe,
                 const AccessibleText& accessible, QWidget* parent)
    : QWidget(parent),
      minimum_(minimum),
      maximum_(maximum),
      describe_(std::move(describe)),
      value_(minimum),
      label_(new QLabel),
      minus_(makeStepButton(QStringLiteral("−"), tr("Decrease"))),
      plus_(makeStepButton(QStringLiteral("+"), tr("Increase"))) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleRole(this, QAccessible::SpinBox);
    setAccessibleText(this, accessible);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(label_, 1);
    layout->addWidget(minus_);
    layout->addWidget(plus_);
    connect(minus_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(plus_, &QToolButton::clicked, this, [this] { step(+1); });
    refresh();
}

void Stepper::setValue(qint64 value) {
    value_ = value;
    refresh();
}

void Stepper::step(int direction) {
    if (direction > 0 ? value_ >= maximum_ : value_ <= minimum_) return;
    value_ = std::clamp(value_ + direction, minimum_, maximum_);
    refresh();
    Q_EMIT valueEdited(value_);
}

void Stepper::refresh() {
    const QString text = describe_(value_);
    label_->setText(text);
    minus_->setEnabled(value_ > minimum_);
    plus_->setEnabled(value_ < maximum_);
    setAccessibleValue(this, text);
}

void Stepper::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Right) return step(+1);
    if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Left) return step(-1);
    QWidget::keyPressEvent(event);
}

}  // namespace vostrel
