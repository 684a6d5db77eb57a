// SPDX-License-Identifier: MIT
// One QApplication for every window test, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "framework/app_setup.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
