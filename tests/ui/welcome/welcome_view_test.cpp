#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "ui/mascot/mascot_area.h"
#include "ui/ui_test_support.h"
#include "ui/welcome/quip_rotation.h"
#include "ui/welcome/recent_documents_list.h"
#include "ui/welcome/welcome_view.h"

using namespace vostrel;

namespace {

// A welcome window whose actions only take note of what was asked.
struct Welcome {
    QStringList recent;
    QString failure;  // what opening reports; empty: it succeeds
    QStringList opened;
    int startedFresh = 0;
    WelcomeView view{WelcomeView::Actions{
        [this] { ++startedFresh; },
        [](WelcomeView*) {},
        [this](const QString& path) -> Expected<void, QString> {
            opened << path;
            if (failure.isEmpty()) return {};
            return unexpected(failure);
        },
        [this] { return recent; },
    }};

    Welcome() {
        view.show();
        view.activateWindow();
        (void)QTest::qWaitForWindowActive(&view);
    }

    bool shows(const QString& text) const {
        for (QLabel* label : view.findChildren<QLabel*>()) {
            if (label->text() == text && label->isVisible()) return true;
        }
        return false;
    }
};

QString touch(const QTemporaryDir& dir, const QString& name) {
    return vostrel::testing::writeFile(dir.filePath(name));
}

}  // namespace

TEST(RecentVostrels, KeepsEachVostrelDocumentOnceInItsPlace) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    const QString poster = touch(dir, "Poster.vostrel");
    const QString shouting = touch(dir, "MENU.VOSTREL");
    const QString notes = touch(dir, "notes.txt");
    ASSERT_TRUE(QFile::link(poster, dir.filePath("link.vostrel")));
    const QString gone = dir.filePath("gone.vostrel");

    const QStringList kept = recentVostrels({
        poster,
        notes,
        dir.filePath("sub/../Poster.vostrel"),
        shouting,
        dir.filePath("link.vostrel"),  // the same file under another name
        gone,
        dir.path() + "/./gone.vostrel",  // a file that is gone is compared by its cleaned path
        dir.filePath("folder.vostrel/readme"),
    });
    EXPECT_EQ(kept, (QStringList{poster, shouting, gone}));
}

TEST(WelcomeView, ListsTheRecentDocumentsOrSaysWhereTheyWillAppear) {
    Welcome welcome;
    EXPECT_TRUE(welcome.view.recentList()->showsEmptyState());

    welcome.recent = {"/tmp/a/Poster.vostrel", "/tmp/b/Menu.vostrel"};
    welcome.view.refresh();
    const auto rows = welcome.view.recentList()->rows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_FALSE(welcome.view.recentList()->showsEmptyState());
    EXPECT_EQ(rows[0]->accessibleName(), "Open Poster");
    EXPECT_EQ(rows[1]->accessibleName(), "Open Menu");

    QTest::mouseClick(rows[1], Qt::LeftButton);
    EXPECT_EQ(welcome.opened, QStringList{"/tmp/b/Menu.vostrel"});
    EXPECT_FALSE(welcome.view.isVisible());
}

TEST(WelcomeView, AFailedOpenKeepsTheWindowAndPointsToOpenAVostrel) {
    Welcome welcome;
    welcome.failure = "The file “Poster.vostrel” couldn’t be opened because there is no such file.";
    welcome.view.open("/tmp/Poster.vostrel");

    QMessageBox* alert = vostrel::testing::waitForDialog<QMessageBox>();
    ASSERT_TRUE(alert);
    EXPECT_EQ(welcome.view.findChild<QMessageBox*>(), alert);
    EXPECT_EQ(alert->informativeText(),
              "The file “Poster.vostrel” couldn’t be opened because there is no such file. You "
              "can use Open a Vostrel to locate a moved file.");
    EXPECT_EQ(welcome.view.openError(), alert->informativeText());
    EXPECT_TRUE(welcome.view.isVisible());
    alert->button(QMessageBox::Ok)->click();
    EXPECT_FALSE(welcome.view.openError());
}

TEST(WelcomeView, EveryTickBringsTheNextQuipAndTheFourthAHop) {
    Welcome welcome;
    QuipRotation* rotation = welcome.view.quipRotation();
    EXPECT_TRUE(rotation->isRunning());
    for (int tick = 0; tick < 3; ++tick) rotation->tick();
    EXPECT_EQ(rotation->index(), 3);
    EXPECT_TRUE(welcome.shows(quips(welcome.view.period())[3]));
    EXPECT_EQ(welcome.view.mascot()->jumpTrigger(), 1);

    rotation->tick();
    rotation->tick();
    EXPECT_EQ(rotation->index(), 0);
    EXPECT_EQ(welcome.view.quip(), quips(welcome.view.period()).first());
    EXPECT_EQ(welcome.view.mascot()->jumpTrigger(), 1);

    welcome.view.hide();
    EXPECT_FALSE(rotation->isRunning());
}

TEST(WelcomeView, ReturnStartsFreshAndTheMascotStillHops) {
    Welcome welcome;
    QTest::keyClick(&welcome.view, Qt::Key_Return);
    EXPECT_EQ(welcome.startedFresh, 1);

    MascotArea* mascot = welcome.view.mascot();
    QTest::mouseClick(mascot, Qt::LeftButton);
    EXPECT_EQ(mascot->jumpTrigger(), 1);
}
