// SPDX-License-Identifier: MIT
// The dialog framework's rules, one test each, on made-up templates: a main
// window holding a page, and a tool window. Where Qt differs from the
// classic dialog manager (groups, tab order, Enter, combo boxes, stacking),
// the exchange and its boxes, notifications and focus lost, tool windows,
// accelerators, quiet fields, colours, statics and pictures.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <optional>
#include <utility>
#include <vector>

#include "framework/accelerators.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/dialog_keys.h"
#include "framework/edit_text.h"
#include "framework/quiet_field.h"
#include "framework/resources.h"
#include "framework/tool_window.h"
#include "tests/ui/controls_test_support.h"

namespace {

using K = ControlKind;
using namespace Style;

const QColor kPageColour(159, 185, 245);

// The main window: two buttons, a drop-down list and the frame its page
// sits on.
const DialogTemplate kMain{9001,
                           "主窗口",
                           250,
                           120,
                           "宋体",
                           9,
                           WindowKind::MainWindow,
                           {
                               {K::PushButton, 101, "甲", 5, 5, 40, 14, TabStop},
                               {K::PushButton, 102, "乙", 5, 25, 40, 14, TabStop},
                               {K::ComboBox, 103, "", 5, 45, 40, 60, TabStop | DropList},
                               {K::Static, 104, "", 50, 2, 195, 115, Hidden},
                           }};

// The page: two radio groups (a static text inside the first), two labels
// sharing a row with a field over them, fields of every width (one hidden,
// one disabled, a narrow read-only result), a check box, a sorted editable
// list and a flat compute button, all inside a group box listed last.
const DialogTemplate kPage{
    9002,
    "",
    195,
    115,
    "宋体",
    9,
    WindowKind::ChildPage,
    {
        {K::Radio, 201, "甲", 8, 10, 30, 10, Group | TabStop},
        {K::Radio, 202, "乙", 8, 22, 30, 10, None},
        {K::Static, -1, "说明", 40, 10, 25, 8, None},
        {K::Radio, 203, "丙", 8, 34, 30, 10, None},
        {K::Radio, 204, "子", 8, 50, 30, 10, Group | TabStop},
        {K::Radio, 205, "丑", 8, 62, 30, 10, None},
        {K::Static, -1, "上面的标签", 70, 10, 60, 8, None},
        {K::Static, -1, "----------------------------------", 70, 17, 120, 8, None},
        {K::Edit, 301, "", 130, 10, 30, 13, Border | AutoHScroll | TabStop | Group},
        {K::Edit, 302, "", 70, 30, 40, 13, Border | TabStop},
        {K::Edit, 303, "", 115, 30, 40, 13, Border | TabStop},
        {K::Edit, 304, "", 70, 45, 30, 13, Border | TabStop | Hidden},
        {K::Edit, 305, "", 105, 45, 30, 13, Border | TabStop | Disabled},
        {K::Edit, 306, "", 140, 45, 20, 10, ReadOnly | TabStop},
        {K::CheckBox, 307, "选", 70, 62, 30, 10, TabStop},
        {K::ComboBox, 401, "", 105, 62, 50, 60, TabStop | Sorted | VScroll},
        {K::PushButton, 501, "确 定", 150, 90, 38, 15, Flat | TabStop},
        {K::GroupBox, -1, "框", 2, 1, 190, 108, None},
    }};

// The tool window: a live total line (level, background, total), a display
// that hands the focus on, keypad keys "0" and "=", an editable list, a
// left and a centred long text, and a bitmap in a larger and a smaller
// frame.
const DialogTemplate kTool{
    9003,
    "工具",
    310,
    195,
    "宋体",
    9,
    WindowKind::ToolWindow,
    {
        {K::Edit, 701, "", 4, 4, 60, 12, Border | TabStop},
        {K::Edit, 702, "123", 70, 4, 60, 12, Border | TabStop},
        {K::PushButton, 703, "0", 70, 20, 20, 12, TabStop},
        {K::PushButton, 704, "=", 95, 20, 20, 12, TabStop},
        {K::ComboBox, 705, "", 70, 36, 60, 40, TabStop},
        {K::Edit, 706, "50", 4, 20, 60, 12, Border | TabStop},
        {K::Edit, 707, "", 4, 36, 60, 12, Border | TabStop},
        {K::Static, 708, "等效连续A声级等效连续A声级等效连续A声级", 4, 80, 40, 24, None},
        {K::Static, 709, "等效连续A声级等效连续A声级等效连续A声级", 50, 80, 40, 24, Center},
        {K::Picture, 710, "175", 100, 80, 200, 110, None},  // larger than the bitmap
        {K::Picture, 711, "175", 140, 4, 20, 10, None},     // smaller
    }};

// A window that records what its message map hears, by (id, notification).
class TestWindow : public CDialog {
public:
    using CDialog::CDialog;
    int Count(int id, int code) const {
        int n = 0;
        for (const auto& [i, c] : heard) n += i == id && c == code;
        return n;
    }
    std::vector<std::pair<int, int>> heard;
    int oks = 0;

protected:
    void Listen(std::initializer_list<std::pair<int, int>> entries) {
        for (const auto& [id, code] : entries)
            On(id, code, [this, id, code] {
                heard.emplace_back(id, code);
                Heard(id, code);
            });
    }
    virtual void Heard(int, int) {}
    void OnOK() override {
        ++oks;
        CDialog::OnOK();
    }
};

class Page : public TestWindow {
public:
    Page() : TestWindow(kPage) {}
    int m_nFirstGroup = 0;
    int m_nSecondGroup = 1;
    float m_fValue = 1.5f;
    int m_nCount = 7;
    double m_dValue = 2.0 / 3;
    float m_fHidden = 4;
    QString m_strChoice;
    float m_fResult = 0;
    bool boxOnKillFocus = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Radio(pDX, 201, m_nFirstGroup);
        DDX_Radio(pDX, 204, m_nSecondGroup);
        DDX_Text(pDX, 301, m_fValue);
        DDX_Text(pDX, 302, m_nCount);
        DDX_Text(pDX, 303, m_dValue);
        DDX_Text(pDX, 304, m_fHidden);
        DDX_CBString(pDX, 401, m_strChoice);
        DDX_Text(pDX, 306, m_fResult);
    }
    void BuildMessageMap() override {
        Listen({{301, Notify::Change},
                {302, Notify::KillFocus},
                {401, Notify::SelChange},
                {501, Notify::Clicked}});
    }
    void Heard(int id, int) override {
        if (id == 302 && boxOnKillFocus)
            MessageBox(QStringLiteral("请输入一个数。"));
        if (id == 501 && UpdateData(true)) {
            m_fResult = 590806000.0f;  // "5.90806e+008": wider than its field
            UpdateData(false);
        }
    }
    CtlColor OnCtlColor(QWidget*, CtlColorKind kind) override {
        if (kind == CtlColorKind::Dialog || kind == CtlColorKind::Static)
            return CtlColor::Solid(kPageColour);
        return CtlColor::Default();
    }
};

