#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <cmath>

#include "document/document_file.h"

using namespace vostrel;

namespace {

DocumentSnapshot richSnapshot() {
    DocumentSnapshot snapshot;
    snapshot.id = QUuid::createUuid();
    snapshot.name = "violet-chirp-7";
    snapshot.content = QRContent::calendar({"Party", Instant{1.5}, Instant{3601.25}, "", "x"});
    snapshot.style.moduleShape = ModuleShape::squircle;
    snapshot.style.gradient = GradientStyle{{0.1, 0.2, 0.3, 1.0}, GradientDirection::diagonal};
    LogoOverlay logo;
    logo.imageData = QByteArray("\x89PNG\r\n\x1a\n\0\xff", 10);
    logo.backgroundColor.reset();
    snapshot.style.logoOverlay = logo;
    snapshot.style.flipVertical = false;
    snapshot.exportSettings = {CorrectionLevel::q, 300, ExportFormat::svg};
    return snapshot;
}

QJsonObject minimalDocument() {
    return DocumentSnapshot{QUuid::createUuid(), 1, "n", {}, {}, {}}.toJson();
}

std::optional<QString> decodeError(const QJsonObject& object) {
    const auto result = decodeDocument(QJsonDocument(object).toJson());
    return result ? std::nullopt : std::optional(result.error().message);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(DocumentFile, WritesSortedIndentedKeysAndCanonicalIdentifiers) {
    DocumentSnapshot snapshot = richSnapshot();
    snapshot.id = QUuid("{0f8fad5b-d9cb-469f-a165-70867728950e}");
    const QByteArray bytes = *encodeDocument(snapshot);
    const QString text = QString::fromUtf8(bytes);
    const QStringList topKeys = {"content", "exportSettings", "id", "name", "style", "version"};
    qsizetype position = 0;
    for (const QString& key : topKeys) {
        const qsizetype found = text.indexOf(QStringLiteral("\n    \"%1\": ").arg(key));
        ASSERT_GT(found, position) << key.toStdString();
        position = found;
    }
    EXPECT_TRUE(text.contains(R"("id": "0F8FAD5B-D9CB-469F-A165-70867728950E")"));
    EXPECT_TRUE(text.contains(R"("version": 1)"));
    EXPECT_TRUE(text.contains(R"("imageData": "iVBORw0KGgoA/w==")"));
    EXPECT_FALSE(text.contains("backgroundColor"));
}

// Any version reads, and keys the format does not know are dropped; a key it needs that is
// missing or of the wrong type is named by its path.
TEST(DocumentFile, ReadsAnyVersionButRejectsMissingOrIllTypedKeysWithTheirPath) {
    QJsonObject json = minimalDocument();
    json["version"] = 7;
    json["futureFeature"] = QJsonObject{{"x", 1}};
    const auto read = decodeDocument(QJsonDocument(json).toJson());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->version, 7);
    EXPECT_FALSE(QString::fromUtf8(*encodeDocument(*read)).contains("futureFeature"));

    const auto without = [](const char* key) {
        QJsonObject json = minimalDocument();
        json.remove(key);
        return json;
    };
    const auto with = [](const char* key, QJsonValue value) {
        QJsonObject json = minimalDocument();
        json[key] = value;
        return json;
    };
    EXPECT_EQ(decodeError(without("version")), "version: missing");
    EXPECT_EQ(decodeError(with("version", 1.5)), "version: expected an integer");
    EXPECT_EQ(decodeError(with("name", QJsonValue::Null)), "name: expected a string");
    EXPECT_EQ(decodeError(with("id", "{0f8fad5b-d9cb-469f-a165-70867728950e}")),
              "id: not a valid UUID");
    EXPECT_EQ(decodeError(with("id", "not-a-uuid-at-all-but-36-characters")),
              "id: not a valid UUID");
    EXPECT_EQ(decodeError(with("content", QJsonObject{})),
              "content: Invalid number of keys found, expected one.");
    QJsonObject style = minimalDocument()["style"].toObject();
    style.remove("foreground");
    EXPECT_EQ(decodeError(with("style", style)), "style.foreground: missing");
    EXPECT_EQ(decodeError(with("exportSettings", QJsonObject{{"correctionLevel", "m"}})),
              "exportSettings.correctionLevel: unknown value 'm'");
}

TEST(DocumentFile, BadBytesGiveAClearErrorNeverACrash) {
    const std::vector<QByteArray> inputs{
        "",
        "{",
        "[]",
        "null",
        "\"text\"",
        QByteArray("{\"name\": \"\xff\xfe\"}"),
        "{\"content\": " + QByteArray(200000, '[') + "}",
        "{\"name\": \"" + QByteArray(8 << 20, 'x') + "\"}",
    };
    for (const QByteArray& input : inputs) {
        const auto result = decodeDocument(input);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error().kind, DocumentError::Kind::decodingFailed);
        EXPECT_FALSE(result.error().message.isEmpty());
    }
}

// Every record survives a round trip through a real file, and a save that cannot be encoded
// leaves that file as it was.
TEST(DocumentFile, RoundTripsThroughARealFileWhichNonFiniteNumbersLeaveAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.vostrel");
    const DocumentSnapshot snapshot = richSnapshot();
    ASSERT_TRUE(writeDocumentFile(snapshot, path));
    const auto read = readDocumentFile(path);
    ASSERT_TRUE(read) << read.error().message.toStdString();
    EXPECT_EQ(*read, snapshot);
    const QByteArray before = readAll(path);

    DocumentSnapshot brokenContent = snapshot;
    brokenContent.content = QRContent::location({NAN, 1.0});
    DocumentSnapshot brokenStyle = snapshot;
    brokenStyle.style.finderCornerRadius = INFINITY;
    for (const auto& [broken, message] :
         {std::pair{brokenContent, "content.location._0.latitude: not a finite number"},
          std::pair{brokenStyle, "style.finderCornerRadius: not a finite number"}}) {
        const auto written = writeDocumentFile(broken, path);
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error().kind, DocumentError::Kind::encodingFailed);
        EXPECT_EQ(written.error().message, message);
        EXPECT_EQ(readAll(path), before);
    }
}

TEST(DocumentFile, UnwritableTargetsFailAndNothingIsLeftHalfWritten) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath("file");
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));
    for (const QString& target : {blocker + "/a.vostrel", QStringLiteral("/dev/full")}) {
        const auto written = writeDocumentFile(richSnapshot(), target);
        ASSERT_FALSE(written) << target.toStdString();
        EXPECT_EQ(written.error().kind, DocumentError::Kind::writeFailed);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"file"});
    EXPECT_FALSE(QFileInfo("/dev/full").isFile()) << "a device must never be replaced by a file";
}
