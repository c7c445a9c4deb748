#pragma once

// String raw values for enumerations. An enumeration opts in by specialising RawValues with a
// `cases` array of (case, raw value) pairs in declaration order; that array is also its list of
// all cases.
//
//   enum class ModuleShape { square, dot, squircle };
//   template <> struct RawValues<ModuleShape> {
//       static constexpr std::array cases{std::pair{ModuleShape::square, "square"}, ...};
//   };

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <utility>

namespace vostrel {

template <class E>
struct RawValues;

template <class E>
constexpr auto allCases() {
    std::array<E, RawValues<E>::cases.size()> result{};
    for (std::size_t i = 0; i < result.size(); ++i) result[i] = RawValues<E>::cases[i].first;
    return result;
}

template <class E>
QString rawValue(E value) {
    for (const auto& [item, raw] : RawValues<E>::cases) {
        if (item == value) return QString::fromLatin1(raw);
    }
    return {};
}

template <class E>
std::optional<E> fromRawValue(QStringView raw) {
    for (const auto& [item, text] : RawValues<E>::cases) {
        if (raw == QLatin1StringView(text)) return item;
    }
    return std::nullopt;
}

}  // namespace vostrel
