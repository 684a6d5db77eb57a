// SPDX-License-Identifier: MIT
#pragma once
// The calculator pages of the main window, one row each: the index that
// shows it (1 to 9), its dialog template, the command that shows it (a
// navigation button or a menu entry) and how to create it.

#include <memory>
#include <span>

#include "pages/calc_page.h"

struct PageRow {
    int index;
    int templateId;
    int command;
    // nullptr: the page is not part of this build (its command shows page 1).
    std::unique_ptr<CCalcPage> (*create)();
};

// In the order the main window creates the pages.
std::span<const PageRow> PageRegistry();
// How many rows the registry has (checked where the rows are written), for
// the main window's array of pages.
inline constexpr int kPageCount = 9;

// A navigation button of the main window that opens a pop-up menu, and the
// menu resource it opens; the menus hold the page commands that are not
// buttons of their own, and the side programs.
struct NavigationMenu {
    int button;
    int menu;
};

// In the order of the buttons.
std::span<const NavigationMenu> NavigationMenus();
