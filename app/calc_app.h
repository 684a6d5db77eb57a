// SPDX-License-Identifier: MIT
#pragma once
// vek: the application object starts one window and runs it until it closes.
//
//   template (res/) -> window (framework/) -> exchange -> formula (calc/) -> display (text/)

// Runs the program; returns the process exit status.
int RunVek(int argc, char** argv);
