// SPDX-License-Identifier: MIT
#pragma once
// A pop-up menu built from a menu resource that shows, beside each entry, the
// image its command has in a toolbar strip. Opening it returns the chosen
// command instead of sending it, so the caller decides where it goes.
//
// Tests and the scripted driver cannot answer a modal menu: they say in
// advance what the next pop-up menu does (QueuePopupMenuChoice), or install a
// hook that answers every pop-up (SetPopupMenuHook).

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QMenu;

class IconMenu {
public:
    IconMenu();
    ~IconMenu();
    IconMenu(const IconMenu&) = delete;
    IconMenu& operator=(const IconMenu&) = delete;

    // Builds the pop-up of menu resource menuId; false (and no menu) when
    // there is no such resource. A menu already held is destroyed first.
    bool LoadMenu(int menuId);
    // Builds a pop-up from entries (command id, text) made at run time, such
    // as the window's own context menu.
    void LoadEntries(const QString& title, const std::vector<std::pair<int, QString>>& entries);
    // Takes the entries' images from toolbar resource toolbarId: images of
    // imageSize pixels, `transparent` showing what lies beneath. False when
    // the toolbar or its strip cannot be loaded.
    bool LoadToolbar(int toolbarId, QSize imageSize, QColor transparent);
    void DestroyMenu();

    bool IsLoaded() const { return popup_ != nullptr; }
    int MenuId() const { return menuId_; }
    // The pop-up itself (nullptr when none is loaded), for drawing and tests.
    QMenu* Popup() const { return popup_.get(); }

    // Shows the pop-up with its top-left corner at topLeft (screen pixels)
    // and waits until it closes; returns the chosen command, 0 when the menu
    // was dismissed or none is loaded.
    int TrackPopup(const QPoint& topLeft);

private:
    std::unique_ptr<QMenu> popup_;
    int menuId_ = 0;
};

// Answers a pop-up menu instead of opening it: receives the menu and the
// screen point of its top-left corner, returns the chosen command or 0.
using PopupMenuHook = std::function<int(const IconMenu& menu, const QPoint& topLeft)>;
// An empty hook lets menus open for real.
void SetPopupMenuHook(PopupMenuHook hook);

// The next pop-up menu that opens chooses commandId (0: it is dismissed),
// before any hook is asked. Choices queue up, one per pop-up. A command the
// menu does not hold counts as a dismissal.
void QueuePopupMenuChoice(int commandId);
void ClearPopupMenuChoices();
int PendingPopupMenuChoices();
