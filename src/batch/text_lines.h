#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace vostrel {

// The lines of a text, split at every newline character: line feed, vertical tab, form feed,
// carriage return, next line (U+0085) and the line and paragraph separators (U+2028, U+2029).
// Each ends a line on its own, so a CR LF pair leaves an empty line between them. The views
// point into `text`.
QList<QStringView> splitLines(QStringView text);

// The same lines as splitLines, one at a time, so that a long text is walked without a list of
// all its lines.
class LineCursor {
  public:
    explicit LineCursor(QStringView text) : text_(text) {}
    // The next line, nothing after the last one.
    std::optional<QStringView> next();

  private:
    QStringView text_;
    qsizetype start_ = 0;
    bool done_ = false;
};

// `text` without the spaces and tabs at either end; every other character, no-break spaces and
// line breaks included, is kept.
QStringView trimmedSpacesAndTabs(QStringView text);

}  // namespace vostrel
