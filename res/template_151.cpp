// SPDX-License-Identifier: MIT
// Page 8, the evaporation of an exposed organic solvent (Mazak formula).
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
}  // namespace

const DialogTemplate& SolventPageTemplate() {
    // One row per control, in template order; the result field is editable
    // like the inputs.
    // clang-format off
    static const DialogTemplate t{
        151, "", 290, 172, "宋体", 9, WindowKind::ChildPage,
        {
            {K::GroupBox, -1, "马扎克公式", 2, 1, 285, 112, Flat},
            {K::Static, -1, "车间内风速u[m/s]", 8, 17, 70, 8, None},
            {K::Edit, 1114, "", 156, 14, 80, 13, kInput},
            {K::Static, -1, "有机溶剂敞露面积F[m^2]", 8, 35, 94, 8, None},
            {K::Edit, 1089, "", 156, 32, 80, 13, kInput},
            {K::Static, -1, "有机溶剂分子量M", 8, 53, 62, 8, None},
            {K::Edit, 1116, "", 156, 50, 80, 13, kInput},
            {K::Static, -1, "有机溶剂在该温度时饱和蒸汽压Pv[mmHg]", 8, 71, 146, 8, None},
            {K::Edit, 1117, "", 156, 68, 80, 13, kInput},
            {K::PushButton, 1100, "结果", 242, 89, 38, 15, Flat | TabStop},
            {K::Static, -1, "有机溶剂散发量G[g/h]", 8, 93, 86, 8, None},
            {K::Edit, 1118, "", 156, 90, 80, 13, kInput},
            {K::Static, -1, "计算公式如下:", 10, 121, 56, 8, None},
            {K::Static, -1, "G=(5.38+4.1u)*Pv*F*M^0.5", 10, 135, 100, 8, None},
        }};
    // clang-format on
    return t;
}
