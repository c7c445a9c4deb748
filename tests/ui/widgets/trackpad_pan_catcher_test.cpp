#include <gtest/gtest.h>

#include <QScrollArea>
#include <QTest>
#include <QWheelEvent>

#include "ui/widgets/trackpad_pan_catcher.h"

using namespace vostrel;
using namespace std::chrono_literals;

namespace {

struct Report {
    PanState state;
    QSizeF translation;
    PanDevice device;
    bool operator==(const Report&) const = default;
};

void PrintTo(const Report& report, std::ostream* out) {
    *out << "{" << int(report.state) << ", (" << report.translation.width() << ", "
         << report.translation.height() << "), " << int(report.device) << "}";
}

// A catcher on a widget inside a scroll area, recording what it reports.
struct Catching {
    ManualTaskClock clock;
    QScrollArea area;
    QWidget* content = new QWidget;
    QWidget* target = new QWidget(content);
    TrackpadPanCatcher catcher{target, clock};
    std::vector<Report> reports;

    Catching() {
        content->resize(300, 3000);
        target->setGeometry(0, 0, 200, 200);
        target->setFocusPolicy(Qt::StrongFocus);
        area.setWidget(content);
        area.resize(300, 300);
        area.show();
        QApplication::setActiveWindow(&area);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&area));
        target->setFocus();
        catcher.setOnChange([this](PanState state, QSizeF translation, PanDevice device) {
            reports.push_back({state, translation, device});
        });
    }

    bool wheel(QPoint pixels, Qt::ScrollPhase phase, QPoint angle = {}) {
        QWheelEvent event(QPointF(50, 50), target->mapToGlobal(QPointF(50, 50)), pixels, angle,
                          Qt::NoButton, Qt::NoModifier, phase, false);
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    }
};

}  // namespace

// Began, changed with the summed travel, ended; momentum goes on to the scroll area (the event
// stays unaccepted, so Qt hands it to the parents) unless the catcher captures it.
TEST(TrackpadPanCatcher, PhasedTrackpadPanSumsTheTravel) {
    Catching c;
    c.wheel({}, Qt::ScrollBegin);
    c.wheel({10, 0}, Qt::ScrollUpdate);
    c.wheel({5, -3}, Qt::ScrollUpdate);
    EXPECT_TRUE(c.wheel({}, Qt::ScrollEnd));
    const auto pad = PanDevice::trackpad;
    EXPECT_EQ(c.reports, (std::vector<Report>{{PanState::began, {0, 0}, pad},
                                              {PanState::changed, {10, 0}, pad},
                                              {PanState::changed, {15, -3}, pad},
                                              {PanState::ended, {15, -3}, pad}}));

    // Fingers lifting into momentum end the pan; the momentum scrolls the area around it.
    c.reports.clear();
    c.wheel({}, Qt::ScrollBegin);
    c.wheel({4, 4}, Qt::ScrollUpdate);
    EXPECT_FALSE(c.wheel({0, -30}, Qt::ScrollMomentum));
    ASSERT_EQ(c.reports.size(), 3u);
    EXPECT_EQ(c.reports.back(), (Report{PanState::ended, {4, 4}, pad}));

    // Capturing, the momentum of its own pan stays with the catcher until the momentum ends.
    c.catcher.setCapturesMomentum(true);
    c.wheel({}, Qt::ScrollBegin);
    EXPECT_TRUE(c.wheel({0, -30}, Qt::ScrollMomentum));
    EXPECT_TRUE(c.wheel({0, -30}, Qt::ScrollMomentum));
    c.wheel({}, Qt::ScrollEnd);
    EXPECT_FALSE(c.wheel({0, -30}, Qt::ScrollMomentum));
    // An update without a pan began is not the catcher's.
    const size_t before = c.reports.size();
    EXPECT_FALSE(c.wheel({3, 3}, Qt::ScrollUpdate));
    EXPECT_EQ(c.reports.size(), before);
}

TEST(TrackpadPanCatcher, PixelDeltasWithoutPhasesEndAfterAPause) {
    Catching c;
    c.wheel({6, 0}, Qt::NoScrollPhase);
    c.clock.advance(100ms);
    c.wheel({6, 2}, Qt::NoScrollPhase);
    c.clock.advance(149ms);
    EXPECT_TRUE(c.catcher.isPanning());
    c.clock.advance(1ms);
    EXPECT_FALSE(c.catcher.isPanning());
    EXPECT_EQ(c.reports.back(), (Report{PanState::ended, {12, 2}, PanDevice::trackpad}));
    EXPECT_EQ(c.reports.size(), 4u);
    EXPECT_EQ(c.clock.pendingCount(), 0);
}

// A wheel event the target leaves unaccepted is what Qt offers to the scroll area around it.
TEST(TrackpadPanCatcher, MouseWheelGoesToTheSurroundingsAndPansNothing) {
    Catching c;
    EXPECT_FALSE(c.wheel({}, Qt::NoScrollPhase, {0, -120}));
    EXPECT_TRUE(c.reports.empty());
}

TEST(TrackpadPanCatcher, ShiftDragPansAndAPlainDragIsLeftAlone) {
    Catching c;
    QTest::mousePress(c.target, Qt::LeftButton, Qt::ShiftModifier, {20, 20});
    // The button's release still comes while the focus is away (a window remade for its first
    // GL view loses it for a moment).
    c.target->clearFocus();
    QTest::mouseMove(c.target, {50, 30});
    QTest::mouseRelease(c.target, Qt::LeftButton, Qt::ShiftModifier, {60, 10});
    const auto pointer = PanDevice::pointer;
    EXPECT_EQ(c.reports, (std::vector<Report>{{PanState::began, {0, 0}, pointer},
                                              {PanState::changed, {30, 10}, pointer},
                                              {PanState::changed, {40, -10}, pointer},
                                              {PanState::ended, {40, -10}, pointer}}));
    c.reports.clear();
    QTest::mousePress(c.target, Qt::LeftButton, Qt::NoModifier, {20, 20});
    QTest::mouseMove(c.target, {50, 30});
    QTest::mouseRelease(c.target, Qt::LeftButton, Qt::NoModifier, {50, 30});
    EXPECT_TRUE(c.reports.empty());
}

// Each press (auto-repeats included) travels 16 px; letting go of the last arrow ends the pan,
// and losing the focus with an arrow held cancels it.
TEST(TrackpadPanCatcher, ArrowKeysStepUntilTheLastIsReleased) {
    Catching c;
    QTest::keyPress(c.target, Qt::Key_Right);
    QTest::keyPress(c.target, Qt::Key_Right);  // held: repeats
    QTest::keyPress(c.target, Qt::Key_Up);
    QTest::keyRelease(c.target, Qt::Key_Right);
    EXPECT_TRUE(c.catcher.isPanning());
    QTest::keyRelease(c.target, Qt::Key_Up);
    const auto keys = PanDevice::keys;
    EXPECT_EQ(c.reports, (std::vector<Report>{{PanState::began, {0, 0}, keys},
                                              {PanState::changed, {16, 0}, keys},
                                              {PanState::changed, {32, 0}, keys},
                                              {PanState::changed, {32, -16}, keys},
                                              {PanState::ended, {32, -16}, keys}}));
    c.reports.clear();
    QTest::keyPress(c.target, Qt::Key_Left);
    c.target->clearFocus();
    ASSERT_EQ(c.reports.size(), 3u);
    EXPECT_EQ(c.reports.back(), (Report{PanState::cancelled, {-16, 0}, keys}));
    // With a modifier an arrow is someone else's shortcut.
    QTest::keyClick(c.target, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(c.reports.size(), 3u);
}
