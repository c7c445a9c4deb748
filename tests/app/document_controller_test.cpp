#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/recent_files.h"
#include "app/window_registry.h"
#include "document/vostrel_document.h"
#include "ui/ui_test_support.h"

using namespace vostrel;
using vostrel::testing::chooseInFileDialog;
using vostrel::testing::waitForDialog;

namespace {

// The controller with its real collaborators; every window it opened is closed afterwards
// without asking.
struct App {
    RecentFiles recent;
    WindowRegistry registry;
    DocumentController controller{&recent, &registry};
    QTemporaryDir dir;

    App() { recent.clear(); }
    ~App() {
        for (DocumentWindow* window : controller.windows()) {
            window->setWindowModified(false);
            window->close();
        }
        QTest::qWait(0);
    }

    QString savedDocument(const QString& name, ContentType kind = ContentType::text) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeDocumentFile(DocumentSnapshot::newDocument(kind), path));
        return path;
    }
};

void answer(QMessageBox* box, QMessageBox::StandardButton button) {
    ASSERT_TRUE(box);
    box->button(button)->click();
    QTest::qWait(0);
}

QAction* menuAction(QMainWindow* window, const QString& text) {
    for (const QAction* menu : window->menuBar()->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (action->text().startsWith(text)) return action;
        }
    }
    return nullptr;
}

}  // namespace

TEST(DocumentController, OpensFilesOnceAndRemembersThemNewestFirst) {
    App app;
    const QString first = app.savedDocument("first.vostrel");
    const QString second = app.savedDocument("second.vostrel");
    DocumentWindow* window = app.controller.openFile(first);
    ASSERT_TRUE(window);
    app.controller.openFile(second);
    EXPECT_EQ(app.controller.openFile(first), window);  // raised, not opened again
    EXPECT_EQ(app.controller.windows().size(), 2);
    EXPECT_EQ(app.recent.paths(), (QStringList{first, second}));
}

// Opened from a window, the alert goes on that window: the file dialog is the active window when
// it reports the chosen file, and is deleted as it closes, so an alert parented to it vanished.
TEST(DocumentController, ABrokenFileSaysWhyOnItsWindowAndChangesNothing) {
    App app;
    const QString broken = vostrel::testing::writeFile(app.dir.filePath("Broken.vostrel"), "{");
    EXPECT_EQ(app.controller.openFile(broken), nullptr);
    auto* box = waitForDialog<QMessageBox>();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text(), "Couldn’t open this Vostrel");
    EXPECT_TRUE(box->informativeText().contains("Broken.vostrel"));
    box->close();
    EXPECT_TRUE(app.controller.windows().isEmpty());
    EXPECT_TRUE(app.recent.paths().isEmpty());

    DocumentWindow* window = app.controller.newDocument();
    app.controller.chooseFileToOpen(window);
    ASSERT_TRUE(chooseInFileDialog(broken));
    QPointer<QMessageBox> onWindow = waitForDialog<QMessageBox>();
    QTest::qWait(50);  // the dialog's deferred deletion
    ASSERT_TRUE(onWindow);
    EXPECT_EQ(onWindow->parentWidget(), window);
    EXPECT_TRUE(onWindow->isVisible());
    onWindow->close();
}

