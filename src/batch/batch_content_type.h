#pragma once

#include <QHashFunctions>
#include <array>

#include "common/raw_enum.h"

namespace vostrel {

// What the lines of a batch are. The raw values are the labels of the batch sheet's kind picker.
enum class BatchContentType { url, text, contact };

template <>
struct RawValues<BatchContentType> {
    static constexpr std::array cases{
        std::pair{BatchContentType::url, "URL"},
        std::pair{BatchContentType::text, "Text"},
        std::pair{BatchContentType::contact, "Contact"},
    };
};

inline size_t qHash(BatchContentType type, size_t seed = 0) {
    return ::qHash(static_cast<int>(type), seed);
}

}  // namespace vostrel
