// SPDX-License-Identifier: MIT
// Page 1 as a user sees it: typed figures, the compute button, the checks,
// the colours and the layout.
#include "pages/sewage_page.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "tests/ui/ui_test_support.h"

namespace {

class SewagePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(480, 360);
        page.Create(&host);
        page.show();
        ShowActive(&host);
    }
    void Type(int id, const char* text) { EditOf(&page, id)->setText(QString::fromUtf8(text)); }
    QString Text(int id) { return EditOf(&page, id)->text(); }
    void Compute() { qobject_cast<QAbstractButton*>(page.GetDlgItem(1026))->click(); }
    QStringList Results() {
        QStringList texts;
        for (int id : kResultIds) texts << Text(id);
        return texts;
    }

    static constexpr int kResultIds[] = {1016, 1017, 1014, 1018, 1019, 1022,
                                         1020, 1021, 1023, 1024, 1025};
    QWidget host;
    CSewagePage page;
    BoxRecorder boxes;
};

TEST_F(SewagePageTest, StartsWithDefaultsAndZeroResults) {
    const std::pair<int, const char*> shown[] = {
        {1005, "0"},   {1006, "0"},   {1007, "0"},  {1008, "100"}, {1009, "200"}, {1010, "80"},
        {1011, "500"}, {1012, "100"}, {1013, "35"}, {1015, "15"},  {1014, "0"},   {1025, "0"},
    };
    for (const auto& [id, text] : shown) EXPECT_EQ(Text(id), text) << id;
}

TEST_F(SewagePageTest, WorkedExamplesFieldByField) {
    Type(1005, "100");
    Type(1006, "20");
    Type(1007, "300");
    Compute();
    EXPECT_EQ(Results(), QStringList({"9.6", "2880", "3600", "1.44", "0.288", "1.152", "0.1008",
                                      "0.0432", "0.0576", "60", "18"}));

    Type(1005, "57");
    Type(1006, "13");
    Type(1007, "251");
    Type(1008, "123");
    Type(1009, "187");
    Type(1010, "85");
    Compute();
    EXPECT_EQ(Results(),
              QStringList({"6.66655", "1673.3", "1968.59", "0.836652", "0.16733", "0.669322",
                           "0.0585656", "0.0250996", "0.0334661", "35", "8.785"}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SewagePageTest, NegativeInputInAnyCheckedFieldFocusesWorkers) {
    Type(1005, "100");
    Type(1006, "20");
    Type(1007, "300");
    Compute();
    const QStringList before = Results();
    for (int id : {1011, 1012, 1005, 1006, 1007, 1013, 1015}) {
        const QString old = Text(id);
        Type(id, "-1");
        boxes.boxes.clear();
        EditOf(&page, 1008)->setFocus();
        Compute();
        ASSERT_EQ(boxes.boxes.size(), 1u) << id;
        EXPECT_EQ(boxes.boxes[0].text, "不能是负数，请重新输入") << id;
        EXPECT_EQ(boxes.boxes[0].caption, "错误") << id;
        EXPECT_EQ(boxes.boxes[0].type, BoxType::Ok) << id;
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), EditOf(&page, 1005)) << id;
        EXPECT_EQ(Results(), before) << id;
        Type(id, old.toUtf8().constData());
    }
}

TEST_F(SewagePageTest, MoreResidentsThanWorkersFocusesResidents) {
    Type(1005, "20");
    Type(1006, "30");
    Compute();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "逻辑常识错误，请重新输入");
    EXPECT_EQ(boxes.boxes[0].caption, "错误");
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), EditOf(&page, 1006));
    EXPECT_EQ(Text(1016), "0");
}

TEST_F(SewagePageTest, ZeroPercentageShowsNanAndTheNextComputationRuns) {
    Type(1005, "100");
    Type(1006, "20");
    Type(1007, "300");
    Type(1010, "0");
    Compute();
    EXPECT_EQ(Text(1014), "nan");
    EXPECT_EQ(Text(1017), "0");
    Type(1010, "80");
    Compute();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(Text(1014), "3600");
}

TEST_F(SewagePageTest, NegativeZeroResultsShowPlainZero) {
    Type(1007, "300");
    Type(1010, "-80");
    Compute();
    for (int id : {1016, 1017, 1014, 1018, 1022}) EXPECT_EQ(Text(id), "0") << id;
    Type(1005, "100");
    Type(1010, "80");
    Compute();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(Text(1016), "8");
}

