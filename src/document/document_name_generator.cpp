#include "document/document_name_generator.h"

#include <QMutexLocker>
#include <QRandomGenerator>

#include "common/uniform_random.h"

namespace vostrel {
namespace {

constexpr qsizetype nameSpaceSize =
    qsizetype(nameAdjectives.size()) * qsizetype(nameNouns.size()) * qsizetype(largestNameNumber);

QString composeName(const char* adjective, const char* noun, qint64 number) {
    return QLatin1StringView(adjective) + u'-' + QLatin1StringView(noun) + u'-' +
           QString::number(number);
}

}  // namespace

DocumentNameGenerator::DocumentNameGenerator(RandomSource source)
    : source_(source ? std::move(source)
                     : RandomSource([] { return QRandomGenerator::system()->generate(); })) {}

QString DocumentNameGenerator::next() {
    for (;;) {
        const QString name = claim(drawCandidate());
        if (!name.isEmpty()) return name;
    }
}

DocumentNameGenerator::Candidate DocumentNameGenerator::drawCandidate() const {
    const char* adjective = nameAdjectives[uniformBelow(nameAdjectives.size(), source_)];
    const char* noun = nameNouns[uniformBelow(nameNouns.size(), source_)];
    const qint64 number = 1 + uniformBelow(largestNameNumber, source_);
    return {adjective, noun, composeName(adjective, noun, number)};
}

QString DocumentNameGenerator::claim(const Candidate& candidate) {
    const QMutexLocker lock(&mutex_);
    if (used_.size() >= nameSpaceSize) {
        // Every name in the drawn range is taken, so redrawing would never end. Numbers above
        // the range are handed out only here, one per call, so they cannot collide.
        const qint64 number = largestNameNumber + 1 + (used_.size() - nameSpaceSize);
        const QString name = composeName(candidate.adjective, candidate.noun, number);
        used_.insert(name);
        return name;
    }
    if (used_.contains(candidate.name)) return {};
    used_.insert(candidate.name);
    return candidate.name;
}

QString nextDocumentName() {
    static DocumentNameGenerator generator;
    return generator.next();
}

}  // namespace vostrel
