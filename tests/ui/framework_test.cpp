// SPDX-License-Identifier: MIT
// The dialog framework on a made-up template: where Qt differs from the
// classic dialog manager, field exchange, and notifications.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "tests/ui/ui_test_support.h"

namespace {

using K = ControlKind;
using namespace Style;

const DialogTemplate kTestTemplate{
    9001,
    "测试",
    200,
    120,
    "宋体",
    9,
    WindowKind::ToolWindow,
    {
        {K::Radio, 101, "甲", 10, 10, 30, 10, Group | TabStop},
        {K::Radio, 102, "乙", 10, 22, 30, 10, None},
        {K::Static, -1, "说明", 50, 10, 30, 8, None},
        {K::Radio, 103, "丙", 10, 34, 30, 10, None},  // same group: no group flag between
        {K::Radio, 201, "子", 10, 50, 30, 10, Group | TabStop},
        {K::Radio, 202, "丑", 10, 62, 30, 10, None},
        {K::Edit, 301, "", 90, 10, 40, 13, Border | TabStop | Group},
        {K::Edit, 302, "", 90, 26, 40, 13, Border | TabStop},
        {K::Edit, 303, "", 90, 42, 40, 13, Border | TabStop},
        {K::Edit, 304, "", 90, 58, 40, 13, Border | TabStop | Hidden},
        {K::ComboBox, 401, "", 140, 10, 50, 60, TabStop | Sorted | VScroll},
        {K::PushButton, 501, "计算", 140, 90, 40, 14, TabStop},
        {K::GroupBox, -1, "框", 5, 2, 40, 75, None},  // listed last, drawn below
    }};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(kTestTemplate) {}
    int m_nFirstGroup = 0;
    int m_nSecondGroup = 1;
    float m_fValue = 1.5f;
    int m_nCount = 7;
    double m_dValue = 2.0 / 3;
    float m_fHidden = 4;
    QString m_strChoice;
    int changes = 0;
    int clicks = 0;
    int oks = 0;
    int killFocus = 0;
    bool boxOnKillFocus = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Radio(pDX, 101, m_nFirstGroup);
        DDX_Radio(pDX, 201, m_nSecondGroup);
        DDX_Text(pDX, 301, m_fValue);
        DDX_Text(pDX, 302, m_nCount);
        DDX_Text(pDX, 303, m_dValue);
        DDX_Text(pDX, 304, m_fHidden);
        DDX_CBString(pDX, 401, m_strChoice);
    }
    void BuildMessageMap() override {
        On(301, Notify::Change, &TestDialog::OnChangeValue);
        On(501, Notify::Clicked, &TestDialog::OnButton);
        On(302, Notify::KillFocus, &TestDialog::OnKillFocusCount);
    }
    void OnOK() override {
        ++oks;
        CDialog::OnOK();
    }

private:
    void OnChangeValue() { ++changes; }
    void OnButton() { ++clicks; }
    void OnKillFocusCount() {
        ++killFocus;
        if (boxOnKillFocus)
            MessageBox(QStringLiteral("失去焦点"));
    }
};

QAbstractButton* Button(CDialog& d, int id) {
    return qobject_cast<QAbstractButton*>(d.GetDlgItem(id));
}

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Create(nullptr);
        ShowActive(&dialog);
    }
    TestDialog dialog;
};

TEST_F(FrameworkTest, RadioButtonsExcludeEachOtherPerTemplateGroup) {
    Button(dialog, 103)->click();
    EXPECT_FALSE(Button(dialog, 101)->isChecked());
    EXPECT_TRUE(Button(dialog, 201)->isChecked() || Button(dialog, 202)->isChecked());
    Button(dialog, 202)->click();
    EXPECT_TRUE(Button(dialog, 103)->isChecked());  // another group's click leaves it alone
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.m_nFirstGroup, 2);
    EXPECT_EQ(dialog.m_nSecondGroup, 1);

    dialog.m_nFirstGroup = -1;  // none selected
    dialog.UpdateData(false);
    for (int id : {101, 102, 103}) EXPECT_FALSE(Button(dialog, id)->isChecked()) << id;
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.m_nFirstGroup, -1);
}

