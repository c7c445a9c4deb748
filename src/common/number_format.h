#pragma once

#include <QString>

namespace vostrel {

// The shortest decimal text that reads back as the same double, always with a fractional part:
// 10.0, -0.0, 4.25, 3.4641. Magnitudes below 0.0001 or at least 1e16 use exponent form with a
// sign and at least two exponent digits (1.5e-05, 1e+16). Non-finite values print as "nan",
// "inf" and "-inf". Used wherever a number is shown or written as text.
QString formatShortest(double value);

// Exactly what printf's "%.*f" gives in the C locale, whatever locale the process runs in:
// formatFixed(4.4999, 1) is "4.5", formatFixed(1.0, 1) is "1.0". Non-finite values print as
// "nan", "inf" and "-inf".
QString formatFixed(double value, int decimals);

// The whole percentage a fraction shows as: value × 100 truncated toward zero, so 0.445 reads
// 44%. Fractions that are a whole percentage in decimal (0.29, which is 28.999…% in binary)
// read as that percentage.
int wholePercent(double value);

}  // namespace vostrel
