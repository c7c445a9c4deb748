#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <array>

#include "ui/editor/forms/form_fields.h"
#include "ui/editor/inspector/inspector_sections.h"
#include "ui/widgets/color_button.h"
#include "ui/widgets/focus_frame.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

struct ColorPreset {
    CodableColor foreground;
    CodableColor background;
};

constexpr std::array<ColorPreset, 6> colorPresets{{
    {{0, 0, 0, 1}, {1, 1, 1, 1}},
    {{0.102, 0.102, 0.18, 1}, {1, 1, 1, 1}},
    {{0.176, 0.314, 0.086, 1}, {0.961, 0.941, 0.91, 1}},
    {{0, 0.208, 0.4, 1}, {0.91, 0.957, 0.992, 1}},
    {{0.482, 0.176, 0, 1}, {1, 0.973, 0.941, 1}},
    {{0.169, 0.227, 0.29, 1}, {0.941, 0.957, 0.973, 1}},
}};

// The upper-left half of a rectangle at the origin: (0, 0), (right, 0), (0, bottom).
QPainterPath topLeftTriangle(const QRectF& rect) {
    QPainterPath path;
    path.moveTo(rect.topLeft());
    path.lineTo(rect.topRight());
    path.lineTo(rect.bottomLeft());
    path.closeSubpath();
    return path;
}

// A preset pair as a rounded square: the background, with the foreground in its upper-left
// half.
class PresetSwatch : public QAbstractButton {
  public:
    PresetSwatch(const ColorPreset& preset, int number) : preset_(preset) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
        setFixedSize(28, 28);
        setAccessibleName(QObject::tr("Color preset %1").arg(number));
        setToolTip(QObject::tr("%1 on %2")
                       .arg(displayHex(preset.foreground), displayHex(preset.background)));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF square = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        QPainterPath outline;
        outline.addRoundedRect(square, 6, 6);
        painter.fillPath(outline, preset_.background.toQColor());
        painter.fillPath(outline.intersected(topLeftTriangle(square)),
                         preset_.foreground.toQColor());
        const bool focusShown = showsKeyboardFocus(this);
        QColor edge = focusShown ? accentColor(palette()) : palette().color(QPalette::Shadow);
        if (!focusShown) edge.setAlphaF(isDarkPalette(palette()) ? 0.9f : 0.25f);
        painter.strokePath(outline, QPen(edge, focusShown ? 2.0 : 1.0));
    }

  private:
    ColorPreset preset_;
};

QLabel* makeHexLabel() {
    QLabel* label = makeCaption({});
    label->setWordWrap(false);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

ColorsSection::ColorsSection(VostrelDocument* document, QWidget* parent)
    : InspectorSection(tr("Colors"), document, parent),
      foreground_(new ColorButton(tr("Foreground"))),
      background_(new ColorButton(tr("Background"))),
      foregroundHex_(makeHexLabel()),
      backgroundHex_(makeHexLabel()) {
    setAccessibleText(foreground_,
                      {tr("Foreground color"), tr("Sets the color of the QR code modules")});
    setAccessibleText(background_,
                      {tr("Background color"), tr("Sets the background color behind the QR code")});
    body()->addWidget(makeLabelledRow(tr("Foreground"), foreground_, foregroundHex_));
    body()->addWidget(makeLabelledRow(tr("Background"), background_, backgroundHex_));

    auto* presets = new QHBoxLayout;
    presets->setSpacing(6);
    for (std::size_t i = 0; i < colorPresets.size(); ++i) {
        auto* swatch = new PresetSwatch(colorPresets[i], int(i) + 1);
        presets->addWidget(swatch);
        connect(swatch, &QAbstractButton::clicked, this, [this, preset = colorPresets[i]] {
            editStyle([&](QRStyle& style) { style.foreground = preset.foreground; });
            editStyle([&](QRStyle& style) { style.background = preset.background; });
        });
    }
    presets->addStretch(1);
    body()->addLayout(presets);

    connect(foreground_, &ColorButton::colorPicked, this, [this](const CodableColor& color) {
        editStyle([&](QRStyle& style) { style.foreground = color; });
    });
    connect(background_, &ColorButton::colorPicked, this, [this](const CodableColor& color) {
        editStyle([&](QRStyle& style) { style.background = color; });
    });
    refresh();
}

void ColorsSection::showStyle(const QRStyle& style) {
    foreground_->setColor(style.foreground);
    background_->setColor(style.background);
    foregroundHex_->setText(displayHex(style.foreground));
    backgroundHex_->setText(displayHex(style.background));
}

}  // namespace vostrel
