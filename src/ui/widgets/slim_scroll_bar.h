#pragma once

class QScrollArea;

namespace vostrel {

// A thin, rounded scroll bar without arrows for the scrolling lists of the welcome and About
// windows, where the desktop style's full-size bar would crowd the cards.
void makeScrollBarSlim(QScrollArea* area);

}  // namespace vostrel
