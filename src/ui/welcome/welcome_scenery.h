#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "companions/welcome_period.h"

class QPainter;

namespace vostrel {

// The painted meadow behind the welcome window's mascot: a sky fading into grass, a glow where
// the sun (or moon) of the period stands, a soft shade, two hills and, in the evening and at
// night, three fireflies. Light and dark palettes get their own colours. Decoration only: it
// has nothing to say to assistive technology.
class WelcomeScenery : public QWidget {
    Q_OBJECT

  public:
    explicit WelcomeScenery(QWidget* parent = nullptr);

    WelcomePeriod period() const { return period_; }
    void setPeriod(WelcomePeriod period);

    // Whether the fireflies drift; they hold still where the user prefers reduced motion.
    bool isAnimated() const { return animated_; }
    void setAnimated(bool animated);
    bool showsFireflies() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void paintSky(QPainter& painter, bool dark) const;
    void paintGlow(QPainter& painter, bool dark) const;
    void paintHills(QPainter& painter, bool dark) const;
    void paintFireflies(QPainter& painter) const;
    QPointF fireflyOrigin() const;
    QRectF fireflyBounds() const;
    qreal drift(int firefly) const;
    void updateFrameTimer();

    WelcomePeriod period_ = WelcomePeriod::morning;
    bool animated_ = true;
    QTimer frame_;
    QElapsedTimer clock_;
};

}  // namespace vostrel
