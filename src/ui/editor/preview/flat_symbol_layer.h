#pragma once

#include <QImage>
#include <QWidget>

#include "engine/module_matrix.h"
#include "render/qr_style.h"

namespace vostrel {

// The radius of the symbol square's softened corners when it is drawn `edge` units wide: up to
// 10 units, at most half the quiet zone, none without one. The 3D view keeps the same corners.
qreal symbolCornerRadius(const ModuleMatrix& matrix, const QRStyle& style, qreal edge);

// The styled symbol as the two-dimensional renderer draws it, in a square of its widget, crisp
// at the screen's pixel density and with corners softened within the quiet zone. The picture is
// kept between paints and drawn again only when the matrix, the style or the size changed since
// the last paint, so a burst of edits between two frames (a slider drag) costs one rendering,
// and repaints for other reasons cost none. Mouse events pass through it.
class FlatSymbolLayer : public QWidget {
    Q_OBJECT

  public:
    explicit FlatSymbolLayer(QWidget* parent = nullptr);

    void setSymbol(const ModuleMatrix& matrix, const QRStyle& style);
    // Where the symbol square lies, in this widget's coordinates.
    void setSymbolArea(const QRectF& area);
    // 0 hides the picture, 1 shows it fully.
    void setOpacity(qreal opacity);
    qreal opacity() const { return opacity_; }

    // How many times the picture has been rendered, for telling a fresh picture from a kept one.
    quint64 renderCount() const { return renderCount_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage& picture(const QSize& pixels);

    ModuleMatrix matrix_;
    QRStyle style_;
    QRectF area_;
    qreal opacity_ = 1;
    QImage picture_;
    bool pictureStale_ = true;
    quint64 renderCount_ = 0;
};

}  // namespace vostrel
