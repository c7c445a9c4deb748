// The commands that read one document and print or write what it makes.

#include <QFileInfo>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/symbol.h"
#include "export/svg_document.h"

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

CliResult<void> checkSvgTarget(const QString& target) {
    if (target.isEmpty()) return usageFailure(QStringLiteral("export needs -o OUT"));
    if (target == u"-" || QFileInfo(target).suffix().compare(u"svg", Qt::CaseInsensitive) == 0)
        return {};
    return usageFailure(QStringLiteral("cannot tell the format of '%1': name it .svg").arg(target));
}

}  // namespace

int runPayload(const CommandLine& line) {
    return withDocument(line, [](const QString&, const DocumentSnapshot& document) {
        printToStdout(document.content.payload().toUtf8());
        return CliResult<void>();
    });
}

int runMatrix(const CommandLine& line) {
    return withDocument(line, [](const QString& doc, const DocumentSnapshot& document) {
        const auto matrix = makeSymbol(document, doc);
        if (!matrix) return CliResult<void>(unexpected(matrix.error()));
        printToStdout(matrixText(*matrix));
        return CliResult<void>();
    });
}

int runExport(const CommandLine& line) {
    const QString target = line.value(QStringLiteral("-o"));
    if (const auto checked = checkSvgTarget(target); !checked) return report(checked.error());
    return withDocument(line, [&](const QString& doc, const DocumentSnapshot& document) {
        const auto matrix = makeSymbol(document, doc);
        if (!matrix) return CliResult<void>(unexpected(matrix.error()));
        return writeOutput(target, svgDocument(*matrix, document.style).toUtf8());
    });
}

}  // namespace vostrel::cli
