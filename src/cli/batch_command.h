#pragma once

#include <QString>

#include "batch/batch_content_type.h"
#include "batch/batch_records.h"
#include "cli/cli_io.h"
#include "cli/command_line.h"

namespace vostrel::cli {

// The options of 'vostrel-cli batch', checked.
struct BatchOptions {
    BatchContentType kind = BatchContentType::url;
    QString inputPath;
    QString outputFolder;
    QString styleDocument;  // empty: the default style at level m
    ExportFormat format = ExportFormat::png;
    int size = 1024;
    NamingScheme naming = NamingScheme::contentBased;
    bool verify = false;  // read each picture back before writing it
};

// --kind, --input and --out are required; everything else has its default. Fails with a usage
// message naming the offending option.
CliResult<BatchOptions> batchOptions(const CommandLine& line);

// Writes one QR code file per item of the input into the folder and returns the exit status:
// 0 with "N QR codes generated" (and "M items skipped" when any were) on standard output; 1 with
// the error on standard error when the input, the style document, the folder or a file fails,
// leaving the files written before in place; with verify, 4 when any code may not scan, after
// naming the files left out for it. Shows a progress bar when standard error is a
// terminal. Needs a QCoreApplication.
int runBatchCommand(const BatchOptions& options);

}  // namespace vostrel::cli
