// SPDX-License-Identifier: MIT
// The air-quality pages as a user types into them: which texts a number
// field reads, and that a text it refuses stops the computation with the
// framework's box, the user's text kept and no result written.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QHelpEvent>
#include <QToolTip>

#include "pages/flue_gas_page.h"
#include "pages/protection_distance_page.h"
#include "pages/solvent_page.h"
#include "tests/ui/page_test_fixture.h"

namespace {

using FlueGas = PageTest<CFlueGasPage>;
using Solvent = PageTest<CSolventPage>;
using Protection = PageTest<CProtectionDistancePage>;

// The single-precision consumption of the flue-gas page (oil: V = 1.4 B)
// and the double-precision air speed of the solvent page.
TEST_F(FlueGas, ReadsBlanksExponentsAndLeadingZeros) {
    const std::pair<const char*, const char*> read[] = {
        {" 5", "7"}, {"5 ", "7"}, {"\t5\t", "7"}, {"1e3", "1400"}, {"0.5", "0.7"}, {"0", "0"}};
    for (const auto& [typed, volume] : read) {
        Type(1028, QString::fromUtf8(typed));
        Click(1035);
        EXPECT_EQ(Text(1036), volume) << typed;
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Solvent, RefusesNegativeZeroBareFractionAndTrailingLetters) {
    Click(1100);
    const QString computed = Text(1118);
    for (const char* typed : {"-0", ".0", "12abc", "+0", ""}) {
        SCOPED_TRACE(typed);
        boxes.boxes.clear();
        Type(1114, QString::fromUtf8(typed));
        Type(1118, "1");
        Click(1100);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, "请输入一个数。");
        EXPECT_EQ(Text(1114), typed);  // the user's text kept
        EXPECT_EQ(Text(1118), "1");    // nothing computed or put out
        EXPECT_EQ(QApplication::focusWidget(), page.GetDlgItem(1114));
    }
    Type(1114, "0.5");
    Click(1100);
    EXPECT_EQ(Text(1118), computed);
}

// What shows after the pointer rests on a control.
QString TipOver(QWidget* control) {
    QToolTip::hideText();
    RunFor(400, [] { return !QToolTip::isVisible(); });
    const QPoint centre = control->rect().center();
    QHelpEvent help(QEvent::ToolTip, centre, control->mapToGlobal(centre));
    QApplication::sendEvent(control, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(Protection, FiveControlsExplainThemselves) {
    const std::pair<int, const char*> tips[] = {
        {1037, "无组织排放源所在生产单元的面积"},
        {1040, "选项里没有的污染因子，浓度数据可以直接在这里输入"},
        {1050, "已知无组织排放量计算卫生防护距离的值"},
        {1051,
         "卫生防护距离在100m以内时，级差为50m；超过100m，但小于或等于1000m时，级差为100m；超过1000m"
         "以上，级差为200m。"},
        {1053, "已知卫生防护距离控制无组织排放量的值"},
        {1038, ""},
        {1049, ""},
    };
    for (const auto& [id, tip] : tips) EXPECT_EQ(TipOver(page.GetDlgItem(id)), tip) << id;
    QToolTip::hideText();
}

}  // namespace
