// SPDX-License-Identifier: MIT
// The About box.
#include <string>

#include "res/author_info.h"
#include "res/templates.h"

namespace {
using K = ControlKind;
using namespace Style;
constexpr const char* kHyphens = "--------------------------------------------";
const std::string kDesigner = std::string("程序设计:") + kAuthorName;
const std::string kQq = std::string("QQ:") + kAuthorQq;
}  // namespace

const DialogTemplate& AboutTemplate() {
    // One row per control, in template order.
    // clang-format off
    static const DialogTemplate t{
        100,
        "关于 vek",
        225,
        112,
        "宋体",
        9,
        WindowKind::Modal,
        {
            {K::Icon, -1, "128", 11, 14, 21, 21, None},
            {K::Static, -1, "vek 1.3版", 42, 11, 37, 8, None},
            {K::Static, -1, kAboutNotice, 42, 24, 109, 8, None},
            {K::PushButton, 1, "确定", 168, 30, 42, 14, DefaultButton | Group | TabStop},
            // Wide enough for the author's name that vek ships with.
            {K::Static, -1, kDesigner.c_str(), 42, 35, 90, 8, None},
            {K::Static, -1, kHyphens, 40, 44, 177, 5, None},
            {K::Static, -1,
             "本程序还在扩充编制中,大家用了以后如有什么问题或需要补充什么内容，可以E-"
             "mail或QQ给我。",
             41, 51, 174, 16, WordWrap},
            {K::Static, -1, kHyphens, 40, 68, 177, 5, None},
            {K::Static, -1, "E-mail:", 43, 75, 29, 8, None},
            {K::Label, 1113, kAuthorEmail, 72, 75, 61, 8, None},
            {K::Static, -1, kQq.c_str(), 43, 85, 45, 8, None},
        }};
    // clang-format on
    return t;
}
