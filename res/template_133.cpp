// SPDX-License-Identifier: MIT
// Page 4, the noise of a source inside a workshop (Green formula).
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
}  // namespace

const DialogTemplate& IndoorNoisePageTemplate() {
    // One row per control, in template order. Every field is editable: the
    // distance and the level are each the input of one button and the result
    // of the other, and the total line works both ways. The formula picture
    // (253 x 85 pixels) sits below the two group boxes, inside the page frame.
    // clang-format off
    static const DialogTemplate t{
        133, "", 290, 196, "宋体", 9, WindowKind::ChildPage,
        {
            {K::GroupBox, -1, "格林公式噪声预测", 2, 1, 285, 62, None},
            {K::Static, -1, "距墙内侧1米处受声点的声级Lp1", 8, 15, 122, 8, None},
            {K::Edit, 1054, "", 130, 13, 50, 12, kInput},
            {K::Static, -1, "dB", 183, 15, 12, 8, None},
            {K::PushButton, 1075, "Lp1计算", 198, 12, 86, 14, Flat | TabStop},
            {K::Static, -1, "墙壁隔声量TL", 8, 31, 52, 8, None},
            {K::Edit, 1055, "", 130, 29, 50, 12, kInput},
            {K::Static, -1, "dB", 183, 31, 12, 8, None},
            {K::Static, -1, "靠预测厂界一侧外墙面积F", 8, 47, 96, 8, None},
            {K::Edit, 1056, "", 130, 45, 50, 12, kInput},
            {K::Static, -1, "m^2", 183, 47, 14, 8, None},

            {K::GroupBox, -1, "计算结果", 2, 65, 285, 64, None},
            {K::Static, -1, "车间到受声点的距离l", 8, 79, 80, 8, None},
            {K::Edit, 1057, "", 130, 77, 50, 12, kInput},
            {K::Static, -1, "m", 183, 79, 8, 8, None},
            {K::PushButton, 1059, "计算噪声达标所需距离", 198, 76, 86, 14, Flat | TabStop},
            {K::Static, -1, "预测受声点的声级Lp3", 8, 95, 80, 8, None},
            {K::Edit, 1058, "", 130, 93, 50, 12, kInput},
            {K::Static, -1, "dB", 183, 95, 12, 8, None},
            {K::PushButton, 1060, "计算预测噪声值", 198, 92, 86, 14, Flat | TabStop},
            {K::Static, -1, "+", 42, 111, 8, 8, None},
            {K::Edit, 1061, "", 52, 109, 50, 12, kInput},
            {K::Static, -1, "dB", 105, 111, 12, 8, None},
            {K::Static, -1, "=", 119, 111, 8, 8, None},
            {K::Edit, 1062, "", 130, 109, 50, 12, kInput},
            {K::Static, -1, "dB", 183, 111, 12, 8, None},
            {K::PushButton, 1063, "分贝计算器", 198, 108, 86, 14, Flat | TabStop},

            {K::Picture, -1, "140", 18, 133, 253, 57, None},
        }};
    // clang-format on
    return t;
}
