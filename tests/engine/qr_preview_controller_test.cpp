#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "engine/qr_preview_controller.h"

using namespace vostrel;

namespace {

// Generous: the machine running the tests may be busy with other builds.
constexpr int patience = 20000;

const QString emptyMessage = QStringLiteral("Enter content to generate QR code");
const QString failureMessage = QStringLiteral("Could not generate QR code");

QRContent text(const QString& value) {
    return QRContent::text(value);
}

ModuleMatrix symbolOf(const QRContent& content, CorrectionLevel level) {
    return QREngine::makeMatrix(content.payload(), level).value();
}

bool waitUntil(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, patience);
}

bool showsSymbol(const QRPreviewController& controller) {
    return controller.matrix().has_value() && !controller.errorMessage().has_value();
}

bool showsMessage(const QRPreviewController& controller, const QString& message) {
    return !controller.matrix().has_value() && controller.errorMessage() == message;
}

}  // namespace

TEST(QRPreviewController, RequestsInQuickSuccessionPublishOnlyTheLast) {
    QRPreviewController controller;
    QSignalSpy published(&controller, &QRPreviewController::matrixChanged);
    QElapsedTimer sinceLastRequest;
    qint64 longestGap = 0;
    for (int i = 0; i < 10; ++i) {
        if (i > 0) {
            QTest::qWait(10);
            longestGap = std::max(longestGap, sinceLastRequest.elapsed());
        }
        controller.requestRender(text(QStringLiteral("request %1").arg(i)), CorrectionLevel::m);
        sinceLastRequest.start();
    }
    EXPECT_FALSE(controller.matrix()) << "nothing is published before the pause";

    const QRContent last = text("request 9");
    ASSERT_TRUE(waitUntil([&] { return controller.renderedContent() == last; }));
    EXPECT_EQ(controller.matrix(), symbolOf(last, CorrectionLevel::m));
    EXPECT_EQ(controller.renderedCorrectionLevel(), CorrectionLevel::m);
    if (longestGap >= QRPreviewController::debounceInterval.count())
        GTEST_SKIP() << "requests came " << longestGap << " ms apart; too slow to judge";
    EXPECT_EQ(published.count(), 1);
}

TEST(QRPreviewController, AResultArrivingAfterANewerRequestIsDropped) {
    // The newer request finds the older one either still waiting or already generating,
    // depending on timing, so try delays on both sides of the pause.
    const QRContent large = text(QString(2900, u'x'));
    for (int delay = 40; delay <= 90; delay += 5) {
        QRPreviewController controller;
        bool newerRequested = false;
        bool staleSymbolShown = false;
        QObject::connect(&controller, &QRPreviewController::matrixChanged, [&] {
            if (newerRequested && controller.matrix()) staleSymbolShown = true;
        });
        controller.requestRender(large, CorrectionLevel::l);
        QTest::qWait(delay);
        controller.requestRender(text(""), CorrectionLevel::l);
        newerRequested = true;
        ASSERT_TRUE(waitUntil([&] { return showsMessage(controller, emptyMessage); }));
        EXPECT_FALSE(staleSymbolShown) << "after " << delay << " ms";
    }
}

// The current matrix belongs only to the content and level it was made from; a message replaces
// the symbol, and the same content requested again after the message shows its symbol again.
TEST(QRPreviewController, ShowsTheSymbolOrAMessageAndCurrentMatrixOnlyForWhatItWasMadeFrom) {
    QRPreviewController controller;
    const QRContent hello = text("hello");
    EXPECT_FALSE(controller.matrix() || controller.errorMessage());
    EXPECT_FALSE(controller.currentMatrix(hello, CorrectionLevel::m));
    controller.requestRender(hello, CorrectionLevel::m);
    ASSERT_TRUE(waitUntil([&] { return showsSymbol(controller); }));
    EXPECT_EQ(controller.currentMatrix(hello, CorrectionLevel::m), controller.matrix());
    EXPECT_FALSE(controller.currentMatrix(hello, CorrectionLevel::q));
    EXPECT_FALSE(controller.currentMatrix(text("other"), CorrectionLevel::m));

    controller.requestRender(text(""), CorrectionLevel::m);
    ASSERT_TRUE(waitUntil([&] { return showsMessage(controller, emptyMessage); }));
    EXPECT_EQ(controller.renderedContent(), hello);
    EXPECT_FALSE(controller.currentMatrix(hello, CorrectionLevel::m));
    controller.requestRender(hello, CorrectionLevel::m);
    ASSERT_TRUE(waitUntil([&] { return showsSymbol(controller); }));
    EXPECT_EQ(controller.matrix(), symbolOf(hello, CorrectionLevel::m));

    const QRContent longText = text(QString(2000, u'x'));
    controller.requestRender(longText, CorrectionLevel::h);
    ASSERT_TRUE(waitUntil([&] { return showsMessage(controller, failureMessage); }));
    EXPECT_EQ(controller.renderedContent(), hello) << "a failure renders nothing";
    controller.requestRender(longText, CorrectionLevel::l);
    ASSERT_TRUE(waitUntil([&] { return showsSymbol(controller); }));
    EXPECT_EQ(controller.renderedCorrectionLevel(), CorrectionLevel::l);
}

TEST(QRPreviewController, EveryRenderOfACalendarEventPublishesItsOwnSymbol) {
    QRPreviewController controller;
    QSignalSpy published(&controller, &QRPreviewController::matrixChanged);
    const QRContent event = emptyContent(ContentType::calendar);
    controller.requestRender(event, CorrectionLevel::m);
    ASSERT_TRUE(waitUntil([&] { return published.count() == 1; }));
    const ModuleMatrix first = *controller.matrix();

    controller.requestRender(event, CorrectionLevel::m);
    ASSERT_TRUE(waitUntil([&] { return published.count() == 2; }));
    EXPECT_NE(*controller.matrix(), first) << "each payload has a fresh UID and time stamp";
}

TEST(QRPreviewController, CanBeDestroyedWithARequestWaitingOrGenerating) {
    for (int wait : {0, int(QRPreviewController::debounceInterval.count()) + 5}) {
        auto controller = std::make_unique<QRPreviewController>();
        controller->requestRender(text(QString(2900, u'x')), CorrectionLevel::l);
        QTest::qWait(wait);
        controller.reset();
        QTest::qWait(100);
    }
}
