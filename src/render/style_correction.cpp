#include "render/style_correction.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"

namespace vostrel {

QString StyleCorrection::message() const {
    return field + u' ' + stored + QStringLiteral(" is out of range and drawn as ") + drawn;
}

namespace {

// Walks the numbers of a style, bringing each into range and noting what changed. Field names
// are put together only for a note, so drawing an ordinary style allocates nothing here.
class Corrector {
  public:
    explicit Corrector(QList<StyleCorrection>* corrections) : corrections_(corrections) {}

    void correct(QRStyle& style) {
        color("style.foreground", style.foreground);
        color("style.background", style.background);
        if (style.gradient) color("style.gradient.endColor", style.gradient->endColor);
        quietZone(style.quietZoneModules);
        if (style.logoOverlay) logo(*style.logoOverlay);
    }

  private:
    void color(const char* path, CodableColor& color) {
        fraction(path, "r", color.r, 0.0);
        fraction(path, "g", color.g, 0.0);
        fraction(path, "b", color.b, 0.0);
        fraction(path, "a", color.a, 1.0);
    }

    void quietZone(qint64& modules) {
        const qint64 drawn = std::clamp<qint64>(modules, 0, maximumDrawnQuietZone);
        if (drawn == modules) return;
        note("style", "quietZoneModules", QString::number(modules), QString::number(drawn));
        modules = drawn;
    }

    void logo(LogoOverlay& logo) {
        const LogoOverlay fresh;
        fraction("style.logoOverlay", "sizePercent", logo.sizePercent, fresh.sizePercent);
        fraction("style.logoOverlay", "padding", logo.padding, fresh.padding);
        if (logo.backgroundColor) color("style.logoOverlay.backgroundColor", *logo.backgroundColor);
    }

    // A value in 0…1; NaN, which has no nearer end, becomes `fallback`.
    void fraction(const char* path, const char* key, double& value, double fallback) {
        const double drawn = std::isnan(value) ? fallback : std::clamp(value, 0.0, 1.0);
        if (drawn == value) return;
        note(path, key, formatShortest(value), formatShortest(drawn));
        value = drawn;
    }

    void note(const char* path, const char* key, const QString& stored, const QString& drawn) {
        if (!corrections_) return;
        const QString field = QLatin1StringView(path) + u'.' + QLatin1StringView(key);
        corrections_->append({field, stored, drawn});
    }

    QList<StyleCorrection>* corrections_;
};

}  // namespace

QRStyle drawableStyle(const QRStyle& style) {
    QRStyle drawn = style;
    Corrector(nullptr).correct(drawn);
    return drawn;
}

QList<StyleCorrection> styleCorrections(const QRStyle& style) {
    QList<StyleCorrection> corrections;
    QRStyle drawn = style;
    Corrector(&corrections).correct(drawn);
    return corrections;
}

}  // namespace vostrel
