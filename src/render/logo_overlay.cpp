#include "render/logo_overlay.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>

namespace vostrel {

QJsonObject LogoOverlay::toJson() const {
    QJsonObject json{{QStringLiteral("imageData"), QString::fromLatin1(imageData.toBase64())},
                     {QStringLiteral("sizePercent"), sizePercent},
                     {QStringLiteral("shape"), rawValue(shape)},
                     {QStringLiteral("padding"), padding}};
    if (backgroundColor) json.insert(QStringLiteral("backgroundColor"), backgroundColor->toJson());
    return json;
}

LogoOverlay LogoOverlay::fromJson(JsonReader& reader) {
    LogoOverlay logo;
    logo.imageData = reader.base64(u"imageData");
    logo.sizePercent = reader.number(u"sizePercent");
    logo.shape = reader.enumeration<LogoShape>(u"shape");
    logo.padding = reader.number(u"padding");
    logo.backgroundColor.reset();
    if (auto color = reader.optionalObject(u"backgroundColor")) {
        logo.backgroundColor = CodableColor::fromJson(*color);
    }
    return logo;
}

size_t qHash(const LogoOverlay& logo, size_t seed) {
    seed = qHashMulti(seed, logo.imageData, logo.sizePercent, logo.shape, logo.padding);
    return logo.backgroundColor ? qHash(*logo.backgroundColor, seed) : seed;
}

namespace {

QSize fittedLogoSize(QSize size) {
    const double scale = std::min(
        {double(maximumLogoEdge) / size.width(), double(maximumLogoEdge) / size.height(), 1.0});
    return {std::max(1, qRound(size.width() * scale)), std::max(1, qRound(size.height() * scale))};
}

QImage redrawn(const QImage& image, QSize size) {
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), image);
    painter.end();
    return canvas;
}

}  // namespace

std::optional<LogoOverlay> makeLogoOverlay(const QImage& image) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return std::nullopt;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!redrawn(image, fittedLogoSize(image.size())).save(&buffer, "PNG")) return std::nullopt;
    LogoOverlay logo;
    logo.imageData = std::move(png);
    return logo;
}

}  // namespace vostrel
