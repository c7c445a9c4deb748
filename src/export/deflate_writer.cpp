#include "export/deflate_writer.h"

#include <array>

namespace vostrel {

namespace {

struct Code {
    std::uint16_t bits = 0;  // already reversed: deflate sends Huffman codes high bit first
    std::uint8_t length = 0;
};

std::uint16_t reversed(std::uint16_t code, int length) {
    std::uint16_t result = 0;
    for (int i = 0; i < length; ++i) result = std::uint16_t((result << 1) | ((code >> i) & 1));
    return result;
}

// The fixed literal/length code of RFC 1951, section 3.2.6.
constexpr int symbolCount = 288;
const std::array<Code, symbolCount> literalCodes = [] {
    std::array<Code, symbolCount> codes{};
    for (int symbol = 0; symbol < symbolCount; ++symbol) {
        std::uint16_t code = 0;
        int length = 0;
        if (symbol < 144) {
            code = std::uint16_t(0x30 + symbol), length = 8;
        } else if (symbol < 256) {
            code = std::uint16_t(0x190 + symbol - 144), length = 9;
        } else if (symbol < 280) {
            code = std::uint16_t(symbol - 256), length = 7;
        } else {
            code = std::uint16_t(0xc0 + symbol - 280), length = 8;
        }
        codes[std::size_t(symbol)] = {reversed(code, length), std::uint8_t(length)};
    }
    return codes;
}();

constexpr std::array<int, 29> lengthBases{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                          15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                          67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> lengthExtraBits{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> distanceBases{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};

// The code whose base is the largest not above `value`.
template <std::size_t N>
int codeFor(const std::array<int, N>& bases, int value) {
    int code = int(N) - 1;
    while (bases[std::size_t(code)] > value) --code;
    return code;
}

// Codes looked up rather than searched, as every match needs two: lengths directly, distances
// up to 256 directly and longer ones by their distance ÷ 128, which never straddles two codes.
const std::array<std::uint8_t, DeflateWriter::maximumMatch + 1> lengthCodes = [] {
    std::array<std::uint8_t, DeflateWriter::maximumMatch + 1> codes{};
    for (int length = DeflateWriter::minimumMatch; length <= DeflateWriter::maximumMatch; ++length)
        codes[std::size_t(length)] = std::uint8_t(codeFor(lengthBases, length));
    return codes;
}();
const std::array<std::uint8_t, 257> shortDistanceCodes = [] {
    std::array<std::uint8_t, 257> codes{};
    for (int distance = 1; distance <= 256; ++distance)
        codes[std::size_t(distance)] = std::uint8_t(codeFor(distanceBases, distance));
    return codes;
}();
const std::array<std::uint8_t, 256> longDistanceCodes = [] {
    std::array<std::uint8_t, 256> codes{};
    for (int step = 2; step < 256; ++step)
        codes[std::size_t(step)] = std::uint8_t(codeFor(distanceBases, step * 128 + 1));
    return codes;
}();

int distanceCode(int distance) {
    if (distance <= 256) return shortDistanceCodes[std::size_t(distance)];
    return longDistanceCodes[std::size_t((distance - 1) >> 7)];
}

}  // namespace

DeflateWriter::DeflateWriter(QByteArray& output) : output_(output) {
    put(1, 1);  // the last block
    put(1, 2);  // compressed with the fixed codes
}

void DeflateWriter::put(std::uint32_t bits, int count) {
    pending_ |= std::uint64_t(bits) << pendingCount_;
    pendingCount_ += count;
    while (pendingCount_ >= 8) {
        output_.append(char(pending_ & 0xff));
        pending_ >>= 8;
        pendingCount_ -= 8;
    }
}

void DeflateWriter::putSymbol(int symbol) {
    const Code& code = literalCodes[std::size_t(symbol)];
    put(code.bits, code.length);
}

void DeflateWriter::literal(std::uint8_t byte) {
    putSymbol(byte);
}

void DeflateWriter::match(int length, int distance) {
    const int lengthCode = lengthCodes[std::size_t(length)];
    putSymbol(257 + lengthCode);
    put(std::uint32_t(length - lengthBases[std::size_t(lengthCode)]),
        lengthExtraBits[std::size_t(lengthCode)]);
    const int distanceSymbol = distanceCode(distance);
    put(reversed(std::uint16_t(distanceSymbol), 5), 5);
    // Distance codes 0 to 3 have no extra bits, then two codes per extra bit.
    const int extraBits = distanceSymbol < 4 ? 0 : distanceSymbol / 2 - 1;
    put(std::uint32_t(distance - distanceBases[std::size_t(distanceSymbol)]), extraBits);
}

void DeflateWriter::repeatByte(std::uint8_t byte, qsizetype count) {
    if (count <= 0) return;
    literal(byte);
    --count;
    while (count >= minimumMatch) {
        // Never leave 1 or 2 bytes behind a full match: they would need literals.
        int length = int(std::min<qsizetype>(count, maximumMatch));
        if (count - length > 0 && count - length < minimumMatch) length -= minimumMatch;
        match(length, 1);
        count -= length;
    }
    for (; count > 0; --count) literal(byte);
}

void DeflateWriter::finish() {
    putSymbol(256);
    if (pendingCount_ > 0) put(0, 8 - pendingCount_);
}

}  // namespace vostrel