class Main : public TestWindow {
public:
    Main() : TestWindow(kMain) {}
    Page page;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        qobject_cast<QComboBox*>(GetDlgItem(103))->addItems({"一", "二"});
        page.Create(this);
        page.setGeometry(GetDlgItem(104)->geometry());
        page.show();
        return true;
    }
    void BuildMessageMap() override { Listen({{101, Notify::Clicked}, {103, Notify::SelChange}}); }
    void OnOK() override { ++oks; }
};

class Tool : public TestWindow {
public:
    Tool() : TestWindow(kTool) {}
    int starts = 0;
    float m_fLevel = 0, m_fBackground = 0, m_fTotal = 0;
    CWndRef m_edit;

protected:
    bool OnInitDialog() override {
        ++starts;
        m_fLevel = 4;
        // The character "0" and Enter, as a keypad's table holds them.
        LoadAccelerators(this, [](const QKeyEvent& e) -> std::optional<int> {
            if (e.text() == QLatin1String("0"))
                return 703;
            if (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter)
                return 704;
            return std::nullopt;
        });
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 701, m_edit);
        DDX_Text(pDX, 701, m_fLevel);
    }
    void BuildMessageMap() override {
        Listen({{701, Notify::Change},
                {706, Notify::Change},
                {707, Notify::Change},
                {702, Notify::SetFocus},
                {703, Notify::Clicked},
                {704, Notify::Clicked},
                {705, Notify::SelChange}});
    }
    void Heard(int id, int code) override {
        if (id == 702)  // a display: the focus never stays in it
            GetDlgItem(703)->setFocus(Qt::OtherFocusReason);
        if (code != Notify::Change)
            return;
        // The level or the background typed gives the total, the total
        // typed gives the level.
        const bool total = id == 707;
        if (ReadFieldQuietly(this, total ? 707 : 701, total ? m_fTotal : m_fLevel) &&
            ReadFieldQuietly(this, 706, m_fBackground)) {
            if (total)
                WriteFieldQuietly(this, 701, m_fLevel = m_fTotal - m_fBackground);
            else
                WriteFieldQuietly(this, 707, m_fTotal = m_fLevel + m_fBackground);
        }
    }
};

// Where a control's centre lies in its top-level window.
QPoint CentreInWindow(QWidget* control) {
    return control->mapTo(control->window(), control->rect().center());
}

void ClickInWindow(QWidget* control) {
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      CentreInWindow(control));
    QApplication::processEvents();
}

