#pragma once

#include <QByteArray>
#include <cstdint>

namespace vostrel {

// Writes one deflate block (RFC 1951) with the fixed Huffman codes: the caller says which bytes
// are literals and which repeat earlier ones (a length of 3 to 258 bytes at a distance of 1 to
// 32768), and finding those repeats is the caller's business. Nothing is buffered beyond a few
// bits, so the output grows as symbols are added.
class DeflateWriter {
  public:
    static constexpr int minimumMatch = 3;
    static constexpr int maximumMatch = 258;
    static constexpr int maximumDistance = 32768;

    // Starts the block (the last of its stream) after whatever `output` already holds.
    explicit DeflateWriter(QByteArray& output);

    void literal(std::uint8_t byte);
    // `length` bytes equal to those `distance` bytes back; the two may overlap.
    void match(int length, int distance);
    // `count` copies of `byte`: one literal, the rest as matches at distance 1.
    void repeatByte(std::uint8_t byte, qsizetype count);
    // Ends the block and pads the last byte with zero bits.
    void finish();

  private:
    void put(std::uint32_t bits, int count);
    void putSymbol(int symbol);

    QByteArray& output_;
    std::uint64_t pending_ = 0;
    int pendingCount_ = 0;
};

}  // namespace vostrel
