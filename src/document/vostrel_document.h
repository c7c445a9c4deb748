#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QUuid>
#include <memory>
#include <optional>

#include "common/expected.h"
#include "document/document_file.h"
#include "document/document_snapshot.h"

class QUndoStack;

namespace vostrel {

// The one object behind a document window: what the symbol says, how it looks and how it is
// exported, with a display name and an identity. Lives on the main thread.
//
// Views assign the fields directly; each setter notifies only when the value really changes. Two
// edits are undoable and go through their own operations instead: switching the content kind
// (which keeps what the user had in every kind left behind) and changing the logo.
class VostrelDocument : public QObject {
    Q_OBJECT

  public:
    // A new document: see DocumentSnapshot::newDocument.
    explicit VostrelDocument(QObject* parent = nullptr);
    // A document holding what the snapshot holds, with an empty content cache.
    explicit VostrelDocument(const DocumentSnapshot& snapshot, QObject* parent = nullptr);

    // Reads and decodes the whole file before a document exists, so a failure leaves nothing
    // half made. Directories and other non-regular files fail as DocumentError::Kind::corruptFile.
    static Expected<std::unique_ptr<VostrelDocument>, DocumentError> open(const QString& path);

    const QUuid& id() const { return id_; }
    const QString& name() const { return name_; }
    const QRContent& content() const { return content_; }
    const QRStyle& style() const { return style_; }
    const ExportSettings& exportSettings() const { return exportSettings_; }
    // What the user last had in each kind switched away from. Never saved.
    const QHash<ContentType, QRContent>& contentTypeCache() const { return contentTypeCache_; }

    void setId(const QUuid& id);
    void setName(const QString& name);
    void setContent(const QRContent& content);
    void setStyle(const QRStyle& style);
    void setExportSettings(const ExportSettings& settings);

    // The save record of the current fields, at the current format version.
    DocumentSnapshot snapshot() const;

    // Writes the snapshot atomically: on any failure (a number JSON cannot hold, an unwritable
    // place) the file on disk stays as it was. The document itself never changes by saving.
    Expected<void, DocumentError> save(const QString& path) const;

    // Shows `kind`, with the content last left in it or else its empty content, after putting the
    // current content into the cache. Nothing happens for the kind already shown. With a stack
    // the switch is pushed as "Switch to <display name>"; without one it simply applies.
    void switchContentType(ContentType kind, QUndoStack* undoStack);

    // Adds, replaces or removes (nullopt) the style's logo as one change of the style. Setting
    // what is already there does nothing. With a stack the change is pushed as "Add Logo",
    // "Remove Logo" or "Replace Logo"; without one it simply applies.
    void setLogoOverlay(const std::optional<LogoOverlay>& logo, QUndoStack* undoStack);

  Q_SIGNALS:
    void idChanged();
    void nameChanged();
    void contentChanged();
    void styleChanged();
    void exportSettingsChanged();
    void contentTypeCacheChanged();

  private:
    // What undo and redo replay; neither registers anything.
    void showContentType(ContentType kind);
    void replaceLogoOverlay(const std::optional<LogoOverlay>& logo);

    QUuid id_;
    QString name_;
    QRContent content_;
    QRStyle style_;
    ExportSettings exportSettings_;
    QHash<ContentType, QRContent> contentTypeCache_;
};

}  // namespace vostrel
