#pragma once

#include <QWidget>

#include "common/number_format.h"
#include "ui/editor/forms/form_fields.h"

class QLabel;
class QSlider;

namespace vostrel {

// A titled slider over a fraction in hundredths (step 0.01) with its value beside it as a whole
// percentage, e.g. "Corners ——o—— 44%". A value outside the range puts the slider at the nearest
// end but is shown as it is.
class PercentSliderRow : public QWidget {
    Q_OBJECT

  public:
    PercentSliderRow(const QString& title, double minimum, double maximum,
                     const AccessibleText& accessible = {}, QWidget* parent = nullptr);

    // Shows the value without reporting an edit.
    void setValue(double value);
    double value() const { return value_; }
    QSlider* slider() const { return slider_; }

    // Starts the sliders of rows shown one above the other at the same place: every title takes
    // the width of the widest at the current font. A title is never cut, whatever the font.
    static void alignTitles(const QList<PercentSliderRow*>& rows);

  Q_SIGNALS:
    void valueEdited(double value);

  private:
    void showPercent();

    QLabel* title_;
    QSlider* slider_;
    QLabel* percent_;
    double value_ = 0.0;
};

}  // namespace vostrel
