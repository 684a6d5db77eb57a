// SPDX-License-Identifier: MIT
#include "app/calc_app.h"

#include <QApplication>

#include "app/main_dlg.h"
#include "framework/app_setup.h"

namespace {
CDialog* g_mainWindow = nullptr;

// The application object: starts the main window and runs it modally; the
// program ends when that run returns.
class CCalcApp {
public:
    int InitInstance() {
        CMainDlg dlg;
        g_mainWindow = &dlg;
        const int result = dlg.DoModal();
        g_mainWindow = nullptr;
        return result;
    }
};
}  // namespace

CDialog* RunningMainWindow() {
    return g_mainWindow;
}

int RunVek(int argc, char** argv, const std::function<void(QApplication&)>& beforeMainWindow) {
    QApplication app(argc, argv);
    SetUpApplication(app);
    if (beforeMainWindow)
        beforeMainWindow(app);
    CCalcApp theApp;
    theApp.InitInstance();
    return 0;
}
