#include "cli/scan_report.h"

namespace vostrel::cli {

CliResult<ScanCheckResult> checkSymbol(const Symbol& symbol, const QRStyle& style, qint64 size,
                                       const QString& subject) {
    auto result = checkScan(symbol.matrix, style, size, symbol.payload.toUtf8());
    if (!result) {
        return unexpected(CliFailure{ExitStatus::fileError, subject,
                                     QStringLiteral("could not render a %1 px PNG").arg(size)});
    }
    return std::move(*result);
}

QByteArray scanReport(const ScanCheckResult& result) {
    QString text;
    for (const ScanReading& reading : result.readings) text += describeReading(reading) + u'\n';
    text += result.message() + u'\n';
    return text.toUtf8();
}

CliResult<void> requireReading(const ScanCheckResult& result, const QString& subject) {
    if (result.passed()) return {};
    return unexpected(CliFailure{ExitStatus::unreadable, subject,
                                 result.message() + QStringLiteral(" Nothing was written.")});
}

}  // namespace vostrel::cli
