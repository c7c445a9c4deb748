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

// Runs the built vostrel-cli with the arguments, feeding `input` to its standard input.
CliRun runCli(const QStringList& arguments, const QByteArray& input = {});

QString examplePath(const QString& name);
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

}  // namespace vostrel::testing
