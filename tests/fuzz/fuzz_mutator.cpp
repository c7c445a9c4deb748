#include "fuzz_mutator.h"

#include <array>
#include <cctype>

namespace vostrel::fuzzing {

namespace {

// Bytes and short texts that change how JSON and CSV are read.
constexpr std::array tokens{
    "\"",
    "\\",
    ",",
    "\t",
    "\n",
    "\r\n",
    "\r",
    "{",
    "}",
    "[",
    "]",
    ":",
    "-",
    "0",
    "-1",
    "1e308",
    "1e400",
    "-1e400",
    "null",
    "true",
    "{}",
    "[]",
    "\"\"",
    "\\u0000",
    "\\ud800",
    "\\u202e",
    "NaN",
    "\xcc\x81",
    "\xff",
    "\xc3",
    "\xef\xbb\xbf",
    "\0",
    "9223372036854775808",
    "0.0000001",
};

// Numbers that a well-formed document may still carry and that no editor would make.
constexpr std::array numbers{"-100", "1e9", "1e308", "-1e308",           "4.9e-324",
                             "-0",   "2",   "0.5",   "9007199254740993", "-9223372036854775808"};

}  // namespace

Mutator::Mutator(quint64 randomSeed, QList<QByteArray> seeds)
    : random_(randomSeed), seeds_(std::move(seeds)) {
    if (seeds_.isEmpty()) seeds_ << QByteArray();
}

const QByteArray& Mutator::anySeed() {
    return seeds_[qsizetype(random_() % quint64(seeds_.size()))];
}

qsizetype Mutator::position(const QByteArray& input, bool end) {
    const quint64 choices = quint64(input.size()) + (end ? 1 : 0);
    return choices == 0 ? 0 : qsizetype(random_() % choices);
}

// Keeps JSON well-formed, so the input gets past the parser into the decoders and renderers.
void Mutator::replaceNumber(QByteArray& input) {
    const qsizetype start = position(input);
    qsizetype from = start;
    while (from < input.size() && !isdigit(uchar(input[from]))) ++from;
    if (from == input.size()) return;
    qsizetype to = from;
    while (to < input.size() && (isdigit(uchar(input[to])) || input[to] == '.')) ++to;
    if (from > 0 && input[from - 1] == '-') --from;
    input.replace(from, to - from, numbers[random_() % numbers.size()]);
}

void Mutator::mutate(QByteArray& input) {
    switch (random_() % 8) {
        case 0:
            if (!input.isEmpty()) input[position(input)] ^= char(1u << (random_() % 8));
            break;
        case 1:
            if (!input.isEmpty()) input[position(input)] = char(random_() % 256);
            break;
        case 2: {
            const char* token = tokens[random_() % tokens.size()];
            input.insert(position(input, true), QByteArray(token, token[0] ? qstrlen(token) : 1));
            break;
        }
        case 3: {
            const qsizetype from = position(input, true);
            input.remove(from, qsizetype(random_() % 64));
            break;
        }
        case 4: {
            const qsizetype from = position(input, true);
            const QByteArray range = input.mid(from, qsizetype(1 + random_() % 64));
            input.insert(position(input, true), range.repeated(int(1 + random_() % 4)));
            break;
        }
        case 5:
        case 6:
            replaceNumber(input);
            break;
        default: {
            const QByteArray& other = anySeed();
            input = input.left(position(input, true)) + other.mid(position(other, true));
            break;
        }
    }
}

QByteArray Mutator::next() {
    QByteArray input = (!previous_.isEmpty() && random_() % 2 == 0) ? previous_ : anySeed();
    const int mutations = int(1 + random_() % 4);
    for (int i = 0; i < mutations; ++i) mutate(input);
    if (input.size() > maximumSize) input.truncate(maximumSize);
    previous_ = input;
    return input;
}

}  // namespace vostrel::fuzzing
