#include "ui/editor/preview/symbol_drag.h"

#include <QDir>
#include <QDrag>
#include <QImage>
#include <QMimeData>
#include <QPixmap>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include "common/atomic_write.h"

namespace vostrel {

namespace {

constexpr int dragPictureEdge = 96;

// Every drag gets its own folder, so a drop target still reading an earlier file is not
// disturbed by the next drag.
QString writeTemporaryFile(const QString& fileName, const QByteArray& bytes) {
    static QTemporaryDir folder;
    static int dragCount = 0;
    if (!folder.isValid()) return {};
    const QString subfolder = QString::number(++dragCount);
    if (!QDir(folder.path()).mkpath(subfolder)) return {};
    const QString path = QDir(folder.filePath(subfolder)).filePath(fileName);
    return writeFileAtomically(path, bytes) ? path : QString();
}

}  // namespace

QMimeData* makeSymbolMimeData(const QRCodeTransferable& symbol) {
    const auto bytes = symbol.pngBytes();
    if (!bytes) return nullptr;
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), *bytes);
    const QString path = writeTemporaryFile(QRCodeTransferable::suggestedFileName(), *bytes);
    if (!path.isEmpty()) data->setUrls({QUrl::fromLocalFile(path)});
    return data;
}

bool dragSymbol(QWidget* source, const QRCodeTransferable& symbol) {
    QMimeData* data = makeSymbolMimeData(symbol);
    if (!data) return false;
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    const qreal ratio = source->devicePixelRatioF();
    const QImage image = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    QPixmap picture =
        QPixmap::fromImage(image.scaled(QSize(dragPictureEdge, dragPictureEdge) * ratio,
                                        Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(ratio);
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(dragPictureEdge / 2, dragPictureEdge / 2));
    drag->exec(Qt::CopyAction);
    return true;
}

}  // namespace vostrel
