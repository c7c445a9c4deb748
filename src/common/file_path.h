#pragma once

#include <QString>

namespace vostrel {

// One spelling per file, for telling whether two paths name the same file: the path with links
// resolved when the file exists, otherwise the absolute, cleaned path.
QString standardFilePath(const QString& path);

// Moves a file to the desktop's trash (the freedesktop.org trash of its disk or of the home
// folder), false when it could not. Unlike QFile::moveToTrash alone it never leaves the file
// anywhere else: Qt 6.4 cannot make the home trash while the data folder (~/.local/share) is
// missing, and then "trashes" into files/ of the working directory and reports success.
bool moveFileToTrash(const QString& path);

}  // namespace vostrel
