#include <gtest/gtest.h>

#include "common/quoted_value.h"

using vostrel::quotedValue;

TEST(QuotedValue, EscapesWhatATerminalWouldActOn) {
    EXPECT_EQ(quotedValue(u"plum"), "'plum'");
    EXPECT_EQ(quotedValue(u"it's a\\b"), R"('it\'s a\\b')");
    EXPECT_EQ(quotedValue(u"a\tb\nc\r"), R"('a\tb\nc\r')");
    EXPECT_EQ(quotedValue(u"\x1b[31mred\x7f"), R"('\u{001B}[31mred\u{007F}')");
    // Bidirectional overrides and line separators reorder or break what follows them.
    EXPECT_EQ(quotedValue(u"x\u202Ey\u2028"), R"('x\u{202E}y\u{2028}')");
    EXPECT_EQ(quotedValue(u"Ærø 🎉"), "'Ærø 🎉'");
    const QChar loneSurrogate[] = {QChar(0xD800), QChar(u'a')};
    EXPECT_EQ(quotedValue(QStringView(loneSurrogate, 2)), R"('\u{D800}a')");
}

TEST(QuotedValue, RepeatsAtMostEightyCharactersOfALongValue) {
    EXPECT_EQ(quotedValue(QString(80, u'x')), "'" + QString(80, u'x') + "'");
    EXPECT_EQ(quotedValue(QString(60'000'000, u'y')), "'" + QString(80, u'y') + "'…");
    // Counted in characters: a surrogate pair is never split.
    const QString emoji = QString(79, u'a') + QStringLiteral("🎉🎉");
    EXPECT_EQ(quotedValue(emoji), "'" + QString(79, u'a') + QStringLiteral("🎉'…"));
}
