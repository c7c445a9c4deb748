#pragma once

#include "cli/cli_io.h"
#include "engine/module_matrix.h"

namespace vostrel::cli {

// The matrix of the document's content at its effective correction level (H whenever the style
// has a logo). Fails with exit status 3 when no symbol can be made; DOC names the document in
// the message.
CliResult<ModuleMatrix> makeSymbol(const DocumentSnapshot& document, const QString& doc);

}  // namespace vostrel::cli
