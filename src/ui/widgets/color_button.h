#pragma once

#include <QAbstractButton>
#include <QPointer>

#include "render/codable_color.h"

class QColorDialog;

namespace vostrel {

// The colour as the inspector shows it: sRGB red, green and blue times 255, rounded to the
// nearest integer (halves away from zero), as "#RRGGBB". Components are clamped to 0…1.
QString displayHex(const CodableColor& color);

// A swatch of one colour that opens the colour dialog (window-modal, no opacity control) when
// clicked. The colour follows the dialog as the user picks, so the symbol shows each choice at
// once; cancelling puts back the colour the dialog opened with. What is picked is always opaque.
class ColorButton : public QAbstractButton {
    Q_OBJECT

  public:
    ColorButton(const QString& dialogTitle, QWidget* parent = nullptr);

    void setColor(const CodableColor& color);
    const CodableColor& color() const { return color_; }
    // The open dialog, or null.
    QColorDialog* dialog() const;

    QSize sizeHint() const override { return QSize(44, 24); }

  Q_SIGNALS:
    void colorPicked(const CodableColor& color);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void openDialog();
    void pick(const CodableColor& color);

    QString dialogTitle_;
    CodableColor color_;
    QPointer<QColorDialog> dialog_;
};

}  // namespace vostrel
