// SPDX-License-Identifier: MIT
// The main window: navigation column, page frame, clock line, contact link.
#include "res/author_info.h"
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
}  // namespace

const DialogTemplate& MainWindowTemplate() {
    // One row per control, in template order.
    // clang-format off
    static const DialogTemplate t{
        102,
        "环评数据计算",
        383,
        222,
        "宋体",
        9,
        WindowKind::MainWindow,
        {
            {K::PushButton, 1000, "生活污水和垃圾", 8, 12, 74, 18, TabStop},
            {K::PushButton, 1001, "大气预测工具", 8, 30, 74, 18, TabStop},
            {K::PushButton, 1003, "噪声预测工具", 8, 48, 74, 17, TabStop},
            {K::PushButton, 1005, "单位换算器", 8, 65, 74, 18, TabStop},
            {K::PushButton, 1007, "附带小软件", 8, 83, 74, 18, TabStop},
            {K::PushButton, 1006, "关 于", 8, 101, 74, 18, TabStop},
            {K::CheckBox, 1065, "窗口总在最前面", 9, 194, 71, 12, TabStop},
            {K::GroupBox, -1, "", 7, 7, 75, 200, None},
            {K::Static, 1004, "Static", 85, 11, 294, 197, Hidden},
            {K::Label, 1061, "", 8, 211, 75, 8, None},
            {K::Label, 1062, kAuthorEmail, 317, 212, 61, 8, None},
        }};
    // clang-format on
    return t;
}
