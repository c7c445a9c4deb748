#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTest>

#include "ui/widgets/focus_frame.h"

using namespace vostrel;

// Focus rings follow the keyboard: a click focuses a control without showing it, Tab shows it,
// and the next click hides it again.
TEST(FocusFrame, ShowsOnlyAFocusMovedByTheKeyboard) {
    makeFocusRingsFollowTheKeyboard(*QCoreApplication::instance());
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* first = new QPushButton(QStringLiteral("First"));
    auto* second = new QPushButton(QStringLiteral("Second"));
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(first, Qt::LeftButton);
    ASSERT_TRUE(first->hasFocus());
    EXPECT_FALSE(showsKeyboardFocus(first));

    QTest::keyClick(&window, Qt::Key_Tab);
    ASSERT_TRUE(second->hasFocus());
    EXPECT_TRUE(showsKeyboardFocus(second));
    EXPECT_FALSE(showsKeyboardFocus(first));

    // A click on the control that has the focus changes no focus but still hides the ring.
    QTest::mouseClick(second, Qt::LeftButton);
    ASSERT_TRUE(second->hasFocus());
    EXPECT_FALSE(showsKeyboardFocus(second));
}
