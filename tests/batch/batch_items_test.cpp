#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "batch/batch_items.h"

namespace vostrel {
namespace {

using namespace Qt::StringLiterals;

class BatchInput : public ::testing::Test {
  protected:
    QString fileWith(const QByteArray& bytes) {
        const QString path = folder_.filePath(u"input.csv"_s);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir folder_;
};

TEST_F(BatchInput, UnreadableOrNonUtf8FilesAreErrorsNamingTheFile) {
    const QString latin1 = fileWith("caf\xE9\n");
    const auto notUtf8 = readBatchInputText(latin1);
    ASSERT_FALSE(notUtf8);
    EXPECT_EQ(notUtf8.error().kind, BatchError::Kind::inputUnreadable);
    EXPECT_EQ(notUtf8.error().path, latin1);

    EXPECT_FALSE(readBatchInputText(folder_.filePath(u"missing.txt"_s)));
    EXPECT_FALSE(readBatchInputText(folder_.path()));
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
