#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/recent_files.h"
#include "app/window_registry.h"
#include "document/vostrel_document.h"
#include "support/clipboard_png.h"
#include "ui/editor/batch/batch_export_panel.h"
#include "ui/editor/document_view.h"
#include "ui/editor/export/export_panel.h"
#include "ui/editor/preview/preview_view.h"
#include "ui/editor/preview/symbol_canvas.h"
#include "ui/ui_test_support.h"

using namespace vostrel;

namespace {

// A new document window of the real controller, active, closed afterwards without asking.
struct Window {
    RecentFiles recent;
    WindowRegistry registry;
    DocumentController controller{&recent, &registry};
    DocumentWindow* window = controller.newDocument();

    Window() { EXPECT_TRUE(QTest::qWaitForWindowActive(window)); }
    ~Window() {
        window->setWindowModified(false);
        window->close();
        QTest::qWait(0);
    }

    QAction* action(const QString& text) const {
        for (QAction* action : window->findChildren<QAction*>()) {
            if (action->text() == text) return action;
        }
        return nullptr;
    }

    void showText(const QString& text) {
        window->document()->setContent(QRContent::text(text));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return window->view()->preview()->currentMatrix().has_value(); }));
    }

    ExportPanel* openSheet() const {
        ExportPanel* sheet = nullptr;
        (void)QTest::qWaitFor([&] { return (sheet = window->findChild<ExportPanel*>()); });
        return sheet;
    }
};

}  // namespace

TEST(EditorActions, CopyTakesTheSymbolFromTheCanvasAndTextFromAField) {
    Window w;
    w.showText("hello");
    QAction* copy = w.action("&Copy");
    ASSERT_TRUE(copy);

    w.window->view()->preview()->canvas()->setFocus();
    copy->trigger();
    EXPECT_EQ(vostrel::testing::clipboardPngSize(), QSize(1024, 1024));

    auto* editor = w.window->view()->findChild<QPlainTextEdit*>();
    editor->setFocus();
    editor->selectAll();
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "hello");
    QTest::keySequence(editor, QKeySequence::Copy);  // the field's own copy, no symbol
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "hello");
}

// Both export sheets are window-modal; the batch sheet needs no symbol, so its keys work while
// the preview asks for content, and the export sheet is empty then.
TEST(EditorActions, ExportSheetsOpenWindowModalWithAndWithoutASymbol) {
    Window w;
    ASSERT_FALSE(w.window->view()->preview()->currentMatrix());
    QTest::keyClick(w.window, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    BatchExportPanel* batch = nullptr;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (batch = w.window->findChild<BatchExportPanel*>()); }));
    EXPECT_TRUE(batch->isVisible());
    EXPECT_EQ(batch->windowModality(), Qt::WindowModal);
    EXPECT_EQ(batch->screen(), BatchExportPanel::Screen::input);
    batch->reject();

    w.action("Export...")->trigger();
    ExportPanel* empty = w.openSheet();
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->windowModality(), Qt::WindowModal);
    EXPECT_FALSE(empty->copyButton());
    empty->reject();
    QTest::qWait(0);

    w.showText("hello");
    auto* toolbarButton = vostrel::testing::findByName<QToolButton>(w.window, "Export QR code");
    ASSERT_TRUE(toolbarButton);
    QTest::mouseClick(toolbarButton, Qt::LeftButton, {}, QPoint(8, toolbarButton->height() / 2));
    ExportPanel* sheet = w.openSheet();
    ASSERT_TRUE(sheet && sheet->copyButton());
}
