#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "cli_runner.h"

// Every failure is one line on standard error, "vostrel-cli: DOC: reason", with its own exit
// status; nothing is written to the output target.

namespace vostrel {
namespace {

using testing::runCli;

struct Failing {
    QStringList arguments;
    QByteArray document;  // written to DOC in a temporary folder when not empty
    int exitCode;
    QString message;  // the whole first line of standard error, "DOC" replaced by the path
};

const QByteArray validStyle =
    R"("style":{"background":{"a":1,"b":1,"g":1,"r":1},"foreground":{"a":1,"b":0,"g":0,"r":0},)"
    R"("quietZoneModules":4})";

QByteArray documentWith(const QByteArray& content, const QByteArray& style = validStyle,
                        const QByteArray& level = "M") {
    return R"({"content":)" + content + R"(,"exportSettings":{"correctionLevel":")" + level +
           R"(","exportFormat":"png","pngSize":1024},"id":"0F8FAD5B-D9CB-469F-A165-70867728950E",)"
           R"("name":"n",)" +
           style + R"(,"version":1})";
}

TEST(CliErrors, ReportWhatFailedWithTheirExitStatus) {
    const QByteArray text = R"({"text":{"_0":"hi"}})";
    const QByteArray tooLong = R"({"text":{"_0":")" + QByteArray(3000, 'x') + R"("}})";
    const std::vector<Failing> table{
        {{}, {}, 2, "vostrel-cli: no command given"},
        {{"frobnicate"}, {}, 2, "vostrel-cli: unknown command 'frobnicate'"},
        {{"payload"}, {}, 2, "vostrel-cli: no document given"},
        {{"payload", "DOC", "extra"}, text, 2, "vostrel-cli: unexpected argument 'extra'"},
        {{"payload", "DOC", "--bogus"}, text, 2, "vostrel-cli: unknown option '--bogus'"},
        {{"export", "DOC"}, text, 2, "vostrel-cli: export needs -o OUT"},
        {{"export", "DOC", "-o"}, text, 2, "vostrel-cli: option -o needs a value"},
        {{"export", "DOC", "-o", "x.txt"},
         documentWith(text),
         2,
         "vostrel-cli: cannot tell the format of 'x.txt': name it .png or .svg, or use --format"},
        {{"export", "DOC", "-o", "-", "--format", "gif"},
         documentWith(text),
         2,
         "vostrel-cli: unknown format 'gif' (png or svg)"},
        {{"export", "DOC", "-o", "x.png", "--size", "12px"},
         documentWith(text),
         2,
         "vostrel-cli: --size must be a whole number of pixels from 1 to 8192, not '12px'"},
        {{"export", "DOC", "-o", "x.png", "--size", "0"},
         documentWith(text),
         2,
         "vostrel-cli: --size must be a whole number of pixels from 1 to 8192, not '0'"},
        // The document tests cover what the decoder says; here only that it is passed on.
        {{"payload", "DOC"}, "{\"content\": ", 1, "vostrel-cli: DOC: not valid JSON"},
        {{"matrix", "DOC"},
         documentWith(R"({"text":{"_0":""}})"),
         3,
         "vostrel-cli: DOC: content is empty: nothing to encode"},
        {{"export", "DOC", "-o", "-"},
         documentWith(tooLong, validStyle, "H"),
         3,
         "vostrel-cli: DOC: too much data for a QR code at correction level H"},
    };
    QTemporaryDir dir;
    const QString doc = dir.filePath("doc.vostrel");
    for (const Failing& row : table) {
        QStringList arguments = row.arguments;
        arguments.replaceInStrings(QStringLiteral("DOC"), doc);
        testing::writeFile(doc, row.document);
        const testing::CliRun run = runCli(arguments);
        const QString expected = QString(row.message).replace(QStringLiteral("DOC"), doc);
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE(run.err.section(u'\n', 0, 0).startsWith(expected)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(CliErrors, QuoteAHostileValueShortAndEscaped) {
    // A terminal title escape, written with JSON escapes, ahead of a million letters.
    const QByteArray hostile = "\\u001b]0;owned\\u0007" + QByteArray(1'000'000, 'z');
    const QByteArray style =
        R"("style":{"background":{"a":1,"b":1,"g":1,"r":1},"foreground":{"a":1,"b":0,"g":0,"r":0},)"
        R"("gradient":{"endColor":{"a":1,"b":0,"g":0,"r":0},"direction":")" +
        hostile + R"("},"quietZoneModules":4})";
    QTemporaryDir dir;
    const QString doc = dir.filePath("doc.vostrel");
    testing::writeFile(doc, documentWith(R"({"text":{"_0":"hi"}})", style));
    const testing::CliRun run = runCli({"payload", doc, "--x\x1b" + QString(500, u'o')});
    EXPECT_EQ(run.err, "vostrel-cli: unknown option '--x\\u{001B}" + QString(76, u'o') +
                           "'…\nTry 'vostrel-cli --help'.\n");
    const testing::CliRun decoding = runCli({"payload", doc});
    EXPECT_EQ(decoding.err, "vostrel-cli: " + doc +
                                ": style.gradient.direction: unknown value '\\u{001B}]0;owned"
                                "\\u{0007}" +
                                QString(70, u'z') + "'…\n");
    // A file name is repeated as it is, unless it would send control characters to the terminal.
    EXPECT_TRUE(runCli({"payload", "red\x1b[31m.vostrel"})
                    .err.startsWith("vostrel-cli: 'red\\u{001B}[31m.vostrel': "));
}

TEST(CliErrors, UnreadableDocumentsAndUnwritableTargetsLeaveNothingBehind) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath("plain-file");
    testing::writeFile(blocker, "x");
    const QString example = testing::examplePath("url-website");

    const testing::CliRun missing = runCli({"payload", dir.filePath("absent.vostrel")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith("vostrel-cli: " + dir.filePath("absent.vostrel") + ": "));

    const testing::CliRun folder = runCli({"payload", dir.path()});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_EQ(folder.err, "vostrel-cli: " + dir.path() + ": not a regular file\n");

    const testing::CliRun blocked = runCli({"export", example, "-o", blocker + "/out.svg"});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.err.startsWith("vostrel-cli: " + blocker + "/out.svg: "));
    EXPECT_EQ(testing::readFile(blocker), "x");
}

TEST(CliErrors, HelpAndVersionGoToStandardOutput) {
    const testing::CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: vostrel-cli COMMAND"));
    EXPECT_TRUE(
        runCli({"export", "--help"}).out.startsWith("Usage: vostrel-cli export DOC -o OUT"));
    EXPECT_EQ(runCli({"--version"}).out, "vostrel-cli " VOSTREL_VERSION "\n");
}

}  // namespace
}  // namespace vostrel
