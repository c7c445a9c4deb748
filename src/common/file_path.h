#pragma once

#include <QString>

namespace vostrel {

// One spelling per file, for telling whether two paths name the same file: the path with links
// resolved when the file exists, otherwise the absolute, cleaned path.
QString standardFilePath(const QString& path);

}  // namespace vostrel
