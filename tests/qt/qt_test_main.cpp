// The Qt tests run inside one application object that lives exactly as long
// as main(): Qt must be torn down before the program's statics are.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    // Offscreen unless told otherwise, also when the test list is read.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
