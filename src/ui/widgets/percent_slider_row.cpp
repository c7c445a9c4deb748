#include "ui/widgets/percent_slider_row.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

namespace vostrel {

namespace {

int hundredths(double value) {
    return int(std::lround(value * 100.0));
}

}  // namespace

PercentSliderRow::PercentSliderRow(const QString& title, double minimum, double maximum,
                                   const AccessibleText& accessible, QWidget* parent)
    : QWidget(parent),
      title_(new QLabel(title)),
      slider_(new QSlider(Qt::Horizontal)),
      percent_(new QLabel) {
    slider_->setRange(hundredths(minimum), hundredths(maximum));
    slider_->setSingleStep(1);
    slider_->setPageStep(5);
    setAccessibleText(slider_, accessible);
    title_->setBuddy(slider_);
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    percent_->setMinimumWidth(percent_->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    percent_->setForegroundRole(QPalette::PlaceholderText);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(title_);
    layout->addWidget(slider_, 1);
    layout->addWidget(percent_);

    connect(slider_, &QSlider::valueChanged, this, [this](int position) {
        value_ = position / 100.0;
        showPercent();
        Q_EMIT valueEdited(value_);
    });
    showPercent();
}

void PercentSliderRow::setValue(double value) {
    value_ = value;
    const QSignalBlocker blocker(slider_);
    if (std::isfinite(value)) {
        slider_->setValue(
            hundredths(std::clamp(value, slider_->minimum() / 100.0, slider_->maximum() / 100.0)));
    }
    showPercent();
}

void PercentSliderRow::alignTitles(const QList<PercentSliderRow*>& rows) {
    int widest = 0;
    for (const PercentSliderRow* row : rows)
        widest = std::max(widest, row->title_->sizeHint().width());
    for (PercentSliderRow* row : rows) row->title_->setMinimumWidth(widest);
}

void PercentSliderRow::showPercent() {
    percent_->setText(QStringLiteral("%1%").arg(wholePercent(value_)));
}

}  // namespace vostrel
