// SPDX-License-Identifier: MIT
// Page 3, the sanitary protection distance of a fugitive source.
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
}  // namespace

const DialogTemplate& ProtectionDistancePageTemplate() {
    // One row per control, in template order. The reaction radios (with
    // 1043) and the stack-share radios (with 1046) share one place; which
    // set shows follows the 有/无 choice. Everything, the formula picture
    // included, fits the main window's page frame (197 units high).
    // clang-format off
    static const DialogTemplate t{
        131, "", 290, 206, "宋体", 9, WindowKind::ChildPage,
        {
            {K::GroupBox, -1, "卫生防护距离", 2, 1, 151, 70, Flat},
            {K::Static, -1, "无组织排放源面积(m^2)", 7, 13, 88, 8, None},
            {K::Edit, 1037, "", 99, 11, 50, 12, kInput},
            {K::Static, -1, "近五年平均风速(m/s)", 7, 27, 78, 8, None},
            {K::Edit, 1038, "", 99, 25, 50, 12, kInput},
            {K::Static, -1, "污染因子", 7, 41, 33, 8, None},
            {K::ComboBox, 1039, "", 99, 39, 50, 120, VScroll | TabStop},
            {K::Static, -1, "环境标准浓度限值(mg/m^3)", 7, 56, 97, 8, None},
            {K::Edit, 1040, "", 106, 54, 43, 12, kInput},

            {K::GroupBox, -1, "", 156, 1, 131, 70, Flat},
            {K::Static, -1, "排放同种有害气体的排气筒", 161, 10, 98, 8, None},
            {K::Radio, 1041, "有", 166, 20, 28, 10, Group | TabStop},
            {K::Radio, 1042, "无", 206, 20, 28, 10, None},
            {K::Static, 1043, "无组织排放的有害物质容许浓度", 161, 33, 115, 8, None},
            {K::Radio, 1044, "按急性反应指标确定", 166, 43, 90, 10, Group | TabStop},
            {K::Radio, 1045, "按慢性反应指标确定", 166, 55, 90, 10, None},
            {K::Static, 1046, "排气筒的污染物排放量", 161, 33, 83, 8, Hidden},
            {K::Radio, 1047, "大于允许的1/3", 166, 43, 72, 10, Group | TabStop | Hidden},
            {K::Radio, 1048, "小于允许的1/3", 166, 55, 72, 10, Hidden},

            {K::GroupBox, -1, "计算结果", 2, 73, 285, 60, Flat},
            {K::Static, -1, "无组织排放量(kg/hr)", 7, 86, 80, 8, None},
            {K::Edit, 1049, "", 89, 84, 82, 12, Group | kInput},
            {K::PushButton, 1050, "计算卫生防护距离结果", 180, 83, 100, 15, Flat | TabStop},
            {K::Static, -1, "卫生防护距离(m)", 7, 101, 62, 8, None},
            {K::Edit, 1051, "", 89, 99, 82, 12, kInput},
            {K::Static, -1, "提级后距离(m)", 7, 116, 54, 8, None},
            {K::Edit, 1052, "", 89, 114, 50, 12, kInput},
            {K::PushButton, 1053, "计算无组织排放量结果", 180, 112, 100, 15, Flat | TabStop},

            {K::Picture, -1, "139", 20, 137, 250, 50, None},
        }};
    // clang-format on
    return t;
}
