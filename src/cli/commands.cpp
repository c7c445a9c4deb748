#include "cli/commands.h"

namespace vostrel::cli {

const std::vector<Command>& allCommands() {
    static const std::vector<Command> commands{
        {QStringLiteral("payload"),
         QStringLiteral("payload DOC"),
         QStringLiteral("Write the exact text the QR code of DOC encodes (no newline added)."),
         {},
         runPayload},
        {QStringLiteral("matrix"),
         QStringLiteral("matrix DOC"),
         QStringLiteral("Print the module matrix of DOC at its effective correction level, one\n"
                        "line per row in the order the engine delivers them: '#' dark, '.' light."),
         {},
         runMatrix},
        {QStringLiteral("export"),
         QStringLiteral("export DOC -o OUT"),
         QStringLiteral("Write DOC's styled QR code to OUT as SVG (OUT ends in .svg, or is - for\n"
                        "standard output). The file is replaced only once completely written."),
         {{QStringLiteral("-o")}, {}},
         runExport},
        {QStringLiteral("batch"),
         QStringLiteral("batch --kind url|text|contact --input FILE --out DIR [--style DOC]\n"
                        "        [--format png|svg] [--size N] [--naming sequential|content]"),
         QStringLiteral(
             "Write one QR code file per item of FILE into DIR, made with the folders above it.\n"
             "url and text: every line that is not blank is an item. contact: FILE is CSV (comma-\n"
             "or tab-separated) whose headers name the fields; rows without a name or e-mail are\n"
             "left out. The style and correction level come from DOC, or are the defaults (level\n"
             "M). Defaults: --format png, --size 1024 (pixels, PNG only), --naming content (after\n"
             "what each code holds; sequential numbers them). Existing files are never replaced:\n"
             "a taken name gets -2, -3, ... Items that make no QR code are skipped and counted;\n"
             "a file that cannot be written ends the run, keeping the files written before it."),
         {{QStringLiteral("--kind"), QStringLiteral("--input"), QStringLiteral("--out"),
           QStringLiteral("--style"), QStringLiteral("--format"), QStringLiteral("--size"),
           QStringLiteral("--naming")},
          {}},
         runBatch},
    };
    return commands;
}

}  // namespace vostrel::cli
