#pragma once

#include <QAbstractItemDelegate>
#include <QHash>
#include <QPersistentModelIndex>
#include <QUrl>

class QAbstractItemView;
class QVariantAnimation;

namespace vostrel {

// One tile of the library grid, drawn for each row of a LibraryTileModel: the 120 px thumbnail
// scaled without smoothing so modules stay sharp (or a placeholder with a QR symbol when the
// document has no picture), the name in caption size cut at the end, on a rounded card. The tile
// under the pointer grows to 1.02 times its size, easing in and out over 0.1 s.
class DocumentThumbnailView : public QAbstractItemDelegate {
    Q_OBJECT

  public:
    static constexpr int pictureEdge = 120;
    static constexpr int padding = 12;
    static constexpr int spacing = 8;
    static constexpr qreal hoverScale = 1.02;
    static constexpr int hoverMilliseconds = 100;

    // Follows the pointer over the view's viewport to know which tile is hovered.
    explicit DocumentThumbnailView(QAbstractItemView* view);

    // The card's size in a view using `font`; the tile is centred at the top of its grid cell.
    static QSize tileSize(const QFont& font);
    static QRect tileRect(const QRect& cell, const QFont& font);

    // The file under the pointer, or an empty URL.
    const QUrl& hoveredFile() const { return hovered_; }
    // How large the tile of that file is drawn now: 1 at rest, hoverScale when hovered.
    qreal scaleOf(const QUrl& file) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void hover(const QPoint& position);
    void setHovered(const QUrl& file);
    void animate(const QUrl& file, qreal target);

    QAbstractItemView* view_;
    QUrl hovered_;
    QHash<QUrl, QVariantAnimation*> growth_;  // 0 at rest, 1 fully grown
};

}  // namespace vostrel
