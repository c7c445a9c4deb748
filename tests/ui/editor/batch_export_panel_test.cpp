#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "document/vostrel_document.h"
#include "support/qr_decoding.h"
#include "ui/editor/batch/batch_csv_pane.h"
#include "ui/editor/batch/batch_export_panel.h"
#include "ui/editor/batch/batch_input_view.h"
#include "ui/editor/batch/batch_progress_view.h"
#include "ui/editor/batch/batch_settings_rows.h"
#include "ui/editor/batch/batch_summary_view.h"
#include "ui/ui_test_support.h"
#include "ui/widgets/segmented_control.h"

using namespace vostrel;
using vostrel::testing::chooseInFileDialog;
using vostrel::testing::decodeQr;
using vostrel::testing::waitForDialog;

namespace {

// Receives the folder that "Show in File Manager" asks the desktop to open.
class FolderOpener : public QObject {
    Q_OBJECT

  public:
    FolderOpener() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~FolderOpener() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

  public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

QStringList urlLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QStringLiteral("https://example.com/item-%1").arg(i);
    return lines;
}

// The sheet over a real window, writing into a temporary folder chosen with its own dialog.
struct Sheet {
    QMainWindow window;
    VostrelDocument document;
    QTemporaryDir temp;
    QPointer<BatchExportPanel> panel;

    Sheet() {
        window.resize(900, 700);
        window.show();
        panel = new BatchExportPanel(&document, &window);
        panel->open();
        EXPECT_TRUE(QDir(temp.path()).mkdir("out"));
        QTest::mouseClick(input()->settings()->chooseButton(), Qt::LeftButton);
        EXPECT_TRUE(chooseInFileDialog(folder()));
        EXPECT_EQ(input()->config().destinationURL, QUrl::fromLocalFile(folder()));
    }

    QString folder() const { return temp.filePath("out"); }
    QStringList files() const { return QDir(folder()).entryList(QDir::Files, QDir::Name); }
    BatchInputView* input() const { return panel->inputView(); }

    void chooseKind(BatchContentType kind) {
        QTest::mouseClick(input()->kindPicker()->segment(int(kind)), Qt::LeftButton);
    }
    void type(const QString& text) {
        input()->textArea()->setFocus();
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(input()->textArea(), Qt::Key_Return);
            QTest::keyClicks(input()->textArea(), lines[i]);
        }
    }
    QString writeInput(const QString& name, const QByteArray& bytes) {
        return vostrel::testing::writeFile(temp.filePath(name), bytes);
    }
    void importCsv(const QString& text) { importCsvFile(writeInput("people.csv", text.toUtf8())); }
    void importCsvFile(const QString& path) {
        chooseKind(BatchContentType::contact);
        // The first file through the large button, any later one through "Import different CSV".
        QAbstractButton* button = input()->csvPane()->findChild<CsvDropButton*>();
        if (input()->csvPane()->previewTable())
            button = vostrel::testing::findByName<QPushButton>(panel, "Import different CSV");
        ASSERT_TRUE(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(chooseInFileDialog(path));
    }
    void generate() {
        ASSERT_TRUE(input()->generateButton()->isEnabled());
        QTest::mouseClick(input()->generateButton(), Qt::LeftButton);
    }
    bool waitForScreen(BatchExportPanel::Screen screen) {
        return QTest::qWaitFor([&] { return panel && panel->screen() == screen; }, 20000);
    }
};

// The default style draws the symbol mirrored top to bottom, which ZXing reads only flipped back.
std::optional<QString> decodeWritten(const QString& folder, const QString& name) {
    return decodeQr(vostrel::testing::mirroredTopToBottom(QImage(QDir(folder).filePath(name))));
}

QString contactsCsv(int rows, int withoutNameOrEmail) {
    QString text = QStringLiteral("First Name,Last Name,Company,Email\n");
    for (int i = 1; i <= rows; ++i) {
        if (i <= withoutNameOrEmail) {
            text += QStringLiteral(",,Nameless Ltd %1,\n").arg(i);
        } else {
            text += QStringLiteral("Ada%1,Lovelace,Engines,ada%1@example.com\n").arg(i);
        }
    }
    return text;
}

}  // namespace

