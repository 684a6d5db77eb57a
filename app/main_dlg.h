// SPDX-License-Identifier: MIT
#pragma once
// The main window: a navigation column of colour buttons (three with pop-up
// menus), a page frame where one calculator page shows at a time, a clock
// line, a contact link, an always-on-top switch and a closing animation.

#include <QRect>
#include <QTimer>
#include <array>
#include <memory>

#include "app/project_commands.h"
#include "controls/color_button.h"
#include "controls/link_label.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "pages/calc_page.h"
#include "pages/page_registry.h"
#include "pages/record_window.h"

class CMainDlg : public CDialog, public CWindowMenuOwner {
public:
    CMainDlg();
    ~CMainDlg() override;

    static constexpr int kPageCount = ::kPageCount;
    // Hides every page, then shows the page of `index` (1 to 9); any other
    // index, or a page that is not part of this build, shows page 1.
    void ShowPage(int index);
    // Moves and sizes every page onto the page frame.
    void PlacePages();
    // The page of `index` (1 to 9), nullptr when this build has none.
    CDialog* Page(int index) const;
    CCalcPage* VisiblePage() const;
    bool IsClosing() const { return m_closeTimer.isActive(); }
    // The context menu opened over a tool window: its copy entry takes the
    // tool window's record.
    void OpenWindowMenu(const QPoint& globalPos, const CRecordWindow& window) override;
    // The navigation button that leads to the page of `index`: the page's
    // own button, or the button whose menu holds the page's command.
    QWidget* NavigationButton(int index) const;

    // Navigation column.
    CColorButton m_btnSewage;      // 1000
    CColorButton m_btnAirTools;    // 1001, menu 150
    CColorButton m_btnNoiseTools;  // 1003, menu 149
    CColorButton m_btnUnits;       // 1005
    CColorButton m_btnSideTools;   // 1007, menu 148
    CColorButton m_btnAbout;       // 1006
    CColorButton m_chkTopMost;     // 1065, toggle
    CLinkLabel m_lblClock;         // 1061
    CLinkLabel m_lblContact;       // 1062
    CWndRef m_frame;               // 1004, hidden: where pages are placed

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void BuildMessageMap() override;
    CtlColor OnCtlColor(QWidget* control, CtlColorKind kind) override;
    void OnClose() override;

    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnSysCommand(int command);
    void OnNoiseTools() {}
    void OnTopMost();
    void OnAbout();
    // The context menu at `globalPos`; its copy entry takes the record of
    // `source` (none: disabled).
    void ShowWindowMenu(const QPoint& globalPos, const CRecordWindow* source);
    void OnCopyRecord(const CRecordWindow& source);
    void OnClipboardViewer();
    void OnFileSplitter();
    void OnHelp() {}

    void OnClockTick();
    void OnShrinkTick();
    void ShowClock();
    void ConfigureButtons();
    // Where the command that shows a page sits: its button's id and text.
    std::pair<int, QString> NavigationOf(int command) const;
    void HandFocusToNavigation(const CDialog* page);

    // The pages of the page registry, by index - 1; nullptr: not in this build.
    std::array<std::unique_ptr<CCalcPage>, kPageCount> m_pages;
    int m_nShrinkX = 0;  // px per tick of the closing animation
    int m_nShrinkY = 0;
    QRect m_shrinkRect;                // the rectangle the animation set last
    QTimer m_clockTimer;               // timer 3
    QTimer m_closeTimer;               // timer 2
    ProjectCommands m_project{*this};  // save, open, export (context menu)
};
