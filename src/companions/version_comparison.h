#pragma once

#include <QString>
#include <compare>

namespace vostrel {

// Orders dotted versions by their numeric parts: 1.10 is newer than 1.9, and 2.0 equals 2.
// Parts that are not whole numbers ("beta", "3-rc1") are left out, and a missing part counts
// as 0. `less` means a is older than b.
std::strong_ordering compareVersions(const QString& a, const QString& b);

// Whether text is a plain dotted version such as "0.1.0": whole numbers only. Versions from
// outside the program are checked with this first, because compareVersions quietly reads
// "banana" as 0.
bool isDottedVersion(const QString& text);

}  // namespace vostrel
