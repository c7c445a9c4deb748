#pragma once

#include <QMutex>
#include <QSet>
#include <QString>
#include <array>
#include <functional>

namespace vostrel {

inline constexpr std::array<const char*, 80> nameAdjectives{
    "violet",  "amber",  "coral",    "slate",   "ivory",    "crimson", "golden",  "silver",
    "bronze",  "copper", "jade",     "ruby",    "pearl",    "onyx",    "cobalt",  "scarlet",
    "azure",   "teal",   "indigo",   "rustic",  "dusty",    "faded",   "bright",  "dark",
    "pale",    "warm",   "cool",     "deep",    "soft",     "bold",    "quiet",   "vivid",
    "mossy",   "sandy",  "misty",    "stormy",  "sunny",    "lunar",   "stellar", "cosmic",
    "velvet",  "silk",   "linen",    "woven",   "polished", "matte",   "glossy",  "rough",
    "smooth",  "grainy", "speckled", "striped", "spotted",  "solid",   "hollow",  "dense",
    "light",   "heavy",  "swift",    "gentle",  "fierce",   "calm",    "wild",    "tame",
    "ancient", "modern", "classic",  "vintage", "fresh",    "crisp",   "subtle",  "stark",
    "hidden",  "open",   "narrow",   "wide",    "tiny",     "vast",    "brief",   "lasting",
};

inline constexpr std::array<const char*, 12> nameNouns{
    "chirp",   "stridulate", "molt",      "antenna", "wing",   "burrow",
    "cricket", "treble",     "resonance", "tymbal",  "tegmen", "cerci",
};

// The largest number in a generated name.
inline constexpr quint32 largestNameNumber = 99;

// Hands out names like "violet-chirp-7": a random adjective, noun and number from 1 to 99, drawn
// again until the name is one this generator has not given before. Given names are never
// released, so the 95,040 names run out after that many documents; from then on the numbers
// continue from 100 upwards, each used once, so a name is still never repeated.
class DocumentNameGenerator {
  public:
    // Uniform 32-bit values. next() calls it outside the lock, so it must be safe to call from
    // every thread that calls next().
    using RandomSource = std::function<quint32()>;

    // The system's secure generator by default.
    explicit DocumentNameGenerator(RandomSource source = {});

    QString next();

  private:
    struct Candidate {
        const char* adjective;
        const char* noun;
        QString name;
    };
    Candidate drawCandidate() const;
    // The name now taken for the caller, or an empty string when the candidate was given before.
    QString claim(const Candidate& candidate);

    RandomSource source_;
    QMutex mutex_;
    QSet<QString> used_;
};

// The name of a new document, unique among the names generated in this process (names read from
// files do not count). Safe from any thread.
QString nextDocumentName();

}  // namespace vostrel
