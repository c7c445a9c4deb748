#pragma once

#include <QString>

#include "engine/module_matrix.h"
#include "export/png_data.h"
#include "render/qr_style.h"

class QClipboard;
class QWidget;

namespace vostrel {

// The PNG size actually rendered for a requested one: larger requests are rendered at
// maximumPngSize (pngData makes nothing beyond it) rather than not at all.
qint64 boundedPNGExportSize(qint64 size);

// Puts the symbol on the clipboard as a PNG of size × size pixels (size bounded as above): the
// PNG file under "image/png" and the image itself, for programs that ask for another image type.
// Everything is rendered and encoded before the clipboard is touched, so a failure (a size below
// 1, a matrix that is empty or not square) returns false and leaves it as it was.
bool copyPNG(const ModuleMatrix& matrix, const QRStyle& style, qint64 size, QClipboard* clipboard);

// Replaces the clipboard's contents with the SVG text as plain text.
void copySVG(const ModuleMatrix& matrix, const QRStyle& style, QClipboard* clipboard);

// Renders the PNG (size bounded as above), then asks where to save it with a save dialog preset
// to "qrcode.png", window-modal over `parent`'s window and not blocking, and writes the file
// atomically when confirmed. Nothing at all happens when no PNG results. A failed write is
// reported to the user in a warning box; the file that was there, if any, stays as it was.
void savePNG(const ModuleMatrix& matrix, const QRStyle& style, qint64 size, QWidget* parent);

// The same for the SVG text, preset to "qrcode.svg". The dialog opens even for an empty matrix,
// which writes an empty file.
void saveSVG(const ModuleMatrix& matrix, const QRStyle& style, QWidget* parent);

}  // namespace vostrel
