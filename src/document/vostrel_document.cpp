#include "document/vostrel_document.h"

#include <QPointer>
#include <QUndoCommand>
#include <QUndoStack>
#include <functional>

namespace vostrel {
namespace {

// One undo step whose two directions are plain calls. QUndoStack::push runs redo() at once, so
// pushing the step is what makes the change; it is never made beforehand as well.
class UndoStep final : public QUndoCommand {
  public:
    UndoStep(const QString& text, std::function<void()> apply, std::function<void()> revert)
        : QUndoCommand(text), apply_(std::move(apply)), revert_(std::move(revert)) {}

    void redo() override { apply_(); }
    void undo() override { revert_(); }

  private:
    std::function<void()> apply_;
    std::function<void()> revert_;
};

QString logoActionName(bool hadLogo, bool hasLogo) {
    if (!hadLogo) return QStringLiteral("Add Logo");
    return hasLogo ? QStringLiteral("Replace Logo") : QStringLiteral("Remove Logo");
}

template <class T>
bool assignIfChanged(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

VostrelDocument::VostrelDocument(QObject* parent)
    : VostrelDocument(DocumentSnapshot::newDocument(), parent) {}

VostrelDocument::VostrelDocument(const DocumentSnapshot& snapshot, QObject* parent)
    : QObject(parent),
      id_(snapshot.id),
      name_(snapshot.name),
      content_(snapshot.content),
      style_(snapshot.style),
      exportSettings_(snapshot.exportSettings) {}

Expected<std::unique_ptr<VostrelDocument>, DocumentError> VostrelDocument::open(
    const QString& path) {
    const SnapshotResult snapshot = readDocumentFile(path);
    if (!snapshot) return unexpected(snapshot.error());
    return std::make_unique<VostrelDocument>(*snapshot);
}

void VostrelDocument::setId(const QUuid& id) {
    if (assignIfChanged(id_, id)) Q_EMIT idChanged();
}

void VostrelDocument::setName(const QString& name) {
    if (assignIfChanged(name_, name)) Q_EMIT nameChanged();
}

void VostrelDocument::setContent(const QRContent& content) {
    if (assignIfChanged(content_, content)) Q_EMIT contentChanged();
}

void VostrelDocument::setStyle(const QRStyle& style) {
    if (assignIfChanged(style_, style)) Q_EMIT styleChanged();
}

void VostrelDocument::setExportSettings(const ExportSettings& settings) {
    if (assignIfChanged(exportSettings_, settings)) Q_EMIT exportSettingsChanged();
}

DocumentSnapshot VostrelDocument::snapshot() const {
    return {id_, DocumentSnapshot::currentVersion, name_, content_, style_, exportSettings_};
}

Expected<void, DocumentError> VostrelDocument::save(const QString& path) const {
    return writeDocumentFile(snapshot(), path);
}

void VostrelDocument::switchContentType(ContentType kind, QUndoStack* undoStack) {
    const ContentType shown = content_.contentType();
    if (kind == shown) return;
    if (!undoStack) {
        showContentType(kind);
        return;
    }
    // The stack may outlive the document; its steps then do nothing.
    const QPointer<VostrelDocument> self(this);
    undoStack->push(new UndoStep(
        QStringLiteral("Switch to ") + displayName(kind),
        [self, kind] {
            if (self) self->showContentType(kind);
        },
        [self, shown] {
            if (self) self->showContentType(shown);
        }));
}

void VostrelDocument::setLogoOverlay(const std::optional<LogoOverlay>& logo,
                                     QUndoStack* undoStack) {
    const std::optional<LogoOverlay> previous = style_.logoOverlay;
    if (logo == previous) return;
    if (!undoStack) {
        replaceLogoOverlay(logo);
        return;
    }
    const QPointer<VostrelDocument> self(this);
    undoStack->push(new UndoStep(
        logoActionName(previous.has_value(), logo.has_value()),
        [self, logo] {
            if (self) self->replaceLogoOverlay(logo);
        },
        [self, previous] {
            if (self) self->replaceLogoOverlay(previous);
        }));
}

// Undo and redo both come through here, so each direction files away what it leaves: redoing a
// switch brings back what was typed in the new kind before the undo.
void VostrelDocument::showContentType(ContentType kind) {
    const ContentType shown = content_.contentType();
    if (kind == shown) return;
    const auto cached = contentTypeCache_.constFind(kind);
    const QRContent next = cached != contentTypeCache_.constEnd() ? *cached : emptyContent(kind);
    const auto left = contentTypeCache_.constFind(shown);
    if (left == contentTypeCache_.constEnd() || *left != content_) {
        contentTypeCache_.insert(shown, content_);
        Q_EMIT contentTypeCacheChanged();
    }
    setContent(next);
}

void VostrelDocument::replaceLogoOverlay(const std::optional<LogoOverlay>& logo) {
    QRStyle style = style_;
    style.logoOverlay = logo;
    setStyle(style);
}

}  // namespace vostrel
