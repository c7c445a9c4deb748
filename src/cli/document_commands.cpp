// The commands that read one document and print or write what it makes.

#include <QFileInfo>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/scan_report.h"
#include "cli/symbol.h"
#include "common/quoted_value.h"
#include "engine/scannability_checks.h"
#include "export/export_settings.h"
#include "export/png_data.h"
#include "export/svg_document.h"
#include "render/style_correction.h"

namespace vostrel::cli {

namespace {

// Runs `work` on the document named by the only positional argument; failures become the exit
// status after being reported.
template <class Work>
int withDocument(const CommandLine& line, Work work) {
    const auto doc = onlyPositional(line);
    if (!doc) return report(doc.error());
    const auto document = loadDocument(*doc);
    if (!document) return report(document.error());
    const CliResult<void> done = work(*doc, *document);
    return done ? 0 : report(done.error());
}

QByteArray matrixText(const ModuleMatrix& matrix) {
    QByteArray text;
    text.reserve(qsizetype(matrix.size() * (matrix.size() + 1)));
    for (const auto& row : matrix) {
        for (const bool dark : row) text += dark ? '#' : '.';
        text += '\n';
    }
    return text;
}

// The format named by --format, else by the file name's extension, else (standard output) the
// document's preferred format.
CliResult<ExportFormat> exportFormat(const CommandLine& line, const QString& target,
                                     const DocumentSnapshot& document) {
    const QString named = line.value(QStringLiteral("--format"));
    if (!named.isEmpty()) {
        if (const auto format = fromRawValue<ExportFormat>(named.toLower())) return *format;
        return usageFailure(
            QStringLiteral("unknown format %1 (png or svg)").arg(quotedValue(named)));
    }
    if (target == u"-") return document.exportSettings.exportFormat;
    const auto format = fromRawValue<ExportFormat>(QFileInfo(target).suffix().toLower());
    if (format) return *format;
    return usageFailure(
        QStringLiteral("cannot tell the format of %1: name it .png or .svg, or use --format")
            .arg(quotedValue(target)));
}

// --size when given, else the document's PNG size; a whole number from 1 to maximumPngSize.
CliResult<qint64> pngSize(const CommandLine& line, const DocumentSnapshot& document) {
    if (!line.has(QStringLiteral("--size"))) {
        const qint64 stored = document.exportSettings.pngSize;
        if (stored >= 1 && stored <= maximumPngSize) return stored;
        return usageFailure(QStringLiteral("the document's PNG size %1 is not between 1 and %2: "
                                           "give one with --size")
                                .arg(stored)
                                .arg(maximumPngSize));
    }
    const QString text = line.value(QStringLiteral("--size"));
    bool ok = false;
    const qint64 size = text.toLongLong(&ok);
    if (ok && size >= 1 && size <= maximumPngSize) return size;
    return usageFailure(
        QStringLiteral("--size must be a whole number of pixels from 1 to %1, not %2")
            .arg(maximumPngSize)
            .arg(quotedValue(text)));
}

CliResult<QByteArray> exportBytes(const CommandLine& line, const QString& target,
                                  const DocumentSnapshot& document, const ModuleMatrix& matrix) {
    const auto format = exportFormat(line, target, document);
    if (!format) return unexpected(format.error());
    if (*format == ExportFormat::svg) return svgDocumentUtf8(matrix, document.style);
    const auto size = pngSize(line, document);
    if (!size) return unexpected(size.error());
    auto png = pngData(matrix, document.style, *size);
    if (!png) {
        return unexpected(CliFailure{ExitStatus::fileError, target,
                                     QStringLiteral("could not render a %1 px PNG").arg(*size)});
    }
    return std::move(*png);
}

// The symbol read back as the PNG of --size or the document's size draws it (an SVG draws the
// same shapes), before anything is written.
CliResult<void> verifiedSymbol(const CommandLine& line, const DocumentSnapshot& document,
                               const Symbol& symbol, const QString& doc) {
    const auto size = pngSize(line, document);
    if (!size) return unexpected(size.error());
    const auto scan = checkSymbol(symbol, document.style, *size, doc);
    if (!scan) return unexpected(scan.error());
    return requireReading(*scan, doc);
}

}  // namespace

int runPayload(const CommandLine& line) {
    return withDocument(line, [](const QString&, const DocumentSnapshot& document) {
        return printToStdout(document.content.payload().toUtf8());
    });
}

int runMatrix(const CommandLine& line) {
    return withDocument(line, [](const QString& doc, const DocumentSnapshot& document) {
        const auto symbol = makeSymbol(document, doc);
        if (!symbol) return CliResult<void>(unexpected(symbol.error()));
        return printToStdout(matrixText(symbol->matrix));
    });
}

int runExport(const CommandLine& line) {
    const QString target = line.value(QStringLiteral("-o"));
    if (target.isEmpty()) return usageError(QStringLiteral("export needs -o OUT"));
    return withDocument(line, [&](const QString& doc, const DocumentSnapshot& document) {
        const auto symbol = makeSymbol(document, doc);
        if (!symbol) return CliResult<void>(unexpected(symbol.error()));
        noteUnreadableLogo(document.style, doc);
        if (line.has(QStringLiteral("--verify"))) {
            const auto read = verifiedSymbol(line, document, *symbol, doc);
            if (!read) return read;
        }
        const auto bytes = exportBytes(line, target, document, symbol->matrix);
        if (!bytes) return CliResult<void>(unexpected(bytes.error()));
        return writeOutput(target, *bytes);
    });
}

// Exit status 3 with the engine's reason when the document makes no QR code: no warning means
// "scans well", which a code that cannot be made does not.
int runWarnings(const CommandLine& line) {
    return withDocument(line, [](const QString& doc, const DocumentSnapshot& document) {
        const auto symbol = makeSymbol(document, doc);
        if (!symbol) return CliResult<void>(unexpected(symbol.error()));
        QByteArray text;
        for (const StyleCorrection& correction : styleCorrections(document.style))
            text += correction.message().toUtf8() + '\n';
        if (hasUnreadableLogo(document.style)) text += unreadableLogoReason.toUtf8() + '\n';
        for (const ValidationWarning& warning : evaluateDesignWarnings(
                 document.style, document.exportSettings.pngSize, int(symbol->matrix.size()) - 2)) {
            text += warning.message().toUtf8() + '\n';
        }
        return printToStdout(text);
    });
}

int runVerify(const CommandLine& line) {
    bool reads = true;
    const int status =
        withDocument(line, [&](const QString& doc, const DocumentSnapshot& document) {
            const auto symbol = makeSymbol(document, doc);
            if (!symbol) return CliResult<void>(unexpected(symbol.error()));
            const auto size = pngSize(line, document);
            if (!size) return CliResult<void>(unexpected(size.error()));
            const auto scan = checkSymbol(*symbol, document.style, *size, doc);
            if (!scan) return CliResult<void>(unexpected(scan.error()));
            reads = scan->passed();
            return printToStdout(scanReport(*scan));
        });
    if (status != 0 || reads) return status;
    return int(ExitStatus::unreadable);
}

}  // namespace vostrel::cli
