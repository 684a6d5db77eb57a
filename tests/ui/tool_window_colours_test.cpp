// SPDX-License-Identifier: MIT
// The noise tool windows on an offscreen grab: their own blue-green
// background, white input fields, and the decibel calculator's red display
// that lets the window colour through.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "framework/tool_window.h"
#include "pages/decibel_calc_dlg.h"
#include "pages/path_difference_dlg.h"
#include "tests/ui/ui_test_support.h"

namespace {

const QColor kToolColour(84, 188, 214);

QColor Inside(QWidget* control, int fromRight) {
    const QImage image = control->grab().toImage();
    return image.pixelColor(image.width() - fromRight, image.height() / 2);
}

TEST(ToolWindowColours, WindowFieldsAndDisplay) {
    QWidget owner;
    ShowActive(&owner);
    CPathDifferenceDlg path;
    CDecibelCalcDlg decibel;
    for (CDialog* window : {static_cast<CDialog*>(&path), static_cast<CDialog*>(&decibel)}) {
        OpenToolWindow(*window, &owner);
        QApplication::processEvents();
        const QImage image = window->grab().toImage();
        EXPECT_EQ(image.pixelColor(3, image.height() - 3), kToolColour)
            << window->windowTitle().toStdString();
    }
    EXPECT_EQ(Inside(path.GetDlgItem(1083), 4), QColor(Qt::white));
    QLineEdit* display = EditOf(&decibel, 1066);
    EXPECT_EQ(display->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(Inside(display, 4), kToolColour);
}

}  // namespace
