#include "cli/command_line.h"

#include "common/quoted_value.h"

namespace vostrel::cli {

Expected<CommandLine, QString> parseCommandLine(const QStringList& arguments,
                                                const OptionSpec& options) {
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        if (argument == u"-" || !argument.startsWith(u'-')) {
            line.positionals << argument;
            continue;
        }
        QString inlineValue;
        const qsizetype equals = argument.indexOf(u'=');
        const bool hasInlineValue = argument.startsWith(u"--") && equals > 0;
        if (hasInlineValue) {
            inlineValue = argument.mid(equals + 1);
            argument.truncate(equals);
        }
        if (options.flags.contains(argument) && !hasInlineValue) {
            line.flags << argument;
        } else if (options.withValue.contains(argument)) {
            if (!hasInlineValue && i + 1 >= arguments.size())
                return unexpected(QStringLiteral("option %1 needs a value").arg(argument));
            line.values[argument] = hasInlineValue ? inlineValue : arguments[++i];
        } else {
            return unexpected(QStringLiteral("unknown option %1").arg(quotedValue(argument)));
        }
    }
    return line;
}

}  // namespace vostrel::cli
