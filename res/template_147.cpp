// SPDX-License-Identifier: MIT
// The Lp1 window: the level near the inner wall from the source's sound power.
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
}  // namespace

const DialogTemplate& Lp1Template() {
    // One row per control, in template order. The absorption coefficient has
    // no unit, yet its unit text reads "m^2" as the window always showed it.
    // clang-format off
    static const DialogTemplate t{
        147, "Lp1计算", 194, 106, "宋体", 9, WindowKind::ToolWindow,
        {
            {K::Static, -1, "声源声功率级Lw", 7, 10, 60, 8, None},
            {K::Edit, 1076, "", 126, 8, 45, 12, kInput},
            {K::Static, -1, "dB", 174, 10, 12, 8, None},
            {K::Static, -1, "室内空间指向因子Q", 7, 26, 72, 8, None},
            {K::Edit, 1078, "", 126, 24, 45, 12, kInput},
            {K::Static, -1, "房间内壁面积S(包括屋顶和地面)", 7, 42, 118, 8, None},
            {K::Edit, 1079, "", 126, 40, 45, 12, kInput},
            {K::Static, -1, "m^2", 174, 42, 14, 8, None},
            {K::Static, -1, "壁面吸声系数ａ", 7, 58, 60, 8, None},
            {K::Edit, 1080, "", 126, 56, 45, 12, kInput},
            {K::Static, -1, "m^2", 174, 58, 14, 8, None},
            {K::Static, -1, "Lp1预测点离声源距离r", 7, 74, 84, 8, None},
            {K::Edit, 1077, "", 126, 72, 45, 12, kInput},
            {K::Static, -1, "m", 174, 74, 8, 8, None},
            {K::PushButton, 1081, "结果", 7, 88, 40, 14, Flat | TabStop},
            {K::Static, -1, "Lp1:", 104, 91, 20, 8, None},
            {K::Edit, 1054, "", 126, 89, 45, 12, kInput},
            {K::Static, -1, "dB", 174, 91, 12, 8, None},
        }};
    // clang-format on
    return t;
}
