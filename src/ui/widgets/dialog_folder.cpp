#include "ui/widgets/dialog_folder.h"

#include <QDir>
#include <QFileInfo>

namespace vostrel {

QString dialogStartFolder(QStandardPaths::StandardLocation location) {
    const QString folder = QStandardPaths::writableLocation(location);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

}  // namespace vostrel
