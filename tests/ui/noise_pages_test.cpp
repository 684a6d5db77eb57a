// SPDX-License-Identifier: MIT
// The workshop noise page with its path-difference window, and the Leq/Ldn
// page, as a user works them: the terms a computation keeps, the background
// line that follows the typing, a tool window built anew at each opening,
// and which fields a quantity shows and reads.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>

#include "pages/noise_index_page.h"
#include "pages/workshop_noise_page.h"
#include "tests/ui/page_test_fixture.h"

namespace {

using Workshop = PageTest<CWorkshopNoisePage>;
using NoiseIndex = PageTest<CNoiseIndexPage>;

TEST_F(Workshop, KeepsTheTermsOfTheLastComputation) {
    Type(1077, "50");
    Click(1060);
    EXPECT_EQ(Text(1090), "56.0388");
    EXPECT_EQ(QString::number(page.m_fDivergence, 'g', 6), "41.9612");
    EXPECT_EQ(QString::number(page.m_fBarrier, 'g', 6), "15.9828");
    EXPECT_EQ(QString::number(page.m_fFresnel1, 'g', 6), "3.70272");
    EXPECT_EQ(QString::number(page.m_fFresnel2, 'g', 6), "7.05281");
    EXPECT_EQ(QString::number(page.m_fFresnel3, 'g', 6), "9.2862");
    EXPECT_FLOAT_EQ(page.m_fSoundSpeed, 340.29f);
    // Back from the level to the distance; the total line is left alone.
    // The six digits shown are read back, 2e-6 dB below the level computed.
    Type(1077, "0");
    Click(1059);
    EXPECT_EQ(Text(1077), "50.0002");
    EXPECT_EQ(Text(1091), "0");
    EXPECT_TRUE(boxes.boxes.empty());
}

// The background line reads quietly and writes only the other field: the
// field being typed in keeps every keystroke, and a text that is not a
// number yet changes nothing and raises no box.
TEST_F(Workshop, BackgroundLineFollowsTheTyping) {
    struct Case {
        int field;
        const char* typed;
        const char* level;  // 1090 afterwards
        const char* total;  // 1091 afterwards
    };
    const Case cases[] = {
        {1090, "50", "50", "50"},         // background 0 dB adds 0.000434 dB
        {1054, "50", "50", "53.0103"},    // 50 + 50
        {1054, "65.", "50", "65.1352"},   // a trailing point stays
        {1054, "65.5", "50", "65.6207"},  // and 65.5 is not 655
        {1054, "-", "50", "65.6207"},     // a lone minus sign: nothing
        {1054, "", "50", "65.6207"},      // an emptied field: nothing
        {1054, "50", "50", "53.0103"},   {1091, "53.0103", "50", "53.0103"},  // back to the level
        {1091, "50", "50", "50"},  // total = background: Lp kept
        {1091, "40", "50", "40"},  // below it: Lp kept
        {1091, "60", "59.5424", "60"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TypeKeys(c.field, QString::fromUtf8(c.typed));
        if (!*c.typed)
            Type(c.field, "");
        EXPECT_EQ(Text(c.field), QString::fromUtf8(c.typed));
        if (c.field != 1090) {
            EXPECT_EQ(Text(1090), c.level);
        }
        if (c.field != 1091) {
            EXPECT_EQ(Text(1091), c.total);
        }
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Workshop, PathDifferenceWindowIsBuiltAnewOnlyWhenClosed) {
    CPathDifferenceDlg& path = page.m_dlgPathDifference;
    Click(1088);
    ASSERT_TRUE(path.isVisible());
    EXPECT_FALSE(path.isModal());
    EXPECT_EQ(EditOf(&path, 1083)->text(), "4");
    qobject_cast<QAbstractButton*>(path.GetDlgItem(1094))->click();  // same side
    qobject_cast<QAbstractButton*>(path.GetDlgItem(1050))->click();
    EXPECT_EQ(EditOf(&path, 1091)->text(), "0.642313");
    EXPECT_EQ(EditOf(&path, 1092)->text(), "2.69794");
    EXPECT_EQ(EditOf(&path, 1095)->text(), "0.570178");
    EXPECT_EQ(QString::number(path.m_fPathDirect, 'g', 6), "8.06226");
    // A press while it is open leaves it as it is.
    EditOf(&path, 1083)->setText("7");
    Click(1088);
    EXPECT_EQ(EditOf(&path, 1083)->text(), "7");
    EXPECT_EQ(EditOf(&path, 1091)->text(), "0.642313");
    // Closed and opened again: inputs and differences start over, the side
    // choice stays.
    path.close();
    EXPECT_FALSE(path.isVisible());
    Click(1088);
    ASSERT_TRUE(path.isVisible());
    EXPECT_EQ(EditOf(&path, 1083)->text(), "4");
    for (int id : {1091, 1092, 1095}) EXPECT_EQ(EditOf(&path, id)->text(), "0") << id;
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(path.GetDlgItem(1094))->isChecked());
    EXPECT_TRUE(boxes.boxes.empty());
    path.close();
}

TEST_F(Workshop, PathDifferenceWindowColours) {
    Click(1088);
    CPathDifferenceDlg& path = page.m_dlgPathDifference;
    const QImage image = path.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(3, 3)), QColor(84, 188, 214));
    QWidget* edit = path.GetDlgItem(1083);
    const QImage field = edit->grab().toImage();
    EXPECT_EQ(QColor(field.pixel(field.width() / 2, field.height() / 2)), QColor(Qt::white));
    path.close();
}

