#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUndoStack>

#include "document/vostrel_document.h"
#include "engine/qr_engine.h"
#include "engine/qr_preview_controller.h"
#include "support/clipboard_png.h"
#include "ui/editor/document_view.h"
#include "ui/editor/inspector/inspector_view.h"
#include "ui/editor/preview/copy_control.h"
#include "ui/editor/preview/logo_image_chooser.h"
#include "ui/editor/preview/preview_view.h"
#include "ui/editor/preview/symbol_canvas.h"
#include "ui/editor/preview/symbol_drag.h"
#include "ui/editor/preview/warning_badges.h"
#include "ui/editor/sidebar_view.h"
#include "ui/ui_test_support.h"
#include "ui/widgets/accessibility.h"

using namespace vostrel;
using vostrel::testing::chooseInFileDialog;
using vostrel::testing::findByName;

namespace {

// A preview pane on a real document, controller and undo stack, showing the symbol of "hello".
struct Preview {
    VostrelDocument document;
    QUndoStack undo;
    QRPreviewController controller;
    PreviewView view{&document, &controller, &undo};

    Preview() {
        document.setContent(QRContent::text(QStringLiteral("hello")));
        ExportSettings settings = document.exportSettings();
        settings.pngSize = 300;
        document.setExportSettings(settings);
        view.resize(600, 720);
        view.show();
        EXPECT_TRUE(waitForSymbol());
    }

    bool waitForSymbol() {
        return QTest::qWaitFor([&] { return view.currentMatrix().has_value(); });
    }

    void setStyle(const std::function<void(QRStyle&)>& edit) {
        QRStyle style = document.style();
        edit(style);
        document.setStyle(style);
    }
};

}  // namespace

// Each warning is announced once when it appears; the badges name the first two and count the
// rest.
TEST(PreviewBadges, AnnounceEachWarningOnceAndNameTheFirstTwo) {
    Preview preview;
    EXPECT_EQ(preview.view.badges()->labels(), QStringList{"Scannable"});
    QSignalSpy announced(preview.view.announcer(), &Announcer::announced);
    preview.setStyle([](QRStyle& style) { style.quietZoneModules = 3; });
    preview.setStyle([](QRStyle& style) { style.moduleShape = ModuleShape::dot; });
    preview.setStyle([](QRStyle& style) { style.quietZoneModules = 2; });
    preview.setStyle([](QRStyle& style) { style.quietZoneModules = 4; });
    ASSERT_EQ(announced.size(), 2);
    EXPECT_EQ(announced[0][0], "Quiet zone is 3 modules. Minimum recommended is 4.");
    EXPECT_EQ(announced[1][0], "Quiet zone is 2 modules. Minimum recommended is 4.");

    preview.setStyle([](QRStyle& style) {
        style.foreground = style.background = {0.5, 0.5, 0.5, 1};
        style.quietZoneModules = 0;
        style.gradient = GradientStyle{{0.5, 0.5, 0.5, 1}, GradientDirection::vertical};
        style.logoOverlay = vostrelMascotLogo();
        style.logoOverlay->sizePercent = 0.3;
        style.logoOverlay->backgroundColor.reset();
    });
    ExportSettings settings = preview.document.exportSettings();
    settings.pngSize = 100;
    preview.document.setExportSettings(settings);
    EXPECT_EQ(preview.view.badges()->labels(),
              (QStringList{"Low contrast", "Tight quiet zone", "+4 more"}));
}

