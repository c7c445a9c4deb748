#pragma once

#include "cli/cli_io.h"
#include "engine/module_matrix.h"

namespace vostrel::cli {

// A document's QR code: the matrix and the exact payload it was made from (a calendar event makes
// a new payload every time it is asked).
struct Symbol {
    QString payload;
    ModuleMatrix matrix;
};

// The symbol of the document's content at its effective correction level (H whenever the style
// has a logo). Fails with exit status 3 when no symbol can be made; DOC names the document in
// the message.
CliResult<Symbol> makeSymbol(const DocumentSnapshot& document, const QString& doc);

}  // namespace vostrel::cli
