// SPDX-License-Identifier: MIT
#include "app/calc_app.h"

#include <QApplication>
#include <QVBoxLayout>

#include "framework/app_setup.h"
#include "pages/sewage_page.h"

namespace {
CDialog* g_mainWindow = nullptr;
}

CDialog* RunningMainWindow() { return g_mainWindow; }

int RunVek(int argc, char** argv, const std::function<void(QApplication&)>& beforeMainWindow) {
    QApplication app(argc, argv);
    SetUpApplication(app);
    if (beforeMainWindow) beforeMainWindow(app);

    // A plain host window for the first page.
    QWidget host;
    host.setWindowTitle(QStringLiteral("环评数据计算"));
    CSewagePage page;
    page.Create(&host);
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(&page);
    page.show();
    host.show();
    g_mainWindow = &page;
    const int status = app.exec();
    g_mainWindow = nullptr;
    return status;
}
