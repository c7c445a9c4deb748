#include "support/svg_rendering.h"

#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>

namespace vostrel::testing {

QImage renderSvgWithQt(const QString& svg, int size) {
    QSvgRenderer renderer(svg.toUtf8());
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    if (!renderer.isValid()) return {};
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

QImage renderSvgWithRsvg(const QString& svg, int size) {
    QProcess process;
    process.start(QStringLiteral("rsvg-convert"),
                  {QStringLiteral("-w"), QString::number(size), QStringLiteral("-h"),
                   QString::number(size), QStringLiteral("-b"), QStringLiteral("white")});
    if (!process.waitForStarted()) return {};
    process.write(svg.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QImage::fromData(process.readAllStandardOutput(), "PNG");
}

}  // namespace vostrel::testing
