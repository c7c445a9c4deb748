#include <gtest/gtest.h>

#include <QJsonDocument>

#include "common/json_reader.h"

using vostrel::JsonReader;

namespace {

enum class Fruit { apple, pear };

QJsonObject parse(const char* text) {
    return QJsonDocument::fromJson(text).object();
}

}  // namespace

template <>
struct vostrel::RawValues<Fruit> {
    static constexpr std::array cases{std::pair{Fruit::apple, "apple"},
                                      std::pair{Fruit::pear, "pear"}};
};

TEST(JsonReader, ReadsEveryJsonTypeOfAWellFormedObject) {
    JsonReader reader(parse(R"({"s":"x","b":true,"n":1.5,"i":42,"d":"AAE=","o":{"f":"pear"}})"));
    EXPECT_EQ(reader.string(u"s"), "x");
    EXPECT_TRUE(reader.boolean(u"b"));
    EXPECT_EQ(reader.number(u"n"), 1.5);
    EXPECT_EQ(reader.integer(u"i"), 42);
    EXPECT_EQ(reader.base64(u"d"), QByteArray("\x00\x01", 2));
    EXPECT_EQ(reader.object(u"o").enumeration<Fruit>(u"f"), Fruit::pear);
    EXPECT_FALSE(reader.optionalObject(u"absent").has_value());
    EXPECT_TRUE(reader.ok());
}

TEST(JsonReader, RejectsMissingNullWrongTypesAndUnknownRawValuesNamingThePathOfTheFirst) {
    const auto failure = [](const char* json, auto read) {
        JsonReader reader(parse(json));
        read(reader);
        return reader.ok() ? QString() : reader.error().message();
    };
    EXPECT_EQ(failure(R"({"style":{"logo":{"size":"big"}},"x":null})",
                      [](JsonReader& r) {
                          r.object(u"style").object(u"logo").number(u"size");
                          r.string(u"x");
                      }),
              "style.logo.size: expected a number");
    EXPECT_EQ(failure("{}", [](JsonReader& r) { r.string(u"a"); }), "a: missing");
    EXPECT_EQ(failure(R"({"a":null})", [](JsonReader& r) { r.boolean(u"a"); }),
              "a: expected a boolean");
    EXPECT_EQ(failure(R"({"a":4.5})", [](JsonReader& r) { r.integer(u"a"); }),
              "a: expected an integer");
    EXPECT_EQ(failure(R"({"a":"plum"})", [](JsonReader& r) { r.enumeration<Fruit>(u"a"); }),
              "a: unknown value 'plum'");
    EXPECT_EQ(failure(R"({"a":"**"})", [](JsonReader& r) { r.base64(u"a"); }),
              "a: expected base64 data");
    EXPECT_EQ(failure(R"({"a":3})", [](JsonReader& r) { r.optionalObject(u"a"); }),
              "a: expected an object");
    JsonReader notAnObject(QJsonValue(3));
    EXPECT_EQ(notAnObject.error().message(), "expected an object");
}

TEST(JsonReader, ReadsLongBase64WholeAndRejectsPaddingInsideIt) {
    QByteArray bytes(3'000'001, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i) bytes[i] = char(i * 7 % 251);
    const QString text = QString::fromLatin1(bytes.toBase64());
    JsonReader reader(QJsonObject{{"d", text}});
    EXPECT_EQ(reader.base64(u"d"), bytes);
    EXPECT_TRUE(reader.ok());

    // Padding that ends a whole first mebibyte of text, with more text after it.
    QString padded = text;
    padded[(1 << 20) - 1] = u'=';
    JsonReader paddedReader(QJsonObject{{"d", padded}});
    paddedReader.base64(u"d");
    EXPECT_FALSE(paddedReader.ok());
}
