#include <gtest/gtest.h>

#include <QGuiApplication>

// Every test executable runs inside a QGuiApplication (offscreen platform, set by CTest), so
// fonts, images, painters and event loops behave as in the application.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
