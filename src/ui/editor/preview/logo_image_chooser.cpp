#include "ui/editor/preview/logo_image_chooser.h"

#include <QFileDialog>
#include <QImageReader>

#include "ui/widgets/dialog_folder.h"
#include "ui/widgets/icons.h"

namespace vostrel {

namespace {

QString imageNameFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    return QObject::tr("Images (%1)").arg(patterns.join(u' '));
}

}  // namespace

std::optional<LogoOverlay> logoFromImageFile(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    return makeLogoOverlay(image);
}

std::optional<LogoOverlay> vostrelMascotLogo() {
    return makeLogoOverlay(vostrelLogoImage(maximumLogoEdge));
}

void chooseLogoImage(QWidget* parent, std::function<void(const LogoOverlay&)> chosen) {
    auto* dialog =
        new QFileDialog(parent ? parent->window() : nullptr, QObject::tr("Choose Image"),
                        dialogStartFolder(QStandardPaths::PicturesLocation), imageNameFilter());
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& path) {
                         if (const auto logo = logoFromImageFile(path)) chosen(*logo);
                     });
    dialog->open();
}

}  // namespace vostrel