void Press(QWidget* target, int key, Qt::KeyboardModifiers held = Qt::NoModifier) {
    const QString text = key == Qt::Key_Space ? " " : "";
    QKeyEvent press(QEvent::KeyPress, key, held, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, held, text);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
}

// Types `text` key by key into the focused control (any character).
void TypeKeys(const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                            static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

// Closes every real message box shortly after it opens, counting them.
class BoxCloser {
public:
    BoxCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    ++seen;
                    box->accept();
                }
        });
        timer_.start(20);
    }
    int seen = 0;

private:
    QTimer timer_;
};

class DialogFramework : public ::testing::Test {
protected:
    void SetUp() override {
        main.Create(nullptr);
        ShowActive(&main);
    }
    QWidget* Item(int id) {
        CDialog& window = id < 200   ? static_cast<CDialog&>(main)
                          : id < 700 ? static_cast<CDialog&>(main.page)
                                     : static_cast<CDialog&>(tool);
        return window.GetDlgItem(id);
    }
    QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(Item(id)); }
    QAbstractButton* Button(int id) { return qobject_cast<QAbstractButton*>(Item(id)); }
    QComboBox* Combo(int id) { return qobject_cast<QComboBox*>(Item(id)); }
    void Focus(int id) {
        Item(id)->setFocus();
        QApplication::processEvents();
    }
    int Focused() { return ControlId(QApplication::focusWidget()); }
    void OpenTool() {
        OpenToolWindow(tool, main.GetDlgItem(101));
        QApplication::processEvents();
    }
    int Lost() const { return main.page.Count(302, Notify::KillFocus); }

    Main main;
    Page& page = main.page;
    Tool tool;  // after the main window, so it goes first
};

// --- where Qt differs from the classic dialog manager ------------------------

TEST_F(DialogFramework, RadioButtonsExcludeEachOtherPerTemplateGroup) {
    Button(203)->click();
    EXPECT_FALSE(Button(201)->isChecked());
    EXPECT_TRUE(Button(205)->isChecked());
    Button(204)->click();
    EXPECT_TRUE(Button(203)->isChecked());  // another group's click leaves it alone
    ASSERT_TRUE(page.UpdateData(true));
    EXPECT_EQ(page.m_nFirstGroup, 2);
    EXPECT_EQ(page.m_nSecondGroup, 0);

    page.m_nFirstGroup = -1;  // none selected
    page.UpdateData(false);
    for (int id : {201, 202, 203}) EXPECT_FALSE(Button(id)->isChecked()) << id;
    ASSERT_TRUE(page.UpdateData(true));
    EXPECT_EQ(page.m_nFirstGroup, -1);
}

