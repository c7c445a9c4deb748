#include "ui/mascot/mascot_area.h"

#include <QFocusEvent>
#include <QLineF>
#include <QPainter>
#include <QRandomGenerator>

#include "ui/mascot/mascot3d_view.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/reduce_motion.h"
#include "ui/widgets/trackpad_pan_catcher.h"

namespace vostrel {

namespace {

constexpr int hatWidth = 48;
// The picture the 3D hat is made from, in pixels: sharp at the sizes the hat is drawn.
constexpr int hatTextureWidth = 256;

}  // namespace

MascotArea::MascotArea(QSize size, Mascot3DFraming framing, QWidget* parent)
    : QAbstractButton(parent), size_(size) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, [this] { setJumpTrigger(jumpTrigger_ + 1); });

    view3d_ = new Mascot3DView(framing, this);
    view3d_->setReduceMotion(prefersReducedMotion());
    connect(view3d_, &Mascot3DView::failedChanged, this, &MascotArea::updatePresentation);
    connect(view3d_, &Mascot3DView::sceneChanged, this, &MascotArea::followShadow);
    auto* catcher = new TrackpadPanCatcher(this);
    catcher->setOnChange([this](PanState state, QSizeF translation, PanDevice) {
        if (showsMascot3D()) view3d_->pan(state, translation);
    });

    // Counts the seconds since the launch; ConfettiBurst::progress eases them.
    confettiFlight_.setStartValue(0.0);
    confettiFlight_.setEndValue(ConfettiBurst::duration);
    confettiFlight_.setDuration(int(ConfettiBurst::duration * 1000));
    connect(&confettiFlight_, &QVariantAnimation::valueChanged, this,
            qOverload<>(&QWidget::update));
    connect(&confettiFlight_, &QVariantAnimation::finished, this, [this] {
        confetti_.clear();
        update();
    });
    updatePresentation();
}

QString MascotArea::breatherText() {
    return tr("Vostrel is taking a breather.");
}

bool MascotArea::showsMascot3D() const {
    return view3d_ && !view3d_->failed();
}

void MascotArea::updatePresentation() {
    view3d_->setVisible(showsMascot3D());
    update();
}

void MascotArea::setJumpTrigger(int jumpTrigger) {
    if (jumpTrigger_ == jumpTrigger) return;
    jumpTrigger_ = jumpTrigger;
    view3d_->hop();
    Q_EMIT jumpTriggerChanged(jumpTrigger_);
}

void MascotArea::setPartyHat(bool wears) {
    if (partyHat_ == wears) return;
    partyHat_ = wears;
    view3d_->setPartyHat(wears ? vostrelPartyHatImage(hatTextureWidth) : QImage());
    update();
}

void MascotArea::setConfettiTrigger(int trigger) {
    if (confettiTrigger_ == trigger) return;
    confettiTrigger_ = trigger;
    auto* random = QRandomGenerator::global();
    confetti_ = ConfettiBurst::makePieces(confettiPieces, [random] { return random->generate(); });
    confettiFlight_.stop();
    confettiFlight_.start();
}

void MascotArea::setWelcomePeriod(std::optional<WelcomePeriod> period) {
    view3d_->setWelcomePeriod(period);
}

// The ring shows for keyboard users only, not after a click or when the window opens.
void MascotArea::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = event->reason() == Qt::TabFocusReason ||
                     event->reason() == Qt::BacktabFocusReason ||
                     event->reason() == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void MascotArea::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    view3d_->setGeometry(rect());
}

void MascotArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintedShadow_.reset();
    if (showsMascot3D()) {
        paintGroundShadow(painter);
    } else {
        paintPlaceholder(painter, QRectF(rect()).adjusted(8, 8, -8, -8));
    }
    paintConfetti(painter);
    if (hasFocus() && keyboardFocus_) {
        QColor ring = palette().color(QPalette::Highlight);
        ring.setAlphaF(0.6f);
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 12, 12);
    }
}

// The area under the mascot is repainted (with the window behind it) only when the shadow moves:
// not while the cricket idles in place.
void MascotArea::followShadow() {
    const std::optional<Shadow> now = shadow();
    const auto moved = [](const Shadow& a, const Shadow& b) {
        return QLineF(a.centre, b.centre).length() > 0.5 || std::abs(a.lift - b.lift) > 0.01;
    };
    if (now.has_value() == paintedShadow_.has_value() && (!now || !moved(*now, *paintedShadow_))) {
        return;
    }
    update();
}

