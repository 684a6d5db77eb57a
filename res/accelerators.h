// SPDX-License-Identifier: MIT
#pragma once
// Accelerator tables: keys that press a window's buttons. An entry matches
// either a typed character or a virtual key, numbered as the classic desktop
// numbers its keys (0x31-0x39 the main keyboard's 1-9, 0x60-0x69 the keypad's
// 0-9, 0x6B keypad +, 0x6D keypad -, 0x6E keypad decimal point, 0x0D Enter,
// 0x08 Backspace, 0x0C Clear). No entry here takes Ctrl or Alt; a character
// entry matches whatever keys type it (Shift+= types "+").

#include <QtCore/qnamespace.h>

#include <optional>
#include <span>

class QKeyEvent;
class QString;

enum class AcceleratorKeyKind { Character, VirtualKey };

struct AcceleratorEntry {
    AcceleratorKeyKind kind;
    int key;      // a character code or a virtual key
    int command;  // the id of the button the key presses
};

// The decibel calculator's keypad keys.
inline constexpr int kDecibelCalculatorAccelerators = 146;

// The entries of a table in their order; empty for an unknown id.
std::span<const AcceleratorEntry> AcceleratorTable(int tableId);

// The command of the first entry that matches, if any.
std::optional<int> LookUpAccelerator(int tableId, AcceleratorKeyKind kind, int key);

// The virtual key of a Qt key press, or nothing when Shift, Ctrl, Alt or Meta
// is held or the key has no virtual key that a table uses.
std::optional<int> VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

// The command for a key press: the virtual key is tried first, as when the key
// goes down, then the character it types (which may need Shift, but not Ctrl,
// Alt or Meta).
std::optional<int> AcceleratorCommand(int tableId, int qtKey, Qt::KeyboardModifiers modifiers,
                                      const QString& text);
std::optional<int> AcceleratorCommand(int tableId, const QKeyEvent& event);