TEST_F(DialogFramework, EnterAndSpaceClickAFocusedButtonAndEnterInAFieldIsOk) {
    EXPECT_FALSE(qobject_cast<QPushButton*>(Item(501))->autoDefault());
    EXPECT_FALSE(qobject_cast<QPushButton*>(Item(501))->isDefault());
    // (focused control, key, clicks of 101 and 501, OKs of main and page)
    struct Row {
        int id;
        int key;
        int clicks, computes, mainOks, pageOks;
    };
    const Row rows[] = {
        {101, Qt::Key_Return, 1, 0, 0, 0},  // the window's own button
        {101, Qt::Key_Enter, 1, 0, 0, 0},   // the keypad's Enter too
        {101, Qt::Key_Space, 1, 0, 0, 0},
        {501, Qt::Key_Return, 0, 1, 0, 0},  // the page's compute button
        {501, Qt::Key_Space, 0, 1, 0, 0},
        {307, Qt::Key_Return, 0, 0, 0, 1},  // a check box is no push button
        {301, Qt::Key_Return, 0, 0, 0, 1},  // typed in a field: the page's OK
    };
    BoxRecorder boxes;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        main.heard.clear();
        page.heard.clear();
        main.oks = page.oks = 0;
        page.show();
        Focus(row.id);
        Press(Item(row.id), row.key);
        EXPECT_EQ(main.Count(101, Notify::Clicked), row.clicks);
        EXPECT_EQ(page.Count(501, Notify::Clicked), row.computes);
        EXPECT_EQ(main.oks, row.mainOks);
        EXPECT_EQ(page.oks, row.pageOks);
        EXPECT_EQ(page.isVisible(), row.pageOks == 0);  // the take-in succeeded: the page ended
        EXPECT_TRUE(main.isVisible());
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DialogFramework, TabAndShiftTabCycleThroughTheWindowAndItsPage) {
    // The page is a control parent: its tab stops follow the window's own
    // in one cycle. A radio group is entered at its checked button; hidden
    // and disabled fields are passed over.
    const std::pair<int, std::vector<int>> rows[] = {
        {101, {102, 103, 201, 205, 301, 302, 303, 306, 307, 401, 501, 101}},
        {301, {302, 303, 306, 307, 401, 501, 101, 102, 103, 201, 205, 301}},
    };
    for (const auto& [start, forward] : rows) {
        Focus(start);
        std::vector<int> seen;
        for (std::size_t i = 0; i < forward.size(); ++i) {
            Press(QApplication::focusWidget(), Qt::Key_Tab);
            seen.push_back(Focused());
        }
        EXPECT_EQ(seen, forward) << start;
        std::vector<int> back;
        for (std::size_t i = 0; i < forward.size(); ++i) {
            Press(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            back.push_back(Focused());
        }
        std::vector<int> expected(forward.rbegin() + 1, forward.rend());
        expected.push_back(start);
        EXPECT_EQ(back, expected) << start;
    }
    // Qt's own focus chain, which a control handing the focus on walks,
    // follows the template too.
    std::vector<int> chain;
    for (QWidget* w = Item(201)->nextInFocusChain(); chain.size() < 6; w = w->nextInFocusChain())
        if (ControlId(w) != -1)
            chain.push_back(ControlId(w));
    EXPECT_EQ(chain, (std::vector<int>{202, 203, 204, 205, 301, 302}));
}

// The step itself, from any focus: one outside the list (none, or a control
// of another window) starts the cycle at its first or last stop.
TEST_F(DialogFramework, NextTabStopFromAnyFocus) {
    const std::vector<QWidget*> cycle = page.TabCycle();
    struct Row {
        QWidget* from;
        bool forward;
        int to;
    };
    const Row rows[] = {
        {nullptr, true, 201},    {nullptr, false, 501},   {Item(101), true, 201},
        {Item(101), false, 501}, {Item(501), true, 201},  {Item(201), false, 501},
        {Item(303), true, 306},  {Item(306), false, 303}, {Item(201), true, 205},
        {Item(205), false, 201},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ControlId(NextTabStop(cycle, row.from, row.forward)), row.to)
            << (row.from ? ControlId(row.from) : 0) << (row.forward ? " forward" : " back");
    EXPECT_EQ(NextTabStop({}, nullptr, true), nullptr);
}

TEST_F(DialogFramework, EditableComboKeepsItsSortedListAndCompletesNothing) {
    QComboBox* combo = Combo(401);
    CWndRef list;
    list.Attach(combo);
    EXPECT_EQ(list.AddString("甲苯"), 0);
    EXPECT_EQ(list.AddString("Benzene"), 0);  // the template keeps this list sorted
    EXPECT_EQ(list.AddString("acetone"), 0);
    combo->clear();
    combo->addItems({"苯", "甲苯", "丙酮"});
    page.m_strChoice = "甲";
    page.UpdateData(false);
    EXPECT_EQ(combo->currentText(), "甲苯");  // the first entry beginning with the text

    // Typed text is neither completed from the list nor inserted into it.
    Focus(401);
    combo->lineEdit()->selectAll();
    TypeKeys(QStringLiteral("甲"));
    EXPECT_EQ(combo->currentText(), "甲");
    // Enter after an item's exact text chooses nothing and reaches OK.
    combo->lineEdit()->selectAll();
    TypeKeys(QStringLiteral("丙酮"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(page.Count(401, Notify::SelChange), 0);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(page.oks, 1);
}

void Wheel(QWidget* widget, int notches) {
    QWheelEvent wheel(
        QPointF(widget->rect().center()), widget->mapToGlobal(widget->rect().center()), QPoint(),
        QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

TEST_F(DialogFramework, WheelTurnsOnlyTheFocusedComboBox) {
    Combo(401)->addItems({"苯", "甲苯"});
    Focus(303);
    for (int id : {401, 103}) {
        Wheel(Combo(id), -1);
        EXPECT_EQ(Combo(id)->currentIndex(), 0) << id;
    }
    EXPECT_EQ(page.Count(401, Notify::SelChange), 0);
    EXPECT_EQ(main.Count(103, Notify::SelChange), 0);
    // With the focus, the wheel chooses, as the arrow keys do.
    Focus(103);
    Wheel(Combo(103), -1);
    EXPECT_EQ(Combo(103)->currentIndex(), 1);
    EXPECT_EQ(main.Count(103, Notify::SelChange), 1);
}

// The control of `window` whose template text is `text`.
QWidget* Label(CDialog& window, const char* text) {
    for (std::size_t i = 0; QWidget* w = window.ControlAt(i); ++i)
        if (window.Template().controls[i].text == std::string(text))
            return w;
    return nullptr;
}

TEST_F(DialogFramework, LabelsLieUnderFieldsAndAnEarlierLabelOverALaterOne) {
    QWidget* upper = Label(page, "上面的标签");
    QWidget* dashes = Label(page, "----------------------------------");
    ASSERT_EQ(upper->geometry().bottom(), dashes->geometry().top());  // one shared row
    // Where the two labels share a row, the earlier one shows.
    EXPECT_EQ(page.childAt(QPoint(upper->geometry().left() + 2, upper->geometry().bottom())),
              upper);
    // Where a field overlaps a label, the field shows; the group box, listed
    // last, lies beneath everything.
    const QRect field = Item(301)->geometry();
    ASSERT_TRUE(field.intersects(dashes->geometry()));
    EXPECT_EQ(page.childAt(field.intersected(dashes->geometry()).center()), Item(301));
    EXPECT_EQ(page.childAt(QPoint(upper->geometry().left() + 2, upper->geometry().top() + 2)),
              upper);
    auto* box = page.findChild<QGroupBox*>();
    EXPECT_LT(page.children().indexOf(box), page.children().indexOf(Item(201)));
}

// --- the exchange --------------------------------------------------------------

TEST_F(DialogFramework, FailedTakeInStopsAtTheFirstBadFieldInExchangeOrder) {
    BoxRecorder boxes;
    Button(202)->click();
    Edit(301)->setText(" 2.5 ");
    Edit(302)->setText("2147483648");  // beyond a whole-number field
    Edit(303)->setText("0.25");
    EXPECT_FALSE(page.UpdateData(true));
    EXPECT_EQ(page.m_nFirstGroup, 1);  // before the failing field: read
    EXPECT_EQ(page.m_fValue, 2.5f);
    EXPECT_EQ(page.m_nCount, 7);        // the failing field keeps its value
    EXPECT_EQ(page.m_dValue, 2.0 / 3);  // after it: not read
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "请输入一个整数。");
    EXPECT_EQ(boxes.boxes[0].caption, "vek");
    EXPECT_EQ(boxes.boxes[0].type, BoxType::IconExclamation);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), Item(302));
    EXPECT_EQ(Edit(302)->selectedText(), "2147483648");  // the user's text stays, selected

    Edit(302)->setText("12abc");
    Edit(301)->setText("");
    EXPECT_FALSE(page.UpdateData(true));
    EXPECT_EQ(boxes.boxes.back().text, "请输入一个数。");
}

TEST_F(DialogFramework, HiddenFieldNeverFailsATakeIn) {
    BoxRecorder boxes;
    Edit(304)->setText("not a number");
    Edit(303)->setText("0.5");
    EXPECT_TRUE(page.UpdateData(true));
    EXPECT_EQ(page.m_fHidden, 4.0f);
    EXPECT_EQ(page.m_dValue, 0.5);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DialogFramework, PutOutWritesEveryFieldWithoutNotifications) {
    page.m_fValue = 1234567;
    page.m_nCount = -3;
    page.m_dValue = 1.0 / 3;
    page.heard.clear();
    page.UpdateData(false);
    EXPECT_EQ(Edit(301)->text(), "1.23457e+006");
    EXPECT_EQ(Edit(302)->text(), "-3");
    EXPECT_EQ(Edit(303)->text(), "0.333333333333333");
    EXPECT_EQ(page.Count(301, Notify::Change), 0);
    Edit(301)->setText("5");  // the user's own typing does notify
    EXPECT_EQ(page.Count(301, Notify::Change), 1);
}

TEST_F(DialogFramework, PutOutShowsEveryFieldFromItsFirstCharacter) {
    QLineEdit* input = Edit(301);
    // The user types a number wider than the field: the field scrolls to
    // the caret at its end.
    Focus(301);
    input->selectAll();
    TypeKeys("123456.789012345");
    QApplication::processEvents();  // the field is painted as the user sees it
    ASSERT_GT(FirstShownCharacter(input), 0);
    // The compute button reads and writes every field.
    Focus(501);
    Button(501)->click();
    QApplication::processEvents();
    EXPECT_EQ(Edit(306)->text(), "5.90806e+008");
    EXPECT_EQ(FirstShownCharacter(Edit(306)), 0);
    EXPECT_EQ(input->text(), "123457");
    EXPECT_EQ(FirstShownCharacter(input), 0);

    // In the field being typed in an unchanged text keeps the caret.
    Focus(301);
    input->selectAll();
    TypeKeys("0.333333");
    const int caret = input->cursorPosition();
    page.m_fValue = 0.333333f;
    page.UpdateData(false);
    QApplication::processEvents();
    EXPECT_EQ(input->text(), "0.333333");
    EXPECT_EQ(input->cursorPosition(), caret);
    EXPECT_GT(FirstShownCharacter(input), 0);
}

// --- notifications and focus lost ------------------------------------------------

TEST_F(DialogFramework, ButtonClickAndPostedCommandReachTheMessageMap) {
    Button(501)->click();
    EXPECT_EQ(page.Count(501, Notify::Clicked), 1);
    PostCommand(&page, 501);
    EXPECT_EQ(page.Count(501, Notify::Clicked), 1);  // posted: handled after the current event
    QApplication::processEvents();
    EXPECT_EQ(page.Count(501, Notify::Clicked), 2);
}

TEST_F(DialogFramework, FocusLostCountsOnlyWhenTheFocusMovesWithinTheWindow) {
    Focus(302);
    Focus(303);
    EXPECT_EQ(Lost(), 1);
    Focus(302);
    ClickInWindow(Item(101));  // a main window control counts too
    EXPECT_EQ(Lost(), 2);
    EXPECT_EQ(main.Count(101, Notify::Clicked), 1);  // no box: the click goes on
    EXPECT_EQ(QApplication::focusWidget(), Item(101));

    Focus(302);
    QWidget other;
    ShowActive(&other);  // deactivation is no focus change inside the window
    EXPECT_EQ(Lost(), 2);
}

TEST_F(DialogFramework, BoxFromAFocusLostHandlerSwallowsThePressThatMovedTheFocus) {
    BoxRecorder boxes;
    page.boxOnKillFocus = true;
    Focus(302);
    ClickInWindow(Item(101));
    EXPECT_EQ(Lost(), 1);
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(main.Count(101, Notify::Clicked), 0);
    EXPECT_FALSE(Button(101)->isDown());
    EXPECT_EQ(QApplication::focusWidget(), Item(302));

    ClickInWindow(Item(103));
    EXPECT_EQ(Lost(), 2);
    EXPECT_FALSE(Combo(103)->view()->isVisible());  // no list opened
    EXPECT_EQ(QApplication::focusWidget(), Item(302));

    // Tab: no press to swallow; the focus comes back all the same.
    QTest::keyClick(Item(302), Qt::Key_Tab);
    EXPECT_EQ(Lost(), 3);
    EXPECT_EQ(QApplication::focusWidget(), Item(302));

    // The next click is the user's own again.
    page.boxOnKillFocus = false;
    ClickInWindow(Item(101));
    EXPECT_EQ(main.Count(101, Notify::Clicked), 1);
}

TEST_F(DialogFramework, RealBoxFromAFocusLostHandlerStartsNoChain) {
    page.boxOnKillFocus = true;
    Focus(302);
    BoxCloser user;  // reads each box and presses OK
    ClickInWindow(Item(101));
    RunFor(200);
    EXPECT_EQ(user.seen, 1);
    EXPECT_EQ(Lost(), 1);
    EXPECT_EQ(main.Count(101, Notify::Clicked), 0);
    EXPECT_FALSE(Button(101)->isDown());
    EXPECT_EQ(QApplication::focusWidget(), Item(302));
}

TEST_F(DialogFramework, HandlerThatMovesTheFocusOnLeavesNoCaretOrSelection) {
    OpenTool();
    QLineEdit* display = Edit(702);
    const QImage before = display->grab().toImage();
    for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::MouseFocusReason}) {
        Focus(701);
        if (reason == Qt::TabFocusReason)
            QTest::keyClick(Item(701), Qt::Key_Tab);
        else
            ClickInWindow(display);
        RunFor(50);
        EXPECT_EQ(Focused(), 703) << reason;
        EXPECT_FALSE(display->hasSelectedText()) << reason;
        EXPECT_EQ(display->grab().toImage(), before) << reason;  // no caret either
    }
    EXPECT_EQ(tool.Count(702, Notify::SetFocus), 2);
}

