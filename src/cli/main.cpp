#include <QCoreApplication>
#include <QLoggingCategory>
#include <csignal>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "common/quoted_value.h"

using namespace vostrel::cli;

namespace {

const QString helpFlag = QStringLiteral("--help");

int printHelp() {
    QString text = QStringLiteral(
        "Usage: vostrel-cli COMMAND [options]\n"
        "Design QR codes that always scan: Vostrel documents (.vostrel) on the command line.\n\n"
        "Commands:\n");
    for (const Command& command : allCommands()) {
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(command.usage, command.summary.section(u'\n', 0, 0));
    }
    text += QStringLiteral(
        "\nDOC is a document path, or - for standard input.\n"
        "'vostrel-cli COMMAND --help' describes one command; --version prints the version.\n\n"
        "Exit status: 0 success, 1 a document could not be read or an output not written,\n"
        "2 usage error, 3 no QR code can be made (empty content, or too much data),\n"
        "4 the code may not scan (verify, --verify).\n");
    return printOrReport(text.toUtf8());
}

int runCommand(const Command& command, const QStringList& arguments) {
    OptionSpec options = command.options;
    options.flags << helpFlag;
    const auto line = parseCommandLine(arguments, options);
    if (!line) return usageError(line.error());
    if (line->has(helpFlag)) {
        return printOrReport(QStringLiteral("Usage: vostrel-cli %1\n%2\n")
                                 .arg(command.usage, command.summary)
                                 .toUtf8());
    }
    return command.run(*line);
}

}  // namespace

int main(int argc, char** argv) {
    // Beyond a file size limit (ulimit -f) a write then fails with "File too large" and is
    // reported like any other write error, instead of the signal ending the process unheard.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    // Qt's image readers explain on standard error why a picture was refused; the commands say
    // it once in their own words.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) return usageError(QStringLiteral("no command given"));
    const QString name = arguments.takeFirst();
    if (name == helpFlag || name == u"-h" || name == u"help") {
        return printHelp();
    }
    if (name == u"--version") {
        return printOrReport("vostrel-cli " VOSTREL_VERSION "\n");
    }
    for (const Command& command : allCommands()) {
        if (name == command.name) return runCommand(command, arguments);
    }
    return usageError(QStringLiteral("unknown command %1").arg(vostrel::quotedValue(name)));
}
