#include "ui/about/journal_entry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/about/tilting_avatar.h"
#include "ui/editor/forms/form_fields.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

QLabel* makeText(const QString& text, qreal relativeSize, QFont::Weight weight) {
    auto* label = new QLabel(text);
    label->setFont(scaledFont(label->font(), relativeSize, weight));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLayout* makeHighlight(const QString& text, const QColor& bullet) {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    auto* dot = new QLabel(QStringLiteral("•"));
    QPalette palette = dot->palette();
    palette.setColor(QPalette::WindowText, bullet);
    dot->setPalette(palette);
    row->addWidget(dot, 0, Qt::AlignTop);
    row->addWidget(makeText(text, 0.95, QFont::Normal), 1);
    return row;
}

}  // namespace

JournalEntry::JournalEntry(const ReleaseNote& note, QWidget* parent)
    : QFrame(parent), note_(note), avatar_(new TiltingAvatar(40)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 14, 16, 16);
    row->setSpacing(14);
    row->addWidget(avatar_, 0, Qt::AlignTop);
    row->addLayout(buildText(), 1);
}

QLayout* JournalEntry::buildText() {
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    auto* meta = new QHBoxLayout;
    meta->setSpacing(8);
    QLabel* version = makeText(note_.version, 0.9, QFont::DemiBold);
    QPalette cyan = version->palette();
    cyan.setColor(QPalette::WindowText, cyanColor(palette()));
    version->setPalette(cyan);
    version->setWordWrap(false);
    meta->addWidget(version);
    QLabel* date = makeCaption(displayDate(note_.date));
    date->setWordWrap(false);
    meta->addWidget(date, 1);
    column->addLayout(meta);
    column->addWidget(makeText(note_.title, 1.15, QFont::DemiBold));
    column->addWidget(makeText(note_.memoir, 1.0, QFont::Normal));
    column->addSpacing(2);
    for (const QString& highlight : note_.highlights)
        column->addLayout(makeHighlight(highlight, cyanColor(palette())));
    return column;
}

void JournalEntry::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor card = palette().color(QPalette::WindowText);
    card.setAlphaF(isDarkPalette(palette()) ? 0.06f : 0.035f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(card);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
}

}  // namespace vostrel
