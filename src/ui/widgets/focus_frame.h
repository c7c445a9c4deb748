#pragma once

#include <QRect>

class QCoreApplication;
class QPainter;
class QWidget;

namespace vostrel {

// Makes focus rings follow the keyboard in every window of the application. Qt marks a window
// (Qt::WA_KeyboardFocusChange) when its focus moves by Tab or a shortcut but never unmarks it,
// so after one Tab every click would show a ring; a mouse press now unmarks its window. Once per
// application; later calls do nothing.
void makeFocusRingsFollowTheKeyboard(QCoreApplication& application);

// Whether `widget` has the keyboard focus and the user has been moving that focus with the
// keyboard: when a widget shows where the focus is. A focus given by a click or by the program
// (after opening a document, after Undo) shows nothing.
bool showsKeyboardFocus(const QWidget* widget);

// Draws the platform style's focus frame on `frame` while showsKeyboardFocus(widget), as the
// style's own controls do. It looks nothing like a selection.
void paintFocusFrame(QPainter& painter, const QWidget* widget, const QRect& frame);

}  // namespace vostrel