// Without a symbol nothing may be called scannable or copied, and the card says why there is none.
TEST(PreviewBadges, ContentTooLongForACodeSaysWhyAndIsNeverScannableNorCopied) {
    Preview preview;
    QGuiApplication::clipboard()->setText("before");
    preview.document.setContent(QRContent::text(QString(3000, u'x')));
    preview.view.copy();  // the matrix shown is of the old content
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preview.controller.matrix(); }));
    EXPECT_EQ(preview.controller.errorDetail(),
              "Too much content for a QR code at level M (2,331 bytes at most): shorten it or "
              "lower error correction");
    EXPECT_TRUE(preview.view.badges()->labels().isEmpty());
    preview.view.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_EQ(preview.view.copyControl()->message(), QString());
    EXPECT_FALSE(preview.view.copyControl()->button()->isEnabled());

    preview.document.setContent(QRContent::text(QStringLiteral("short again")));
    ASSERT_TRUE(preview.waitForSymbol());
    EXPECT_EQ(preview.view.badges()->labels(), QStringList{"Scannable"});
}

// The check runs after the picture settles, off the main thread, so the badge is waited for.
TEST(PreviewScanCheck, BadgeFollowsTheDesignAndExplainsAFailure) {
    Preview preview;
    QSignalSpy announced(preview.view.announcer(), &Announcer::announced);
    const auto labels = [&] { return preview.view.badges()->labels(); };
    const auto waitForBadge = [&](const QString& label, bool shown) {
        return QTest::qWaitFor([&] { return labels().contains(label) == shown; }, 10000);
    };
    ASSERT_TRUE(waitForBadge("Reads on 2 of 2 scanners", true));
    EXPECT_EQ(labels(), (QStringList{"Scannable", "Reads on 2 of 2 scanners"}));

    preview.setStyle([](QRStyle& style) { std::swap(style.foreground, style.background); });
    ASSERT_TRUE(waitForBadge("Won't scan", true));
    EXPECT_EQ(labels(), (QStringList{"Light on dark", "Won't scan"}));
    auto* badge = findByName<QLabel>(preview.view.badges(), "Won't scan");
    ASSERT_TRUE(badge);
    EXPECT_TRUE(badge->accessibleDescription().startsWith(
        "Won't scan: ZXing-cpp found no code in the exported picture (300 px)."));
    ASSERT_EQ(announced.size(), 2);
    EXPECT_EQ(announced[1][0], badge->accessibleDescription());

    // Without a symbol there is nothing to read back.
    preview.document.setContent(QRContent::text(QString()));
    ASSERT_TRUE(waitForBadge("Won't scan", false));
    preview.document.setContent(QRContent::text(QStringLiteral("hello")));
    ASSERT_TRUE(waitForBadge("Won't scan", true));
    EXPECT_EQ(announced.size(), 3);
}

TEST(PreviewCopy, PutsAPNGOfTheExportSizeOnTheClipboardAndDragsOneOf512Pixels) {
    Preview preview;
    QSignalSpy announced(preview.view.announcer(), &Announcer::announced);
    preview.view.copy();
    EXPECT_EQ(vostrel::testing::clipboardPngSize(), QSize(300, 300));
    ASSERT_TRUE(preview.view.canvas()->hasFocus());
    EXPECT_EQ(preview.view.copyControl()->message(), "Copied to clipboard");

    QTest::mouseClick(preview.view.copyControl()->button(), Qt::LeftButton);
    ASSERT_EQ(announced.size(), 2);
    EXPECT_EQ(announced[1][0], "Copied to clipboard");
    // Ctrl+C on the focused card copies too.
    QGuiApplication::clipboard()->setText("before");
    QTest::keySequence(preview.view.canvas(), QKeySequence::Copy);
    EXPECT_EQ(vostrel::testing::clipboardPngSize(), QSize(300, 300));

    // A size that makes no picture fails and leaves the clipboard as it was.
    QGuiApplication::clipboard()->setText("before");
    ExportSettings settings = preview.document.exportSettings();
    settings.pngSize = 0;
    preview.document.setExportSettings(settings);
    preview.view.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_EQ(preview.view.copyControl()->message(), "Copy failed. Try again.");

    // A drag offers a 512 px PNG, also as a temporary file named qr-code.png.
    const QRCodeTransferable symbol{*preview.view.currentMatrix(), preview.document.style()};
    std::unique_ptr<QMimeData> data(makeSymbolMimeData(symbol));
    ASSERT_TRUE(data);
    const QByteArray png = data->data("image/png");
    EXPECT_EQ(QImage::fromData(png, "PNG").size(), QSize(512, 512));
    ASSERT_EQ(data->urls().size(), 1);
    QFile file(data->urls()[0].toLocalFile());
    EXPECT_EQ(QFileInfo(file).fileName(), "qr-code.png");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), png);
    EXPECT_FALSE(makeSymbolMimeData({{}, {}}));
}

