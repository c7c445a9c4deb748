#include "ui/widgets/color_button.h"

#include <QColorDialog>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/widgets/focus_frame.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

int roundedByte(double component) {
    if (!(component > 0.0)) return 0;  // also NaN
    return int(std::lround(std::min(component, 1.0) * 255.0));
}

}  // namespace

QString displayHex(const CodableColor& color) {
    return hexText(roundedByte(color.r), roundedByte(color.g), roundedByte(color.b));
}

ColorButton::ColorButton(const QString& dialogTitle, QWidget* parent)
    : QAbstractButton(parent), dialogTitle_(dialogTitle) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, &ColorButton::openDialog);
}

void ColorButton::setColor(const CodableColor& color) {
    if (color == color_) return;
    color_ = color;
    update();
}

QColorDialog* ColorButton::dialog() const {
    return dialog_;
}

void ColorButton::openDialog() {
    if (dialog_) return dialog_->raise();
    const CodableColor original = color_;
    dialog_ = new QColorDialog(original.toQColor(), window());
    dialog_->setWindowTitle(dialogTitle_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog_, &QColorDialog::currentColorChanged, this,
            [this](const QColor& color) { pick(CodableColor::fromQColor(color)); });
    connect(dialog_, &QColorDialog::colorSelected, this,
            [this](const QColor& color) { pick(CodableColor::fromQColor(color)); });
    connect(dialog_, &QDialog::rejected, this, [this, original] { pick(original); });
    dialog_->open();
}

// The dialog reports colours at Qt's precision; one that shows the same as the current colour is
// no change, so merely confirming the dialog does not rewrite 0.102 as 0.10199999….
void ColorButton::pick(const CodableColor& color) {
    if (color == color_ || color.toQColor() == color_.toQColor()) return;
    setColor(color);
    Q_EMIT colorPicked(color);
}

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QColor outline = palette().color(QPalette::Shadow);
    outline.setAlphaF(isDarkPalette(palette()) ? 0.9f : 0.3f);
    const bool focusShown = showsKeyboardFocus(this);
    if (focusShown) outline = accentColor(palette());
    painter.setPen(QPen(outline, focusShown ? 2.0 : 1.0));
    painter.setBrush(color_.toQColor());
    painter.drawRoundedRect(frame, 6, 6);
}

}  // namespace vostrel
