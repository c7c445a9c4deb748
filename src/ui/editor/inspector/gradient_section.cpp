#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/editor/forms/form_fields.h"
#include "ui/editor/inspector/inspector_sections.h"
#include "ui/widgets/choice_chip.h"
#include "ui/widgets/color_button.h"

namespace vostrel {

namespace {

QString directionLabel(GradientDirection direction) {
    switch (direction) {
        case GradientDirection::horizontal:
            return QStringLiteral("→ Horiz");
        case GradientDirection::vertical:
            return QStringLiteral("↓ Vert");
        case GradientDirection::diagonal:
            return QStringLiteral("↘ Diag");
    }
    return {};
}

}  // namespace

GradientStyle GradientSection::initialGradient() {
    return {{0.133, 0.827, 0.933, 1.0}, GradientDirection::vertical};
}

GradientSection::GradientSection(VostrelDocument* document, QWidget* parent)
    : InspectorSection(tr("Gradient"), document, parent),
      enabled_(makeToggle(tr("Enable gradient"))),
      details_(new QWidget),
      endColor_(new ColorButton(tr("Gradient End Color"))),
      endHex_(makeCaption({})) {
    setAccessibleText(enabled_, {{}, tr("Applies a color gradient to the QR code modules")});
    setAccessibleText(endColor_,
                      {tr("Gradient end color"), tr("Sets the ending color of the gradient")});
    auto* endRow = new QHBoxLayout;
    endRow->setSpacing(8);
    endRow->addWidget(makeCaption(tr("END")));
    endRow->addWidget(endHex_);
    endRow->addStretch(1);
    endRow->addWidget(endColor_);

    auto* directionGroup = new QWidget;
    directionGroup->setAccessibleName(tr("Gradient direction"));
    auto* directionRow = new QHBoxLayout(directionGroup);
    directionRow->setContentsMargins(0, 0, 0, 0);
    directionRow->setSpacing(6);
    for (const GradientDirection direction : allCases<GradientDirection>()) {
        auto* chip = new ChoiceChip(directionLabel(direction));
        directions_.append(chip);
        directionRow->addWidget(chip);
        connect(chip, &ChoiceChip::clicked, this, [this, direction] {
            editStyle([direction](QRStyle& style) {
                if (style.gradient) style.gradient->direction = direction;
            });
        });
    }
    directionRow->addStretch(1);

    auto* detailsLayout = new QVBoxLayout(details_);
    detailsLayout->setContentsMargins(0, 0, 0, 0);
    detailsLayout->setSpacing(10);
    detailsLayout->addLayout(endRow);
    detailsLayout->addWidget(directionGroup);
    body()->addWidget(enabled_);
    body()->addWidget(details_);

    connect(enabled_, &QCheckBox::toggled, this, [this](bool on) {
        editStyle([on](QRStyle& style) {
            style.gradient = on ? std::optional(initialGradient()) : std::nullopt;
        });
    });
    connect(endColor_, &ColorButton::colorPicked, this, [this](const CodableColor& color) {
        editStyle([&](QRStyle& style) {
            if (style.gradient) style.gradient->endColor = color;
        });
    });
    refresh();
}

void GradientSection::showStyle(const QRStyle& style) {
    const QSignalBlocker blocker(enabled_);
    enabled_->setChecked(style.gradient.has_value());
    details_->setVisible(style.gradient.has_value());
    if (!style.gradient) return;
    endColor_->setColor(style.gradient->endColor);
    endHex_->setText(displayHex(style.gradient->endColor));
    for (int i = 0; i < directions_.size(); ++i)
        directions_[i]->setChecked(i == int(style.gradient->direction));
}

}  // namespace vostrel
