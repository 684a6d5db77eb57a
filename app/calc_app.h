// SPDX-License-Identifier: MIT
#pragma once
// vek: the application object starts the main window and runs it modally;
// when the run returns, the program ends.
//
//   template (res/) -> window (framework/) -> exchange (DDX) -> formula (calc/)
//        -> display (text/) -> the user copies the figures into a report

#include <functional>

class QApplication;
class CDialog;

// Runs the program; returns the process exit status. `beforeMainWindow`, when
// given, runs once the application object exists and before the main window
// is created (the scripted driver installs its services there and schedules
// its script).
int RunVek(int argc, char** argv, const std::function<void(QApplication&)>& beforeMainWindow = {});

// The running main window, nullptr before it is created and after it ended.
CDialog* RunningMainWindow();
