#include "ui/editor/preview/warning_badges.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "engine/scannability_checks.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

constexpr qsizetype namedBadges = 2;  // as badgeLabels shows them

// A pill of tinted colour with the label in that colour.
class Badge : public QLabel {
  public:
    Badge(const QString& text, bool warning) : QLabel(text), warning_(warning) {
        setFont(scaledFont(font(), captionScale, QFont::DemiBold));
        setContentsMargins(10, 3, 10, 3);
        setAlignment(Qt::AlignCenter);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const QColor tint = warning_ ? warningColor(palette()) : successColor(palette());
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor fill = tint;
        fill.setAlphaF(isDarkPalette(palette()) ? 0.20f : 0.16f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        const qreal radius = height() / 2.0;
        painter.drawRoundedRect(rect(), radius, radius);
        painter.setPen(isDarkPalette(palette()) ? tint : tint.darker(135));
        painter.drawText(contentsRect(), Qt::AlignCenter, text());
    }

  private:
    bool warning_;
};

QString messages(const QList<ValidationWarning>& warnings) {
    QStringList lines;
    for (const ValidationWarning& warning : warnings) lines.append(warning.message());
    return lines.join(u'\n');
}

}  // namespace

WarningBadges::WarningBadges(QWidget* parent) : QWidget(parent), layout_(new QHBoxLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(6);
    setAccessibleName(tr("Scannability"));
    rebuild();
}

void WarningBadges::showWarnings(const QList<ValidationWarning>& warnings) {
    warnings_ = warnings;
    rebuild();
}

void WarningBadges::showScanCheck(const std::optional<ScanCheckResult>& result) {
    scanCheck_ = result;
    rebuild();
}

void WarningBadges::setSymbolShown(bool shown) {
    if (shown == symbolShown_) return;
    symbolShown_ = shown;
    rebuild();
}

void WarningBadges::rebuild() {
    while (QLayoutItem* item = layout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    layout_->addStretch(1);
    const bool scanFailed = scanCheck_ && !scanCheck_->passed();
    if (warnings_.isEmpty() && symbolShown_ && !scanFailed)
        addBadge(tr("Scannable"), false, tr("No scannability problems found"));
    const QStringList texts = badgeLabels(warnings_);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        // Past the warnings badgeLabels names, its last badge stands for all the others.
        const bool summary = i == namedBadges;
        addBadge(texts[i], true,
                 summary ? messages(warnings_.mid(namedBadges)) : warnings_[i].message());
    }
    if (scanCheck_) addBadge(scanCheck_->badgeLabel(), scanFailed, scanCheck_->message());
    layout_->addStretch(1);
}

void WarningBadges::addBadge(const QString& text, bool warning, const QString& description) {
    auto* badge = new Badge(text, warning);
    badge->setToolTip(description);
    badge->setAccessibleDescription(description);
    layout_->addWidget(badge);
}

QStringList WarningBadges::labels() const {
    QStringList texts;
    for (int i = 0; i < layout_->count(); ++i) {
        if (auto* badge = qobject_cast<QLabel*>(layout_->itemAt(i)->widget()))
            texts.append(badge->text());
    }
    return texts;
}

}  // namespace vostrel
