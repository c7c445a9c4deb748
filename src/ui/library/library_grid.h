#pragma once

#include <QListView>

namespace vostrel {

// The library's scrolling grid of tiles: as many columns as fit at a minimum width of 180 px,
// sharing the width, with 16 px between columns and rows and 16 px around the grid.
class LibraryGrid : public QListView {
    Q_OBJECT

  public:
    static constexpr int minimumColumnWidth = 180;
    static constexpr int tileSpacing = 16;

    explicit LibraryGrid(QWidget* parent = nullptr);

  protected:
    bool viewportEvent(QEvent* event) override;

  private:
    void layOutColumns();
};

}  // namespace vostrel
