// SPDX-License-Identifier: MIT
// The main window where a scenario cannot see it: the state colours and
// pixels, the clock ticking, the clipboard's HTML, the About box's link and
// the frames of the closing animation.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMimeData>

#include "app/about_dlg.h"
#include "app/main_dlg.h"
#include "controls/icon_menu.h"
#include "tests/ui/ui_test_support.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dlg.Create(nullptr);
        ShowActive(&dlg);
    }
    void TearDown() override { ClearPopupMenuChoices(); }
    FakeServices services;
    BoxRecorder boxes;
    CMainDlg dlg;
};

TEST_F(MainWindowTest, StartsOnPageOneWithFocusOnFirstButtonAndFixedClock) {
    EXPECT_EQ(dlg.windowTitle(), "环评数据计算");
    EXPECT_EQ(dlg.VisiblePage(), dlg.Page(1));
    EXPECT_EQ(QApplication::focusWidget(), &dlg.m_btnSewage);
    EXPECT_EQ(dlg.m_lblClock.Text(), "现在时间：09:05:07");
    EXPECT_TRUE(dlg.m_lblClock.IsSeeThrough());
    EXPECT_EQ(dlg.m_lblClock.BlinkState(), CLinkLabel::BlinkTextMode);
    EXPECT_EQ(dlg.m_lblContact.Text(), "vek@example.com");
    EXPECT_EQ(dlg.m_lblContact.LinkMode(), CLinkLabel::LinkMail);
    EXPECT_EQ(dlg.m_lblContact.LabelColor(), QColor(255, 0, 0));
    EXPECT_EQ(dlg.m_lblContact.EmbossColor(), QColor(0, 255, 0));
    EXPECT_EQ(dlg.m_lblContact.toolTip(), "联系我 Email:vek@example.com  QQ:10001");
    EXPECT_FALSE(dlg.m_chkTopMost.IsChecked());
    EXPECT_TRUE(dlg.m_chkTopMost.IsToggle());
    for (CColorButton* b : {&dlg.m_btnSewage, &dlg.m_btnAirTools, &dlg.m_btnNoiseTools,
                            &dlg.m_btnUnits, &dlg.m_btnSideTools, &dlg.m_btnAbout}) {
        EXPECT_EQ(b->StateColor(2), QColor(152, 242, 196));
        EXPECT_EQ(b->StateColor(4), QColor(214, 244, 229));
        EXPECT_EQ(b->StateColor(0), QColor(164, 196, 248));
    }
    EXPECT_EQ(dlg.m_chkTopMost.StateColor(2), QColor(0, 166, 228));
    EXPECT_EQ(dlg.m_chkTopMost.StateColor(1), QColor(178, 0, 176));
    EXPECT_EQ(dlg.m_btnAirTools.Menu().MenuId(), 150);
    EXPECT_EQ(dlg.m_btnNoiseTools.Menu().MenuId(), 149);
    EXPECT_EQ(dlg.m_btnSideTools.Menu().MenuId(), 148);
}

TEST_F(MainWindowTest, ContactLinkShowsCrispRedTextUnderItsGreenCopy) {
    // Every pixel of the link is the window colour, the red text or the
    // green copy drawn one pixel up and to the left over it: no blend.
    const QImage image = dlg.grab(dlg.m_lblContact.geometry()).toImage();
    const QRgb allowed[] = {QColor(0, 166, 228).rgb(), QColor(255, 0, 0).rgb(),
                            QColor(0, 255, 0).rgb()};
    int red = 0, green = 0, other = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) | 0xFF000000;
            red += p == allowed[1];
            green += p == allowed[2];
            other += p != allowed[0] && p != allowed[1] && p != allowed[2];
        }
    EXPECT_EQ(other, 0);
    EXPECT_GT(red, 10);
    EXPECT_GT(green, red);
}

TEST_F(MainWindowTest, ClockTicksWithAColourFromTheGenerator) {
    services.time = services.time.addSecs(1);
    RunFor(1500, [&] { return dlg.m_lblClock.Text() == "现在时间：09:05:08"; });
    EXPECT_EQ(dlg.m_lblClock.Text(), "现在时间：09:05:08");
    EXPECT_NE(dlg.m_lblClock.LabelColor(), QColor(249, 6, 240));
}

