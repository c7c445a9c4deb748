#include <QStringList>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "common/quoted_value.h"
#include "document/document_file.h"

namespace vostrel::cli {

namespace {

QString kindNames() {
    QStringList names;
    for (const ContentType type : allCases<ContentType>()) names << rawValue(type);
    return names.join(QStringLiteral(", "));
}

}  // namespace

int runNew(const CommandLine& line) {
    if (!line.positionals.isEmpty()) {
        return report(
            usageFailure(
                QStringLiteral("unexpected argument %1").arg(quotedValue(line.positionals[0])))
                .error);
    }
    const QString kindText = line.value(QStringLiteral("--kind"), QStringLiteral("url"));
    const auto kind = fromRawValue<ContentType>(kindText);
    if (!kind) {
        return usageError(
            QStringLiteral("unknown kind %1 (one of %2)").arg(quotedValue(kindText), kindNames()));
    }
    const auto bytes = encodeDocument(DocumentSnapshot::newDocument(*kind));
    if (!bytes) return report({ExitStatus::fileError, {}, bytes.error().message});
    const auto written = writeOutput(line.value(QStringLiteral("-o"), QStringLiteral("-")), *bytes);
    return written ? 0 : report(written.error());
}

}  // namespace vostrel::cli
