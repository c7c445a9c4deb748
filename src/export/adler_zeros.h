#pragma once

#include <zlib.h>
#include <cstddef>

namespace vostrel {

// The Adler-32 checksum `checksum` continued over one byte `first` and then `zeros` zero bytes,
// without a pass over them: the zeros leave the byte sum as it is and add it to the weighted sum
// once each. What a PNG row written with the Up filter that repeats the row above adds.
inline uLong adler32ByteThenZeros(uLong checksum, unsigned char first, std::size_t zeros) {
    constexpr uLong modulus = 65521;
    uLong sum = (checksum & 0xffff) + first;
    uLong weighted = (checksum >> 16) + sum;
    sum %= modulus;
    weighted = (weighted + (zeros % modulus) * sum) % modulus;
    return (weighted << 16) | sum;
}

}  // namespace vostrel
