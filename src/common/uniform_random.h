#pragma once

#include <QtGlobal>

namespace vostrel {

// A uniform draw from 0 to bound - 1 (bound > 0) out of a source of uniform 32-bit values.
// Multiplying and keeping the high half maps the 2^32 inputs onto the bound; when bound does not
// divide 2^32 some results would get one input more than others, so the draws whose low half
// falls into that surplus (fewer than bound of them) are rejected and drawn again. Reducing
// modulo the bound, or QRandomGenerator::bounded (which skips the rejection), would favour some
// results.
template <class Source>
quint32 uniformBelow(quint32 bound, Source&& next) {
    quint64 product = quint64(next()) * bound;
    if (quint32(product) < bound) {
        const quint32 surplus = (0u - bound) % bound;  // 2^32 mod bound
        while (quint32(product) < surplus) product = quint64(next()) * bound;
    }
    return quint32(product >> 32);
}

}  // namespace vostrel
