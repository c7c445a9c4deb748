#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "common/expected.h"

namespace vostrel {

// Every write below puts the complete bytes in place or leaves the target exactly as it was: the
// bytes go to a hidden temporary file beside the target, every write and the close are checked
// (a full disk often shows only when the last buffered bytes reach it), and only a file known to
// be whole takes the target's name. Errors are the system's reason ("No space left on device").

// Replaces the file at `path` with `bytes`. The new file keeps the permissions of the one it
// replaces and is synced to disk before the rename, so even a crash leaves the old or the new
// document. A symbolic link is followed and its target replaced. A target that exists but is not
// a regular file (a folder, a device such as /dev/full) is refused rather than replaced.
Expected<void, QString> writeFileAtomically(const QString& path, const QByteArray& bytes);

// The file name to try on the nth attempt (1, 2, 3, …) of writeNewFile.
using CandidateName = std::function<QString(int attempt)>;

// Writes `bytes` to a new file in `folder` under the first candidate name that is free, claimed
// without ever replacing anything: when another process takes a name first, the next candidate
// is tried. Returns the name used. Nothing is synced: there is no older file to keep safe.
Expected<QString, QString> writeNewFile(const QString& folder, const CandidateName& candidate,
                                        const QByteArray& bytes);

}  // namespace vostrel
