#include <gtest/gtest.h>

#include <QApplication>

// Widget tests need a QApplication (styles, palettes, focus, the widget event loop); they run on
// the offscreen platform unless QT_QPA_PLATFORM says otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
