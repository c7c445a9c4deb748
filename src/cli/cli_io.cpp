#include "cli/cli_io.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/atomic_write.h"
#include "common/quoted_value.h"
#include "document/document_file.h"

namespace vostrel::cli {

namespace {

// A subject (usually a path from the command line) as it is, unless it holds characters that
// must not reach the terminal raw: then quoted and escaped.
QString shownSubject(const QString& subject) {
    const QString quoted = quotedValue(subject);
    return quoted == u'\'' + subject + u'\'' ? subject : quoted;
}

}  // namespace

int report(const CliFailure& failure) {
    const QString line = failure.subject.isEmpty()
                             ? QStringLiteral("vostrel-cli: %1\n").arg(failure.reason)
                             : QStringLiteral("vostrel-cli: %1: %2\n")
                                   .arg(shownSubject(failure.subject), failure.reason);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    if (failure.status == ExitStatus::usage) std::fputs("Try 'vostrel-cli --help'.\n", stderr);
    return int(failure.status);
}

Unexpected<CliFailure> usageFailure(const QString& reason) {
    return unexpected(CliFailure{ExitStatus::usage, {}, reason});
}

int usageError(const QString& reason) {
    return report(usageFailure(reason).error);
}

CliResult<QString> onlyPositional(const CommandLine& line) {
    if (line.positionals.isEmpty()) return usageFailure(QStringLiteral("no document given"));
    if (line.positionals.size() > 1) {
        return usageFailure(
            QStringLiteral("unexpected argument %1").arg(quotedValue(line.positionals[1])));
    }
    return line.positionals.front();
}

CliResult<DocumentSnapshot> loadDocument(const QString& doc) {
    SnapshotResult result = [&]() -> SnapshotResult {
        if (doc != u"-") return readDocumentFile(doc);
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            return unexpected(DocumentError{DocumentError::Kind::unreadable, input.errorString()});
        return decodeDocument(input.read(maximumDocumentBytes + 1));
    }();
    if (!result) return unexpected(CliFailure{ExitStatus::fileError, doc, result.error().message});
    return std::move(result).value();
}

CliResult<void> writeOutput(const QString& target, const QByteArray& bytes) {
    if (target == u"-") return printToStdout(bytes);
    const auto written = writeFileAtomically(target, bytes);
    if (!written) return unexpected(CliFailure{ExitStatus::fileError, target, written.error()});
    return {};
}

CliResult<void> printToStdout(const QByteArray& bytes) {
    const size_t size = size_t(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0)
        return {};
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    std::clearerr(stdout);
    return unexpected(CliFailure{ExitStatus::fileError, QStringLiteral("standard output"), reason});
}

int printOrReport(const QByteArray& bytes) {
    const auto printed = printToStdout(bytes);
    return printed ? int(ExitStatus::success) : report(printed.error());
}

}  // namespace vostrel::cli
