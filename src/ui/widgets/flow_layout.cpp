#include "ui/widgets/flow_layout.h"

#include <QWidget>
#include <limits>

namespace vostrel {

FlowLayout::FlowLayout(int spacing, QWidget* parent) : QLayout(parent) {
    setSpacing(spacing);
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

int FlowLayout::count() const {
    return int(items_.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return items_.value(index);
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

bool FlowLayout::hasHeightForWidth() const {
    return true;
}

int FlowLayout::heightForWidth(int width) const {
    return sizeForWidth(width).height();
}

// Unwrapped: the width that shows every item on one row.
QSize FlowLayout::sizeHint() const {
    return sizeForWidth(-1);
}

// The widest single item; every narrower width still fits each item on a row of its own.
QSize FlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_) size = size.expandedTo(item->sizeHint());
    return QSize(size.width(), 0);
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QPoint origin = rect.topLeft();
    arrange(rect.width(), &origin);
}

QSize FlowLayout::sizeForWidth(int width) const {
    return arrange(width, nullptr);
}

QSize FlowLayout::arrange(int width, const QPoint* origin) const {
    const int available = width < 0 ? std::numeric_limits<int>::max() : width;
    const int gap = spacing();
    int x = 0, y = 0, rowHeight = 0, widest = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        const QSize ideal = item->sizeHint();
        if (x > 0 && qint64(x) + ideal.width() > available) {
            y += rowHeight + gap;
            x = 0;
            rowHeight = 0;
        }
        if (origin) item->setGeometry(QRect(*origin + QPoint(x, y), ideal));
        rowHeight = std::max(rowHeight, ideal.height());
        x += ideal.width() + gap;
        widest = std::max(widest, x - gap);
    }
    return QSize(widest, y + rowHeight);
}

}  // namespace vostrel
