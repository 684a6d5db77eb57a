// SPDX-License-Identifier: MIT
#include "res/menus.h"

namespace {

// clang-format off
const std::vector<MenuResource> kMenus = {
    {148, "附带小软件", {
        {32791, "剪贴板察看程序"},
        {32792, "文件分隔程序"},
    }},
    {149, "噪声预测", {
        {32771, "格林公式"},
        {32772, "Stueber公式"},
        {32782, "噪声评价量计算"},
    }},
    {150, "大气预测", {
        {32786, "燃煤(油)废气"},
        {32788, "卫生防护距离计算"},
        {32787, "有机溶剂散发量"},
        {32790, "恶臭气体散发速率"},
    }},
};

// The strip's two images belong to commands no menu holds, so the menus
// show no images today; the lookup stays so a new entry can gain one.
const std::vector<ToolbarResource> kToolbars = {
    {167, 16, 16, {32783, 32784}},
};
// clang-format on

}  // namespace

const MenuResource* FindMenuResource(int id) {
    for (const MenuResource& menu : kMenus) {
        if (menu.id == id)
            return &menu;
    }
    return nullptr;
}

const ToolbarResource* FindToolbarResource(int id) {
    for (const ToolbarResource& toolbar : kToolbars) {
        if (toolbar.id == id)
            return &toolbar;
    }
    return nullptr;
}
