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
         QStringLiteral("export DOC -o OUT [--format png|svg] [--size N]"),
         QStringLiteral("Write DOC's styled QR code to OUT as PNG or SVG, by OUT's extension or\n"
                        "--format (with -o -, standard output, the document's preferred format).\n"
                        "PNG pictures are N pixels square (default: the document's PNG size; at\n"
                        "most 8192). The file is replaced only once completely written."),
         {{QStringLiteral("-o"), QStringLiteral("--format"), QStringLiteral("--size")}, {}},
         runExport},
        {QStringLiteral("warnings"),
         QStringLiteral("warnings DOC"),
         QStringLiteral("Print why DOC's style may be hard to scan, one message per line (nothing\n"
                        "when it scans well)."),
         {},
         runWarnings},
        {QStringLiteral("new"),
         QStringLiteral("new [--kind KIND] [-o FILE]"),
         QStringLiteral("Write a new document with a generated name, the default style and the\n"
                        "empty content of KIND (url, text, wifi, contact, email, phone, sms,\n"
                        "location, calendar or swish; url when not given), to FILE or standard\n"
                        "output."),
         {{QStringLiteral("--kind"), QStringLiteral("-o")}, {}},
         runNew},
    };
    return commands;
}

}  // namespace vostrel::cli
