#include "ui/widgets/dialog_folder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vostrel {

QString dialogStartFolder(QStandardPaths::StandardLocation location) {
    const QString folder = QStandardPaths::writableLocation(location);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QFileDialog* makeFolderDialog(QWidget* parent, const QString& title, const QString& start) {
    auto* dialog = new QFileDialog(parent, title);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setDirectory(start);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    return dialog;
}

}  // namespace vostrel
