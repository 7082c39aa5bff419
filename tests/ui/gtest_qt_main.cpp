// GoogleTest with a QApplication, for tests that paint offscreen.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Also when CTest lists the tests, there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
