// SPDX-License-Identifier: MIT
// Page 6, the noise of a whole workshop at a distance (Stueber formula).
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
}  // namespace

const DialogTemplate& WorkshopNoisePageTemplate() {
    // One row per control, in template order. The distance and the level
    // are each the input of one computation and the result of the other;
    // the background line below them adds a background level to the level.
    // clang-format off
    static const DialogTemplate t{
        148, "", 290, 196, "宋体", 9, WindowKind::ChildPage,
        {
            {K::GroupBox, -1, "Stueber公式噪声预测", 2, 1, 285, 76, None},
            {K::Static, -1, "车间平均噪声级LR", 7, 15, 70, 8, None},
            {K::Edit, 1082, "", 88, 13, 45, 12, kInput},
            {K::Static, -1, "dB", 136, 15, 10, 8, None},
            {K::Static, -1, "车间平均屏蔽衰减△LR", 149, 15, 86, 8, None},
            {K::Edit, 1064, "", 236, 13, 36, 12, kInput},
            {K::Static, -1, "dB", 275, 15, 10, 8, None},
            {K::Static, -1, "车间声源平均高度H", 7, 30, 72, 8, None},
            {K::Edit, 1083, "", 88, 28, 45, 12, kInput},
            {K::Static, -1, "m", 136, 30, 8, 8, None},
            {K::Static, -1, "声波频率f", 149, 30, 40, 8, None},
            {K::Edit, 1089, "", 236, 28, 36, 12, kInput},
            {K::Static, -1, "Hz", 275, 30, 10, 8, None},
            {K::Static, -1, "车间长度", 7, 45, 34, 8, None},
            {K::Edit, 1092, "", 88, 43, 45, 12, kInput},
            {K::Static, -1, "m", 136, 45, 8, 8, None},
            {K::Static, -1, "车间宽度", 149, 45, 34, 8, None},
            {K::Edit, 1093, "", 236, 43, 36, 12, kInput},
            {K::Static, -1, "m", 275, 45, 8, 8, None},
            {K::Static, -1, "声程差δ", 7, 60, 38, 8, None},
            {K::Edit, 1085, "", 47, 58, 40, 12, kInput},
            {K::Edit, 1086, "", 91, 58, 40, 12, kInput},
            {K::Edit, 1087, "", 135, 58, 40, 12, kInput},
            {K::Static, -1, "m", 178, 60, 8, 8, None},
            {K::PushButton, 1088, "声程差计算", 206, 57, 70, 14, Flat | TabStop},

            {K::GroupBox, -1, "计算结果", 2, 80, 285, 90, None},
            {K::Static, -1, "整体声源的中心到受声点的距离r", 7, 94, 118, 8, None},
            {K::Edit, 1077, "", 127, 92, 50, 12, kInput},
            {K::Static, -1, "m", 180, 94, 8, 8, None},
            {K::PushButton, 1060, "计算预测噪声值", 192, 90, 90, 15, Flat | TabStop},
            {K::Static, -1, "预测受声点的声级Lp", 7, 112, 118, 8, None},
            {K::Edit, 1090, "", 127, 110, 50, 12, kInput},
            {K::Static, -1, "dB", 180, 112, 10, 8, None},
            {K::PushButton, 1059, "计算噪声达标所需距离", 192, 108, 90, 15, Flat | TabStop},
            {K::Static, -1, "+", 117, 130, 8, 8, None},
            {K::Edit, 1054, "", 127, 128, 50, 12, kInput},
            {K::Static, -1, "dB", 180, 130, 10, 8, None},
            {K::Static, -1, "=", 117, 148, 8, 8, None},
            {K::Edit, 1091, "", 127, 146, 50, 12, kInput},
            {K::Static, -1, "dB", 180, 148, 10, 8, None},
            {K::PushButton, 1063, "分贝计算器", 192, 136, 90, 15, Flat | TabStop},
        }};
    // clang-format on
    return t;
}