TEST_F(FrameworkTest, EnterInAFieldIsOkAndPushButtonsAreNeverDefault) {
    auto* button = qobject_cast<QPushButton*>(dialog.GetDlgItem(501));
    EXPECT_FALSE(button->autoDefault());
    EXPECT_FALSE(button->isDefault());
    QLineEdit* edit = EditOf(&dialog, 301);
    edit->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    EXPECT_EQ(dialog.oks, 1);
    EXPECT_EQ(dialog.clicks, 0);
    EXPECT_TRUE(dialog.isHidden());  // the take-in succeeded, so the window ended
}

TEST_F(FrameworkTest, EscapeHidesTheWindowWithoutTakeIn) {
    EditOf(&dialog, 301)->setText("abc");
    BoxRecorder boxes;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(EditOf(&dialog, 301), &escape);
    EXPECT_TRUE(dialog.isHidden());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(FrameworkTest, ComboBoxKeepsItsListSortedAndNeverInsertsTypedText) {
    auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItem(401));
    CWndRef list;
    list.Attach(combo);
    EXPECT_EQ(list.AddString("甲苯"), 0);
    EXPECT_EQ(list.AddString("Benzene"), 0);  // the template keeps this list sorted
    EXPECT_EQ(list.AddString("acetone"), 0);
    combo->clear();
    combo->addItems({"苯", "甲苯"});
    combo->setFocus();
    combo->lineEdit()->setText("二甲苯");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(combo->lineEdit(), &enter);
    EXPECT_EQ(combo->count(), 2);
    dialog.m_strChoice = "甲";
    dialog.UpdateData(false);
    EXPECT_EQ(combo->currentText(), "甲苯");  // the first entry beginning with the text
}

TEST_F(FrameworkTest, TabOrderIsTemplateOrderAndGroupBoxesStayBelow) {
    QWidget* w = dialog.GetDlgItem(101);
    std::vector<int> order;
    for (int i = 0; i < 6; ++i) {
        w = w->nextInFocusChain();
        while (w && ControlId(w) == -1) w = w->nextInFocusChain();
        order.push_back(ControlId(w));
    }
    EXPECT_EQ(order, (std::vector<int>{102, 103, 201, 202, 301, 302}));
    auto* box = dialog.findChild<QGroupBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialog.children().indexOf(box) < dialog.children().indexOf(dialog.GetDlgItem(101)),
              true);
}

TEST_F(FrameworkTest, FocusIsReportedOnlyInTheActiveWindow) {
    EditOf(&dialog, 302)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), EditOf(&dialog, 302));
}

TEST_F(FrameworkTest, FailedTakeInStopsAtFirstBadFieldInExchangeOrder) {
    BoxRecorder boxes;
    Button(dialog, 102)->click();
    EditOf(&dialog, 301)->setText(" 2.5 ");
    EditOf(&dialog, 302)->setText("2147483648");  // beyond a whole-number field
    EditOf(&dialog, 303)->setText("0.25");
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.m_nFirstGroup, 1);  // before the failing field: read
    EXPECT_EQ(dialog.m_fValue, 2.5f);
    EXPECT_EQ(dialog.m_nCount, 7);        // the failing field keeps its value
    EXPECT_EQ(dialog.m_dValue, 2.0 / 3);  // after it: not read
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "请输入一个整数。");
    EXPECT_EQ(boxes.boxes[0].caption, "vek");
    EXPECT_EQ(boxes.boxes[0].type, BoxType::IconExclamation);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), EditOf(&dialog, 302));
    EXPECT_EQ(EditOf(&dialog, 302)->selectedText(), "2147483648");
    EXPECT_EQ(EditOf(&dialog, 302)->text(), "2147483648");  // the user's text stays

    EditOf(&dialog, 302)->setText("12abc");
    EditOf(&dialog, 301)->setText("");
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(boxes.boxes.back().text, "请输入一个数。");
}

