// SPDX-License-Identifier: MIT
#pragma once
// Tool windows: small windows a page opens beside itself without blocking
// the main window (the decibel calculator, Lp1, the path differences).
//
// The page keeps the window object as a member for its whole life; only the
// window is built anew from its template at each opening, so its start-up
// (OnInitDialog) runs every time while members it does not reset keep their
// values. The window is owned by the main window: it has no taskbar entry of
// its own, stays above the main window (also when that is kept on top), and
// when it closes the main window is active again. Closing only hides it.

class CDialog;
class QWidget;

// What a page's button does: while `window` is open it comes to the front
// unchanged; otherwise it is built anew from its template, owned by the
// top-level window of `opener`, and shown.
void OpenToolWindow(CDialog& window, QWidget* opener);

// The window whose button last opened `window` (its page), nullptr before
// the first opening. The main window owns the tool window, so the page that
// holds it cannot be read from its parent.
QWidget* ToolWindowOpener(const CDialog& window);
