#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

#include "engine/module_matrix.h"
#include "render/qr_style.h"
#include "ui/widgets/task_clock.h"

class QAbstractButton;

namespace vostrel {

class QR3DPreviewView;
class TrackpadPanCatcher;

// The preview card: the styled symbol on a rounded card, as large as the widget allows, shown
// by a QR3DPreviewView (a flat picture at rest, the tilting 3D scene while the user pans).
//
// A click gives it the keyboard focus; then Ctrl+C asks for a copy, as do its context menu and
// its accessibility action "Copy QR Code". Dragging it drags the symbol out as a PNG. Two
// fingers on a trackpad, Shift + drag, or the arrow keys while it has focus tilt the symbol.
// While the style has a logo, a transparent button over the logo asks to replace it.
class SymbolCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit SymbolCanvas(QWidget* parent = nullptr, TaskClock& clock = TaskClock::system());

    void setSymbol(const ModuleMatrix& matrix, const QRStyle& style);
    const ModuleMatrix& matrix() const { return matrix_; }
    const QRStyle& style() const { return style_; }

    // The card and, inside it, the symbol square, in widget coordinates.
    QRectF cardRect() const { return cardRectIn(size()); }
    QRectF symbolRect() const;
    QAbstractButton* replaceLogoButton() const { return replaceLogo_; }
    QR3DPreviewView* preview3D() const { return preview3D_; }
    // How many times the flat picture has been rendered, for telling a fresh picture from a
    // kept one.
    quint64 renderCount() const;

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
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void placeReplaceLogoButton();
    void placeSymbol();
    void paintCard(QPainter& painter) const;
    QColor cardColor() const;

    ModuleMatrix matrix_;
    QRStyle style_;
    std::optional<QPoint> pressPoint_;
    QR3DPreviewView* preview3D_;
    TrackpadPanCatcher* panCatcher_;
    QAbstractButton* replaceLogo_;
};

}  // namespace vostrel
