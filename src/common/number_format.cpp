#include "common/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace vostrel {

QString formatShortest(double value) {
    if (std::isnan(value)) return QStringLiteral("nan");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    if (value == 0) return std::signbit(value) ? QStringLiteral("-0.0") : QStringLiteral("0.0");

    char buffer[64];
    const double magnitude = std::fabs(value);
    const bool exponentForm = magnitude < 1e-4 || magnitude >= 1e16;
    const auto format = exponentForm ? std::chars_format::scientific : std::chars_format::fixed;
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    std::string_view digits(buffer, end - buffer);
    QString text = QString::fromLatin1(digits.data(), qsizetype(digits.size()));
    if (!exponentForm && digits.find('.') == std::string_view::npos) text += QStringLiteral(".0");
    return text;
}

QString formatFixed(double value, int decimals) {
    if (std::isnan(value)) return QStringLiteral("nan");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    // The largest double has 309 integral digits.
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::fixed, std::clamp(decimals, 0, 40));
    if (ec != std::errc()) return {};
    return QString::fromLatin1(buffer, end - buffer);
}

// Far below a hundredth, far above the error of a decimal fraction held in binary.
constexpr double binaryNoise = 1e-9;

int wholePercent(double value) {
    if (!std::isfinite(value)) return 0;
    return int(std::trunc(value * 100.0 + std::copysign(binaryNoise, value)));
}

}  // namespace vostrel
