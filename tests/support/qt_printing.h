#pragma once

#include <QString>
#include <ostream>

// Lets GoogleTest print QStrings (and through them QStringLists) as text in failure messages
// rather than as arrays of two-byte objects. PrintTo is found by argument-dependent lookup, so
// it lives in QString's own (global) namespace.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
