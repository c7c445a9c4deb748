#include "ui/editor/export/export_services.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>

#include "common/atomic_write.h"
#include "export/png_data.h"
#include "export/svg_document.h"
#include "ui/widgets/dialog_folder.h"

namespace vostrel {

namespace {

void reportWriteFailure(QWidget* parent, const QString& path, const QString& reason) {
    const QString title = QObject::tr("Couldn’t save “%1”").arg(QFileInfo(path).fileName());
    auto* box = new QMessageBox(QMessageBox::Warning, title, title, QMessageBox::Ok, parent);
    box->setInformativeText(reason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void askWhereToSave(QWidget* parent, const QString& mimeType, const QString& fileName,
                    const QByteArray& bytes) {
    QWidget* window = parent ? parent->window() : nullptr;
    const QString folder = dialogStartFolder(QStandardPaths::PicturesLocation);
    auto* dialog = new QFileDialog(window, QObject::tr("Save QR Code"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setMimeTypeFilters({mimeType});
    dialog->setDefaultSuffix(QFileInfo(fileName).suffix());
    dialog->setDirectory(folder);
    dialog->selectFile(fileName);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [window, bytes](const QString& path) {
                         if (const auto written = writeFileAtomically(path, bytes); !written)
                             reportWriteFailure(window, path, written.error());
                     });
    dialog->open();
}

}  // namespace

qint64 boundedPNGExportSize(qint64 size) {
    return std::min(size, maximumPngSize);
}

bool copyPNG(const ModuleMatrix& matrix, const QRStyle& style, qint64 size, QClipboard* clipboard) {
    const auto bytes = pngData(matrix, style, boundedPNGExportSize(size));
    if (!bytes) return false;
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), *bytes);
    // The image lets Qt offer other image types; it is left out for pictures beyond Qt's
    // decoding allocation limit (about 5800 px), which are copied as PNG only.
    if (const QImage image = QImage::fromData(*bytes, "PNG"); !image.isNull())
        data->setImageData(image);
    clipboard->setMimeData(data);
    return true;
}

void copySVG(const ModuleMatrix& matrix, const QRStyle& style, QClipboard* clipboard) {
    clipboard->setText(svgDocument(matrix, style));
}

void savePNG(const ModuleMatrix& matrix, const QRStyle& style, qint64 size, QWidget* parent) {
    const auto bytes = pngData(matrix, style, boundedPNGExportSize(size));
    if (!bytes) return;
    askWhereToSave(parent, QStringLiteral("image/png"), QStringLiteral("qrcode.png"), *bytes);
}

void saveSVG(const ModuleMatrix& matrix, const QRStyle& style, QWidget* parent) {
    askWhereToSave(parent, QStringLiteral("image/svg+xml"), QStringLiteral("qrcode.svg"),
                   svgDocumentUtf8(matrix, style));
}

}  // namespace vostrel
