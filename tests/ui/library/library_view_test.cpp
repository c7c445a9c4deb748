#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "document/document_file.h"
#include "document/library_view_model.h"
#include "support/qr_decoding.h"
#include "ui/library/document_thumbnail_view.h"
#include "ui/library/library_grid.h"
#include "ui/library/library_tile_model.h"
#include "ui/library/library_view.h"
#include "ui/ui_test_support.h"

using namespace vostrel;

namespace {

using State = LibraryView::State;

void writeDocument(const QDir& folder, const QString& name, const QString& url) {
    DocumentSnapshot snapshot = DocumentSnapshot::newDocument();
    snapshot.name = name;
    snapshot.content = QRContent::url({url});
    ASSERT_TRUE(writeDocumentFile(snapshot, folder.filePath(name + ".vostrel")));
}

// A library window on screen, without a remembered folder to start with.
struct ShownLibrary {
    QTemporaryDir root;
    std::unique_ptr<LibraryView> view;

    ShownLibrary() {
        QSettings().remove(QLatin1String(LibraryViewModel::folderSettingKey));
        view = std::make_unique<LibraryView>(new LibraryViewModel);
        view->resize(900, 640);
        view->show();
        (void)QTest::qWaitForWindowExposed(view.get());
    }
    ~ShownLibrary() { QSettings().remove(QLatin1String(LibraryViewModel::folderSettingKey)); }

