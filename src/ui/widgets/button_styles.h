#pragma once

#include <QColor>
#include <QString>

class QPushButton;

namespace vostrel {

// A colour for style sheets at another opacity: "rgba(r, g, b, a)" with a from 0 to 255.
QString cssRgba(const QColor& color, qreal alpha);

// The filled button of a window's main action, in the application's green, with the symbol
// (a symbolIcon name) drawn in the button's ink.
void makeProminent(QPushButton* button, const QString& symbolName);

}  // namespace vostrel
