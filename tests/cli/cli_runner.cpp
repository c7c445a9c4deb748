#include "cli_runner.h"

#include <QFile>
#include <QProcess>

namespace vostrel::testing {

namespace {

CliRun runProcess(const QString& program, const QStringList& arguments, const QByteArray& input,
                  const QString& outputFile) {
    QProcess process;
    if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    CliRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace

CliRun runCli(const QStringList& arguments, const QByteArray& input, const QString& outputFile) {
    return runProcess(QStringLiteral(VOSTREL_CLI_PATH), arguments, input, outputFile);
}

CliRun runProgram(const QString& program, const QStringList& arguments) {
    return runProcess(program, arguments, {}, {});
}

QString examplePath(const QString& name) {
    return QStringLiteral(VOSTREL_EXAMPLES_DIR "/%1.vostrel").arg(name);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

}  // namespace vostrel::testing
