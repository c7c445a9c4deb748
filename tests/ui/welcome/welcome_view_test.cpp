#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "ui/mascot/mascot_area.h"
#include "ui/ui_test_support.h"
#include "ui/welcome/quip_rotation.h"
#include "ui/welcome/recent_documents_list.h"
#include "ui/welcome/welcome_view.h"

using namespace vostrel;

namespace {

// A welcome window whose actions only take note of what was asked. Opening files, and what
// a failure shows, is the application's test, with the real documents.
struct Welcome {
    QStringList recent;
    int startedFresh = 0;
    WelcomeView view{WelcomeView::Actions{
        [this] { ++startedFresh; },
        [](WelcomeView*) {},
        [](const QString&) -> Expected<void, QString> { return {}; },
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

TEST(WelcomeView, NamesTheRecentDocumentsOrShowsWhereTheyWillAppear) {
    Welcome welcome;
    EXPECT_TRUE(welcome.view.recentList()->showsEmptyState());

    welcome.recent = {"/tmp/a/Poster.vostrel", "/tmp/b/Menu.vostrel"};
    welcome.view.refresh();
    const auto rows = welcome.view.recentList()->rows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_FALSE(welcome.view.recentList()->showsEmptyState());
    EXPECT_EQ(rows[0]->accessibleName(), "Open Poster");
    EXPECT_EQ(rows[1]->accessibleName(), "Open Menu");
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