// --- tool windows ------------------------------------------------------------------

TEST_F(DialogFramework, ToolWindowIsBuiltAnewAtEachOpeningAndComesToTheFrontWhileOpen) {
    OpenTool();
    ASSERT_TRUE(tool.isVisible());
    EXPECT_EQ(tool.starts, 1);
    EXPECT_EQ(tool.m_edit.widget(), Item(701));
    Edit(701)->setText("12");
    const QPointer<QWidget> firstEdit = Item(701);

    // While open: to the front, unchanged.
    ShowActive(&main);
    OpenTool();
    EXPECT_EQ(tool.starts, 1);
    EXPECT_EQ(Edit(701)->text(), "12");
    EXPECT_EQ(QApplication::activeWindow(), &tool);

    // Closing only hides; the next opening builds it again from its template.
    tool.close();
    QApplication::processEvents();
    EXPECT_FALSE(tool.isVisible());
    EXPECT_FALSE(firstEdit.isNull());
    OpenTool();
    EXPECT_EQ(tool.starts, 2);
    EXPECT_TRUE(firstEdit.isNull());
    EXPECT_EQ(Edit(701)->text(), "4");
    EXPECT_EQ(tool.m_edit.widget(), Item(701));  // the handle is bound again
    Button(704)->click();
    EXPECT_EQ(tool.Count(704, Notify::Clicked), 1);  // one message map, not two
}

