// SPDX-License-Identifier: MIT
#pragma once
// Windows whose last computation can be copied as a record for a report,
// and the window whose context menu offers that copy ("复制计算过程").
//
// A right click on a page's own background goes on to the main window, whose
// menu copies the visible page's record. A tool window is a window of its
// own: it asks the window that owns it to open the same menu over it, and
// the copy then takes the tool window's record.

#include <QPoint>
#include <optional>

#include "calc/record.h"

class QContextMenuEvent;
class QWidget;

class CRecordWindow {
public:
    virtual ~CRecordWindow() = default;
    // The record of the window's last computation; none before the first.
    virtual const std::optional<CalcRecord>& LastRecord() const = 0;
};

class CWindowMenuOwner {
public:
    virtual ~CWindowMenuOwner() = default;
    // Opens the context menu at `globalPos` over `window`, whose record its
    // copy entry takes.
    virtual void OpenWindowMenu(const QPoint& globalPos, const CRecordWindow& window) = 0;
};

// A right click on the background of the tool window `window`: the menu of
// the window that owns it opens; without such an owner the click is let go.
void OpenOwnerMenu(QWidget* window, const CRecordWindow& record, QContextMenuEvent* event);
