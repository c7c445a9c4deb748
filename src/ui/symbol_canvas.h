#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "engine/module_matrix.h"
#include "render/qr_style.h"

namespace vostrel {

// A styled symbol drawn by the renderer, as large as the widget allows and crisp at the screen's
// pixel density. The picture is kept between paints and redrawn only when the matrix, the style
// or the size changes, so repaints for other reasons (hover, focus) cost nothing.
class SymbolCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit SymbolCanvas(QWidget* parent = nullptr);

    void setSymbol(const ModuleMatrix& matrix, const QRStyle& style);
    const ModuleMatrix& matrix() const { return matrix_; }
    const QRStyle& style() const { return style_; }

    // Where the symbol square lies in widget coordinates.
    QRectF symbolRect() const;

    QSize sizeHint() const override { return QSize(360, 360); }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage& picture();

    ModuleMatrix matrix_;
    QRStyle style_;
    QImage picture_;
    bool pictureStale_ = true;
};

}  // namespace vostrel