// Which controls each quantity shows, with and without equal-interval
// sampling.
TEST_F(NoiseIndex, ShowsTheFieldsOfTheChosenQuantity) {
    const int leq[] = {1111, 1098, 1099};
    const int intervals[] = {1102, 1067};
    const int ldn[] = {1103, 1105, 1104, 1106, 1107, 1110, 1108, 1109};
    struct Case {
        int click;
        bool leqShown, intervalsShown;
    };
    const Case cases[] = {
        {0, true, true},    {1099, true, false},  {1095, false, false}, {1094, true, false},
        {1099, true, true}, {1095, false, false}, {1094, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.click);
        if (c.click)
            Click(c.click);
        for (int id : leq) EXPECT_EQ(Shown(id), c.leqShown) << id;
        for (int id : intervals) EXPECT_EQ(Shown(id), c.intervalsShown) << id;
        for (int id : ldn) EXPECT_EQ(Shown(id), !c.leqShown) << id;
        const QString explanation = qobject_cast<QLabel*>(page.GetDlgItem(1112))->text();
        EXPECT_TRUE(
            explanation.startsWith(c.leqShown ? "等效连续A声级Leq：" : "昼夜等效声级Ldn："));
    }
}

// A hidden Ldn field that does not parse cannot stop Leq; shown, it stops
// Ldn with the framework's box and the user's text kept.
TEST_F(NoiseIndex, HiddenFieldsDoNotBlockTheOtherQuantity) {
    auto line = [&] { return qobject_cast<QLabel*>(page.GetDlgItem(1101))->text(); };
    Type(1105, "");
    Click(1100);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(line(), "总共有3个数据;    等效连续A声级Leq:65.71dBA");
    EXPECT_EQ(Text(1105), "70");  // the put-out shows the value it kept
    Click(1095);
    Type(1105, "");
    Click(1100);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "请输入一个数。");
    EXPECT_EQ(Text(1105), "");
    EXPECT_EQ(line(), "总共有3个数据;    等效连续A声级Leq:65.71dBA");
    Type(1105, "70");
    Click(1100);
    EXPECT_EQ(line(), "昼夜等效声级Ldn:72.58dBA");
}

}  // namespace
