#pragma once

#include <QtGlobal>
#include <array>

#include "common/raw_enum.h"

namespace vostrel {

// The outline every data module is drawn with; finders have their own geometry.
enum class ModuleShape { square, dot, squircle };

template <>
struct RawValues<ModuleShape> {
    static constexpr std::array cases{
        std::pair{ModuleShape::square, "square"},
        std::pair{ModuleShape::dot, "dot"},
        std::pair{ModuleShape::squircle, "squircle"},
    };
};

inline size_t qHash(ModuleShape shape, size_t seed = 0) {
    return ::qHash(static_cast<int>(shape), seed);
}

}  // namespace vostrel
