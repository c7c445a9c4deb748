#include "document/document_snapshot.h"

#include "document/document_name_generator.h"

namespace vostrel {

QString canonicalUuidText(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper();
}

namespace {

// Only the bare 36-character form, in either case; QUuid alone would also take braces.
std::optional<QUuid> parseUuidText(const QString& text) {
    if (text.size() != 36) return std::nullopt;
    const QUuid id = QUuid::fromString(text);
    if (id.isNull() && text != canonicalUuidText(QUuid())) return std::nullopt;
    return id;
}

}  // namespace

DocumentSnapshot DocumentSnapshot::newDocument(ContentType kind) {
    return {QUuid::createUuid(), currentVersion, nextDocumentName(), emptyContent(kind), {}, {}};
}

QJsonObject DocumentSnapshot::toJson() const {
    return {
        {QStringLiteral("content"), content.toJson()},
        {QStringLiteral("exportSettings"), exportSettings.toJson()},
        {QStringLiteral("id"), canonicalUuidText(id)},
        {QStringLiteral("name"), name},
        {QStringLiteral("style"), style.toJson()},
        {QStringLiteral("version"), version},
    };
}

DocumentSnapshot DocumentSnapshot::fromJson(JsonReader& reader) {
    DocumentSnapshot snapshot;
    JsonReader contentReader = reader.object(u"content");
    snapshot.content = QRContent::fromJson(contentReader);
    JsonReader settingsReader = reader.object(u"exportSettings");
    snapshot.exportSettings = ExportSettings::fromJson(settingsReader);
    const QString idText = reader.string(u"id");
    if (const auto id = parseUuidText(idText)) {
        snapshot.id = *id;
    } else if (reader.ok()) {
        reader.fail(u"id", QStringLiteral("not a valid UUID"));
    }
    snapshot.name = reader.string(u"name");
    JsonReader styleReader = reader.object(u"style");
    snapshot.style = QRStyle::fromJson(styleReader);
    snapshot.version = reader.integer(u"version");
    return snapshot;
}

}  // namespace vostrel
