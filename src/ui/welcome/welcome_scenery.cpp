#include "ui/welcome/welcome_scenery.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

QColor rgb(qreal red, qreal green, qreal blue, qreal alpha = 1.0) {
    return QColor::fromRgbF(float(red), float(green), float(blue), float(alpha));
}

QColor periodColor(WelcomePeriod period) {
    switch (period) {
        case WelcomePeriod::morning:
            return rgb(1.0, 0.75, 0.42);
        case WelcomePeriod::afternoon:
            return rgb(0.85, 0.95, 0.62);
        case WelcomePeriod::evening:
            return rgb(0.98, 0.53, 0.35);
        case WelcomePeriod::night:
            return rgb(0.49, 0.61, 0.96);
    }
    return rgb(1, 1, 1);
}

// Solid out to `inner`, then fading to nothing at `outer` along a bell-like curve, so the edge
// is soft rather than a visible ring.
void fillRadial(QPainter& painter, const QRectF& area, QPointF centre, qreal inner, qreal outer,
                const QColor& color) {
    QRadialGradient gradient(centre, outer);
    const qreal start = qBound(0.0, inner / outer, 1.0);
    for (const auto& [at, strength] :
         {std::pair{0.0, 1.0}, {0.25, 0.55}, {0.5, 0.22}, {0.75, 0.06}, {1.0, 0.0}}) {
        QColor step = color;
        step.setAlphaF(float(color.alphaF() * strength));
        gradient.setColorAt(start + (1 - start) * at, step);
    }
    painter.fillRect(area, gradient);
}

constexpr int fireflyCount = 3;
constexpr qreal fireflyGlowRadius = 7;
constexpr int frameMs = 33;

}  // namespace

WelcomeScenery::WelcomeScenery(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    frame_.setInterval(frameMs);
    connect(&frame_, &QTimer::timeout, this, [this] { update(fireflyBounds().toAlignedRect()); });
}

void WelcomeScenery::setPeriod(WelcomePeriod period) {
    if (period_ == period) return;
    period_ = period;
    updateFrameTimer();
    update();
}

void WelcomeScenery::setAnimated(bool animated) {
    if (animated_ == animated) return;
    animated_ = animated;
    updateFrameTimer();
    update();
}

bool WelcomeScenery::showsFireflies() const {
    return period_ == WelcomePeriod::evening || period_ == WelcomePeriod::night;
}

void WelcomeScenery::updateFrameTimer() {
    if (animated_ && showsFireflies() && isVisible()) {
        if (!clock_.isValid()) clock_.start();
        frame_.start();
    } else {
        frame_.stop();
    }
}

void WelcomeScenery::showEvent(QShowEvent* event) {
    updateFrameTimer();
    QWidget::showEvent(event);
}

void WelcomeScenery::hideEvent(QHideEvent* event) {
    updateFrameTimer();
    QWidget::hideEvent(event);
}

void WelcomeScenery::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = isDarkPalette(palette());
    paintSky(painter, dark);
    paintGlow(painter, dark);
    paintHills(painter, dark);
    if (showsFireflies()) paintFireflies(painter);
}

void WelcomeScenery::paintSky(QPainter& painter, bool dark) const {
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, dark ? rgb(0.075, 0.13, 0.14) : rgb(0.83, 0.89, 0.83));
    sky.setColorAt(1, dark ? rgb(0.16, 0.2, 0.1) : rgb(0.66, 0.77, 0.47));
    painter.fillRect(rect(), sky);
}

void WelcomeScenery::paintGlow(QPainter& painter, bool dark) const {
    const QRectF area = rect();
    const qreal w = area.width(), h = area.height();
    QColor glow = periodColor(period_);
    glow.setAlphaF(dark ? 0.32f : 0.55f);
    const qreal x = period_ == WelcomePeriod::evening ? 0.8 : 0.16;
    fillRadial(painter, area, QPointF(x * w, 0.08 * h), 0, 0.8 * w, glow);
    // A soft shade behind the mascot that lets it stand out; solid only within its first 12 points.
    fillRadial(painter, area, QPointF(0.18 * w, 0.46 * h), 12, 0.36 * w,
               rgb(0.035, 0.07, 0.065, dark ? 0.6 : 0.45));
}

void WelcomeScenery::paintHills(QPainter& painter, bool dark) const {
    const qreal w = width(), h = height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgb(0.3, 0.42, 0.22, dark ? 0.3 : 0.2));
    painter.drawEllipse(QRectF(-0.55 * w, 0.7 * h, 1.8 * w, 0.8 * h));
    painter.setBrush(rgb(0.3, 0.42, 0.22, dark ? 0.12 : 0.2));
    painter.drawEllipse(QRectF(-0.12 * w, h - 76, 0.7 * w, 112));
}

// 0 where a firefly rests, 1 where it has drifted to; each swings there and back with its own
// period, easing in and out.
qreal WelcomeScenery::drift(int firefly) const {
    if (!animated_ || !clock_.isValid()) return 0;
    const qreal seconds = firefly * 0.35 + 1.8;
    const qreal t = std::fmod(clock_.elapsed() / 1000.0 / seconds, 2.0);
    const qreal leg = t < 1 ? t : 2 - t;
    return (1 - std::cos(leg * M_PI)) / 2;
}

// Over the meadow below the mascot's speech bubble.
QPointF WelcomeScenery::fireflyOrigin() const {
    return QPointF(0.1 * width(), 0.82 * height());
}

QRectF WelcomeScenery::fireflyBounds() const {
    const QPointF origin = fireflyOrigin();
    const qreal reach = fireflyGlowRadius + 12;
    return QRectF(origin, QSizeF(2 * 34, 26)).adjusted(-reach, -reach, reach, reach);
}

void WelcomeScenery::paintFireflies(QPainter& painter) const {
    const QPointF origin = fireflyOrigin();
    painter.setPen(Qt::NoPen);
    for (int i = 1; i <= fireflyCount; ++i) {
        const qreal d = drift(i);
        const QPointF at =
            origin + QPointF((i - 1) * 34 + (-9 + 18 * d), (i % 2) * 26 + (10 - 20 * d));
        painter.setOpacity(0.65 - 0.4 * d);
        fillRadial(painter, QRectF(at, QSizeF()).adjusted(-8, -8, 8, 8), at, 0, fireflyGlowRadius,
                   rgb(1.0, 0.86, 0.2, 0.6));
        painter.setBrush(rgb(0.8, 0.91, 0.43));
        painter.drawEllipse(at, 1.5, 1.5);
    }
    painter.setOpacity(1);
}

}  // namespace vostrel
