#pragma once

#include "export/qr_code_transferable.h"

class QMimeData;
class QWidget;

namespace vostrel {

// What a drag of the symbol carries (see dragSymbol); null when no PNG results.
QMimeData* makeSymbolMimeData(const QRCodeTransferable& symbol);

// Drags the symbol out of `source`: a 512-pixel PNG offered as "image/png" and, for file
// managers and programs that take files, as a temporary file "qr-code.png" in a "text/uri-list".
// The temporary files stay until the application quits, since a drop target may read them after
// the drag has ended. Returns false, without starting a drag, when no PNG results.
bool dragSymbol(QWidget* source, const QRCodeTransferable& symbol);

}  // namespace vostrel
