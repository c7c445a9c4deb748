#include <gtest/gtest.h>

#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <random>

#include "document/document_name_generator.h"

using namespace vostrel;

namespace {

QString alternatives(const auto& words) {
    QStringList list;
    for (const char* word : words) list.append(QString::fromLatin1(word));
    return list.join(u'|');
}

const QRegularExpression generatedName(QStringLiteral("^(%1)-(%2)-([1-9][0-9]*)$")
                                           .arg(alternatives(nameAdjectives),
                                                alternatives(nameNouns)));

}  // namespace

TEST(DocumentNameGenerator, ConcurrentCallersNeverShareAName) {
    constexpr int threadCount = 8;
    constexpr int namesPerThread = 500;
    QMutex mutex;
    QStringList names;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(QThread::create([&] {
            QStringList mine;
            for (int i = 0; i < namesPerThread; ++i) mine.append(nextDocumentName());
            const QMutexLocker lock(&mutex);
            names.append(mine);
        }));
        threads.back()->start();
    }
    for (auto& thread : threads) ASSERT_TRUE(thread->wait(60000));

    ASSERT_EQ(names.size(), threadCount * namesPerThread);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size());
    for (const QString& name : names) {
        const auto match = generatedName.match(name);
        ASSERT_TRUE(match.hasMatch()) << name.toStdString();
        EXPECT_LE(match.captured(3).toInt(), 99) << name.toStdString();
    }
}

// Drawing at random keeps repeating names long before the space is used up, and once it is
// used up every draw repeats.
TEST(DocumentNameGenerator, HandsOutEveryNameOnceAndKeepsGoingAfterwards) {
    std::mt19937 engine(20240611);
    DocumentNameGenerator generator([&engine] { return quint32(engine()); });
    constexpr qsizetype space = 80 * 12 * 99;
    QSet<QString> names;
    for (qsizetype i = 0; i < space; ++i) names.insert(generator.next());
    ASSERT_EQ(names.size(), space);

    QSet<QString> numbersAfterwards;
    for (int i = 0; i < 3; ++i) {
        const QString name = generator.next();
        const auto match = generatedName.match(name);
        ASSERT_TRUE(match.hasMatch()) << name.toStdString();
        EXPECT_FALSE(names.contains(name));
        numbersAfterwards.insert(match.captured(3));
    }
    EXPECT_EQ(numbersAfterwards, (QSet<QString>{"100", "101", "102"}));
}
