// SPDX-License-Identifier: MIT
// Page 2, flue gas of a year's oil or coal.
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
constexpr unsigned kResult = ReadOnly | TabStop;
constexpr const char* kHyphens =
    "-------------------------------------------------------------------";
}  // namespace

const DialogTemplate& FlueGasPageTemplate() {
    // One row per control, in template order: the inputs and their button,
    // then the results, each row of results above a dashed line.
    // clang-format off
    static const DialogTemplate t{
        130, "", 286, 168, "宋体", 9, WindowKind::ChildPage,
        {
            {K::GroupBox, -1, "燃煤(油)废气", 2, 1, 283, 66, Flat},
            {K::Static, -1, "原料", 8, 15, 17, 8, None},
            {K::ComboBox, 1027, "", 27, 12, 32, 40, DropList | VScroll | TabStop},
            {K::Static, -1, "年用量", 70, 15, 25, 8, None},
            {K::Edit, 1028, "", 97, 12, 40, 13, kInput},
            {K::Static, -1, "吨", 139, 15, 9, 8, None},
            {K::Static, -1, "含硫分", 170, 15, 25, 8, None},
            {K::Edit, 1031, "", 197, 12, 40, 13, kInput},
            {K::Static, -1, "%", 239, 15, 8, 8, None},
            {K::Static, -1, "SO2达标浓度", 8, 31, 45, 8, None},
            {K::Edit, 1029, "", 55, 28, 40, 13, kInput},
            {K::Static, -1, "mg/m^3", 97, 31, 24, 8, None},
            {K::Static, -1, "烟尘达标浓度", 146, 31, 49, 8, None},
            {K::Edit, 1030, "", 197, 28, 40, 13, kInput},
            {K::Static, -1, "mg/m^3", 239, 31, 24, 8, None},
            {K::Static, -1, "灰分", 8, 47, 17, 8, None},
            {K::Edit, 1032, "", 27, 44, 32, 13, kInput},
            {K::Static, -1, "%", 61, 47, 8, 8, None},
            {K::Static, -1, "烟尘", 72, 47, 17, 8, None},
            {K::Edit, 1033, "", 91, 44, 32, 13, kInput},
            {K::Static, -1, "%", 125, 47, 8, 8, None},
            {K::Static, -1, "烟尘中可燃物", 136, 47, 49, 8, None},
            {K::Edit, 1034, "", 187, 44, 32, 13, kInput},
            {K::Static, -1, "%", 221, 47, 8, 8, None},
            {K::PushButton, 1035, "确 定", 238, 43, 38, 15, Flat | TabStop},

            {K::GroupBox, -1, "计算结果", 2, 69, 283, 96, Flat},
            {K::Static, -1, "年废气排放量", 8, 80, 49, 8, None},
            {K::Edit, 1036, "", 59, 80, 60, 9, kResult},
            {K::Static, -1, "万标立方米", 121, 80, 41, 8, None},
            {K::Static, -1, "SO2初始浓度", 8, 96, 45, 8, None},
            {K::Edit, 1021, "", 67, 96, 52, 9, kResult},
            {K::Static, -1, "mg/m^3", 120, 96, 24, 8, None},
            {K::Static, -1, "烟尘初始浓度", 146, 96, 49, 8, None},
            {K::Edit, 1022, "", 205, 96, 52, 9, kResult},
            {K::Static, -1, "mg/m^3", 258, 96, 24, 8, None},
            {K::Static, -1, "SO2年排放量", 8, 112, 45, 8, None},
            {K::Edit, 1015, "", 67, 112, 52, 9, kResult},
            {K::Static, -1, "吨", 121, 112, 9, 8, None},
            {K::Static, -1, "烟尘年排放量", 146, 112, 49, 8, None},
            {K::Edit, 1016, "", 205, 112, 52, 9, kResult},
            {K::Static, -1, "吨", 259, 112, 9, 8, None},
            {K::Static, -1, "SO2达标年排放量", 8, 128, 61, 8, None},
            {K::Edit, 1017, "", 71, 128, 48, 9, kResult},
            {K::Static, -1, "吨", 121, 128, 9, 8, None},
            {K::Static, -1, "烟尘达标年排放量", 142, 128, 65, 8, None},
            {K::Edit, 1018, "", 209, 128, 48, 9, kResult},
            {K::Static, -1, "吨", 259, 128, 9, 8, None},
            {K::Static, -1, "SO2年削减量", 8, 144, 45, 8, None},
            {K::Edit, 1023, "", 67, 144, 52, 9, kResult},
            {K::Static, -1, "吨", 121, 144, 9, 8, None},
            {K::Static, -1, "烟尘年削减量", 146, 144, 49, 8, None},
            {K::Edit, 1024, "", 205, 144, 52, 9, kResult},
            {K::Static, -1, "吨", 259, 144, 9, 8, None},
            {K::Static, -1, kHyphens, 8, 89, 269, 6, None},
            {K::Static, -1, kHyphens, 8, 105, 269, 6, None},
            {K::Static, -1, kHyphens, 8, 121, 269, 6, None},
            {K::Static, -1, kHyphens, 8, 137, 269, 6, None},
            {K::Static, -1, kHyphens, 8, 153, 269, 6, None},
        }};
    // clang-format on
    return t;
}
