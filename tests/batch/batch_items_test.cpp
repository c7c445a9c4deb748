#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "batch/batch_items.h"

namespace vostrel {
namespace {

using namespace Qt::StringLiterals;

// A file that is not UTF-8 text is reported by the batch sheet, in
// BatchExportPanel.AnUnreadableInputFileIsReportedAndReplacesNothing.
TEST(BatchInput, MissingFilesAndFoldersAreUnreadableInputNamingThePath) {
    QTemporaryDir folder;
    for (const QString& path : {folder.filePath(u"missing.txt"_s), folder.path()}) {
        const auto text = readBatchInputText(path);
        ASSERT_FALSE(text) << path.toStdString();
        EXPECT_EQ(text.error().kind, BatchError::Kind::inputUnreadable);
        EXPECT_EQ(text.error().path, path);
    }
}

TEST(BatchItems, LinesAreTrimmedOfSpacesAndTabsAndBlankOnesDropped) {
    const QString text = u"  https://a.se \r\n\t\n \n\u00A0\nb.se\u2028c\td\t"_s;
    EXPECT_EQ(batchItemLines(text), (QStringList{"https://a.se", u"\u00A0"_s, "b.se", "c\td"}));
    const QList<QRContent> urls = batchItems(BatchContentType::url, text);
    ASSERT_EQ(urls.size(), 4);
    EXPECT_EQ(urls[0], QRContent::url({"https://a.se"}));
    EXPECT_EQ(batchItems(BatchContentType::text, text)[3], QRContent::text(u"c\td"_s));
}

}  // namespace
}  // namespace vostrel
