#include "document/library_folder_loader.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QFuture>
#include <algorithm>

#include "document/document_file.h"
#include "engine/qr_engine.h"
#include "render/qr_module_renderer.h"

namespace vostrel {
namespace {

using LibraryItem = LibraryViewModel::LibraryItem;

// A file read, with the symbol it is waiting for (none when its content is empty).
struct PendingItem {
    LibraryItem item;
    std::optional<QFuture<MatrixResult>> matrix;
    QRStyle style;
};

std::optional<PendingItem> readItem(const QString& path, QREngine& engine) {
    const auto snapshot = readDocumentFile(path);
    if (!snapshot) return std::nullopt;
    PendingItem pending{{snapshot->id, snapshot->name, QUrl::fromLocalFile(path), {}},
                        std::nullopt,
                        snapshot->style};
    // The level as stored: a logo raises it when exporting, not here.
    const QString payload = snapshot->content.payload();
    if (!payload.isEmpty())
        pending.matrix = engine.generateMatrix(payload, snapshot->exportSettings.correctionLevel);
    return pending;
}

void cancelAll(QList<PendingItem>& pending) {
    for (PendingItem& entry : pending) {
        if (entry.matrix) entry.matrix->cancel();
    }
}

}  // namespace

std::optional<QStringList> libraryDocumentFiles(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) return std::nullopt;
    QDir dir(folder);
    QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeIf([](const QString& name) { return QFileInfo(name).suffix() != u"vostrel"; });
    // By name without the extension, so that "poster.vostrel" comes before "poster copy.vostrel".
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), [&](const QString& left, const QString& right) {
        return collator.compare(QFileInfo(left).completeBaseName(),
                                QFileInfo(right).completeBaseName()) < 0;
    });
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names) paths << dir.filePath(name);
    return paths;
}

QImage libraryThumbnail(const ModuleMatrix& matrix, const QRStyle& style) {
    return symbolPicture(matrix, style, LibraryViewModel::thumbnailEdge);
}

std::optional<QList<LibraryItem>> loadLibraryFolder(const QString& folder,
                                                    const std::atomic_bool& cancelled) {
    const auto files = libraryDocumentFiles(folder);
    if (!files) return std::nullopt;
    QREngine engine;
    QList<PendingItem> pending;
    for (const QString& path : *files) {
        if (cancelled) break;
        if (auto entry = readItem(path, engine)) pending << std::move(*entry);
    }
    QList<LibraryItem> items;
    items.reserve(pending.size());
    for (PendingItem& entry : pending) {
        if (cancelled) {
            cancelAll(pending);
            return std::nullopt;
        }
        if (entry.matrix) {
            const MatrixResult matrix = entry.matrix->result();
            if (matrix) entry.item.thumbnail = libraryThumbnail(*matrix, entry.style);
        }
        items << std::move(entry.item);
    }
    if (cancelled) return std::nullopt;
    return items;
}

}  // namespace vostrel
