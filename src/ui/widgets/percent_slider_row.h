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

  Q_SIGNALS:
    void valueEdited(double value);

  private:
    void showPercent();

    QSlider* slider_;
    QLabel* percent_;
    double value_ = 0.0;
};

}  // namespace vostrel
