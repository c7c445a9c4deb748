#include "ui/editor/inspector/logo_widgets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "render/logo_image_cache.h"
#include "ui/editor/forms/form_fields.h"
#include "ui/editor/inspector/inspector_section.h"
#include "ui/widgets/choice_chip.h"
#include "ui/widgets/color_button.h"
#include "ui/widgets/flow_layout.h"
#include "ui/widgets/focus_frame.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"
#include "ui/widgets/percent_slider_row.h"

namespace vostrel {

namespace {

constexpr int mascotEdge = 36;
constexpr int mascotGap = 10;

QString shapeLabel(LogoShape shape) {
    switch (shape) {
        case LogoShape::square:
            return QObject::tr("Square");
        case LogoShape::roundedRect:
            return QObject::tr("Rounded");
        case LogoShape::circle:
            return QObject::tr("Circle");
    }
    return {};
}

}  // namespace

AddVostrelLogoButton::AddVostrelLogoButton(QWidget* parent) : QAbstractButton(parent) {
    setText(tr("Add Vostrel logo"));
    setAccessibleName(tr("Add Vostrel logo"));
    setAccessibleDescription(tr("Pop our little mascot in the middle"));
    setToolTip(accessibleDescription());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);  // shrinks to minimumSizeHint
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

QFont AddVostrelLogoButton::titleFont() const {
    return scaledFont(font(), captionScale, QFont::Medium);
}

QFont AddVostrelLogoButton::subtitleFont() const {
    return scaledFont(font(), 0.75);
}

QSize AddVostrelLogoButton::sizeHint() const {
    const QFontMetrics title(titleFont()), subtitle(subtitleFont());
    const int textWidth = std::max(title.horizontalAdvance(text()),
                                   subtitle.horizontalAdvance(accessibleDescription()));
    return QSize(8 + mascotEdge + mascotGap + textWidth + 8, mascotEdge + 8);
}

// The title always fits; the subtitle gives way, ending in "…", in a narrow inspector.
QSize AddVostrelLogoButton::minimumSizeHint() const {
    const int titleWidth = QFontMetrics(titleFont()).horizontalAdvance(text());
    return QSize(8 + mascotEdge + mascotGap + titleWidth + 8, mascotEdge + 8);
}

void AddVostrelLogoButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool focusShown = showsKeyboardFocus(this);
    if (underMouse() || focusShown || isDown()) {
        QColor fill = palette().color(QPalette::Mid);
        fill.setAlphaF(isDown() ? 0.45f : 0.25f);
        painter.setPen(focusShown ? QPen(accentColor(palette()), 1.5) : Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    }
    const QRect mascot(8, (height() - mascotEdge) / 2, mascotEdge, mascotEdge);
    if (mascot_.isNull() || mascot_.devicePixelRatio() != devicePixelRatioF())
        mascot_ = vostrelLogo(mascotEdge, devicePixelRatioF());
    painter.drawPixmap(mascot, mascot_);
    const QRect textArea = rect().adjusted(mascot.right() + mascotGap, 4, -4, -4);
    const int middle = textArea.center().y();
    painter.setFont(titleFont());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textArea.adjusted(0, 0, 0, middle - textArea.bottom()),
                     Qt::AlignLeft | Qt::AlignBottom, text());
    painter.setFont(subtitleFont());
    QColor tertiary = palette().color(QPalette::PlaceholderText);
    tertiary.setAlphaF(0.8f);
    painter.setPen(tertiary);
    const QString subtitle =
        QFontMetrics(subtitleFont())
            .elidedText(accessibleDescription(), Qt::ElideRight, textArea.width());
    painter.drawText(textArea.adjusted(0, middle - textArea.top() + 1, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop, subtitle);
}

LogoThumbnailButton::LogoThumbnailButton(QWidget* parent) : QAbstractButton(parent) {
    setToolTip(tr("Click to choose a different image"));
    setAccessibleName(tr("Replace logo image"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setFixedSize(edge, edge);
}

void LogoThumbnailButton::showLogo(const LogoOverlay& logo) {
    if (plate_ != logo.backgroundColor) {
        plate_ = logo.backgroundColor;
        update();
    }
    if (logo.imageData == imageData_) return;
    imageData_ = logo.imageData;
    picture_ = {};  // scaled at the next paint, for the screen it is on
    broken_ = cachedLogoImage(imageData_).isNull();
    setAccessibleDescription(broken_ ? tr("The image cannot be read and is left out of the code")
                                     : QString());
    update();
}

void LogoThumbnailButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
    const bool focusShown = showsKeyboardFocus(this);
    QColor edgeColor = focusShown ? accentColor(palette()) : palette().color(QPalette::Mid);
    painter.setPen(QPen(edgeColor, focusShown ? 2.0 : 1.0));
    painter.setBrush(plate_ ? plate_->toQColor() : palette().color(QPalette::Base));
    painter.drawRoundedRect(frame, 10, 10);

    const qreal ratio = devicePixelRatioF();
    const QRectF inner = frame.adjusted(8, 8, -8, -8);
    if (broken_) {
        symbolIcon(QStringLiteral("exclamationmark.triangle"))
            .paint(&painter, inner.adjusted(8, 8, -8, -8).toRect());
        return;
    }
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio) {
        const QImage image = cachedLogoImage(imageData_);
        if (image.isNull()) return;
        picture_ = QPixmap::fromImage(image.scaled((inner.size() * ratio).toSize(),
                                                   Qt::KeepAspectRatio, Qt::SmoothTransformation));
        picture_.setDevicePixelRatio(ratio);
    }
    const QSizeF shown = picture_.deviceIndependentSize();
    painter.drawPixmap(
        QPointF(inner.center().x() - shown.width() / 2, inner.center().y() - shown.height() / 2),
        picture_);
}

LogoSettings::LogoSettings(QWidget* parent)
    : QWidget(parent),
      thumbnail_(new LogoThumbnailButton),
      brokenNote_(makeCaption(tr("This image cannot be read, so the code is drawn without it. "
                                 "Click the picture to choose another."),
                              0.8)),
      size_(new PercentSliderRow(tr("Size"), 0.1, 0.3, {tr("Logo size"), {}})),
      padding_(new PercentSliderRow(tr("Padding"), 0.0, 0.5, {tr("Logo padding"), {}})),
      plate_(makeToggle(tr("Background"))),
      plateColor_(new ColorButton(tr("Logo Background"))) {
    plate_->setAccessibleName(tr("Logo background"));
    plateColor_->setAccessibleName(tr("Logo background color"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(makeHeader());
    brokenNote_->setWordWrap(true);
    brokenNote_->setVisible(false);
    layout->addWidget(brokenNote_);
    layout->addWidget(size_);
    layout->addWidget(makeShapeChips());
    layout->addWidget(padding_);
    PercentSliderRow::alignTitles({size_, padding_});
    layout->addWidget(makePlateRow());

    connect(thumbnail_, &QAbstractButton::clicked, this, &LogoSettings::replaceRequested);
    connect(size_, &PercentSliderRow::valueEdited, this, [this](double value) {
        Q_EMIT edited([value](LogoOverlay& logo) { logo.sizePercent = value; });
    });
    connect(padding_, &PercentSliderRow::valueEdited, this, [this](double value) {
        Q_EMIT edited([value](LogoOverlay& logo) { logo.padding = value; });
    });
    connect(plate_, &QCheckBox::toggled, this, [this](bool on) {
        Q_EMIT edited([on](LogoOverlay& logo) {
            logo.backgroundColor = on ? std::optional(CodableColor::white()) : std::nullopt;
        });
    });
    connect(plateColor_, &ColorButton::colorPicked, this, [this](const CodableColor& color) {
        Q_EMIT edited([color](LogoOverlay& logo) {
            if (logo.backgroundColor) logo.backgroundColor = color;
        });
    });
}

QWidget* LogoSettings::makeHeader() {
    auto* remove = new QToolButton;
    remove->setIcon(symbolIcon(QStringLiteral("xmark")));
    remove->setAutoRaise(true);
    remove->setAccessibleName(tr("Remove logo"));
    remove->setToolTip(tr("Remove logo"));
    connect(remove, &QToolButton::clicked, this, &LogoSettings::removeRequested);

    auto* thumbnailColumn = new QVBoxLayout;
    thumbnailColumn->setSpacing(4);
    thumbnailColumn->addWidget(thumbnail_, 0, Qt::AlignHCenter);
    thumbnailColumn->addWidget(makeCaption(tr("Click to replace"), 0.75), 0, Qt::AlignHCenter);

    auto* side = new QVBoxLayout;
    side->addWidget(remove, 0, Qt::AlignRight);
    side->addStretch(1);
    side->addWidget(makeLogoCorrectionNote());

    auto* header = new QWidget;
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addLayout(thumbnailColumn);
    row->addLayout(side, 1);
    return header;
}

QWidget* LogoSettings::makeShapeChips() {
    auto* chips = new QWidget;
    chips->setAccessibleName(tr("Logo shape"));
    auto* flow = new FlowLayout(6);
    flow->setContentsMargins(0, 0, 0, 0);
    chips->setLayout(flow);
    for (const LogoShape shape : allCases<LogoShape>()) {
        auto* chip = new ChoiceChip(shapeLabel(shape));
        shapes_.append(chip);
        flow->addWidget(chip);
        connect(chip, &ChoiceChip::clicked, this, [this, shape] {
            Q_EMIT edited([shape](LogoOverlay& logo) { logo.shape = shape; });
        });
    }
    return chips;
}

QWidget* LogoSettings::makePlateRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plate_);
    layout->addStretch(1);
    layout->addWidget(plateColor_);
    return row;
}

void LogoSettings::showLogo(const LogoOverlay& logo) {
    thumbnail_->showLogo(logo);
    brokenNote_->setVisible(thumbnail_->isBroken());
    size_->setValue(logo.sizePercent);
    padding_->setValue(logo.padding);
    for (int i = 0; i < shapes_.size(); ++i) shapes_[i]->setChecked(i == int(logo.shape));
    const QSignalBlocker blocker(plate_);
    plate_->setChecked(logo.backgroundColor.has_value());
    plateColor_->setVisible(logo.backgroundColor.has_value());
    if (logo.backgroundColor) plateColor_->setColor(*logo.backgroundColor);
}

}  // namespace vostrel
