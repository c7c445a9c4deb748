#include <gtest/gtest.h>

#include <QThread>

#include "engine/qr_engine.h"
#include "support/matrix_image.h"
#include "support/qr_decoding.h"

using namespace vostrel;

namespace {

ModuleMatrix generated(const QString& payload, CorrectionLevel level) {
    const MatrixResult result = QREngine::makeMatrix(payload, level);
    EXPECT_TRUE(result.hasValue());
    return result.hasValue() ? result.value() : ModuleMatrix{};
}

// The 7 x 7 finder pattern: a dark ring, a light ring and a dark 3 x 3 centre.
bool isFinderAt(const ModuleMatrix& matrix, int top, int left) {
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 7; ++c) {
            const int ring = std::max(std::abs(r - 3), std::abs(c - 3));
            if (matrix[top + r][left + c] != (ring != 2)) return false;
        }
    }
    return true;
}

}  // namespace

TEST(QREngine, VersionOneSymbolHasALightBorderAndRowsBottomToTop) {
    const ModuleMatrix matrix = generated("A", CorrectionLevel::l);
    ASSERT_EQ(matrix.size(), 23u);
    for (int i = 0; i < 23; ++i) {
        ASSERT_EQ(matrix[i].size(), 23u);
        EXPECT_FALSE(matrix[0][i] || matrix[22][i] || matrix[i][0] || matrix[i][22]) << i;
    }
    EXPECT_TRUE(isFinderAt(matrix, 1, 1));
    EXPECT_TRUE(isFinderAt(matrix, 15, 1));
    EXPECT_TRUE(isFinderAt(matrix, 15, 15));
    EXPECT_FALSE(isFinderAt(matrix, 1, 15));

    const ModuleMatrix standard(matrix.rbegin(), matrix.rend());
    EXPECT_TRUE(isFinderAt(standard, 1, 15));
    EXPECT_FALSE(isFinderAt(standard, 15, 15));
}

TEST(QREngine, HigherLevelsNeverGiveSmallerSymbols) {
    const QString payload = QStringLiteral("https://example.com/a/rather/long/path?with=query");
    std::size_t previous = 0;
    for (CorrectionLevel level : allCases<CorrectionLevel>()) {
        const std::size_t side = generated(payload, level).size();
        EXPECT_GE(side, previous) << rawValue(level).toStdString();
        previous = side;
    }
    EXPECT_GT(previous, generated(payload, CorrectionLevel::l).size());
}

// The capacity the preview quotes when content is too long is exactly where generation stops.
TEST(QREngine, RejectsEmptyUnencodableAndOversizedPayloadsBeyondTheCapacity) {
    EXPECT_EQ(QREngine::makeMatrix({}, CorrectionLevel::m).error(), QREngineError::invalidPayload);
    EXPECT_EQ(QREngine::makeMatrix(QString(QChar(0xD800)), CorrectionLevel::m).error(),
              QREngineError::invalidPayload);
    for (const CorrectionLevel level : allCases<CorrectionLevel>()) {
        SCOPED_TRACE(rawValue(level).toStdString());
        const int capacity = QREngine::capacityBytes(level);
        EXPECT_EQ(generated(QString(capacity, u'x'), level).size(), 179u);
        EXPECT_EQ(QREngine::makeMatrix(QString(capacity + 1, u'x'), level).error(),
                  QREngineError::generationFailed);
    }
}

TEST(QREngine, SymbolsDecodeToTheirUtf8Payload) {
    for (const QString& payload :
         {QStringLiteral("å"), QStringLiteral("WIFI:T:WPA;S:Café;P:p;H:false;;"),
          QStringLiteral("👋 hello\nworld")}) {
        const auto decoded = vostrel::testing::decodeQr(
            vostrel::testing::standardImageOfMatrix(generated(payload, CorrectionLevel::m)));
        EXPECT_EQ(decoded, payload);
    }
}

TEST(QREngine, GeneratesOnItsOwnSerialExecutor) {
    QREngine engine;
    QFuture<MatrixResult> first = engine.generateMatrix("first", CorrectionLevel::m);
    QFuture<MatrixResult> second = engine.generateMatrix({}, CorrectionLevel::m);
    first.waitForFinished();
    second.waitForFinished();
    ASSERT_TRUE(first.result().hasValue());
    EXPECT_EQ(first.result().value(), generated("first", CorrectionLevel::m));
    EXPECT_EQ(second.result().error(), QREngineError::invalidPayload);
}
