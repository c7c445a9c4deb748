#pragma once

#include <QJsonObject>
#include <QString>
#include <QUuid>

#include "common/json_reader.h"
#include "content/qr_content.h"
#include "export/export_settings.h"
#include "render/qr_style.h"

namespace vostrel {

// Everything a document file holds: the save record of a document. The per-kind content cache
// of an open document is not part of it.
struct DocumentSnapshot {
    // The format version written into every file; files of any version are read alike.
    static constexpr qint64 currentVersion = 1;

    QUuid id;
    qint64 version = currentVersion;
    QString name;
    QRContent content;
    QRStyle style;
    ExportSettings exportSettings;

    // A new document: a fresh random id, the next generated name (nextDocumentName), the empty
    // content of `kind`, the default style and the default export settings.
    static DocumentSnapshot newDocument(ContentType kind = ContentType::url);

    // Keys "content", "exportSettings", "id" (upper-case canonical UUID), "name", "style",
    // "version".
    QJsonObject toJson() const;
    // All six keys are required; unknown keys are ignored; "version" must be an integer but its
    // value is not checked.
    static DocumentSnapshot fromJson(JsonReader& reader);

    bool operator==(const DocumentSnapshot&) const = default;
};

// The canonical text form stored in files: 8-4-4-4-12 upper-case hexadecimal digits.
QString canonicalUuidText(const QUuid& id);

}  // namespace vostrel