    QDir folder(const QString& name) const {
        QDir(root.path()).mkdir(name);
        return QDir(root.filePath(name));
    }
    // The load has published and the grid has laid its tiles out (which it does lazily).
    bool loaded() const {
        if (!QTest::qWaitFor([&] { return !view->model()->isLoading(); }, 20000)) return false;
        view->grid()->doItemsLayout();
        return true;
    }
    QModelIndex tile(int row) const { return view->tiles()->index(row); }
    QStringList tileNames() const {
        QStringList names;
        for (int row = 0; row < view->tiles()->rowCount(); ++row)
            names << tile(row).data().toString();
        return names;
    }
    void triggerTileMenu(int row, const QString& text) {
        QMenu* menu = view->makeTileMenu(tile(row));
        for (QAction* action : menu->actions()) {
            if (action->text() == text) action->trigger();
        }
        menu->close();
    }
};

TEST(LibraryView, ShowsNoFolderThenNoDocumentsThenTheGrid) {
    ShownLibrary library;
    EXPECT_EQ(library.view->state(), State::noFolder);

    const QDir empty = library.folder("empty");
    auto* choose = vostrel::testing::findByName<QPushButton>(library.view.get(), "Choose Folder");
    ASSERT_TRUE(choose);
    choose->click();
    ASSERT_TRUE(vostrel::testing::chooseInFileDialog(empty.path()));
    ASSERT_TRUE(library.loaded());
    EXPECT_EQ(library.view->state(), State::noDocuments);

    const QDir full = library.folder("full");
    writeDocument(full, "violet-chirp-7", "https://example.com/violet");
    writeDocument(full, "amber-wing-2", "https://example.com/amber");
    library.view->chooseFolderAction()->trigger();
    ASSERT_TRUE(vostrel::testing::chooseInFileDialog(full.path()));
    ASSERT_TRUE(library.loaded());
    EXPECT_EQ(library.view->state(), State::grid);
    EXPECT_EQ(library.tileNames(), QStringList({"amber-wing-2", "violet-chirp-7"}));

    // A search that finds nothing leaves an empty grid, not the "No documents found" screen.
    QTest::keyClicks(library.view->searchField(), "CHIRP");
    EXPECT_EQ(library.tileNames(), QStringList({"violet-chirp-7"}));
    QTest::keyClicks(library.view->searchField(), "zzz");
    EXPECT_EQ(library.view->state(), State::grid);
    EXPECT_EQ(library.view->tiles()->rowCount(), 0);
}

TEST(LibraryView, TilesShowSymbolsThatScanInColumnsOfAtLeast180Pixels) {
    ShownLibrary library;
    const QDir folder = library.folder("codes");
    const QStringList urls{"https://example.com/one", "https://example.com/two",
                           "https://example.com/three", "https://example.com/four",
                           "https://example.com/five"};
    for (int i = 0; i < urls.size(); ++i) writeDocument(folder, QString("doc-%1").arg(i), urls[i]);
    library.view->model()->useFolder(folder.path());
    ASSERT_TRUE(library.loaded());
    ASSERT_EQ(library.view->tiles()->rowCount(), 5);

    LibraryGrid* grid = library.view->grid();
    const auto tileRect = [&](int row) {
        return DocumentThumbnailView::tileRect(grid->visualRect(library.tile(row)), grid->font());
    };
    // Four columns of at least 180 px fit in 900 px; the fifth tile starts a row 16 px lower,
    // and the two rows need no scroll bar (nor does the layout keep toggling one).
    EXPECT_EQ(tileRect(3).top(), tileRect(0).top());
    EXPECT_GE(tileRect(1).left() - tileRect(0).left(), 180 + 16);
    EXPECT_EQ(tileRect(4).top() - tileRect(0).bottom() - 1, 16);
    const QSize cell = grid->gridSize();
    QTest::qWait(250);
    EXPECT_EQ(grid->gridSize(), cell);
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    const QImage screen = grid->viewport()->grab().toImage();
    for (int row = 0; row < 5; ++row) {
        const QRect tile = tileRect(row);
        ASSERT_TRUE(grid->viewport()->rect().contains(tile)) << row;
        const QImage picture =
            screen.copy(tile.adjusted(12, 12, -12, -12)
                            .intersected(QRect(tile.topLeft() + QPoint(12, 12), QSize(120, 120))));
        // Documents are drawn flipped back to the reading orientation by default.
        EXPECT_EQ(vostrel::testing::decodeQr(vostrel::testing::mirroredTopToBottom(picture)),
                  urls[row])
            << row;
    }
}

TEST(LibraryView, DeleteAndDuplicateFromTheTileMenu) {
    ShownLibrary library;
    const QDir folder = library.folder("docs");
    writeDocument(folder, "violet-chirp-7", "https://example.com/violet");
    library.view->model()->useFolder(folder.path());
    ASSERT_TRUE(library.loaded());

    library.triggerTileMenu(0, "Duplicate");
    ASSERT_TRUE(library.loaded());
    EXPECT_EQ(library.tileNames(), QStringList({"violet-chirp-7", "violet-chirp-7"}));

    // The copy shares the source's id; deleting it leaves the source's tile.
    const QUrl source = QUrl::fromLocalFile(folder.filePath("violet-chirp-7.vostrel"));
    const QUrl copy = QUrl::fromLocalFile(folder.filePath("violet-chirp-7 copy.vostrel"));
    library.triggerTileMenu(library.view->tiles()->rowOf(copy), "Delete");
    EXPECT_EQ(library.view->tiles()->rowCount(), 1);
    EXPECT_EQ(library.tile(0).data(LibraryTileModel::fileRole).toUrl(), source);
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList({"violet-chirp-7.vostrel"}));
}

TEST(LibraryView, DoubleClickAsksToOpenAndHoverGrowsTheTile) {
    ShownLibrary library;
    const QDir folder = library.folder("docs");
    writeDocument(folder, "violet-chirp-7", "https://example.com/violet");
    library.view->model()->useFolder(folder.path());
    ASSERT_TRUE(library.loaded());
    LibraryGrid* grid = library.view->grid();
    const QPoint centre = grid->visualRect(library.tile(0)).center();

    QSignalSpy opened(library.view.get(), &LibraryView::openRequested);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(opened.size(), 0) << "one click only selects";
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0][0].toString(), folder.filePath("violet-chirp-7.vostrel"));

    DocumentThumbnailView* tiles = library.view->tileView();
    const QUrl file = QUrl::fromLocalFile(folder.filePath("violet-chirp-7.vostrel"));
    QTest::mouseMove(grid->viewport(), centre);
    EXPECT_EQ(tiles->hoveredFile(), file);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tiles->scaleOf(file) == 1.02; }, 1000));
    QTest::mouseMove(grid->viewport(), QPoint(2, 2));  // the padding, outside every tile
    EXPECT_TRUE(tiles->hoveredFile().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return tiles->scaleOf(file) == 1.0; }, 1000));
}

}  // namespace
