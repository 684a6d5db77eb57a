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
