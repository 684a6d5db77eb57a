// SPDX-License-Identifier: MIT
#pragma once
// The main window's project commands, from its context menu: save every
// window's inputs to a project file, fill them from one, and export the
// calculation book of what has been computed in this run.
//
//   windows (pages in page order, each followed by its tool windows)
//   -> project file (inputs) | book (last records) -> file, written whole

#include <QString>
#include <vector>

class CMainDlg;
class CCalcPage;

class ProjectCommands {
public:
    explicit ProjectCommands(CMainDlg& main) : main_(main) {}

    void SaveInputs();
    void OpenInputs();
    void ExportBook();

private:
    struct Window {
        CCalcPage* window;
        CCalcPage* page;  // the page it is, or the page that opens it
    };
    // Every page, each followed by the tool windows it opens.
    std::vector<Window> Windows() const;
    void ShowError(const QString& text);

    CMainDlg& main_;
    QString name_;  // the project's name: from the file opened or saved last
};
