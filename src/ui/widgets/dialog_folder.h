#pragma once

#include <QStandardPaths>
#include <QString>

namespace vostrel {

// The folder a file dialog starts in: the user's standard folder of that kind when it exists,
// else the home folder. A folder that does not exist would be taken by the dialog as a file name
// to fill in ("Pictures").
QString dialogStartFolder(QStandardPaths::StandardLocation location);

}  // namespace vostrel
