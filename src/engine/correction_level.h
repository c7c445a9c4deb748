#pragma once

#include <QtGlobal>
#include <array>

#include "common/raw_enum.h"

namespace vostrel {

// Error-correction level of a symbol, lowest to highest. The raw value is the letter stored in
// documents and handed to the generator.
enum class CorrectionLevel { l, m, q, h };

template <>
struct RawValues<CorrectionLevel> {
    static constexpr std::array cases{
        std::pair{CorrectionLevel::l, "L"},
        std::pair{CorrectionLevel::m, "M"},
        std::pair{CorrectionLevel::q, "Q"},
        std::pair{CorrectionLevel::h, "H"},
    };
};

}  // namespace vostrel
