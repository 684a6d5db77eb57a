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
            {K::Static, -1, "屏蔽高度H", 125, 14, 88, 8, None},
            {K::Edit, 1083, "", 214, 12, 38, 12, kInput},
            {K::Static, -1, "m", 256, 14, 8, 8, None},
            {K::Static, -1, "声源高度h1", 125, 27, 88, 8, None},
            {K::Edit, 1084, "", 214, 25, 38, 12, kInput},
            {K::Static, -1, "m", 256, 27, 8, 8, None},
            {K::Static, -1, "测点高度h2", 125, 40, 88, 8, None},
            {K::Edit, 1085, "", 214, 38, 38, 12, kInput},
            {K::Static, -1, "m", 256, 40, 8, 8, None},
            {K::Static, -1, "声源距屏d1", 125, 53, 88, 8, None},
            {K::Edit, 1086, "", 214, 51, 38, 12, kInput},
            {K::Static, -1, "m", 256, 53, 8, 8, None},
            {K::Static, -1, "测点距屏d2", 125, 66, 88, 8, None},
            {K::Edit, 1087, "", 214, 64, 38, 12, kInput},
            {K::Static, -1, "m", 256, 66, 8, 8, None},
            {K::Static, -1, "屏蔽长度L", 125, 79, 88, 8, None},
            {K::Edit, 1088, "", 214, 77, 38, 12, kInput},
            {K::Static, -1, "m", 256, 79, 8, 8, None},
            {K::Static, -1, "声源离屏蔽中垂线距离m1", 125, 92, 88, 8, None},
            {K::Edit, 1089, "", 214, 90, 38, 12, kInput},
            {K::Static, -1, "m", 256, 92, 8, 8, None},
            {K::Static, -1, "测点离屏蔽中垂线距离m2", 125, 105, 88, 8, None},
            {K::Edit, 1090, "", 214, 103, 38, 12, kInput},
            {K::Static, -1, "m", 256, 105, 8, 8, None},
            {K::Radio, 1093, "声源与测点在中垂线的不同侧", 7, 76, 118, 10, Group | TabStop},
            {K::Radio, 1094, "声源与测点在中垂线的同一侧", 7, 88, 118, 10, None},
            {K::PushButton, 1050, "结果", 10, 102, 45, 14, Group | Flat | TabStop},
            {K::Static, -1, "声程差δ1", 10, 125, 42, 8, None},
            {K::Edit, 1091, "", 54, 123, 48, 12, kInput},
            {K::Static, -1, "δ2", 110, 125, 16, 8, None},
            {K::Edit, 1092, "", 128, 123, 48, 12, kInput},
            {K::Static, -1, "δ3", 184, 125, 16, 8, None},
            {K::Edit, 1095, "", 202, 123, 48, 12, kInput},
        }};
    // clang-format on
    return t;
}
