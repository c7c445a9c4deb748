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
    };
    return commands;
}

}  // namespace vostrel::cli