TEST_F(FrameworkTest, HiddenFieldNeverFailsATakeIn) {
    BoxRecorder boxes;
    EditOf(&dialog, 304)->setText("not a number");
    EditOf(&dialog, 303)->setText("0.5");
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.m_fHidden, 4.0f);
    EXPECT_EQ(dialog.m_dValue, 0.5);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(FrameworkTest, PutOutWritesEveryFieldWithoutNotifications) {
    dialog.m_fValue = 1234567;
    dialog.m_nCount = -3;
    dialog.m_dValue = 1.0 / 3;
    dialog.changes = 0;
    dialog.UpdateData(false);
    EXPECT_EQ(EditOf(&dialog, 301)->text(), "1.23457e+006");
    EXPECT_EQ(EditOf(&dialog, 302)->text(), "-3");
    EXPECT_EQ(EditOf(&dialog, 303)->text(), "0.333333333333333");
    EXPECT_EQ(dialog.changes, 0);
    EditOf(&dialog, 301)->setText("5");  // the user's own typing does notify
    EXPECT_EQ(dialog.changes, 1);
}

TEST_F(FrameworkTest, ButtonClickAndPostedCommandReachTheMessageMap) {
    Button(dialog, 501)->click();
    EXPECT_EQ(dialog.clicks, 1);
    PostCommand(&dialog, 501);
    EXPECT_EQ(dialog.clicks, 1);  // posted: handled after the current event
    QApplication::processEvents();
    EXPECT_EQ(dialog.clicks, 2);
}

TEST_F(FrameworkTest, KillFocusOnlyWhenFocusMovesWithinTheWindow) {
    EditOf(&dialog, 302)->setFocus();
    QApplication::processEvents();
    EditOf(&dialog, 303)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(dialog.killFocus, 1);

    EditOf(&dialog, 302)->setFocus();
    QApplication::processEvents();
    QWidget other;
    ShowActive(&other);  // deactivating the window is not a focus change inside it
    EXPECT_EQ(dialog.killFocus, 1);
}

TEST_F(FrameworkTest, RealBoxFromFocusLostHandlerStartsNoChain) {
    dialog.boxOnKillFocus = true;
    EditOf(&dialog, 302)->setFocus();
    QApplication::processEvents();
    int boxesSeen = 0;
    // Close every real box shortly after it opens.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                ++boxesSeen;
                box->accept();
            }
        }
    });
    closer.start(20);
    EditOf(&dialog, 303)->setFocus();  // 302 loses focus: one box
    QApplication::processEvents();
    for (int i = 0; i < 20; ++i) QApplication::processEvents(QEventLoop::AllEvents, 10);
    closer.stop();
    EXPECT_EQ(dialog.killFocus, 1);
    EXPECT_EQ(boxesSeen, 1);
}

TEST(DialogUnits, ConvertLikeMulDiv) {
    EXPECT_EQ(MulDivRound(3, 6, 4), 5);  // 4.5 rounds away from zero
    EXPECT_EQ(MulDivRound(-3, 6, 4), -5);
    EXPECT_EQ(MulDivRound(26, 6, 4), 39);
    const QRect r = DialogUnitsToPixels(DialogBaseUnits{6, 12}, 35, 11, 26, 13);
    EXPECT_EQ(r, QRect(53, 17, 39, 20));
    // A taller face (8 x 17 px): the button at 83 + 18 units reaches the one
    // at 101 without a pixel's gap between them.
    const DialogBaseUnits tall{8, 17};
    EXPECT_EQ(DialogUnitsToPixels(tall, 8, 83, 74, 18), QRect(16, 176, 148, 39));
    EXPECT_EQ(DialogUnitsToPixels(tall, 8, 101, 74, 18).top(), 215);
}

}  // namespace
