#include <gtest/gtest.h>

#include "batch/batch_file_name.h"

namespace vostrel {
namespace {

using namespace Qt::StringLiterals;

TEST(SequentialName, PaddedToTheDigitCountOfTheTotal) {
    EXPECT_EQ(sequentialFileBaseName(0, 9), "1");
    EXPECT_EQ(sequentialFileBaseName(8, 9), "9");
    EXPECT_EQ(sequentialFileBaseName(0, 10), "01");
    EXPECT_EQ(sequentialFileBaseName(2, 12), "03");
    EXPECT_EQ(sequentialFileBaseName(0, 150), "001");
    EXPECT_EQ(sequentialFileBaseName(149, 150), "150");
}

QString nameOf(const QRContent& item, qsizetype index = 0) {
    return batchFileBaseName(item, index);
}

// Web addresses give host and path whatever their scheme.
TEST(ContentName, EachKindNamesItsFileAfterItsOwnFieldOrElseItsPosition) {
    EXPECT_EQ(nameOf(QRContent::url({"https://Example.com/menu/today"})), "example-com-menu-today");
    EXPECT_EQ(nameOf(QRContent::url({"http://example.com/menu/today?x=1#top"})),
              "example-com-menu-today");
    EXPECT_EQ(nameOf(QRContent::url({"example.com/caf%C3%A9"})), "example-com-caf");
    EXPECT_EQ(nameOf(QRContent::url({"not a url, really"})), "not-a-url-really");
    WiFiContent wifi;
    wifi.ssid = u"Café Öst"_s;
    EXPECT_EQ(nameOf(QRContent::wifi(wifi)), "caf-st");
    EXPECT_EQ(nameOf(QRContent::contact({"Ann", "Lee", "Acme", "1", "a@x", ""})), "ann-lee");
    EXPECT_EQ(nameOf(QRContent::contact({"", "Lee", "", "", "", ""})), "lee");
    EXPECT_EQ(nameOf(QRContent::email({"Ann@Example.se", "Hi", ""})), "ann-example-se");
    EXPECT_EQ(nameOf(QRContent::location({59.3293, 18.0686})), "59-3293-18-0686");
    EXPECT_EQ(nameOf(QRContent::location({0.0, 0.0})), "0-0-0-0");
    // Nothing left falls back to the unpadded position.
    EXPECT_EQ(nameOf(QRContent::text(u"!!!"_s), 4), "qr-5");
    EXPECT_EQ(nameOf(QRContent::text(u"Ω ж 漢字"_s), 11), "qr-12");
}

TEST(ContentName, TextsContributeFortyCharactersAndNamesAreCutToSixty) {
    const QString alphabet = u"abcdefghij"_s.repeated(20);
    EXPECT_EQ(nameOf(QRContent::text(alphabet)), alphabet.left(40));
    // Forty user-perceived characters, not forty UTF-16 units: 39 emoji and then the "a".
    EXPECT_EQ(nameOf(QRContent::text(u"\U0001F600"_s.repeated(39) + u"abc"_s)), "a");

    CalendarContent event;
    event.title = u"t"_s.repeated(100);
    EXPECT_EQ(nameOf(QRContent::calendar(event)), u"t"_s.repeated(60));
    event.title = u"t"_s.repeated(59) + u" party"_s;
    EXPECT_EQ(nameOf(QRContent::calendar(event)), u"t"_s.repeated(59) + u"-"_s);
}

}  // namespace
}  // namespace vostrel