TEST(PreviewCanvas, RendersOncePerPaintHoweverManyEditsCameBefore) {
    Preview preview;
    SymbolCanvas* canvas = preview.view.canvas();
    canvas->repaint();
    const quint64 before = canvas->renderCount();
    for (int step = 0; step <= 50; ++step)
        preview.setStyle([step](QRStyle& style) { style.finderCornerRadius = step / 50.0; });
    EXPECT_EQ(canvas->renderCount(), before);
    canvas->repaint();
    EXPECT_EQ(canvas->renderCount(), before + 1);
}

TEST(PreviewCanvas, UsesCorrectionHWithALogoAndOffersToReplaceIt) {
    Preview preview;
    ExportSettings settings = preview.document.exportSettings();
    settings.correctionLevel = CorrectionLevel::l;
    preview.document.setExportSettings(settings);
    preview.document.setLogoOverlay(vostrelMascotLogo(), &preview.undo);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return preview.controller.renderedCorrectionLevel() == CorrectionLevel::h; }));
    EXPECT_EQ(preview.view.currentMatrix(),
              QREngine::makeMatrix("hello", CorrectionLevel::h).value());

    QAbstractButton* replace = preview.view.canvas()->replaceLogoButton();
    ASSERT_TRUE(replace->isVisible());
    EXPECT_TRUE(preview.view.canvas()->symbolRect().contains(QRectF(replace->geometry()).center()));
    QTemporaryDir dir;
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(dir.filePath("blue.png")));
    replace->click();
    ASSERT_TRUE(chooseInFileDialog(dir.filePath("blue.png")));
    EXPECT_EQ(preview.undo.undoText(), "Replace Logo");
}

// At the smallest window the side columns are at their minimums and the card keeps 240 px; a
// wide window gives the sides back their ideal widths once the preview has its own.
TEST(PreviewLayout, SideColumnsGiveWayBeforeTheCard) {
    VostrelDocument document;
    document.setContent(QRContent::text(QStringLiteral("layout")));
    QUndoStack undo;
    DocumentView view(&document, &undo);
    for (const QSize size : {QSize(1280, 800), QSize(760, 540), QSize(1300, 700)}) {
        view.resize(size);
        view.show();
        QApplication::processEvents();
        SCOPED_TRACE(size.width());
        const int card = int(view.preview()->canvas()->cardRect().width());
        EXPECT_GE(card, PreviewView::minimumCardEdge);
        if (size.width() == 760) {
            EXPECT_EQ(view.sidebar()->width(), 240);
            EXPECT_EQ(view.inspector()->width(), 240);
        } else {
            EXPECT_EQ(view.sidebar()->width(), 300);
            EXPECT_EQ(view.inspector()->width(), 280);
        }
    }
}

// Without a Pictures folder the chooser opens in the home folder instead of offering
// "Pictures" as the name of the file to open.
TEST(PreviewLogo, ChooserStartsInAFolderThatExists) {
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    QWidget parent;
    parent.show();
    chooseLogoImage(&parent, [](const LogoOverlay&) {});
    auto* dialog = vostrel::testing::waitForDialog<QFileDialog>();
    qputenv("HOME", savedHome);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(home.path()).absolutePath());
    EXPECT_TRUE(dialog->selectedFiles().value(0).isEmpty() ||
                QFileInfo(dialog->selectedFiles().value(0)).isDir());
    dialog->reject();
}
