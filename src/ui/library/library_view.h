#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "document/library_view_model.h"

class QAction;
class QLineEdit;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace vostrel {

class DocumentThumbnailView;
class LibraryGrid;
class LibraryTileModel;

// The "Library" window: the documents of one folder as a grid of tiles, with a search field and
// "Choose Folder" in the toolbar. Without a folder it asks for one; a folder without documents
// says so. Double-clicking a tile (or Return on it) asks for the document to be opened; its
// context menu duplicates or deletes it. The folder is read again whenever the window appears.
class LibraryView : public QMainWindow {
    Q_OBJECT

  public:
    enum class State { noFolder, noDocuments, grid };

    // Takes the model as its child.
    explicit LibraryView(LibraryViewModel* model, QWidget* parent = nullptr);

    LibraryViewModel* model() const { return model_; }
    State state() const;
    LibraryGrid* grid() const { return grid_; }
    LibraryTileModel* tiles() const { return tiles_; }
    DocumentThumbnailView* tileView() const { return tileView_; }
    QLineEdit* searchField() const { return search_; }
    QAction* chooseFolderAction() const { return chooseFolder_; }
    // The menu of a tile: "Duplicate", a separator, "Delete"; not yet shown, deleted on close.
    QMenu* makeTileMenu(const QModelIndex& index);

  Q_SIGNALS:
    // The user asked to open the document in that file.
    void openRequested(const QString& path);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildToolbar();
    void addLoadingIndicator(QToolBar* toolbar);
    QWidget* buildNoFolderPage();
    QWidget* buildNoDocumentsPage();
    void pickFolder(std::function<void(const QString&)> chosen);
    void showTiles();
    void showState();
    void showLoading();
    void open(const QModelIndex& index);

    LibraryViewModel* model_;
    LibraryTileModel* tiles_;
    LibraryGrid* grid_;
    DocumentThumbnailView* tileView_;
    QStackedWidget* pages_;
    QLineEdit* search_ = nullptr;
    QAction* chooseFolder_ = nullptr;
    QAction* loadingIndicator_ = nullptr;
    QTimer loadingDelay_;
};

}  // namespace vostrel