TEST_F(DialogFramework, ToolWindowIsOwnedByTheMainWindowAndEscapeGivesItBack) {
    OpenTool();
    ASSERT_NE(tool.windowHandle(), nullptr);
    // Owned: a dialog-type window with the main window as its transient
    // parent has no taskbar entry and stays above it.
    EXPECT_EQ(tool.windowType(), Qt::Dialog);
    EXPECT_EQ(tool.windowHandle()->transientParent(), main.windowHandle());
    EXPECT_TRUE(tool.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(ToolWindowOpener(tool), Item(101));  // who opened it

    // The main window kept on top keeps its owned window above it.
    main.windowHandle()->setFlags(main.windowFlags() | Qt::WindowStaysOnTopHint);
    QApplication::processEvents();
    EXPECT_EQ(tool.windowHandle()->transientParent(), main.windowHandle());

    // Escape ends it without a take-in, whatever its fields hold.
    BoxRecorder boxes;
    EXPECT_EQ(QApplication::activeWindow(), &tool);
    Edit(701)->setText("abc");
    QTest::keyClick(Edit(701), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(tool.isVisible());
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(QApplication::activeWindow(), &main);
}

TEST_F(DialogFramework, MessageBoxBlocksItsOwnWindowOnly) {
    OpenTool();
    // While a real box of the main window is open, the user clicks in both.
    bool blockedMain = false, freeTool = false;
    std::optional<BoxCloser> user;
    QTimer::singleShot(50, [&] {
        blockedMain = IsMessageBoxOpenOver(&main);
        freeTool = !IsMessageBoxOpenOver(&tool);
        ClickInWindow(Item(704));
        ClickInWindow(Item(101));
        user.emplace();
    });
    ShowMessageBox(&main, QStringLiteral("声波可直达,声程差为0"));
    ASSERT_TRUE(user.has_value());
    EXPECT_EQ(user->seen, 1);
    EXPECT_TRUE(blockedMain);
    EXPECT_TRUE(freeTool);
    EXPECT_EQ(tool.Count(704, Notify::Clicked), 1);
    EXPECT_EQ(main.Count(101, Notify::Clicked), 0);
    ClickInWindow(Item(101));  // usable again once the box is gone
    EXPECT_EQ(main.Count(101, Notify::Clicked), 1);
}

TEST_F(DialogFramework, AcceleratorsSeeEveryKeyBeforeTheFocusedControl) {
    OpenTool();
    Edit(701)->clear();
    // focus, key, clicks of "0" and "=" after it, text of 701
    struct Row {
        int focus;
        Qt::Key key;
        int zeros, equals;
        const char* text;
    };
    const Row rows[] = {
        {701, Qt::Key_0, 1, 0, ""},        // the field never sees the digit
        {701, Qt::Key_Return, 1, 1, ""},   // Enter is "=", not the window's OK
        {701, Qt::Key_A, 1, 1, "a"},       // not in the table: the field types it
        {703, Qt::Key_Return, 1, 2, "a"},  // a focused button is not clicked
        {705, Qt::Key_0, 2, 2, "a"},       // the edit part of a combo box neither
        {704, Qt::Key_0, 3, 2, "a"},
    };
    for (const Row& row : rows) {
        Focus(row.focus);
        QTest::keyClick(QApplication::focusWidget(), row.key);
        EXPECT_EQ(tool.Count(703, Notify::Clicked), row.zeros) << row.focus;
        EXPECT_EQ(tool.Count(704, Notify::Clicked), row.equals) << row.focus;
        EXPECT_EQ(Edit(701)->text(), row.text) << row.focus;
    }
    EXPECT_EQ(Combo(705)->currentText(), "");
    EXPECT_TRUE(tool.isVisible());
    EXPECT_EQ(tool.oks, 0);
}

// A live line reads and writes one field at a time: the field typed in
// keeps every key, each handler runs once per key, and a text that is not
// a number yet changes nothing and raises no box.
TEST_F(DialogFramework, QuietFieldsKeepTheTypingAndRunEachHandlerOncePerKey) {
    BoxRecorder boxes;
    OpenTool();
    Focus(701);
    Edit(701)->selectAll();
    QTest::keyClicks(Edit(701), "65.5");
    EXPECT_EQ(Edit(701)->text(), "65.5");
    EXPECT_EQ(Edit(707)->text(), "115.5");
    EXPECT_EQ(tool.Count(701, Notify::Change), 4);
    EXPECT_EQ(tool.Count(707, Notify::Change), 0);
    Edit(701)->selectAll();
    QTest::keyClicks(Edit(701), "-");
    EXPECT_EQ(Edit(707)->text(), "115.5");
    EXPECT_EQ(tool.m_fLevel, 65.5f);
    // Typing the total writes the level once per key.
    Focus(707);
    Edit(707)->selectAll();
    QTest::keyClicks(Edit(707), "65");
    EXPECT_EQ(Edit(707)->text(), "65");
    EXPECT_EQ(Edit(701)->text(), "15");
    EXPECT_EQ(tool.Count(707, Notify::Change), 2);
    EXPECT_EQ(tool.Count(701, Notify::Change), 5);
    EXPECT_TRUE(boxes.boxes.empty());
}

// --- colours and pictures ------------------------------------------------------------

TEST_F(DialogFramework, ColoursFollowAReadOnlyOrEnabledChangeAtOnce) {
    QLineEdit* edit = Edit(306);
    auto inside = [&] {
        return PixelAt(edit->grab().toImage(), edit->width() - 3, edit->height() / 2);
    };
    const QColor white(Qt::white);
    const std::pair<std::function<void()>, QColor> steps[] = {
        {[] {}, kPageColour},
        {[&] { edit->setReadOnly(false); }, white},
        {[&] { edit->setEnabled(false); }, kPageColour},
        {[&] { edit->setEnabled(true); }, white},
        {[&] { edit->setReadOnly(true); }, kPageColour},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].first();
        EXPECT_EQ(inside(), steps[i].second) << i;
    }
}

TEST_F(DialogFramework, FlatButtonAndTheSunkenEdgeOfAPage) {
    // A flat button: one colour all round its edge (no light top-left and
    // dark bottom-right), a plain face just inside.
    const QImage button = Item(501)->grab().toImage();
    const QColor frame = PixelAt(button, 0, 0);
    const QColor face = PixelAt(button, 2, 2);
    EXPECT_NE(frame, face);
    const int bw = button.width(), bh = button.height();
    for (int x = 0; x < bw; ++x) {
        EXPECT_EQ(PixelAt(button, x, 0), frame) << x;
        EXPECT_EQ(PixelAt(button, x, bh - 1), frame) << x;
        if (x > 0 && x < bw - 1) {
            EXPECT_EQ(PixelAt(button, x, 1), face) << x;
        }
    }
    for (int y = 0; y < bh; ++y) {
        EXPECT_EQ(PixelAt(button, 0, y), frame) << y;
        EXPECT_EQ(PixelAt(button, bw - 1, y), frame) << y;
    }

    // The page's edge: dark on its outermost top and left pixels, light on
    // its outermost bottom and right ones, the page colour just inside.
    const QImage image = page.grab().toImage();
    const QColor dark = QColor(page.palette().color(QPalette::Dark).rgb());  // as painted
    const QColor light = QColor(page.palette().color(QPalette::Light).rgb());
    const int w = image.width(), h = image.height();
    EXPECT_EQ(PixelAt(image, w / 2, 0), dark);
    EXPECT_EQ(PixelAt(image, 0, h / 2), dark);
    EXPECT_EQ(PixelAt(image, w / 2, h - 1), light);
    EXPECT_EQ(PixelAt(image, w - 1, h / 2), light);
    EXPECT_EQ(PixelAt(image, w / 2, h - 2), kPageColour);
    EXPECT_EQ(PixelAt(image, w - 2, h / 2), kPageColour);
}

int InkRows(const QImage& image, QColor ground) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width(); ++x) ink = ink || QColor(image.pixel(x, y)) != ground;
        rows += ink;
    }
    return rows;
}

TEST_F(DialogFramework, LeftTextWrapsAndPicturesShowAtTheirOwnSize) {
    OpenTool();
    const QColor ground = tool.palette().color(QPalette::Window);
    const int oneLine = tool.BaseUnits().height * 3 / 2;
    // The left text takes further lines; the centred one stays on one.
    EXPECT_GT(InkRows(Item(708)->grab().toImage(), ground), oneLine);
    EXPECT_LE(InkRows(Item(709)->grab().toImage(), ground), oneLine);

    const QSize own = BitmapResourceSize(175);
    ASSERT_TRUE(own.isValid());
    const QImage drawn = LoadBitmapResource(175).toImage().convertToFormat(QImage::Format_RGB32);
    for (int id : {710, 711}) {
        auto* picture = qobject_cast<QLabel*>(Item(id));
        EXPECT_EQ(picture->geometry(),
                  QRect(tool.TemplateRectPixels(*tool.TemplateOf(id)).topLeft(), own))
            << id;
        EXPECT_EQ(picture->pixmap().deviceIndependentSize().toSize(), own) << id;
        EXPECT_EQ(picture->grab().toImage().convertToFormat(QImage::Format_RGB32), drawn) << id;
    }
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
