#include "ui/library/library_grid.h"

#include <QEvent>
#include <QScrollBar>

#include "ui/library/document_thumbnail_view.h"

namespace vostrel {

LibraryGrid::LibraryGrid(QWidget* parent) : QListView(parent) {
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(24);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::CustomContextMenu);
    // The cards stand on the window's background, as the rest of the window does.
    viewport()->setBackgroundRole(QPalette::Window);
    // Each cell holds half the spacing on either side of its tile; the margins make up the rest
    // of the padding around the grid. Rows keep their spacing below the tile.
    setViewportMargins(tileSpacing / 2, tileSpacing, tileSpacing / 2, 0);
    layOutColumns();
}

bool LibraryGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) layOutColumns();
    return QListView::viewportEvent(event);
}

void LibraryGrid::layOutColumns() {
    // QListView lays a wrapping grid out in the viewport's width less the vertical scroll bar's,
    // whether the bar shows or not; cells sized to the full width would wrap one column early.
    const int width = maximumViewportSize().width() - verticalScrollBar()->sizeHint().width();
    const int columns = std::max(1, width / (minimumColumnWidth + tileSpacing));
    const int tileHeight = DocumentThumbnailView::tileSize(font()).height();
    const QSize cell(std::max(minimumColumnWidth + tileSpacing, width / columns),
                     tileHeight + tileSpacing);
    if (gridSize() != cell) setGridSize(cell);
}

}  // namespace vostrel
