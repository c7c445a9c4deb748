#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/app_commands.h"
#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/recent_files.h"
#include "app/update_command.h"
#include "app/vostrel_app.h"
#include "app/window_registry.h"
#include "companions/update_check_result.h"
#include "document/document_file.h"
#include "document/library_view_model.h"
#include "ui/about/about_view.h"
#include "ui/library/library_grid.h"
#include "ui/library/library_view.h"
#include "ui/ui_test_support.h"
#include "ui/welcome/recent_documents_list.h"
#include "ui/welcome/welcome_view.h"

using namespace vostrel;
using vostrel::testing::waitForDialog;

namespace {

// The whole application with a feed-less updater (its checks finish at once, without a
// network); every window it showed is closed afterwards without asking.
struct Launched {
    QTemporaryDir dir;
    std::unique_ptr<VostrelApp> app;

    Launched() {
        QSettings().setValue("updateFeedUrl", "");
        app = std::make_unique<VostrelApp>();
        RecentFiles().clear();
    }
    ~Launched() {
        for (DocumentWindow* window : app->documents()->windows()) window->setWindowModified(false);
        QApplication::closeAllWindows();
        QTest::qWait(0);
        QSettings().remove("updateFeedUrl");
    }

    QString savedDocument(const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeDocumentFile(DocumentSnapshot::newDocument(ContentType::text), path));
        return path;
    }

    WelcomeView* welcome() const {
        return qobject_cast<WelcomeView*>(app->windows()->window("welcome"));
    }
};

QList<QWidget*> visibleWindows() {
    QList<QWidget*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) shown << widget;
    }
    return shown;
}

template <class Window>
QList<Window*> visible() {
    QList<Window*> found;
    for (QWidget* widget : visibleWindows()) {
        if (auto* window = qobject_cast<Window*>(widget)) found << window;
    }
    return found;
}

QAction* menuAction(QMainWindow* window, const QString& menu, const QString& text) {
    for (QAction* action : window->menuBar()->actions()) {
        if (action->text() != menu) continue;
        for (QAction* item : action->menu()->actions()) {
            if (item->text() == text) return item;
        }
    }
    return nullptr;
}

void pressLibraryShortcut(QWidget* window) {
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window);
    QTest::keyClick(window, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
}

// Double-clicks the library's first tile once the folder has been read.
void openFirstTile(LibraryView* library) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !library->model()->isLoading(); }, 20000));
    LibraryGrid* grid = library->grid();
    grid->doItemsLayout();
    const QPoint tile = grid->visualRect(grid->model()->index(0, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, tile);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, tile);
}

}  // namespace

// Only the welcome window shows until a document window appears, from its button or from Ctrl+N
// (the File menu's own command); closing the last document brings it back, quitting does not.
TEST(Launch, TheWelcomeWindowShowsExactlyWhileNoDocumentWindowDoes) {
    Launched launched;
    launched.app->launch({});
    QPointer<WelcomeView> welcome = launched.welcome();
    ASSERT_TRUE(welcome);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{welcome});

    welcome->startFreshButton()->click();
    QTest::qWait(0);
    EXPECT_FALSE(welcome && welcome->isVisible());
    ASSERT_EQ(visible<DocumentWindow>().size(), 1);

    // Closing the last document brings the welcome window back, on screen before it goes.
    visible<DocumentWindow>()[0]->close();
    QTest::qWait(0);
    welcome = launched.welcome();
    ASSERT_TRUE(welcome);
    EXPECT_TRUE(welcome->isVisible());
    EXPECT_TRUE(visible<DocumentWindow>().isEmpty());

    welcome->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(welcome));
    QTest::keyClick(welcome, Qt::Key_N, Qt::ControlModifier);
    QTest::qWait(0);
    ASSERT_EQ(visible<DocumentWindow>().size(), 1);
    EXPECT_FALSE(welcome && welcome->isVisible());
    EXPECT_EQ(menuAction(visible<DocumentWindow>()[0], "&File", "&New Vostrel"),
              launched.app->documents()->commands()->newDocument());

    launched.app->documents()->newDocument();
    QTest::qWait(0);
    launched.app->documents()->quit();
    QTest::qWait(0);
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST(Launch, FilesOnTheCommandLineOpenInsteadOfTheWelcomeWindow) {
    Launched launched;
    launched.app->launch({launched.savedDocument("poster.vostrel")});
    EXPECT_EQ(visible<DocumentWindow>().size(), 1);
    EXPECT_FALSE(launched.welcome());
}

TEST(Launch, WhenNoFileOpensTheWelcomeWindowShowsWithTheReason) {
    Launched launched;
    launched.app->launch({launched.dir.filePath("gone.vostrel")});
    ASSERT_TRUE(launched.welcome());
    EXPECT_TRUE(launched.welcome()->isVisible());
    QMessageBox* box = waitForDialog<QMessageBox>();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->informativeText(),
              "The file “gone.vostrel” couldn’t be opened because there is no such file.");
}

