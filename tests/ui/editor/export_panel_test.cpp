#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "document/vostrel_document.h"
#include "engine/qr_engine.h"
#include "export/svg_document.h"
#include "support/clipboard_png.h"
#include "ui/editor/export/export_panel.h"
#include "ui/editor/export/export_services.h"
#include "ui/ui_test_support.h"
#include "ui/widgets/segmented_control.h"

using namespace vostrel;
using vostrel::testing::chooseInFileDialog;
using vostrel::testing::waitForDialog;

namespace {

// The sheet over a real window, for the symbol of "hello".
struct Sheet {
    QMainWindow window;
    VostrelDocument document;
    ExportPanel* panel;

    Sheet() {
        window.resize(800, 600);
        window.show();
        panel = new ExportPanel(&document,
                                QREngine::makeMatrix("hello", CorrectionLevel::m).value(), &window);
        panel->open();
    }

    void chooseSize(int segment) {
        QTest::mouseClick(panel->sizePicker()->segment(segment), Qt::LeftButton);
    }
    void typeCustomSize(const QString& text) {
        chooseSize(3);
        panel->customSizeField()->clear();
        QTest::keyClicks(panel->customSizeField(), text);
    }
    QString accessibleValue(QWidget* widget) const {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Value);
    }
};

}  // namespace

TEST(ExportSize, ParsesOnlyASignedRunOfASCIIDigits) {
    EXPECT_EQ(parseExportSize("+300"), 300);
    EXPECT_EQ(parseExportSize("3000"), 3000);
    EXPECT_EQ(parseExportSize("-5"), -5);
    EXPECT_EQ(parseExportSize("9223372036854775807"), std::numeric_limits<qint64>::max());
    for (const char* text :
         {"", " 300", "300 ", "3.5", "abc", "1 000", "+", "++3", "0x10", "9223372036854775808"})
        EXPECT_EQ(parseExportSize(text), std::nullopt) << text;
    EXPECT_EQ(parseExportSize(QString::fromUtf8("٣٠٠")), std::nullopt);  // Arabic-Indic digits
}

TEST(ExportPanel, StartsAtPNG1024AndFallsBackTo1024ForUnreadableCustomSizes) {
    Sheet sheet;
    EXPECT_EQ(sheet.panel->effectiveExportSize(), 1024);
    EXPECT_EQ(sheet.accessibleValue(sheet.panel->sizePicker()), "1024 pixels");
    EXPECT_FALSE(sheet.panel->customSizeField()->isVisible());

    sheet.chooseSize(2);
    EXPECT_EQ(sheet.panel->effectiveExportSize(), 2048);
    sheet.typeCustomSize("+300");
    EXPECT_TRUE(sheet.panel->customSizeField()->isVisible());
    EXPECT_EQ(sheet.accessibleValue(sheet.panel->sizePicker()), "Custom");
    EXPECT_EQ(sheet.panel->effectiveExportSize(), 300);
    sheet.typeCustomSize("3.5");  // unreadable, as ExportSize tells apart
    EXPECT_EQ(sheet.panel->effectiveExportSize(), 1024);

    QTest::mouseClick(sheet.panel->formatPicker()->segment(1), Qt::LeftButton);
    EXPECT_FALSE(sheet.panel->sizePicker()->isVisible());
    QTest::mouseClick(sheet.panel->formatPicker()->segment(0), Qt::LeftButton);
    EXPECT_EQ(sheet.panel->customSizeField()->text(), "3.5");
}

// A PNG is copied at the chosen size, but at most at the maximum, which the sheet tells: without
// a bound a mistyped size would ask for an image of tens of gigabytes.
TEST(ExportPanel, CopiesSVGAsTextAndPNGAtTheChosenSizeUpToTheMaximumThenCloses) {
    Sheet svg;
    QTest::mouseClick(svg.panel->formatPicker()->segment(1), Qt::LeftButton);
    QTest::mouseClick(svg.panel->copyButton(), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              svgDocument(QREngine::makeMatrix("hello", CorrectionLevel::m).value(), {}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return svg.window.findChildren<ExportPanel*>().isEmpty(); }));

    Sheet png;
    png.typeCustomSize("200000");
    const auto* note = png.panel->findChildren<QLabel*>().last();
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains("8192")) << note->text().toStdString();
    QTest::mouseClick(png.panel->copyButton(), Qt::LeftButton);
    EXPECT_EQ(vostrel::testing::clipboardPngSize(), QSize(maximumPngSize, maximumPngSize));
}

TEST(ExportPanel, SavesThroughTheWindowsDialogAndReportsAFailedWrite) {
    QTemporaryDir dir;
    Sheet sheet;
    sheet.chooseSize(0);
    QTest::mouseClick(sheet.panel->saveButton(), Qt::LeftButton);
    auto* dialog = waitForDialog<QFileDialog>();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->parentWidget(), &sheet.window);
    EXPECT_EQ(QFileInfo(dialog->selectedFiles().value(0)).fileName(), "qrcode.png");
    ASSERT_TRUE(chooseInFileDialog(dir.filePath("code.png")));
    EXPECT_EQ(QImage(dir.filePath("code.png")).size(), QSize(512, 512));

    vostrel::testing::writeFile(dir.filePath("file"));
    saveSVG(QREngine::makeMatrix("hello", CorrectionLevel::m).value(), {}, &sheet.window);
    dialog = waitForDialog<QFileDialog>();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(QFileInfo(dialog->selectedFiles().value(0)).fileName(), "qrcode.svg");
    ASSERT_TRUE(chooseInFileDialog(dir.filePath("file/code.svg")));
    auto* box = waitForDialog<QMessageBox>();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_TRUE(box->text().contains("code.svg"));
    box->accept();
}
