#include "ui/library/library_tile_model.h"

#include <QDir>

namespace vostrel {

void LibraryTileModel::setItems(QList<LibraryItem> items) {
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
}

int LibraryTileModel::rowOf(const QUrl& url) const {
    for (int row = 0; row < items_.size(); ++row) {
        if (items_[row].url == url) return row;
    }
    return -1;
}

int LibraryTileModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(items_.size());
}

QVariant LibraryTileModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= items_.size()) return {};
    const LibraryItem& entry = items_[index.row()];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return entry.name;
        case Qt::DecorationRole:
            return entry.thumbnail;
        case Qt::ToolTipRole:
            return QDir::toNativeSeparators(entry.url.toLocalFile());
        case fileRole:
            return entry.url;
        default:
            return {};
    }
}

}  // namespace vostrel
