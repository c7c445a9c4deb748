#pragma once

#include "cli/cli_io.h"
#include "cli/symbol.h"
#include "engine/scan_check.h"

namespace vostrel::cli {

// Reads the symbol back as drawn in `style` at size × size pixels (see checkScan). Fails with
// exit status 1 when no picture of that size can be made; SUBJECT names it in the message.
CliResult<ScanCheckResult> checkSymbol(const Symbol& symbol, const QRStyle& style, qint64 size,
                                       const QString& subject);

// One line per reader and picture, then the verdict with its reasons, as `verify` prints them.
QByteArray scanReport(const ScanCheckResult& result);

// Nothing when the code reads; otherwise a failure with exit status 4 whose reason is the
// verdict, its reasons and that nothing was written.
CliResult<void> requireReading(const ScanCheckResult& result, const QString& subject);

}  // namespace vostrel::cli