TEST_F(SewagePageTest, FailedTakeInComputesNothingAndRevertsNothing) {
    Type(1005, "100");
    Type(1007, "300");
    Type(1013, "12abc");  // read after workers and days, before residents
    Type(1006, "20");
    Type(1010, "85");
    Compute();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "请输入一个数。");
    EXPECT_EQ(boxes.boxes[0].caption, "vek");
    EXPECT_EQ(Text(1013), "12abc");
    EXPECT_EQ(Text(1006), "20");
    EXPECT_EQ(Text(1010), "85");
    EXPECT_EQ(Text(1016), "0");
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), EditOf(&page, 1013));
    EXPECT_EQ(EditOf(&page, 1013)->selectedText(), "12abc");
}

TEST_F(SewagePageTest, TakeInStopsAtTheFirstBadFieldInExchangeOrder) {
    Type(1005, "100");   // read before 1013
    Type(1007, "300");   // read before 1013
    Type(1013, " 1e ");  // not a number
    Type(1006, "20");    // read last
    EXPECT_FALSE(page.UpdateData(true));
    EXPECT_EQ(page.m_fWorkers, 100.0f);
    EXPECT_EQ(page.m_fWorkDays, 300.0f);
    EXPECT_EQ(page.m_fNh3nInitial, 35.0f);
    EXPECT_EQ(page.m_fResidents, 0.0f);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), EditOf(&page, 1013));
}

TEST_F(SewagePageTest, PutOutWritesEveryField) {
    float* members[] = {
        &page.m_fWorkers,          &page.m_fResidents,       &page.m_fWorkDays,
        &page.m_fWaterNonResident, &page.m_fWaterResident,   &page.m_fDischargePercent,
        &page.m_fCodInitial,       &page.m_fCodLimit,        &page.m_fNh3nInitial,
        &page.m_fNh3nLimit,        &page.m_fAnnualWater,     &page.m_fDailyDischarge,
        &page.m_fAnnualDischarge,  &page.m_fCodAnnual,       &page.m_fCodLimitAnnual,
        &page.m_fNh3nAnnual,       &page.m_fNh3nLimitAnnual, &page.m_fCodReduction,
        &page.m_fNh3nReduction,    &page.m_fRefuseDaily,     &page.m_fRefuseAnnual};
    const int ids[] = {1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1015, 1014,
                       1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023, 1024, 1025};
    for (std::size_t i = 0; i < std::size(members); ++i) *members[i] = 1000.5f + i;
    page.UpdateData(false);
    for (std::size_t i = 0; i < std::size(ids); ++i)
        EXPECT_EQ(Text(ids[i]), QString::number(1000.5 + i)) << ids[i];
}

TEST_F(SewagePageTest, EnterHidesThePageAndItComesBackUnchanged) {
    Type(1005, "42");
    EditOf(&page, 1005)->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(EditOf(&page, 1005), &enter);
    EXPECT_TRUE(page.isHidden());
    EXPECT_FALSE(host.isHidden());
    page.show();
    EXPECT_EQ(Text(1005), "42");
}

TEST_F(SewagePageTest, TabOrderAndReadOnlyResults) {
    const int order[] = {1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1015, 1014,
                         1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023, 1024, 1025, 1026};
    QWidget* w = page.GetDlgItem(order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        w = w->nextInFocusChain();
        while (ControlId(w) == -1) w = w->nextInFocusChain();
        EXPECT_EQ(ControlId(w), order[i]);
    }
    for (int id : kResultIds) {
        EXPECT_TRUE(EditOf(&page, id)->isReadOnly()) << id;
        EXPECT_FALSE(EditOf(&page, id)->hasFrame()) << id;
    }
}

TEST_F(SewagePageTest, ControlsSitWhereTheTemplatePutsThem) {
    // 9-pt 宋体: one dialog unit is 1.5 px each way, halves rounded away from
    // zero; the page's edge shifts everything by its width.
    const std::pair<int, QRect> placed[] = {
        {1005, QRect(53, 17, 39, 20)},    // 35, 11, 26, 13
        {1014, QRect(71, 164, 51, 14)},   // 47, 109, 34, 9
        {1026, QRect(345, 110, 57, 23)},  // 230, 73, 38, 15
    };
    for (const auto& [id, rect] : placed)
        EXPECT_EQ(page.GetDlgItem(id)->geometry(), rect.translated(page.ClientOrigin())) << id;
}

