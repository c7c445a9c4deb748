#pragma once

#include <QString>
#include <QStringView>

namespace vostrel {

// How many characters of a value an error message repeats.
inline constexpr qsizetype quotedValueLimit = 80;

// A value from the input as error messages quote it: in single quotes, at most quotedValueLimit
// characters (code points) of it followed by "…" outside the quotes when there is more, and
// escaped so that nothing reaches the terminal raw: backslash and quote as \\ and \', tab,
// line feed and carriage return as \t, \n and \r, every other control, format or separator
// character and any lone surrogate as \u{XXXX}. Example: 'plum\n' for "plum" and a line feed.
QString quotedValue(QStringView value);

}  // namespace vostrel
