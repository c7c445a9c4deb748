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

// Why a logo is missing from the pictures made of a style.
inline const QString unreadableLogoReason =
    QStringLiteral("the logo is not a picture that can be read, so it is left out");

// Whether the style has a logo whose data does not decode (decoded once, then cached).
bool hasUnreadableLogo(const QRStyle& style);

// Says so on standard error as "vostrel-cli: DOC: …" when the style has an unreadable logo; the
// pictures are made all the same, without it.
void noteUnreadableLogo(const QRStyle& style, const QString& doc);

}  // namespace vostrel::cli
