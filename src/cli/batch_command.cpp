#include "cli/batch_command.h"

#include "batch/batch_engine.h"
#include "batch/batch_item_source.h"
#include "batch/batch_items.h"
#include "cli/commands.h"
#include "cli/symbol.h"
#include "cli/terminal_progress_bar.h"
#include "common/quoted_value.h"
#include "export/png_data.h"

namespace vostrel::cli {
namespace {

template <class T>
CliResult<T> choice(const CommandLine& line, const QString& option,
                    std::initializer_list<std::pair<const char*, T>> choices, T fallback = {}) {
    if (!line.values.contains(option)) return fallback;
    const QString value = line.value(option);
    for (const auto& [name, item] : choices) {
        if (value == QLatin1StringView(name)) return item;
    }
    return usageFailure(QStringLiteral("unknown %1 %2").arg(option, quotedValue(value)));
}

template <class T>
const CliFailure* errorOf(const CliResult<T>& result) {
    return result ? nullptr : &result.error();
}

// A whole number from 1 to maximumPngSize, like the export command's.
CliResult<int> pngSize(const CommandLine& line) {
    if (!line.has(QStringLiteral("--size"))) return BatchOptions().size;
    const QString text = line.value(QStringLiteral("--size"));
    bool isNumber = false;
    const int size = text.toInt(&isNumber);
    if (isNumber && size >= 1 && size <= maximumPngSize) return size;
    return usageFailure(
        QStringLiteral("--size must be a whole number of pixels from 1 to %1, not %2")
            .arg(maximumPngSize)
            .arg(quotedValue(text)));
}

CliFailure failureOf(const BatchError& error) {
    return CliFailure{ExitStatus::fileError, error.path, error.message};
}

int printSummary(const BatchResult& result) {
    QString text = QStringLiteral("%1 QR codes generated\n").arg(result.generatedCount);
    if (result.skippedCount > 0)
        text += QStringLiteral("%1 items skipped\n").arg(result.skippedCount);
    if (!result.unreadableNames.isEmpty()) {
        text += QStringLiteral("%1 QR codes not written because they may not scan:\n")
                    .arg(result.unreadableNames.size());
        for (const QString& name : result.unreadableNames)
            text += QStringLiteral("  ") + name + u'\n';
    }
    const int status = printOrReport(text.toUtf8());
    if (status != 0 || result.unreadableNames.isEmpty()) return status;
    return int(ExitStatus::unreadable);
}

}  // namespace

CliResult<BatchOptions> batchOptions(const CommandLine& line) {
    if (!line.positionals.isEmpty()) {
        return usageFailure(
            QStringLiteral("unexpected argument %1").arg(quotedValue(line.positionals.front())));
    }
    for (const char* option : {"--kind", "--input", "--out"}) {
        if (line.value(QLatin1StringView(option)).isEmpty())
            return usageFailure(QStringLiteral("batch needs %1").arg(QLatin1StringView(option)));
    }
    const auto kind = choice<BatchContentType>(line, QStringLiteral("--kind"),
                                               {{"url", BatchContentType::url},
                                                {"text", BatchContentType::text},
                                                {"contact", BatchContentType::contact}});
    const auto format = choice<ExportFormat>(
        line, QStringLiteral("--format"), {{"png", ExportFormat::png}, {"svg", ExportFormat::svg}},
        BatchOptions().format);
    const auto naming = choice<NamingScheme>(
        line, QStringLiteral("--naming"),
        {{"sequential", NamingScheme::sequential}, {"content", NamingScheme::contentBased}},
        BatchOptions().naming);
    const auto size = pngSize(line);
    for (const CliFailure* failure :
         {errorOf(kind), errorOf(format), errorOf(naming), errorOf(size)}) {
        if (failure) return unexpected(*failure);
    }
    return BatchOptions{*kind,
                        line.value(QStringLiteral("--input")),
                        line.value(QStringLiteral("--out")),
                        line.value(QStringLiteral("--style")),
                        *format,
                        *size,
                        *naming,
                        line.has(QStringLiteral("--verify"))};
}

int runBatchCommand(const BatchOptions& options) {
    QRStyle style;
    CorrectionLevel level = CorrectionLevel::m;
    if (!options.styleDocument.isEmpty()) {
        const auto document = loadDocument(options.styleDocument);
        if (!document) return report(document.error());
        style = document->style;
        noteUnreadableLogo(style, options.styleDocument);
        level = document->exportSettings.correctionLevel;
    }
    auto text = readBatchInputText(options.inputPath);
    if (!text) return report(failureOf(text.error()));

    const BatchConfig config{options.format, options.size, options.naming,
                             QUrl::fromLocalFile(options.outputFolder), options.verify};
    TerminalProgressBar progressBar;
    BatchEngine engine;
    const QFuture<BatchOutcome> run =
        engine.generateBatch(textItemSource(options.kind, std::move(*text)), style, level, config,
                             [&](const BatchProgress& p) { progressBar.show(p); });
    waitForBatch(run);
    const BatchOutcome outcome = run.result();
    progressBar.clear();
    if (!outcome) return report(failureOf(outcome.error()));
    return printSummary(*outcome);
}

int runBatch(const CommandLine& line) {
    const auto options = batchOptions(line);
    return options ? runBatchCommand(*options) : report(options.error());
}

}  // namespace vostrel::cli
