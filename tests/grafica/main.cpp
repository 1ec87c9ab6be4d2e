// One QGuiApplication, no widgets, for the drawing, the reports and the
// files, on the offscreen platform unless another is set.

#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
