#pragma once

#include <QRect>

class QPainter;
class QWidget;

namespace vostrel {

// Draws the platform style's focus frame on `frame` while `widget` has the keyboard focus and the
// user has been moving that focus with the keyboard, as the style's own controls do. It looks
// nothing like a selection, and a focus given by a click or by the program (after opening a
// document, after Undo) shows nothing at all.
void paintFocusFrame(QPainter& painter, const QWidget* widget, const QRect& frame);

}  // namespace vostrel
