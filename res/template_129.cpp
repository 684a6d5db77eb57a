// SPDX-License-Identifier: MIT
// Page 1, domestic sewage and refuse.
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr unsigned kInput = Border | AutoHScroll | TabStop;
constexpr unsigned kResult = ReadOnly | TabStop;
constexpr const char* kHyphens =
    "-------------------------------------------------------------------";
}  // namespace

const DialogTemplate& SewagePageTemplate() {
    // One row per control, in template order.
    // clang-format off
    static const DialogTemplate t{
        129, "", 290, 198, "宋体", 9, WindowKind::ChildPage,
        {
            {K::GroupBox, -1, "生活污水和垃圾", 2, 1, 285, 94, None},
            {K::Static, -1, "工人数", 8, 14, 26, 8, None},
            {K::Static, -1, "其中住宿人数", 66, 14, 48, 8, None},
            {K::Static, -1, "工作天数", 149, 14, 33, 8, None},
            {K::Static, -1, "不住宿每人每日用水量以", 8, 31, 90, 8, None},
            {K::Static, -1, "升计;", 127, 31, 22, 8, None},
            {K::Static, -1, "住宿每人每日用水量以", 152, 31, 81, 8, None},
            {K::Static, -1, "升计", 262, 31, 17, 8, None},
            {K::Static, -1, "排水量按照用水量的", 8, 46, 76, 8, None},
            {K::Static, -1, "%计", 113, 46, 14, 8, None},
            {K::Static, -1, "COD初始浓度", 8, 62, 48, 8, None},
            {K::Static, -1, "mg/L", 87, 62, 18, 8, None},
            {K::Static, -1, "COD达标浓度", 117, 62, 45, 8, None},
            {K::Static, -1, "mg/L", 191, 62, 18, 8, None},
            {K::Static, -1, "NH3-N初始浓度", 8, 77, 56, 8, None},
            {K::Static, -1, "mg/L", 94, 77, 18, 8, None},
            {K::Static, -1, "NH3-N达标浓度", 116, 78, 53, 8, None},
            {K::Static, -1, "mg/L", 198, 78, 18, 8, None},
            {K::Edit, 1005, "", 35, 11, 26, 13, kInput},
            {K::Edit, 1006, "", 115, 11, 26, 13, kInput},
            {K::Edit, 1007, "", 183, 11, 26, 13, kInput},
            {K::Edit, 1008, "", 99, 28, 26, 13, kInput},
            {K::Edit, 1009, "", 234, 28, 26, 13, kInput},
            {K::Edit, 1010, "", 85, 43, 26, 13, kInput},
            {K::Edit, 1011, "", 59, 59, 26, 13, kInput},
            {K::Edit, 1012, "", 163, 59, 26, 13, kInput},
            {K::Edit, 1013, "", 66, 74, 26, 13, kInput},
            {K::Edit, 1015, "", 170, 75, 26, 13, kInput},

            {K::GroupBox, -1, "计算结果", 2, 97, 285, 94, None},
            {K::Static, -1, "年用水量", 10, 109, 34, 8, None},
            {K::Static, -1, "吨", 83, 109, 8, 8, None},
            {K::Static, -1, "日排放量", 104, 110, 33, 8, None},
            {K::Static, -1, "吨", 175, 110, 8, 8, None},
            {K::Static, -1, "年排放量", 196, 109, 33, 8, None},
            {K::Static, -1, "吨", 267, 109, 8, 8, None},
            {K::Static, -1, "COD年排放量", 5, 125, 52, 8, None},
            {K::Static, -1, "吨", 119, 125, 8, 8, None},
            {K::Static, -1, "COD达标年排放量", 148, 126, 61, 8, None},
            {K::Static, -1, "吨", 264, 126, 8, 8, None},
            {K::Static, -1, "NH3-N年排放量", 5, 141, 60, 8, None},
            {K::Static, -1, "吨", 118, 141, 8, 8, None},
            {K::Static, -1, "NH3-N达标年排放量", 139, 142, 69, 8, None},
            {K::Static, -1, "吨", 265, 142, 8, 8, None},
            {K::Static, -1, "COD削减量", 10, 157, 40, 8, None},
            {K::Static, -1, "吨", 119, 157, 8, 8, None},
            {K::Static, -1, "NH3-N削减量", 163, 158, 45, 8, None},
            {K::Static, -1, "吨", 265, 158, 8, 8, None},
            {K::Static, -1, "生活垃圾日产量", 10, 174, 62, 8, None},
            {K::Static, -1, "千克", 119, 174, 17, 8, None},
            {K::Static, -1, "生活垃圾年产量", 151, 174, 57, 8, None},
            {K::Static, -1, "吨", 267, 174, 8, 8, None},
            {K::Static, -1, kHyphens, 10, 117, 269, 8, None},
            {K::Static, -1, kHyphens, 10, 134, 269, 8, None},
            {K::Static, -1, kHyphens, 10, 150, 269, 8, None},
            {K::Static, -1, kHyphens, 10, 166, 269, 8, None},
            {K::Static, -1, kHyphens, 10, 182, 269, 8, None},
            {K::Edit, 1014, "", 47, 109, 34, 9, kResult},
            {K::Edit, 1016, "", 139, 110, 34, 10, kResult},
            {K::Edit, 1017, "", 231, 109, 34, 10, kResult},
            {K::Edit, 1018, "", 58, 125, 59, 10, kResult},
            {K::Edit, 1019, "", 210, 126, 52, 10, kResult},
            {K::Edit, 1020, "", 66, 141, 50, 9, kResult},
            {K::Edit, 1021, "", 209, 142, 54, 9, kResult},
            {K::Edit, 1022, "", 52, 157, 65, 8, kResult},
            {K::Edit, 1023, "", 209, 158, 54, 10, kResult},
            {K::Edit, 1024, "", 74, 174, 43, 10, kResult},
            {K::Edit, 1025, "", 209, 174, 56, 9, kResult},
            {K::PushButton, 1026, "确 定", 230, 73, 38, 15, Flat | TabStop},
        }};
    // clang-format on
    return t;
}
