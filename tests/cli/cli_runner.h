#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vostrel::testing {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Runs the built vostrel-cli with the arguments, feeding `input` to its standard input. Standard
// output is captured, or goes to `outputFile` when one is given (such as /dev/full).
CliRun runCli(const QStringList& arguments, const QByteArray& input = {},
              const QString& outputFile = {});

// Runs any program the same way, for what the tool is run under (a shell setting limits).
CliRun runProgram(const QString& program, const QStringList& arguments);

QString examplePath(const QString& name);
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

}  // namespace vostrel::testing
