// Main of every GUI test binary: the offscreen platform unless another is asked for, one
// QApplication for all tests.
#include <gmock/gmock.h>

#include <QApplication>

#include "toolkit/Application.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Application::Init();
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
