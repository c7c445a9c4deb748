#pragma once

#include <QByteArray>
#include <QString>

#include "cli/command_line.h"
#include "common/expected.h"
#include "document/document_snapshot.h"

namespace vostrel::cli {

enum class ExitStatus : int {
    success = 0,
    fileError = 1,  // a document could not be read or decoded, or an output could not be written
    usage = 2,
    noSymbol = 3,    // empty payload, or too much data for a QR code at that level
    unreadable = 4,  // the scan check could not read the code back with every reader
};

// A failure to report on standard error as "vostrel-cli: SUBJECT: REASON".
struct CliFailure {
    ExitStatus status;
    QString subject;
    QString reason;
};

template <class T>
using CliResult = Expected<T, CliFailure>;

// Prints the failure (with a pointer to --help for usage errors) and returns its exit status.
int report(const CliFailure& failure);
int usageError(const QString& reason);
Unexpected<CliFailure> usageFailure(const QString& reason);

// The one positional argument of a command that reads a single document, as "DOC".
CliResult<QString> onlyPositional(const CommandLine& line);

// DOC is a path or "-" for standard input.
CliResult<DocumentSnapshot> loadDocument(const QString& doc);

// TARGET is a path (written atomically) or "-" for standard output.
CliResult<void> writeOutput(const QString& target, const QByteArray& bytes);

// Writes to standard output; a failed write (a full disk, a closed terminal) is the system's
// reason, reported on "standard output".
CliResult<void> printToStdout(const QByteArray& bytes);
// Prints and returns the exit status: success, or the reported write failure's.
int printOrReport(const QByteArray& bytes);

}  // namespace vostrel::cli
