#pragma once

#include <QImage>
#include <QStringList>
#include <atomic>
#include <optional>

#include "document/library_view_model.h"
#include "engine/module_matrix.h"
#include "render/qr_style.h"

namespace vostrel {

// The document files of a folder: its direct entries whose extension is exactly "vostrel"
// (a.VOSTREL is not one), hidden ones included, ordered by name (numbers by value); nothing when
// the folder cannot be listed.
std::optional<QStringList> libraryDocumentFiles(const QString& folder);

// The library's picture of a symbol: LibraryViewModel::thumbnailEdge pixels square.
QImage libraryThumbnail(const ModuleMatrix& matrix, const QRStyle& style);

// Builds the library entries of a folder; meant to run off the main thread. Files that cannot be
// read or decoded are left out; a document with empty content, or whose symbol cannot be made
// at its stored correction level, gets no thumbnail. Symbols come from one QREngine for the whole
// load, which makes them while this thread reads files and draws. Nothing when the folder cannot
// be listed or `cancelled` became true.
std::optional<QList<LibraryViewModel::LibraryItem>> loadLibraryFolder(
    const QString& folder, const std::atomic_bool& cancelled);

}  // namespace vostrel
