#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>

#include "engine/module_matrix.h"
#include "render/qr_style.h"

class QAbstractButton;

namespace vostrel {

// The preview card: the styled symbol drawn by the renderer on a rounded card, as large as the
// widget allows and crisp at the screen's pixel density. The picture is kept between paints and
// drawn again only when the matrix, the style or the size changed since the last paint, so a
// burst of edits between two frames (a slider drag) costs one rendering, and repaints for other
// reasons (focus, hover) cost none.
//
// A click gives it the keyboard focus; then Ctrl+C asks for a copy, as do its context menu and
// its accessibility action "Copy QR Code". Dragging it drags the symbol out as a PNG. While the
// style has a logo, a transparent button over the logo asks to replace it.
class SymbolCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit SymbolCanvas(QWidget* parent = nullptr);

    void setSymbol(const ModuleMatrix& matrix, const QRStyle& style);
    const ModuleMatrix& matrix() const { return matrix_; }
    const QRStyle& style() const { return style_; }

    // The card and, inside it, the symbol square, in widget coordinates.
    QRectF cardRect() const { return cardRectIn(size()); }
    QRectF symbolRect() const;
    QAbstractButton* replaceLogoButton() const { return replaceLogo_; }
    // How many times the picture has been rendered, for telling a fresh picture from a kept one.
    quint64 renderCount() const { return renderCount_; }

    QSize sizeHint() const override { return QSize(400, 400); }

    // Where the card of a widget of `size` lies: the largest centred square that leaves room for
    // its shadow. Placeholders use it too, so the preview does not jump when the symbol comes.
    static QRectF cardRectIn(const QSize& size);
    // The smallest canvas edge that still shows a card of `cardEdge` pixels with its shadow.
    static int canvasEdgeFor(int cardEdge);
    static constexpr qreal cardRadius = 14;

  public Q_SLOTS:
    void performAccessibleAction(const QString& name);

  Q_SIGNALS:
    void copyRequested();
    void replaceLogoRequested();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    const QImage& picture(const QSize& pixels);
    void roundCorners(QPainter& painter, const QSizeF& pixels) const;
    void placeReplaceLogoButton();
    void paintCard(QPainter& painter) const;

    ModuleMatrix matrix_;
    QRStyle style_;
    QImage picture_;
    bool pictureStale_ = true;
    quint64 renderCount_ = 0;
    std::optional<QPoint> pressPoint_;
    QAbstractButton* replaceLogo_;
};

}  // namespace vostrel
