#include <gtest/gtest.h>

#include "batch/csv_parser.h"

namespace vostrel {
namespace {

using namespace Qt::StringLiterals;
using Rows = QList<QStringList>;

QStringList commaFields(const QString& line) {
    return CSVParser::parseCSVLine(line, u',');
}

TEST(CSVLine, QuotesOpenAnywhereAndFieldsAreTrimmedOfSpacesAndTabs) {
    EXPECT_EQ(commaFields(R"(a,b,"c,d")"), (QStringList{"a", "b", "c,d"}));
    EXPECT_EQ(commaFields(R"("He said ""hi""")"), QStringList{R"(He said "hi")"});
    EXPECT_EQ(commaFields(R"(ab"c,d"e)"), QStringList{"abc,de"});
    EXPECT_EQ(commaFields(R"("abc,def)"), QStringList{"abc,def"});
    // A quote closing straight after the doubled one: the next character is read unquoted.
    EXPECT_EQ(commaFields(R"("x"",y",z)"), (QStringList{R"(x",y)", "z"}));

    // Fields are trimmed of spaces and tabs only, quoted ones too.
    EXPECT_EQ(commaFields("  Ann  ,  Lee  "), (QStringList{"Ann", "Lee"}));
    EXPECT_EQ(commaFields(R"("  x  ")"), QStringList{"x"});
    EXPECT_EQ(commaFields(u"\u00A0a\u00A0"_s), QStringList{u"\u00A0a\u00A0"_s});
    // A line always gives a field, and a trailing delimiter an empty one.
    EXPECT_EQ(commaFields(""), QStringList{""});
    EXPECT_EQ(commaFields("\t a \t,"), (QStringList{"a", ""}));

    // The scanner reads user-perceived characters: a quote or comma carrying a combining mark is
    // one character that is neither, and stays in the field.
    EXPECT_EQ(commaFields(u"a\"\u0301b,c"_s), (QStringList{u"a\"\u0301b"_s, "c"}));
    EXPECT_EQ(commaFields(u"a,\u0301b"_s), QStringList{u"a,\u0301b"_s});
    EXPECT_EQ(commaFields(u"\U0001F600,\u00E9"_s), (QStringList{u"\U0001F600"_s, u"\u00E9"_s}));
}

TEST(CSV, LineBreaksEndRecordsEvenQuotedAndBlankLinesAreDropped) {
    const auto parsed = CSVParser::parseCSV(
        u"\r\n  \t\r\nname,mail\r\n\r\nAnn,a@x\rBo,b@x\n \n"
        u"Cy,c@x\u2028Di,d@x\u2029Ed,e@x\u0085Fa,f@x"_s);
    EXPECT_EQ(parsed.headers, (QStringList{"name", "mail"}));
    EXPECT_EQ(parsed.rows, (Rows{{"Ann", "a@x"},
                                 {"Bo", "b@x"},
                                 {"Cy", "c@x"},
                                 {"Di", "d@x"},
                                 {"Ed", "e@x"},
                                 {"Fa", "f@x"}}));

    // The rest of a record broken inside quotes is a row of its own, where the closing quote
    // opens quoting anew.
    EXPECT_EQ(CSVParser::parseCSV(u"h1,h2\n\"one\ntwo\",3"_s).rows, (Rows{{"one"}, {"two,3"}}));
}

TEST(CSV, TheHeaderLineAloneChoosesTabOrCommaAndMayBeAllThereIs) {
    const auto tabs = CSVParser::parseCSV(u"a\tb\nx,y\tz"_s);
    EXPECT_EQ(tabs.headers, (QStringList{"a", "b"}));
    EXPECT_EQ(tabs.rows, (Rows{{"x,y", "z"}}));

    const auto commas = CSVParser::parseCSV(u"a,b\nx\ty,z"_s);
    EXPECT_EQ(commas.rows, (Rows{{"x\ty", "z"}}));

    // A semicolon is no delimiter.
    EXPECT_EQ(CSVParser::parseCSV(u"a;b"_s).headers, QStringList{"a;b"});

    EXPECT_EQ(CSVParser::parseCSV(u" \n\t\r\n"_s), CSVParser::ParsedCSV{});
    const auto headerOnly = CSVParser::parseCSV(u"First Name,Email\n"_s);
    EXPECT_EQ(headerOnly.headers, (QStringList{"First Name", "Email"}));
    EXPECT_TRUE(headerOnly.rows.isEmpty());
}

TEST(ColumnMapping, HeadersMatchSynonymsWholeAfterLowerCasingAndTrimming) {
    EXPECT_EQ(CSVParser::autoMapContactColumns({"First Name", "  EMAIL  ", "Company"}),
              (ColumnMapping{{"firstName", 0}, {"email", 1}, {"organization", 2}}));
    EXPECT_EQ(CSVParser::autoMapContactColumns(
                  {"fname", "Surname", "ORG", "Tel", "e-mail", "Homepage", "Notes"}),
              (ColumnMapping{{"firstName", 0},
                             {"lastName", 1},
                             {"organization", 2},
                             {"phone", 3},
                             {"email", 4},
                             {"url", 5}}));
    EXPECT_TRUE(
        CSVParser::autoMapContactColumns({"E-Mail Address", "First-Name", "name", u"\uFEFFemail"_s})
            .isEmpty());
    // The rightmost column of a field wins.
    EXPECT_EQ(CSVParser::autoMapContactColumns({"Phone", "Mobile"}), (ColumnMapping{{"phone", 1}}));
    EXPECT_EQ(CSVParser::autoMapContactColumns({"mail", "Name", "Email Address"}),
              (ColumnMapping{{"email", 2}}));
}

// Rows too short for a mapped column read it as empty; without first name, last name and e-mail
// a row gives no contact, whatever else it holds.
TEST(Contacts, MappedFieldsMakeContactsAndRowsWithoutNameOrMailAreDropped) {
    const ColumnMapping mapping{{"firstName", 0}, {"lastName", 1}, {"organization", 2},
                                {"phone", 3},     {"email", 4},    {"url", 5}};
    const Rows rows{{"Ann", "Lee", "Acme", "+46 70", "ann@x.se", "https://x.se"},
                    {"", "", "Acme", "+46 70"},
                    {"Bo"}};
    EXPECT_EQ(
        CSVParser::makeContacts(rows, mapping),
        (QList{QRContent::contact({"Ann", "Lee", "Acme", "+46 70", "ann@x.se", "https://x.se"}),
               QRContent::contact({"Bo", "", "", "", "", ""})}));
    EXPECT_FALSE(CSVParser::makeContact({"Ann"}, {{"firstName", -1}, {"email", 7}}));
}

}  // namespace
}  // namespace vostrel
