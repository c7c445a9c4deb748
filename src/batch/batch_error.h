#pragma once

#include <QString>

namespace vostrel {

// Why a batch run, or the reading of its input, stopped. Skipped items are no error: they are
// only counted.
struct BatchError {
    enum class Kind {
        folderCreationFailed,  // the destination folder could not be made; nothing was written
        writeFailed,           // a file could not be written; the files before it stay
        inputUnreadable,       // an input file could not be read or is not UTF-8 text
    };
    Kind kind;
    QString path;     // the folder, file or input concerned
    QString message;  // the system's reason, e.g. "Not a directory"

    bool operator==(const BatchError&) const = default;
};

}  // namespace vostrel
