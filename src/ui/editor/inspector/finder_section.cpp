#include <QCheckBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/editor/inspector/inspector_sections.h"
#include "ui/widgets/percent_slider_row.h"

namespace vostrel {

FinderSection::FinderSection(VostrelDocument* document, QWidget* parent)
    : InspectorSection(tr("Finder Pattern"), document, parent),
      flip_(makeToggle(tr("Flip vertically"))),
      corners_(new PercentSliderRow(
          tr("Corners"), 0.0, 1.0,
          {tr("Finder pattern corner rounding"),
           tr("Rounds the three corner squares from sharp to fully circular")})),
      thickness_(new PercentSliderRow(
          tr("Thickness"), 0.5, 1.0,
          {tr("Finder pattern wall thickness"),
           tr("Reduces the thickness of the three corner rings. Useful for dotted modules.")})) {
    setAccessibleText(flip_, {tr("Flip QR code vertically"),
                              tr("When on, finders sit at upper-left, lower-left, and "
                                 "lower-right. When off, the QR uses its standard orientation "
                                 "with finders at upper-left, upper-right, and lower-left.")});
    body()->addWidget(flip_);
    body()->addWidget(corners_);
    body()->addWidget(thickness_);
    PercentSliderRow::alignTitles({corners_, thickness_});
    connect(flip_, &QCheckBox::toggled, this,
            [this](bool on) { editStyle([on](QRStyle& style) { style.flipVertical = on; }); });
    connect(corners_, &PercentSliderRow::valueEdited, this, [this](double value) {
        editStyle([value](QRStyle& style) { style.finderCornerRadius = value; });
    });
    connect(thickness_, &PercentSliderRow::valueEdited, this, [this](double value) {
        editStyle([value](QRStyle& style) { style.finderThickness = value; });
    });
    refresh();
}

void FinderSection::showStyle(const QRStyle& style) {
    const QSignalBlocker blocker(flip_);
    flip_->setChecked(style.flipVertical);
    corners_->setValue(style.finderCornerRadius);
    thickness_->setValue(style.finderThickness);
}

}  // namespace vostrel
