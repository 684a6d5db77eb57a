// SPDX-License-Identifier: MIT
// One QApplication for every window test, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "framework/app_setup.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpApplication(app);
    // The unit converter opens data.ini in the working directory and holds
    // it locked: each test process gets a directory of its own, so tests
    // running side by side never find it busy.
    QTemporaryDir workDir;
    if (workDir.isValid())
        QDir::setCurrent(workDir.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