TEST(BatchExportPanel, CountsNonBlankLinesAndKeepsTextAndCsvAcrossKinds) {
    Sheet sheet;
    EXPECT_EQ(sheet.input()->generateButton()->text(), "Generate 0 QR Codes");
    EXPECT_FALSE(sheet.input()->generateButton()->isEnabled());

    sheet.type("https://a.example\n   \nhttps://b.example");
    EXPECT_EQ(sheet.input()->countLabel()->text(), "2 URLs");
    EXPECT_EQ(sheet.input()->generateButton()->text(), "Generate 2 QR Codes");
    EXPECT_TRUE(sheet.input()->generateButton()->isEnabled());

    sheet.chooseKind(BatchContentType::text);
    EXPECT_EQ(sheet.input()->countLabel()->text(), "2 items");
    sheet.importCsv(contactsCsv(3, 0));
    EXPECT_EQ(sheet.input()->generateButton()->text(), "Generate 3 QR Codes");
    EXPECT_FALSE(sheet.input()->textArea()->isVisible());
    sheet.chooseKind(BatchContentType::url);
    EXPECT_EQ(sheet.input()->countLabel()->text(), "2 URLs");
    sheet.chooseKind(BatchContentType::contact);
    EXPECT_EQ(sheet.input()->csvPane()->countLabel()->text(), "3 contacts");

    sheet.chooseKind(BatchContentType::text);
    sheet.input()->textArea()->selectAll();
    QTest::keyClick(sheet.input()->textArea(), Qt::Key_Delete);
    EXPECT_EQ(sheet.input()->countLabel()->text(), "0 items");
    EXPECT_FALSE(sheet.input()->generateButton()->isEnabled());
}

TEST(BatchExportPanel, SvgHidesTheSizeRowAndPngBringsBackTheSizeChosenBefore) {
    Sheet sheet;
    BatchSettingsRows* settings = sheet.input()->settings();
    QTest::mouseClick(settings->sizePicker()->segment(2), Qt::LeftButton);
    QTest::mouseClick(settings->formatPicker()->segment(1), Qt::LeftButton);
    EXPECT_FALSE(settings->sizeRow()->isVisible());
    EXPECT_EQ(settings->config().format, ExportFormat::svg);
    QTest::mouseClick(settings->formatPicker()->segment(0), Qt::LeftButton);
    EXPECT_TRUE(settings->sizeRow()->isVisible());
    EXPECT_EQ(settings->config().pngSize, 2048);
}

// Rows without name and e-mail are dropped when the run starts, not skipped by it.
TEST(BatchExportPanel, ContactRowsWithoutNameOrEmailAreDroppedWithoutASkippedLine) {
    Sheet sheet;
    sheet.importCsv(contactsCsv(10, 3));
    EXPECT_EQ(sheet.input()->csvPane()->countLabel()->text(), "10 contacts");
    EXPECT_EQ(sheet.input()->csvPane()->mappedLabel()->text(), " · 4 columns mapped");
    sheet.generate();
    ASSERT_TRUE(sheet.waitForScreen(BatchExportPanel::Screen::summary));
    EXPECT_EQ(sheet.panel->summaryView()->generatedLabel()->text(), "7 QR codes generated");
    EXPECT_FALSE(sheet.panel->summaryView()->skippedLabel()->isVisible());
    EXPECT_EQ(sheet.files().size(), 7);
    const auto text = decodeWritten(sheet.folder(), "ada10-lovelace.png");
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains("ada10@example.com")) << text->toStdString();
}

// The preview shows at most four columns and five rows.
TEST(BatchExportPanel, HeadersThatMatchNothingGoStraightToASummaryOfNothing) {
    Sheet sheet;
    QString csv = QStringLiteral("a,b,c,d,e,f,g\n");
    for (int row = 0; row < 20; ++row) csv += QStringLiteral("1,2,3,4,5,6,7\n");
    sheet.importCsv(csv);
    const CsvPreviewTable* table = sheet.input()->csvPane()->previewTable();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->shownColumns(), 4);
    EXPECT_EQ(table->shownRows(), 5);
    EXPECT_EQ(table->findChildren<QLabel*>().size(), 4 * (1 + 5));
    EXPECT_EQ(sheet.input()->csvPane()->countLabel()->text(), "20 contacts");
    EXPECT_FALSE(sheet.input()->csvPane()->mappedLabel()->isVisible());
    bool progressShown = false;
    QObject::connect(sheet.panel->progressView()->bar(), &QProgressBar::valueChanged,
                     [&] { progressShown = true; });
    sheet.generate();
    ASSERT_TRUE(sheet.waitForScreen(BatchExportPanel::Screen::summary));
    EXPECT_FALSE(progressShown);
    EXPECT_EQ(sheet.panel->summaryView()->generatedLabel()->text(), "0 QR codes generated");
    EXPECT_TRUE(sheet.files().isEmpty());
}

