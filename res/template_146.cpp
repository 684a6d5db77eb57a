// SPDX-License-Identifier: MIT
// Page 5, the unit converter: a value shown in two units of one kind, and a
// row that adds a unit to the catalogue file.
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
constexpr unsigned kBorderedReadOnly = Border | ReadOnly | AutoHScroll | TabStop;
constexpr unsigned kList = DropList | VScroll | TabStop;
}  // namespace

const DialogTemplate& UnitConverterPageTemplate() {
    // One row per control, in template order, which is also the tab order:
    // the add row first, then the conversion rows. The lists drop down
    // below their fields.
    // clang-format off
    static const DialogTemplate t{
        146, "", 290, 172, "宋体", 9, WindowKind::ChildPage,
        {
            {K::GroupBox, -1, "单位自行添加", 2, 68, 285, 44, None},
            {K::Static, -1, "单位种类", 8, 80, 50, 8, None},
            {K::Static, -1, "值", 70, 80, 20, 8, None},
            {K::Static, -1, "基准单位", 98, 80, 48, 8, None},
            {K::Static, -1, "值", 168, 80, 20, 8, None},
            {K::Static, -1, "单位", 212, 80, 30, 8, None},
            {K::Edit, 1075, "", 8, 91, 58, 12, kInput},
            {K::Edit, 1068, "", 70, 91, 24, 12, kBorderedReadOnly},
            {K::Edit, 1069, "", 98, 91, 50, 12, kBorderedReadOnly},
            {K::Static, -1, "<=>", 151, 93, 14, 8, None},
            {K::Edit, 1070, "", 168, 91, 40, 12, kInput},
            {K::Edit, 1071, "", 212, 91, 40, 12, kInput},
            {K::PushButton, 1072, "添加", 256, 90, 26, 14, Flat | TabStop},
            {K::GroupBox, -1, "", 2, 1, 285, 62, None},
            {K::Static, -1, "单位种类选择", 10, 10, 60, 8, None},
            {K::ComboBox, 1029, "", 10, 22, 84, 120, kList},
            {K::Static, -1, "单位换算", 106, 10, 40, 8, None},
            {K::Edit, 1073, "", 106, 22, 72, 12, kInput},
            {K::ComboBox, 1074, "", 184, 22, 96, 120, kList},
            {K::Static, -1, "<=>", 136, 35, 14, 8, None},
            {K::Edit, 1067, "", 106, 45, 72, 12, kInput},
            {K::ComboBox, 1028, "", 184, 45, 96, 120, kList},
            {K::Static, -1,
             "如需修改相应值或单位，可以在目录下data.ini文件里直接修改，也可以直接在文件里面添加，"
             "要按照相应格式，不要改变里面的格式。",
             8, 118, 276, 30, None},
        }};
    // clang-format on
    return t;
}
