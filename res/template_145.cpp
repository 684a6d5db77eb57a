// SPDX-License-Identifier: MIT
// The decibel calculator: a keypad under a one-line display.
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kKey = Flat | TabStop;
}  // namespace

const DialogTemplate& DecibelCalculatorTemplate() {
    // One row per control, in template order; "0" comes first, so it holds
    // the focus when the window opens. The digit ids are not in digit order:
    // 1050 is "1", 1051 "0", 1053 to 1060 "2" to "9".
    // clang-format off
    static const DialogTemplate t{
        145, "分贝计算器", 79, 92, "宋体", 11, WindowKind::ToolWindow,
        {
            {K::PushButton, 1051, "0", 4, 73, 13, 11, kKey},
            {K::PushButton, 1052, ".", 22, 73, 13, 11, kKey},
            {K::PushButton, 1062, "CE", 41, 73, 13, 11, kKey},
            {K::PushButton, 1061, "←", 60, 73, 13, 11, kKey},
            {K::PushButton, 1050, "1", 4, 57, 13, 11, kKey},
            {K::PushButton, 1053, "2", 22, 57, 13, 11, kKey},
            {K::PushButton, 1054, "3", 41, 57, 13, 11, kKey},
            {K::PushButton, 1065, "=", 60, 57, 13, 11, kKey},
            {K::PushButton, 1055, "4", 4, 40, 13, 11, kKey},
            {K::PushButton, 1056, "5", 22, 40, 13, 11, kKey},
            {K::PushButton, 1057, "6", 41, 40, 13, 11, kKey},
            {K::PushButton, 1064, "-", 60, 40, 13, 11, kKey},
            {K::PushButton, 1058, "7", 4, 24, 13, 11, kKey},
            {K::PushButton, 1059, "8", 22, 24, 13, 11, kKey},
            {K::PushButton, 1060, "9", 41, 24, 13, 11, kKey},
            {K::PushButton, 1063, "+", 60, 24, 13, 11, kKey},
            {K::GroupBox, -1, "", 3, 1, 73, 17, None},
            {K::Edit, 1066, "", 4, 6, 71, 11, Border | AutoHScroll | TabStop},
        }};
    // clang-format on
    return t;
}
