#include <gtest/gtest.h>

#include <QGuiApplication>

// QTextDocument needs a QGuiApplication for its fonts and images, but no display: the offscreen
// platform lets these tests run beside the others.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
