// SPDX-License-Identifier: MIT
#pragma once
// Every message box of the program passes through ShowMessageBox, so tests
// and the scripted driver can record a box and answer it instead of showing
// it. Boxes have one OK button; an icon only when the type asks for one.

#include <QString>
#include <functional>

class QWidget;

namespace BoxType {
constexpr unsigned Ok = 0x00;
constexpr unsigned IconError = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconExclamation = 0x30;
constexpr unsigned IconInformation = 0x40;
constexpr unsigned IconMask = 0xF0;
}  // namespace BoxType

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

struct BoxRecord {
    QString text;
    QString caption;  // already filled with the application's name when empty
    unsigned type = BoxType::Ok;
};

// Shows a box owned by `owner`; an empty caption becomes the application's
// name ("vek"). Returns the button pressed (always kIdOk).
int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption = {},
                   unsigned type = BoxType::Ok);

// Replaces what ShowMessageBox does (nullptr restores the real box).
using BoxHandler = std::function<int(const BoxRecord&)>;
void SetMessageBoxHandler(BoxHandler handler);

// A box blocks the top-level window of its owner only (a box without an
// owner blocks every window): the main window's box leaves the open tool
// windows usable, and a tool window's box leaves the main window usable.
//
// True while a box shown through ShowMessageBox blocks the top-level window
// of `window`; that window drops control notifications meanwhile, so a box
// raised from a focus-lost handler cannot start a chain of boxes.
bool IsMessageBoxOpenOver(const QWidget* window);
// How many boxes have been shown so far (recorded ones included).
int MessageBoxesShown();

// The caption of boxes without one of their own.
QString ApplicationName();
