#pragma once

#include <QHashFunctions>
#include <array>

#include "common/raw_enum.h"

namespace vostrel {

// The mascot's animations, one model file each.
enum class MascotClip { idle, hello, hop, arrive };

template <>
struct RawValues<MascotClip> {
    static constexpr std::array cases{
        std::pair{MascotClip::idle, "idle"},
        std::pair{MascotClip::hello, "hello"},
        std::pair{MascotClip::hop, "hop"},
        std::pair{MascotClip::arrive, "arrive"},
    };
};

inline size_t qHash(MascotClip clip, size_t seed = 0) {
    return ::qHash(static_cast<int>(clip), seed);
}

// How the mascot is framed: on its own, in the welcome window's wide meadow, or in the About
// window's short banner.
enum class Mascot3DFraming { standard, welcome, about };

template <>
struct RawValues<Mascot3DFraming> {
    static constexpr std::array cases{
        std::pair{Mascot3DFraming::standard, "standard"},
        std::pair{Mascot3DFraming::welcome, "welcome"},
        std::pair{Mascot3DFraming::about, "about"},
    };
};

}  // namespace vostrel