TEST(BatchExportPanel, ShowsEveryWrittenFileThenASummaryThatOpensTheFolder) {
    Sheet sheet;
    QStringList lines = urlLines(12);
    lines.insert(0, QString(3000, u'x'));  // too long for any symbol: skipped before the first file
    sheet.chooseKind(BatchContentType::text);
    sheet.input()->textArea()->setPlainText(lines.join(u'\n'));
    sheet.generate();
    ASSERT_TRUE(sheet.waitForScreen(BatchExportPanel::Screen::progress));
    EXPECT_GE(sheet.panel->progressView()->bar()->value(), 1);
    ASSERT_TRUE(sheet.waitForScreen(BatchExportPanel::Screen::summary));

    BatchProgressView* progress = sheet.panel->progressView();
    EXPECT_EQ(progress->countLabel()->text(), "12 of 13");
    EXPECT_EQ(progress->percentLabel()->text(), "92%");
    EXPECT_EQ(progress->fileList()->count(), 13);  // every name, and the spinner row until the end
    EXPECT_TRUE(progress->currentRow());
    BatchSummaryView* summary = sheet.panel->summaryView();
    EXPECT_EQ(summary->generatedLabel()->text(), "12 QR codes generated");
    EXPECT_EQ(summary->skippedLabel()->text(), "1 items skipped");
    EXPECT_TRUE(summary->skippedLabel()->isVisible());
    EXPECT_EQ(sheet.files().size(), 12);
    for (const int item : {1, 7, 12}) {
        const QString name = QStringLiteral("https-example-com-item-%1.png").arg(item);
        EXPECT_EQ(decodeWritten(sheet.folder(), name), urlLines(12)[item - 1]);
    }

    FolderOpener opener;
    QTest::mouseClick(summary->showFolderButton(), Qt::LeftButton);
    EXPECT_EQ(opener.opened, QList<QUrl>{QUrl::fromLocalFile(sheet.folder())});
    EXPECT_TRUE(QTest::qWaitFor([&] { return sheet.panel.isNull(); }));
}

TEST(BatchExportPanel, CancelClosesAtOnceAndTheRunStops) {
    Sheet sheet;
    sheet.input()->textArea()->setPlainText(urlLines(400).join(u'\n'));
    sheet.generate();
    ASSERT_TRUE(sheet.waitForScreen(BatchExportPanel::Screen::progress));
    QTest::mouseClick(sheet.panel->progressView()->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet.panel && sheet.panel->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return sheet.panel.isNull(); }));
    const qsizetype written = sheet.files().size();
    QTest::qWait(300);
    EXPECT_EQ(sheet.files().size(), written);
    EXPECT_LT(written, 400);
    EXPECT_EQ(
        QDir(sheet.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        sheet.files());  // no temporary file left behind
}

// The folder is replaced by a file after it was chosen, so it cannot be made.
TEST(BatchExportPanel, AFolderThatCannotBeMadeClosesTheSheetWithAnAlert) {
    Sheet sheet;
    sheet.type(urlLines(3).join(u'\n'));
    ASSERT_TRUE(QDir(sheet.folder()).removeRecursively());
    vostrel::testing::writeFile(sheet.folder());
    sheet.generate();
    auto* alert = waitForDialog<QMessageBox>();
    ASSERT_TRUE(alert);
    EXPECT_TRUE(alert->text().contains(QDir::toNativeSeparators(sheet.folder())))
        << alert->text().toStdString();
    EXPECT_FALSE(alert->informativeText().isEmpty());
    EXPECT_EQ(alert->parentWidget(), &sheet.window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return sheet.panel.isNull(); }));
    alert->close();
}

// A file that is not UTF-8 text, chosen as lines or as a CSV: the user hears why, and what the
// sheet held stays.
TEST(BatchExportPanel, AnUnreadableInputFileIsReportedAndReplacesNothing) {
    Sheet sheet;
    sheet.type(QStringLiteral("https://example.com/kept"));
    const QString latin1 = sheet.writeInput("café.txt", QByteArray("caf\xe9\n"));
    const auto expectAlert = [&] {
        auto* alert = waitForDialog<QMessageBox>();
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->text(), QStringLiteral("Couldn’t read “café.txt”."));
        EXPECT_FALSE(alert->informativeText().isEmpty());
        alert->close();
    };
    QTest::mouseClick(vostrel::testing::findByName<QPushButton>(sheet.panel, "Load text file"),
                      Qt::LeftButton);
    ASSERT_TRUE(chooseInFileDialog(latin1));
    expectAlert();
    EXPECT_EQ(sheet.input()->textArea()->toPlainText(), QStringLiteral("https://example.com/kept"));

    sheet.importCsvFile(latin1);
    expectAlert();
    EXPECT_EQ(sheet.input()->csvPane()->previewTable(), nullptr);
}

#include "batch_export_panel_test.moc"