std::optional<MascotArea::Shadow> MascotArea::shadow() const {
    const Mascot3DScene& scene = view3d_->scene();
    if (!showsMascot3D() || !scene.isReady()) return std::nullopt;
    const auto at = scene.viewPosition(scene.groundPoint());
    if (!at) return std::nullopt;
    const double lift = std::clamp(1.0 - double(scene.heightAboveGround()) / 1.2, 0.35, 1.0);
    return Shadow{QPointF(at->x() * width(), at->y() * height()), lift};
}

// A soft shadow where the cricket's feet meet the ground, smaller and fainter as it leaves it.
void MascotArea::paintGroundShadow(QPainter& painter) {
    paintedShadow_ = shadow();
    if (!paintedShadow_) return;
    const QPointF centre = paintedShadow_->centre;
    const double lift = paintedShadow_->lift;
    const double radius = width() * 0.2 * lift;
    QRadialGradient shade(centre, radius);
    QColor ink(0x10, 0x24, 0x0c);
    ink.setAlphaF(0.32 * lift);
    shade.setColorAt(0.0, ink);
    ink.setAlphaF(0.0);
    shade.setColorAt(1.0, ink);
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, 0.22);
    painter.translate(-centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

// From the cricket's head, or where it would be.
QPointF MascotArea::confettiOrigin() const {
    if (showsMascot3D()) {
        const Mascot3DScene& scene = view3d_->scene();
        if (const auto head = scene.headCenter()) {
            if (const auto at = scene.viewPosition(*head)) {
                return QPointF(at->x() * width(), at->y() * height());
            }
        }
    }
    return QPointF(width() / 2.0, height() * 0.3);
}

void MascotArea::paintConfetti(QPainter& painter) {
    if (confetti_.isEmpty()) return;
    const double launched = ConfettiBurst::progress(confettiFlight_.currentValue().toDouble());
    const QPointF origin = confettiOrigin();
    painter.setPen(Qt::NoPen);
    for (const ConfettiPiece& piece : confetti_) {
        painter.save();
        painter.translate(origin + QPointF(piece.dx, piece.dy) * launched);
        painter.rotate(piece.rotation * launched);
        // Fades in the last third of the flight, so the pieces do not vanish at once.
        painter.setOpacity(std::clamp((1.0 - launched) * 3.0, 0.0, 1.0));
        painter.setBrush(piece.color);
        const QSizeF size = piece.size;
        painter.drawRoundedRect(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), 1.5,
                                1.5);
        painter.restore();
    }
}

void MascotArea::paintPlaceholder(QPainter& painter, const QRectF& area) {
    // The patch of ground the cricket will stand on, so the spot does not look forgotten.
    QColor ground = palette().color(QPalette::WindowText);
    ground.setAlphaF(0.08f);
    const qreal groundWidth = qMin(area.width() * 0.7, 220.0);
    const QRectF shadow(area.center().x() - groundWidth / 2, area.bottom() - 22, groundWidth, 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawEllipse(shadow);

    QFont font = this->font();
    font.setItalic(true);
    painter.setFont(font);
    // A small sign on a soft plate, readable on any part of a meadow.
    const QRectF textBox =
        QFontMetricsF(font).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, breatherText());
    QColor plate = palette().color(QPalette::Window);
    plate.setAlphaF(0.55f);
    painter.setBrush(plate);
    const QRectF plateBox = textBox.adjusted(-14, -7, 14, 7);
    painter.drawRoundedRect(plateBox, plateBox.height() / 2, plateBox.height() / 2);
    QColor ink = palette().color(QPalette::WindowText);
    ink.setAlphaF(hasFocus() ? 0.95f : 0.7f);
    painter.setPen(ink);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, breatherText());
    if (partyHat_) paintPartyHat(painter, textBox);
}

void MascotArea::paintPartyHat(QPainter& painter, const QRectF& textBox) {
    const qreal ratio = devicePixelRatioF();
    if (hat_.isNull() || hat_.devicePixelRatio() != ratio) {
        hat_ = QPixmap::fromImage(vostrelPartyHatImage(qRound(hatWidth * ratio)));
        hat_.setDevicePixelRatio(ratio);
    }
    if (hat_.isNull()) return;
    const QSizeF size = hat_.deviceIndependentSize();
    const QPointF topLeft(textBox.center().x() - size.width() / 2,
                          qMax(0.0, textBox.top() - size.height() - 6));
    painter.save();
    // A jaunty angle: the hat sits on someone who is resting, not standing to attention.
    painter.translate(topLeft + QPointF(size.width() / 2, size.height()));
    painter.rotate(-10);
    painter.drawPixmap(QPointF(-size.width() / 2, -size.height()), hat_);
    painter.restore();
}

}  // namespace vostrel
