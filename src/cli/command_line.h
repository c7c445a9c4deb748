#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include "common/expected.h"

namespace vostrel::cli {

// The arguments of one subcommand: positionals in order and options by name. An option is either
// a flag or takes the next argument as its value ("-o OUT", "--size 512"; "--size=512" too).
// A lone "-" is a positional (standard input or output).
struct CommandLine {
    QStringList positionals;
    QHash<QString, QString> values;
    QSet<QString> flags;

    bool has(const QString& option) const {
        return values.contains(option) || flags.contains(option);
    }
    QString value(const QString& option, const QString& fallback = {}) const {
        return values.value(option, fallback);
    }
};

struct OptionSpec {
    QSet<QString> withValue;  // e.g. {"-o", "--size"}
    QSet<QString> flags;      // e.g. {"--help"}
};

// Fails with a usage message naming the offending argument.
Expected<CommandLine, QString> parseCommandLine(const QStringList& arguments,
                                                const OptionSpec& options);

}  // namespace vostrel::cli
