#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace vostrel {

// The lines of a text, split at every newline character: line feed, vertical tab, form feed,
// carriage return, next line (U+0085) and the line and paragraph separators (U+2028, U+2029).
// Each ends a line on its own, so a CR LF pair leaves an empty line between them. The views
// point into `text`.
QList<QStringView> splitLines(QStringView text);

// `text` without the spaces and tabs at either end; every other character, no-break spaces and
// line breaks included, is kept.
QStringView trimmedSpacesAndTabs(QStringView text);

}  // namespace vostrel
