// SPDX-License-Identifier: MIT
#include "pages/page_registry.h"

#include <iterator>

#include "pages/flue_gas_page.h"
#include "pages/indoor_noise_page.h"
#include "pages/noise_index_page.h"
#include "pages/odour_page.h"
#include "pages/protection_distance_page.h"
#include "pages/sewage_page.h"
#include "pages/solvent_page.h"
#include "pages/unit_converter_page.h"
#include "pages/workshop_noise_page.h"

namespace {

template <class Page>
std::unique_ptr<CCalcPage> Create() {
    return std::make_unique<Page>();
}

template <class Page>
PageRow Row(int index, int command) {
    return {index, Page::IDD, command, &Create<Page>};
}

}  // namespace

std::span<const PageRow> PageRegistry() {
    static const PageRow rows[] = {
        Row<CSewagePage>(1, 1000),               // button "生活污水和垃圾"
        Row<CFlueGasPage>(2, 32786),             // menu "燃煤(油)废气"
        Row<CSolventPage>(8, 32787),             // menu "有机溶剂散发量"
        Row<CProtectionDistancePage>(3, 32788),  // menu "卫生防护距离计算"
        Row<CIndoorNoisePage>(4, 32771),         // menu "格林公式"
        Row<CWorkshopNoisePage>(6, 32772),       // menu "Stueber公式"
        Row<CNoiseIndexPage>(7, 32782),          // menu "噪声评价量计算"
        Row<CUnitConverterPage>(5, 1005),        // button "单位换算器"
        Row<COdourPage>(9, 32790),               // menu "恶臭气体散发速率"
    };
    static_assert(std::size(rows) == kPageCount);
    return rows;
}

std::span<const NavigationMenu> NavigationMenus() {
    static constexpr NavigationMenu menus[] = {
        {1001, 150},  // "大气预测"
        {1003, 149},  // "噪声预测"
        {1007, 148},  // "附带小软件"
    };
    return menus;
}
