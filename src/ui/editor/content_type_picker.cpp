#include "ui/editor/content_type_picker.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/editor/forms/form_fields.h"
#include "ui/widgets/flow_layout.h"
#include "ui/widgets/focus_frame.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

constexpr int iconEdge = 14;
constexpr int iconGap = 4;
constexpr QMargins chipPadding(8, 5, 8, 5);

}  // namespace

ContentTypeChip::ContentTypeChip(ContentType type, QWidget* parent)
    : QAbstractButton(parent), type_(type) {
    setText(displayName(type));
    setCheckable(true);
    setFont(scaledFont(font(), captionScale));
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(displayName(type));
}

QSize ContentTypeChip::sizeHint() const {
    const QFontMetrics metrics(font());
    const int width = iconEdge + iconGap + metrics.horizontalAdvance(text());
    const int height = std::max(iconEdge, metrics.height());
    return QSize(width, height).grownBy(chipPadding);
}

void ContentTypeChip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = accentColor(palette());
    const QColor secondary = palette().color(QPalette::PlaceholderText);
    const QColor textColor = isChecked() ? accent : secondary;
    const QColor fill =
        isChecked() ? withAlpha(accent, 0.08f) : withAlpha(palette().color(QPalette::Mid), 0.25f);
    const QColor outline = isChecked() ? withAlpha(accent, 0.30f) : withAlpha(secondary, 0.20f);

    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    paintFocusFrame(painter, this, rect().adjusted(1, 1, -1, -1));

    const QRect content = rect().marginsRemoved(chipPadding);
    const QRect iconRect(content.left(), content.center().y() - iconEdge / 2, iconEdge, iconEdge);
    symbolIcon(symbolName(type_), textColor).paint(&painter, iconRect);

    painter.setPen(textColor);
    painter.drawText(content.adjusted(iconEdge + iconGap, 0, 0, 0),
                     Qt::AlignVCenter | Qt::AlignLeft, text());
}

ContentTypePicker::ContentTypePicker(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Content type"));
    setAccessibleDescription(tr("Selects the type of data to encode in the QR code"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(makeCaption(tr("Content Type")));
    auto* flow = new FlowLayout(6);
    layout->addLayout(flow);
    for (const ContentType type : allCases<ContentType>()) {
        auto* chip = new ContentTypeChip(type, this);
        chips_[std::size_t(type)] = chip;
        flow->addWidget(chip);
        connect(chip, &ContentTypeChip::clicked, this, [this, type] {
            // A click toggles the chip; the picker, not the click, decides what is selected.
            setCurrentType(current_);
            if (type != current_) Q_EMIT typeChosen(type);
        });
    }
    setCurrentType(current_);
}

void ContentTypePicker::setCurrentType(ContentType type) {
    current_ = type;
    for (ContentTypeChip* chip : chips_) chip->setChecked(chip->type() == type);
}

ContentTypeChip* ContentTypePicker::chip(ContentType type) const {
    return chips_[std::size_t(type)];
}

}  // namespace vostrel
