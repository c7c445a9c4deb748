#pragma once

#include <QByteArray>
#include <QList>
#include <random>

namespace vostrel::fuzzing {

// Random mutations of a set of seed inputs: bit flips, bytes and tokens that matter to JSON and
// CSV, deleted and repeated ranges, numbers replaced by extreme ones, and splices of two seeds.
// Mutants are sometimes mutated further, so changes stack up. The same random seed gives the same
// inputs.
class Mutator {
  public:
    Mutator(quint64 randomSeed, QList<QByteArray> seeds);

    QByteArray next();

    // Inputs never grow beyond this, so that every run stays quick.
    static constexpr qsizetype maximumSize = 256 * 1024;

  private:
    void mutate(QByteArray& input);
    void replaceNumber(QByteArray& input);
    qsizetype position(const QByteArray& input, bool end = false);
    const QByteArray& anySeed();

    std::mt19937_64 random_;
    QList<QByteArray> seeds_;
    QByteArray previous_;
};

}  // namespace vostrel::fuzzing