TEST(WelcomeWindow, OpensARecentDocumentAndExplainsAMovedOne) {
    Launched launched;
    const QString poster = launched.savedDocument("poster.vostrel");
    RecentFiles().add(poster);
    RecentFiles().add(launched.dir.filePath("moved.vostrel"));
    launched.app->launch({});
    RecentDocumentsList* list = launched.welcome()->recentList();
    ASSERT_EQ(list->rows().size(), 2);

    list->rows()[0]->click();  // the moved one, most recent
    QMessageBox* alert = waitForDialog<QMessageBox>();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->informativeText(),
              "The file “moved.vostrel” couldn’t be opened because there is no such file. You "
              "can use Open a Vostrel to locate a moved file.");
    alert->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(launched.welcome()->isVisible());

    list->rows()[1]->click();
    QTest::qWait(0);
    EXPECT_FALSE(launched.welcome() && launched.welcome()->isVisible());
    ASSERT_EQ(visible<DocumentWindow>().size(), 1);
    EXPECT_EQ(visible<DocumentWindow>()[0]->filePath(), poster);
}

TEST(HelpMenu, AboutShowsOneWindowAndTheUpdateCommandFollowsTheUpdater) {
    Launched launched;
    DocumentWindow* window = launched.app->documents()->newDocument();
    QAction* about = menuAction(window, "&Help", "About Vostrel");
    ASSERT_TRUE(about);
    about->trigger();
    about->trigger();
    EXPECT_EQ(visible<AboutView>().size(), 1);

    QAction* check = menuAction(window, "&Help", "Check for Updates…");
    ASSERT_TRUE(check);
    EXPECT_TRUE(check->isEnabled());
    check->trigger();
    EXPECT_FALSE(check->isEnabled());  // a check is under way
    QMessageBox* result = waitForDialog<QMessageBox>();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->text(), UpdateCheckResult::noFeed().message());
    EXPECT_TRUE(check->isEnabled());
}

TEST(LibraryWindow, OneLibraryOpensFromEveryWindowAndItsTilesOpenDocuments) {
    Launched launched;
    const QString poster = launched.savedDocument("poster.vostrel");
    QSettings().setValue(LibraryViewModel::folderSettingKey, launched.dir.path());
    launched.app->launch({});
    QPointer<WelcomeView> welcome = launched.welcome();
    pressLibraryShortcut(welcome);
    ASSERT_EQ(visible<LibraryView>().size(), 1);
    LibraryView* library = visible<LibraryView>()[0];
    EXPECT_EQ(launched.app->windows()->window("library"), library);

    // Opening goes through the document controller: a second double click raises the window.
    openFirstTile(library);
    openFirstTile(library);
    QTest::qWait(0);
    ASSERT_EQ(visible<DocumentWindow>().size(), 1);
    DocumentWindow* document = visible<DocumentWindow>()[0];
    EXPECT_EQ(document->filePath(), poster);
    EXPECT_FALSE(welcome && welcome->isVisible());

    QAction* fromMenu = menuAction(document, "&Window", "Library");
    ASSERT_TRUE(fromMenu);
    library->close();
    QTest::qWait(0);
    pressLibraryShortcut(document);
    EXPECT_EQ(visible<LibraryView>().size(), 1);
    fromMenu->trigger();
    EXPECT_EQ(visible<LibraryView>().size(), 1);
    QSettings().remove(LibraryViewModel::folderSettingKey);
}

TEST(UpdateCommand, OnlyANewerVersionOffersItsPage) {
    const auto buttonTexts = [](const UpdateCheckResult& result) {
        std::unique_ptr<QMessageBox> box(UpdateCommand::makeResultBox(result, nullptr));
        QStringList texts;
        for (QAbstractButton* button : box->buttons()) texts << button->text();
        return texts;
    };
    EXPECT_TRUE(buttonTexts(UpdateCheckResult::updateAvailable(
                                "9.0", QUrl("https://example.org/9.0"), "Faster chirps."))
                    .contains("Open Page"));
    EXPECT_FALSE(buttonTexts(UpdateCheckResult::upToDate("0.1.0")).contains("Open Page"));
    EXPECT_FALSE(buttonTexts(UpdateCheckResult::failed("Offline.")).contains("Open Page"));
}

// F10 opens the main menu, whose About item works, and Ctrl+Q quits from the welcome window.
TEST(WelcomeWindow, F10OpensTheMainMenuAndCtrlQQuits) {
    Launched launched;
    launched.app->launch({});
    QPointer<WelcomeView> welcome = launched.welcome();
    ASSERT_TRUE(welcome);
    welcome->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(welcome));
    QAction* about = nullptr;
    // The menu runs its own event loop while it is open: look at it from there, then close it.
    QTimer::singleShot(0, welcome, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* action : menu->actions()) {
            if (action->text() == "About Vostrel") about = action;
        }
        menu->close();
    });
    QTest::keyClick(welcome, Qt::Key_F10);
    ASSERT_TRUE(about);
    about->trigger();
    ASSERT_EQ(visible<AboutView>().size(), 1);

    // The closed menu stays the active window on the offscreen platform until told otherwise.
    QApplication::setActiveWindow(welcome);
    ASSERT_TRUE(QTest::qWaitForWindowActive(welcome));
    QTest::keyClick(welcome, Qt::Key_Q, Qt::ControlModifier);
    QTest::qWait(0);
    EXPECT_TRUE(visibleWindows().isEmpty());
}
