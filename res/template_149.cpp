// SPDX-License-Identifier: MIT
// The path-difference window, opened from the workshop noise page.
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
}  // namespace

const DialogTemplate& PathDifferenceTemplate() {
    // One row per control, in template order: the geometry picture on the
    // left with the side choice and the button below it, the eight inputs on
    // the right, the three path differences along the bottom.
    // clang-format off
    static const DialogTemplate t{
        149, "声程差计算", 273, 147, "宋体", 9, WindowKind::ToolWindow,
        {
            {K::GroupBox, -1, "点声源屏蔽有限长", 4, 2, 265, 140, None},
            {K::Picture, -1, "175", 10, 13, 97, 59, None},
            {K::Static, -1, "屏蔽高度H", 113, 14, 90, 8, None},
            {K::Edit, 1083, "", 205, 12, 45, 12, kInput},
            {K::Static, -1, "m", 254, 14, 8, 8, None},
            {K::Static, -1, "声源高度h1", 113, 27, 90, 8, None},
            {K::Edit, 1084, "", 205, 25, 45, 12, kInput},
            {K::Static, -1, "m", 254, 27, 8, 8, None},
            {K::Static, -1, "测点高度h2", 113, 40, 90, 8, None},
            {K::Edit, 1085, "", 205, 38, 45, 12, kInput},
            {K::Static, -1, "m", 254, 40, 8, 8, None},
            {K::Static, -1, "声源距屏d1", 113, 53, 90, 8, None},
            {K::Edit, 1086, "", 205, 51, 45, 12, kInput},
            {K::Static, -1, "m", 254, 53, 8, 8, None},
            {K::Static, -1, "测点距屏d2", 113, 66, 90, 8, None},
            {K::Edit, 1087, "", 205, 64, 45, 12, kInput},
            {K::Static, -1, "m", 254, 66, 8, 8, None},
            {K::Static, -1, "屏蔽长度L", 113, 79, 90, 8, None},
            {K::Edit, 1088, "", 205, 77, 45, 12, kInput},
            {K::Static, -1, "m", 254, 79, 8, 8, None},
            {K::Static, -1, "声源离屏蔽中垂线距离m1", 113, 92, 90, 8, None},
            {K::Edit, 1089, "", 205, 90, 45, 12, kInput},
            {K::Static, -1, "m", 254, 92, 8, 8, None},
            {K::Static, -1, "测点离屏蔽中垂线距离m2", 113, 105, 90, 8, None},
            {K::Edit, 1090, "", 205, 103, 45, 12, kInput},
            {K::Static, -1, "m", 254, 105, 8, 8, None},
            {K::Radio, 1093, "声源与测点在中垂线的不同侧", 10, 76, 102, 10, Group | TabStop},
            {K::Radio, 1094, "声源与测点在中垂线的同一侧", 10, 88, 102, 10, None},
            {K::PushButton, 1050, "结果", 10, 102, 45, 14, Group | Flat | TabStop},
            {K::Static, -1, "声程差δ1", 10, 125, 34, 8, None},
            {K::Edit, 1091, "", 46, 123, 50, 12, kInput},
            {K::Static, -1, "δ2", 104, 125, 12, 8, None},
            {K::Edit, 1092, "", 118, 123, 50, 12, kInput},
            {K::Static, -1, "δ3", 176, 125, 12, 8, None},
            {K::Edit, 1095, "", 190, 123, 50, 12, kInput},
        }};
    // clang-format on
    return t;
}
