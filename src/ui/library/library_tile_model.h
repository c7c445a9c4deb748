#pragma once

#include <QAbstractListModel>
#include <QList>

#include "document/library_view_model.h"

namespace vostrel {

// The entries the library grid shows (the model's filtered documents), one row each: the name
// as display text, the thumbnail as decoration and the file as tooltip and under fileRole. Rows are
// told apart by file, since a duplicate shares its source's id and name.
class LibraryTileModel : public QAbstractListModel {
    Q_OBJECT

  public:
    using LibraryItem = LibraryViewModel::LibraryItem;
    // The file of the row, as a QUrl.
    static constexpr int fileRole = Qt::UserRole;

    explicit LibraryTileModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // Replaces every row at once.
    void setItems(QList<LibraryItem> items);
    const LibraryItem& item(int row) const { return items_.at(row); }
    // The row showing that file, or -1.
    int rowOf(const QUrl& url) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    QList<LibraryItem> items_;
};

}  // namespace vostrel
