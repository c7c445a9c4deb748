#include "ui/editor/preview/symbol_canvas.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <cmath>

#include "render/logo_placement.h"
#include "render/qr_module_renderer.h"
#include "ui/editor/preview/flat_symbol_layer.h"
#include "ui/editor/preview/qr3d_preview_view.h"
#include "ui/editor/preview/symbol_drag.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/focus_frame.h"
#include "ui/widgets/palette_colors.h"
#include "ui/widgets/trackpad_pan_catcher.h"

namespace vostrel {

namespace {

constexpr int shadowReach = 10;
// Larger cards would only cost rendering time on big windows without showing more.
constexpr int maximumCardEdge = 640;

// The logo's area as a button: it draws only a focus ring, the logo itself is in the picture.
class ReplaceLogoButton : public QAbstractButton {
  public:
    explicit ReplaceLogoButton(QWidget* parent) : QAbstractButton(parent) {
        setToolTip(QObject::tr("Click to replace logo"));
        setAccessibleName(QObject::tr("Replace logo image"));
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!showsKeyboardFocus(this)) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(accentColor(palette()), 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }
};

QString copyActionName() {
    return QObject::tr("Copy QR Code");
}

}  // namespace

SymbolCanvas::SymbolCanvas(QWidget* parent, TaskClock& clock)
    : QWidget(parent),
      preview3D_(new QR3DPreviewView(this, clock)),
      panCatcher_(new TrackpadPanCatcher(this, clock)),
      replaceLogo_(new ReplaceLogoButton(this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(160, 160);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleRole(this, QAccessible::Graphic, {copyActionName()});
    setAccessibleDescription(
        tr("Click to focus, then press Ctrl+C to copy the QR code. To tilt it in 3D, drag it "
           "with Shift held or press the arrow keys"));
    panCatcher_->setOnChange([view = preview3D_](PanState state, QSizeF travel, PanDevice device) {
        view->handlePan(state, travel, device);
    });
    preview3D_->setBackdrop(cardColor());
    replaceLogo_->hide();
    connect(replaceLogo_, &QAbstractButton::clicked, this, &SymbolCanvas::replaceLogoRequested);
}

void SymbolCanvas::setSymbol(const ModuleMatrix& matrix, const QRStyle& style) {
    if (matrix == matrix_ && style == style_) return;
    matrix_ = matrix;
    style_ = style;
    preview3D_->setSymbol(matrix, style);
    placeReplaceLogoButton();
}

quint64 SymbolCanvas::renderCount() const {
    return preview3D_->flatPicture()->renderCount();
}

QRectF SymbolCanvas::cardRectIn(const QSize& size) {
    const qreal side =
        std::clamp(std::min(size.width(), size.height()) - 2 * shadowReach, 0, maximumCardEdge);
    return QRectF(std::round((size.width() - side) / 2.0), std::round((size.height() - side) / 2.0),
                  side, side);
}

int SymbolCanvas::canvasEdgeFor(int cardEdge) {
    return cardEdge + 2 * shadowReach;
}

// The symbol sits on whole device pixels, so its module edges are as sharp as the renderer
// made them.
QRectF SymbolCanvas::symbolRect() const {
    const QRectF card = cardRect();
    const qreal padding = std::round(std::clamp(card.width() * 0.04, 10.0, 20.0));
    const qreal ratio = devicePixelRatioF();
    const qreal side = std::floor((card.width() - 2 * padding) * ratio) / ratio;
    const QPointF corner(std::round((card.center().x() - side / 2) * ratio) / ratio,
                         std::round((card.center().y() - side / 2) * ratio) / ratio);
    return QRectF(corner, QSizeF(side, side));
}

void SymbolCanvas::paintCard(QPainter& painter) const {
    const QRectF card = cardRect();
    painter.setPen(Qt::NoPen);
    for (int step = 1; step <= 4; ++step) {
        painter.setBrush(QColor(0, 0, 0, 10));
        const qreal grow = step * 2.0;
        painter.drawRoundedRect(card.adjusted(-grow, -grow + 3, grow, grow + 3), cardRadius + grow,
                                cardRadius + grow);
    }
    const bool dark = isDarkPalette(palette());
    painter.setBrush(cardColor());
    QColor outline = palette().color(QPalette::Mid);
    outline.setAlphaF(dark ? 0.9f : 0.5f);
    painter.setPen(QPen(outline, 1));
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), cardRadius, cardRadius);
    if (showsKeyboardFocus(this)) {
        painter.setPen(QPen(accentColor(palette()), 2.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(card.adjusted(-2, -2, 2, 2), cardRadius + 2, cardRadius + 2);
    }
}

QColor SymbolCanvas::cardColor() const {
    return isDarkPalette(palette()) ? palette().color(QPalette::Window).lighter(125)
                                    : palette().color(QPalette::Base);
}

void SymbolCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintCard(painter);
}

void SymbolCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeSymbol();
    placeReplaceLogoButton();
}

void SymbolCanvas::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) preview3D_->setBackdrop(cardColor());
    // The symbol sits on device pixels, which move with the screen's pixel density.
    if (event->type() == QEvent::ScreenChangeInternal) placeSymbol();
    QWidget::changeEvent(event);
}

void SymbolCanvas::placeSymbol() {
    preview3D_->setGeometry(rect());
    preview3D_->setSymbolArea(symbolRect());
    replaceLogo_->raise();
}

void SymbolCanvas::placeReplaceLogoButton() {
    const auto frame =
        style_.logoOverlay
            ? fittedFrame(int(matrix_.size()), style_.quietZoneModules, symbolRect().size())
            : std::nullopt;
    if (!frame) {
        replaceLogo_->hide();
        return;
    }
    const LogoPlacement placement = logoPlacement(*style_.logoOverlay, int(matrix_.size()), *frame);
    const QRectF area = placement.plate.value_or(placement.logo).rect();
    replaceLogo_->setGeometry(area.translated(symbolRect().topLeft()).toAlignedRect());
    replaceLogo_->show();
}

bool SymbolCanvas::event(QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) update();
    // Claims Ctrl+C from the window's Copy action while focused, as a text field does.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void SymbolCanvas::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) return Q_EMIT copyRequested();
    QWidget::keyPressEvent(event);
}

void SymbolCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressPoint_ = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

void SymbolCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!pressPoint_ || matrix_.empty()) return;
    const QPoint travel = event->position().toPoint() - *pressPoint_;
    if (travel.manhattanLength() < QApplication::startDragDistance()) return;
    pressPoint_.reset();
    dragSymbol(this, {matrix_, style_});
}

void SymbolCanvas::mouseReleaseEvent(QMouseEvent* event) {
    pressPoint_.reset();
    QWidget::mouseReleaseEvent(event);
}

void SymbolCanvas::contextMenuEvent(QContextMenuEvent* event) {
    if (matrix_.empty()) return;
    QMenu menu(this);
    connect(menu.addAction(copyActionName()), &QAction::triggered, this,
            &SymbolCanvas::copyRequested);
    menu.exec(event->globalPos());
}

void SymbolCanvas::performAccessibleAction(const QString& name) {
    if (name == copyActionName()) Q_EMIT copyRequested();
}

}  // namespace vostrel
