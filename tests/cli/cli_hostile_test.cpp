#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cli_runner.h"

// The hostile documents of tests/data/hostile: each one is refused with one short line or drawn
// with what can be drawn, and nothing but our own lines reaches standard error.

namespace vostrel {
namespace {

using testing::runCli;

QString hostilePath(const QString& name) {
    return QStringLiteral(VOSTREL_TEST_DATA "/hostile/") + name;
}

TEST(CliHostile, EveryDocumentFailsInOneShortLineOrExports) {
    QTemporaryDir dir;
    const QDir fixtures(QStringLiteral(VOSTREL_TEST_DATA "/hostile"));
    const QStringList names = fixtures.entryList({QStringLiteral("*.vostrel")}, QDir::Files);
    ASSERT_GE(names.size(), 8);
    for (const QString& name : names) {
        for (const QString& format : {QStringLiteral("svg"), QStringLiteral("png")}) {
            SCOPED_TRACE((name + u' ' + format).toStdString());
            const QString out = dir.filePath(QStringLiteral("out.") + format);
            const testing::CliRun run = runCli({"export", fixtures.filePath(name), "-o", out});
            EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1) << run.exitCode;
            EXPECT_EQ(QFile::exists(out), run.exitCode == 0);
            EXPECT_LE(run.err.count(u'\n'), 1) << run.err.toStdString();
            EXPECT_LT(run.err.size(), 400) << run.err.toStdString();
            if (!run.err.isEmpty()) {
                EXPECT_TRUE(run.err.startsWith("vostrel-cli: "));
            }
            QFile::remove(out);
        }
    }
}

TEST(CliHostile, ALogoThatDoesNotDecodeIsLeftOutAndSaidSoOnce) {
    QTemporaryDir dir;
    for (const char* name : {"unreadable-logo.vostrel", "bomb-logo.vostrel"}) {
        SCOPED_TRACE(name);
        const QString doc = hostilePath(name);
        const QString svg = dir.filePath("logo.svg");
        const testing::CliRun run = runCli({"export", doc, "-o", svg});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "vostrel-cli: " + doc +
                               ": the logo is not a picture that can be read, so it is left out\n");
        EXPECT_FALSE(testing::readFile(svg).contains("<image"));
    }
}

TEST(CliHostile, WarningsSayWhichNumbersWereBroughtIntoRange) {
    const testing::CliRun run = runCli({"warnings", hostilePath("out-of-range-style.vostrel")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "style.foreground.r -3.0 is out of range and drawn as 0.0\n"
              "style.background.a 5.0 is out of range and drawn as 1.0\n"
              "style.quietZoneModules -100 is out of range and drawn as 0\n"
              "style.logoOverlay.sizePercent 1e+308 is out of range and drawn as 1.0\n"
              "style.logoOverlay.padding 1e+308 is out of range and drawn as 1.0\n"
              "Quiet zone is -100 modules. Minimum recommended is 4.\n"
              "Logo covers more than 25% of the QR code. This may prevent reliable scanning.\n");
}

}  // namespace
}  // namespace vostrel
