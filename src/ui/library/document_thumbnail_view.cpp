#include "ui/library/document_thumbnail_view.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>

#include "ui/library/library_tile_model.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"
#include "ui/widgets/reduce_motion.h"

namespace vostrel {
namespace {

constexpr qreal cardRadius = 12;
constexpr qreal placeholderRadius = 8;
constexpr int placeholderSymbolEdge = 56;

QFont captionFont(const QFont& base) {
    return scaledFont(base, captionScale);
}

void paintPlaceholder(QPainter* painter, const QRectF& area, const QPalette& palette) {
    painter->setPen(Qt::NoPen);
    painter->setBrush(palette.color(QPalette::AlternateBase));
    painter->drawRoundedRect(area, placeholderRadius, placeholderRadius);
    QRect symbol(0, 0, placeholderSymbolEdge, placeholderSymbolEdge);
    symbol.moveCenter(area.center().toPoint());
    symbolIcon(QStringLiteral("qrcode"), tertiaryLabelColor(palette)).paint(painter, symbol);
}

void paintPicture(QPainter* painter, const QRectF& area, const QModelIndex& index,
                  const QPalette& palette) {
    const QImage thumbnail = index.data(Qt::DecorationRole).value<QImage>();
    if (thumbnail.isNull()) {
        paintPlaceholder(painter, area, palette);
        return;
    }
    // Nearest neighbour: the modules keep their hard edges at any device pixel ratio.
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawImage(area, thumbnail);
}

void paintName(QPainter* painter, const QRectF& area, const QModelIndex& index,
               const QStyleOptionViewItem& option) {
    const QFont font = captionFont(option.font);
    const QString name = QFontMetrics(font).elidedText(index.data(Qt::DisplayRole).toString(),
                                                       Qt::ElideRight, int(area.width()));
    painter->setFont(font);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, name);
}

}  // namespace

DocumentThumbnailView::DocumentThumbnailView(QAbstractItemView* view)
    : QAbstractItemDelegate(view), view_(view) {
    view_->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
}

QSize DocumentThumbnailView::tileSize(const QFont& font) {
    const int nameHeight = QFontMetrics(captionFont(font)).height();
    return {pictureEdge + 2 * padding, padding + pictureEdge + spacing + nameHeight + padding};
}

QRect DocumentThumbnailView::tileRect(const QRect& cell, const QFont& font) {
    QRect tile(QPoint(), tileSize(font));
    tile.moveCenter(cell.center());
    tile.moveTop(cell.top());
    return tile;
}

qreal DocumentThumbnailView::scaleOf(const QUrl& file) const {
    const QVariantAnimation* growth = growth_.value(file);
    const qreal grown = growth ? growth->currentValue().toReal() : 0.0;
    return 1.0 + (hoverScale - 1.0) * grown;
}

void DocumentThumbnailView::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF tile = tileRect(option.rect, option.font);
    const qreal scale = scaleOf(index.data(LibraryTileModel::fileRole).toUrl());
    painter->translate(tile.center());
    painter->scale(scale, scale);
    painter->translate(-tile.center());

    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(selected ? QPen(option.palette.color(QPalette::Highlight), 2) : Qt::NoPen);
    painter->setBrush(option.palette.color(QPalette::Base));
    painter->drawRoundedRect(tile.adjusted(1, 1, -1, -1), cardRadius, cardRadius);
    const QRectF picture(tile.left() + padding, tile.top() + padding, pictureEdge, pictureEdge);
    paintPicture(painter, picture, index, option.palette);
    const QRectF name(picture.left(), picture.bottom() + spacing, pictureEdge,
                      tile.bottom() - padding - picture.bottom() - spacing);
    paintName(painter, name, index, option);
    painter->restore();
}

QSize DocumentThumbnailView::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex&) const {
    return tileSize(option.font);
}

bool DocumentThumbnailView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport()) {
        if (event->type() == QEvent::MouseMove)
            hover(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (event->type() == QEvent::Leave) setHovered({});
    }
    return QAbstractItemDelegate::eventFilter(watched, event);
}

void DocumentThumbnailView::hover(const QPoint& position) {
    const QModelIndex index = view_->indexAt(position);
    const bool onTile =
        index.isValid() && tileRect(view_->visualRect(index), view_->font()).contains(position);
    setHovered(onTile ? index.data(LibraryTileModel::fileRole).toUrl() : QUrl());
}

void DocumentThumbnailView::setHovered(const QUrl& file) {
    if (file == hovered_) return;
    if (!hovered_.isEmpty()) animate(hovered_, 0.0);
    hovered_ = file;
    if (!hovered_.isEmpty()) animate(hovered_, 1.0);
}

void DocumentThumbnailView::animate(const QUrl& file, qreal target) {
    QVariantAnimation*& growth = growth_[file];
    const qreal from = growth ? growth->currentValue().toReal() : 0.0;
    if (!growth) {
        growth = new QVariantAnimation(this);
        growth->setEasingCurve(QEasingCurve::InOutQuad);
        connect(growth, &QVariantAnimation::valueChanged, view_->viewport(),
                qOverload<>(&QWidget::update));
        connect(growth, &QAbstractAnimation::finished, this, [this, file, growth] {
            if (growth->endValue().toReal() > 0.0) return;
            growth_.remove(file);
            growth->deleteLater();
        });
    }
    growth->stop();
    growth->setStartValue(from);
    growth->setEndValue(target);
    // Held still, the tile still shows which one is under the pointer.
    growth->setDuration(prefersReducedMotion() ? 0 : hoverMilliseconds);
    growth->start();
}

}  // namespace vostrel
