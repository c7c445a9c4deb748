#include "support/clipboard_png.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>

namespace vostrel::testing {

QSize clipboardPngSize() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QByteArray png = data ? data->data(QStringLiteral("image/png")) : QByteArray();
    QBuffer buffer(&png);
    return QImageReader(&buffer, "PNG").size();
}

}  // namespace vostrel::testing