TEST(DocumentWindow, EditsMarkTheWindowAndCloseAsksWhatToDoWithThem) {
    App app;
    const QString path = app.savedDocument("doc.vostrel");
    DocumentWindow* window = app.controller.openFile(path);
    EXPECT_FALSE(window->isWindowModified());
    window->document()->setContent(QRContent::text("changed"));
    EXPECT_TRUE(window->isWindowModified());
    menuAction(window, "&Save")->trigger();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(readDocumentFile(path)->content, QRContent::text("changed"));

    window->document()->setContent(QRContent::text("unsaved"));
    window->close();
    answer(waitForDialog<QMessageBox>(), QMessageBox::Cancel);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(readDocumentFile(path)->content, QRContent::text("changed"));

    window->close();
    answer(waitForDialog<QMessageBox>(), QMessageBox::Save);
    EXPECT_EQ(readDocumentFile(path)->content, QRContent::text("unsaved"));
    QTest::qWait(0);
    EXPECT_TRUE(app.controller.windows().isEmpty());

    DocumentWindow* reopened = app.controller.openFile(path);
    reopened->document()->setContent(QRContent::text("discard me"));
    reopened->close();
    answer(waitForDialog<QMessageBox>(), QMessageBox::Discard);
    EXPECT_EQ(readDocumentFile(path)->content, QRContent::text("unsaved"));
}

TEST(DocumentWindow, SavingANewDocumentAsksWhereToPutIt) {
    App app;
    DocumentWindow* window = app.controller.newDocument();
    window->document()->setContent(QRContent::text("fresh"));
    bool result = false;
    window->save([&](bool written) { result = written; });
    const QString path = app.dir.filePath("fresh.vostrel");
    ASSERT_TRUE(chooseInFileDialog(path));
    EXPECT_TRUE(result);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(readDocumentFile(path)->content, QRContent::text("fresh"));
    EXPECT_EQ(app.recent.paths().value(0), path);
}

TEST(DocumentWindow, AFailedSaveSaysWhyAndKeepsTheChanges) {
    App app;
    ASSERT_TRUE(QDir(app.dir.path()).mkdir("sub"));
    const QString path = app.savedDocument("sub/doc.vostrel");
    DocumentWindow* window = app.controller.openFile(path);
    ASSERT_TRUE(window);
    // The folder the document lived in is replaced by a plain file: nothing can be written there.
    ASSERT_TRUE(QDir(app.dir.filePath("sub")).removeRecursively());
    vostrel::testing::writeFile(app.dir.filePath("sub"));

    window->document()->setContent(QRContent::text("keep me"));
    bool result = true;
    window->save([&](bool written) { result = written; });
    EXPECT_FALSE(result);
    EXPECT_TRUE(window->isWindowModified());
    auto* error = waitForDialog<QMessageBox>();
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->text().startsWith("Couldn’t save"));
    error->close();
    EXPECT_EQ(window->document()->content(), QRContent::text("keep me"));
}

// The README's keys, on a platform without a desktop theme (Qt binds no key to Save As there).
TEST(DocumentWindow, DocumentedShortcutsWorkWithoutADesktopTheme) {
    App app;
    DocumentWindow* window = app.controller.newDocument();
    const std::pair<const char*, const char*> documented[] = {
        {"&New", "Ctrl+N"},   {"&Open a Vostrel…", "Ctrl+O"},
        {"&Save", "Ctrl+S"},  {"Save &As…", "Ctrl+Shift+S"},
        {"&Close", "Ctrl+W"}, {"&Quit", "Ctrl+Q"},
        {"Undo", "Ctrl+Z"},   {"Redo", "Ctrl+Shift+Z"},
        {"&Copy", "Ctrl+C"},
    };
    for (const auto& [text, keys] : documented) {
        QAction* action = menuAction(window, text);
        ASSERT_TRUE(action) << text;
        EXPECT_EQ(action->shortcut(), QKeySequence(keys)) << text;
    }
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    auto* dialog = waitForDialog<QFileDialog>();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->parentWidget(), window);
    dialog->reject();
}

TEST(DocumentWindow, EditMenuNamesTheUndoStep) {
    App app;
    DocumentWindow* window = app.controller.newDocument();
    window->document()->switchContentType(ContentType::text, window->undoStack());
    QAction* undo = menuAction(window, "Undo");
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->text(), "Undo Switch to Text");
    undo->trigger();
    EXPECT_EQ(window->document()->content().contentType(), ContentType::url);
    EXPECT_EQ(menuAction(window, "Redo")->text(), "Redo Switch to Text");
}
