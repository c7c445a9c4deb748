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
         QStringLiteral("export DOC -o OUT [--format png|svg] [--size N] [--verify]"),
         QStringLiteral("Write DOC's styled QR code to OUT as PNG or SVG, by OUT's extension or\n"
                        "--format (with -o -, standard output, the document's preferred format).\n"
                        "PNG pictures are N pixels square (default: the document's PNG size; at\n"
                        "most 8192). The file is replaced only once completely written.\n"
                        "--verify first reads the code back as 'verify' does (an SVG as its PNG\n"
                        "picture); when it may not scan, nothing is written and the exit status\n"
                        "is 4."),
         {{QStringLiteral("-o"), QStringLiteral("--format"), QStringLiteral("--size")},
          {QStringLiteral("--verify")}},
         runExport},
        {QStringLiteral("warnings"),
         QStringLiteral("warnings DOC"),
         QStringLiteral("Print why DOC's style may be hard to scan, one message per line.\n"
                        "These are the rules of thumb the preview shows as badges; nothing is\n"
                        "printed when none applies. Exit status 3 when DOC makes no QR code."),
         {},
         runWarnings},
        {QStringLiteral("verify"),
         QStringLiteral("verify DOC [--size N]"),
         QStringLiteral(
             "Read DOC's QR code back with ZXing-cpp and zbar; exit 4 if it may not scan.\n"
             "Both read the PNG picture, N pixels square (default: the document's PNG\n"
             "size), and a small print (about 3 pixels per module, lightly blurred).\n"
             "Prints each reader's result on each picture and the verdict. Exit status\n"
             "0 when every reader reads the exact content from both pictures."),
         {{QStringLiteral("--size")}, {}},
         runVerify},
        {QStringLiteral("new"),
         QStringLiteral("new [--kind KIND] [-o FILE]"),
         QStringLiteral("Write a new document with a generated name, the default style and the\n"
                        "empty content of KIND (url, text, wifi, contact, email, phone, sms,\n"
                        "location, calendar or swish; url when not given), to FILE or standard\n"
                        "output."),
         {{QStringLiteral("--kind"), QStringLiteral("-o")}, {}},
         runNew},
        {QStringLiteral("batch"),
         QStringLiteral(
             "batch --kind url|text|contact --input FILE --out DIR [--style DOC]\n"
             "        [--format png|svg] [--size N] [--naming sequential|content] [--verify]"),
         QStringLiteral(
             "Write one QR code file per item of FILE into DIR, made with the folders above it.\n"
             "url and text: every line that is not blank is an item. contact: FILE is CSV (comma-\n"
             "or tab-separated) whose headers name the fields; rows without a name or e-mail are\n"
             "left out. The style and correction level come from DOC, or are the defaults (level\n"
             "M). Defaults: --format png, --size 1024 (pixels, PNG only), --naming content (after\n"
             "what each code holds; sequential numbers them). Existing files are never replaced:\n"
             "a taken name gets -2, -3, ... Items that make no QR code are skipped and counted;\n"
             "a file that cannot be written ends the run, keeping the files written before it.\n"
             "--verify reads each code back as 'verify' does (an SVG as its PNG picture) before\n"
             "writing it; codes that may not scan are not written but named, and the exit\n"
             "status is then 4."),
         {{QStringLiteral("--kind"), QStringLiteral("--input"), QStringLiteral("--out"),
           QStringLiteral("--style"), QStringLiteral("--format"), QStringLiteral("--size"),
           QStringLiteral("--naming")},
          {QStringLiteral("--verify")}},
         runBatch},
    };
    return commands;
}

}  // namespace vostrel::cli