QColor PixelAt(const QImage& image, QPoint p) {
    return image.pixelColor(p);
}

TEST_F(SewagePageTest, PageColoursOnAnOffscreenGrab) {
    const QColor pageColor(159, 185, 245);
    const QImage image = page.grab().toImage();
    // Behind a label: a point between the label "工人数" and its field.
    const QRect workers = page.GetDlgItem(1005)->geometry();
    EXPECT_EQ(PixelAt(image, workers.topLeft() - QPoint(2, -3)), pageColor);
    // Inside an input field: white.
    EXPECT_EQ(PixelAt(image, workers.topRight() + QPoint(-4, 4)), QColor(Qt::white));
    // Inside a read-only result, to the right of its text: the page colour.
    const QRect result = page.GetDlgItem(1018)->geometry();
    EXPECT_EQ(PixelAt(image, result.topRight() + QPoint(-2, 2)), pageColor);
    // The page background between the blocks.
    EXPECT_EQ(PixelAt(image, QPoint(page.width() / 2, page.height() - 5)), pageColor);
}

TEST_F(SewagePageTest, FirstResultRowStaysWholeAboveItsDashedLine) {
    Type(1005, "100");
    Type(1006, "20");
    Type(1007, "300");
    Compute();
    const QImage image = page.grab().toImage();
    // "日排放量", its "吨" (both sharing their last pixel row with the dashed
    // line below) and field 1016 show on the page exactly as each draws
    // itself alone, down to its last row.
    std::vector<QWidget*> row;
    QRect dashes;
    for (std::size_t i = 0; QWidget* w = page.ControlAt(i); ++i) {
        const ControlTemplate& c = page.Template().controls[i];
        if (c.y == 110 && (c.kind == ControlKind::Static || c.id == 1016) && c.x < 190)
            row.push_back(w);
        if (c.y == 117 && c.text[0] == '-')
            dashes = w->geometry();
    }
    ASSERT_EQ(row.size(), 3u);
    for (QWidget* w : row) {
        SCOPED_TRACE(ControlId(w));
        ASSERT_TRUE(w->geometry().intersects(dashes));
        const QImage alone = w->grab().toImage();
        const QRect r = w->geometry();
        int ink = 0;
        for (int x = 0; x < r.width(); ++x) {
            EXPECT_EQ(image.pixel(r.left() + x, r.bottom()), alone.pixel(x, r.height() - 1)) << x;
            ink += QColor(alone.pixel(x, r.height() - 1)) != QColor(159, 185, 245);
        }
        if (w != page.GetDlgItem(1016)) {
            EXPECT_GT(ink, 0);  // the characters reach their last row
        }
    }
}

TEST_F(SewagePageTest, ComputeButtonIsFlat) {
    // One frame colour all round the button and a plain face inside: no
    // raised bevel.
    const QImage button = page.GetDlgItem(1026)->grab().toImage();
    const QRgb frame = button.pixel(0, 0);
    const QRgb face = button.pixel(2, 2);
    EXPECT_NE(frame, face);
    const int w = button.width(), h = button.height();
    for (int x = 0; x < w; ++x) {
        EXPECT_EQ(button.pixel(x, 0), frame) << x;
        EXPECT_EQ(button.pixel(x, h - 1), frame) << x;
    }
    for (int y = 0; y < h; ++y) {
        EXPECT_EQ(button.pixel(0, y), frame) << y;
        EXPECT_EQ(button.pixel(w - 1, y), frame) << y;
    }
    for (int x = 1; x < w - 1; ++x) {
        EXPECT_EQ(button.pixel(x, 1), face) << x;
        EXPECT_EQ(button.pixel(x, h - 2), face) << x;
    }
}

TEST_F(SewagePageTest, Screenshot) {
    Type(1005, "57");
    Type(1006, "13");
    Type(1007, "251");
    Compute();
    const QString dir = qEnvironmentVariable("VEK_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set VEK_SCREENSHOT_DIR to keep a screenshot";
    EXPECT_TRUE(page.grab().save(dir + "/sewage_page.png"));
}

}  // namespace
