// SPDX-License-Identifier: MIT
// Page 7, the noise evaluation quantities Leq and Ldn.
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
}  // namespace

const DialogTemplate& NoiseIndexPageTemplate() {
    // One row per control, in template order. The Ldn inputs share the
    // place of the Leq lists and start hidden; the radio buttons choose
    // which set shows.
    // clang-format off
    static const DialogTemplate t{
        150, "", 290, 172, "宋体", 9, WindowKind::ChildPage,
        {
            {K::GroupBox, -1, "评价量", 2, 1, 285, 27, None},
            {K::Radio, 1094, "等效连续A声级Leq", 12, 12, 100, 10, Group | TabStop},
            {K::Radio, 1095, "昼夜等效声级Ldn", 150, 12, 100, 10, None},

            {K::GroupBox, -1, "输入数据(多个数据以,分隔)", 2, 31, 285, 62, Group},
            {K::Static, 1111, "瞬时A声级[dBA]", 8, 46, 70, 8, None},
            {K::Edit, 1098, "", 80, 44, 200, 12, kInput},
            {K::CheckBox, 1099, "等间隔取样", 8, 60, 64, 10, TabStop},
            {K::Static, 1102, "间隔时间[任意]", 8, 76, 70, 8, None},
            {K::Edit, 1067, "", 80, 74, 200, 12, kInput},
            {K::Static, 1103, "白天等效声级Ld[dBA]", 8, 48, 84, 8, Hidden},
            {K::Edit, 1105, "", 94, 46, 45, 12, kInput | Hidden},
            {K::Static, 1104, "夜间等效声级Ln[dBA]", 148, 48, 84, 8, Hidden},
            {K::Edit, 1106, "", 234, 46, 45, 12, kInput | Hidden},
            {K::Static, 1107, "白天持续时间Td[hr]", 8, 70, 84, 8, Hidden},
            {K::Edit, 1110, "", 94, 68, 45, 12, kInput | Hidden},
            {K::Static, 1108, "夜间持续时间Tn[hr]", 148, 70, 84, 8, Hidden},
            {K::Edit, 1109, "", 234, 68, 45, 12, kInput | Hidden},

            {K::PushButton, 1100, "结果", 8, 98, 50, 15, Flat | TabStop},
            {K::Static, 1101, "", 64, 102, 220, 8, None},
            {K::Static, 1112, "", 8, 120, 268, 40, None},
        }};
    // clang-format on
    return t;
}