TEST_F(MainWindowTest, PageIndexOutsideOneToNineShowsPageOneOnItsFrame) {
    for (int index : {0, 10}) {
        dlg.ShowPage(2);
        dlg.ShowPage(index);
        EXPECT_EQ(dlg.VisiblePage(), dlg.Page(1)) << index;
    }
    EXPECT_EQ(dlg.Page(1)->geometry(), dlg.GetDlgItem(1004)->geometry());
}

// The record goes to the clipboard as HTML beside the plain text, so that a
// word processor pastes it as a table.
TEST_F(MainWindowTest, CopiedRecordCarriesHtmlAndText) {
    EditOf(dlg.Page(1), 1005)->setText("100");
    qobject_cast<QAbstractButton*>(dlg.Page(1)->GetDlgItem(1026))->click();
    QueuePopupMenuChoice(57634);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), dlg.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&dlg, &menu);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->text().startsWith("计算过程：生活污水和垃圾\n"));
    EXPECT_TRUE(data->html().startsWith("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(data->html().contains("<td>工人数</td>"));
}

// Records every geometry a window is given.
class GeometryLog : public QObject {
public:
    explicit GeometryLog(QWidget* window) : window_(window) { window->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            (rects.empty() || rects.back() != window_->geometry()))
            rects.push_back(window_->geometry());
        return false;
    }
    std::vector<QRect> rects;

private:
    QWidget* window_;
};

TEST_F(MainWindowTest, ClosingShrinksCentredThirtyPixelsATickAndEnds) {
    GeometryLog log(&dlg);
    QSize size = dlg.geometry().size();
    dlg.close();
    dlg.close();  // a second request restarts the timer, not the animation
    RunFor(5000, [&] { return !dlg.IsClosing(); });
    EXPECT_FALSE(dlg.IsClosing());
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_TRUE(dlg.isHidden());

    std::vector<QRect> expected;
    while (size.width() > 0 || size.height() > 0) {
        const int w = size.width() > 0 ? size.width() - 30 : 0;
        const int h = size.height() > 0 ? size.height() - 30 : 0;
        expected.emplace_back((1024 - w) / 2, (768 - h) / 2, std::max(w, 0), std::max(h, 0));
        size = QSize(std::max(w, 0), std::max(h, 0));
    }
    std::vector<QRect> shown;  // the hidden window's last move is not a frame
    for (const QRect& r : log.rects)
        if (shown.empty() || shown.back() != r)
            shown.push_back(r);
    ASSERT_GE(shown.size(), 10u);
    EXPECT_EQ(shown.front(), expected.front());
    EXPECT_EQ(shown[5], expected[5]);
    EXPECT_EQ(dlg.geometry().size(), QSize(0, 0));
}

TEST_F(MainWindowTest, ColoursOnAnOffscreenGrab) {
    const QImage image = dlg.grab().toImage();
    EXPECT_EQ(image.pixelColor(dlg.width() - 3, dlg.height() - 3), QColor(0, 166, 228));
    // Button 1000 has the focus: its face shows the focus colour; the others
    // the normal face.
    const QRect focused = dlg.m_btnSewage.geometry();
    EXPECT_EQ(image.pixelColor(focused.left() + 5, focused.center().y()), QColor(214, 244, 229));
    const QRect normal = dlg.m_btnUnits.geometry();
    EXPECT_EQ(image.pixelColor(normal.left() + 5, normal.center().y()), QColor(152, 242, 196));
}

TEST(AboutBox, TemplateTextsAndBlueMailLink) {
    FakeServices services;
    CAboutDlg about;
    about.Create(nullptr);
    EXPECT_EQ(about.windowTitle(), "关于 vek");
    EXPECT_EQ(about.m_lblMail.Text(), "vek@example.com");
    EXPECT_EQ(about.m_lblMail.LabelColor(), QColor(0, 0, 255));
    EXPECT_EQ(about.m_lblMail.LinkMode(), CLinkLabel::LinkMail);
    EXPECT_FALSE(about.m_lblMail.NotifiesParent());
}

}  // namespace
