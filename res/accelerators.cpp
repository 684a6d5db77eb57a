// SPDX-License-Identifier: MIT
#include "res/accelerators.h"

#include <QKeyEvent>
#include <QString>

namespace {

using enum AcceleratorKeyKind;

// The decibel calculator's buttons: "1" is 1050, "0" is 1051, "2" to "9" are
// 1053 to 1060 (the ids are not in digit order). The operator characters
// typed on the main keyboard act as the keypad's, for keyboards without a
// keypad: dropping them would turn 85+85= into 8585.
constexpr AcceleratorEntry kDecibelCalculatorTable[] = {
    {Character, '0', 1051},   {VirtualKey, 0x60, 1051},  // 0
    {VirtualKey, 0x31, 1050}, {VirtualKey, 0x61, 1050},  // 1
    {VirtualKey, 0x32, 1053}, {VirtualKey, 0x62, 1053},  // 2
    {VirtualKey, 0x33, 1054}, {VirtualKey, 0x63, 1054},  // 3
    {VirtualKey, 0x34, 1055}, {VirtualKey, 0x64, 1055},  // 4
    {VirtualKey, 0x35, 1056}, {VirtualKey, 0x65, 1056},  // 5
    {VirtualKey, 0x36, 1057}, {VirtualKey, 0x66, 1057},  // 6
    {VirtualKey, 0x37, 1058}, {VirtualKey, 0x67, 1058},  // 7
    {VirtualKey, 0x38, 1059}, {VirtualKey, 0x68, 1059},  // 8
    {VirtualKey, 0x39, 1060}, {VirtualKey, 0x69, 1060},  // 9
    {VirtualKey, 0x6B, 1063},                            // keypad +: energy sum
    {VirtualKey, 0x6D, 1064},                            // keypad -: energy difference
    {VirtualKey, 0x6E, 1052},                            // keypad decimal point
    {VirtualKey, 0x0D, 1065},                            // Enter: equals
    {VirtualKey, 0x08, 1061},                            // Backspace
    {VirtualKey, 0x0C, 1062},                            // Clear (keypad 5, Num Lock off): CE
    {Character, '+', 1063},   {Character, '-', 1064},    // main keyboard's + and -
    {Character, '=', 1065},   {Character, '.', 1052},    // main keyboard's = and .
};

constexpr Qt::KeyboardModifiers kBlockingModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

std::span<const AcceleratorEntry> AcceleratorTable(int tableId) {
    if (tableId == kDecibelCalculatorAccelerators)
        return kDecibelCalculatorTable;
    return {};
}

std::optional<int> LookUpAccelerator(int tableId, AcceleratorKeyKind kind, int key) {
    for (const AcceleratorEntry& entry : AcceleratorTable(tableId)) {
        if (entry.kind == kind && entry.key == key)
            return entry.command;
    }
    return std::nullopt;
}

std::optional<int> VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & kBlockingModifiers)
        return std::nullopt;
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return (keypad ? 0x60 : 0x30) + (qtKey - Qt::Key_0);
    }
    switch (qtKey) {
        case Qt::Key_Plus:
            return keypad ? std::optional<int>(0x6B) : std::nullopt;
        case Qt::Key_Minus:
            return keypad ? std::optional<int>(0x6D) : std::nullopt;
        case Qt::Key_Period:
        case Qt::Key_Comma:  // the keypad's decimal key types a comma in some locales
            return keypad ? std::optional<int>(0x6E) : std::nullopt;
        case Qt::Key_Return:
        case Qt::Key_Enter:  // the keypad's Enter is the same virtual key
            return 0x0D;
        case Qt::Key_Backspace:
            return 0x08;
        case Qt::Key_Clear:
            return 0x0C;
        default:
            return std::nullopt;
    }
}

std::optional<int> AcceleratorCommand(int tableId, int qtKey, Qt::KeyboardModifiers modifiers,
                                      const QString& text) {
    if (const std::optional<int> vk = VirtualKeyOf(qtKey, modifiers)) {
        if (const std::optional<int> command =
                LookUpAccelerator(tableId, AcceleratorKeyKind::VirtualKey, *vk)) {
            return command;
        }
    }
    const Qt::KeyboardModifiers noCharacter =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((modifiers & noCharacter) || text.size() != 1)
        return std::nullopt;
    return LookUpAccelerator(tableId, AcceleratorKeyKind::Character, text.at(0).unicode());
}

std::optional<int> AcceleratorCommand(int tableId, const QKeyEvent& event) {
    return AcceleratorCommand(tableId, event.key(), event.modifiers(), event.text());
}
