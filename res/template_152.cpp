// SPDX-License-Identifier: MIT
// Page 9, the emission rate of an odorous compound from contaminated soil.
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
}  // namespace

const DialogTemplate& OdourPageTemplate() {
    // One row per control, in template order; the result field is editable
    // like the inputs.
    // clang-format off
    static const DialogTemplate t{
        152, "", 290, 172, "宋体", 9, WindowKind::ChildPage,
        {
            {K::GroupBox, -1, "恶臭气体的散发速率", 2, 1, 285, 136, Flat},
            {K::Static, -1, "风速u[m/s]", 8, 14, 42, 8, None},
            {K::Edit, 1114, "", 140, 12, 80, 12, kInput},
            {K::Static, -1, "扩散率D[cm^2/s]", 8, 27, 62, 8, None},
            {K::Edit, 1115, "", 140, 25, 80, 12, kInput},
            {K::Static, -1, "堆场或填场的宽度W[cm]", 8, 40, 86, 8, None},
            {K::Edit, 1119, "", 140, 38, 80, 12, kInput},
            {K::Static, -1, "堆场或填场的长度L[cm]", 8, 53, 86, 8, None},
            {K::Edit, 1088, "", 140, 51, 80, 12, kInput},
            {K::Static, -1, "土壤中挥发性化合物的重量m[kg]", 8, 66, 126, 8, None},
            {K::Edit, 1116, "", 140, 64, 80, 12, kInput},
            {K::Static, -1, "土壤与化合物的总重量M[kg]", 8, 79, 102, 8, None},
            {K::Edit, 1089, "", 140, 77, 80, 12, kInput},
            {K::Static, -1, "化学气体蒸汽压C[101.325kPa]", 8, 92, 114, 8, None},
            {K::Edit, 1120, "", 140, 90, 80, 12, kInput},
            {K::Static, -1, "蒸汽压校正系数F", 8, 105, 62, 8, None},
            {K::Edit, 1122, "", 140, 103, 80, 12, kInput},
            {K::PushButton, 1100, "结果", 242, 116, 38, 15, Flat | TabStop},
            {K::Static, -1, "恶臭气体散发速率E[cm^3/s]", 8, 121, 102, 8, None},
            {K::Edit, 1121, "", 140, 119, 80, 12, kInput},
            {K::Static, -1, "计算公式如下:", 10, 143, 56, 8, None},
            {K::Static, -1, "E=2CWm/M*(DLu/πF)^0.5", 10, 156, 92, 8, None},
        }};
    // clang-format on
    return t;
}
