// SPDX-License-Identifier: MIT
// The framework as a classic dialog, on made-up templates: Enter and Space
// on a focused button, Tab within the window that has the focus, numbers
// set into narrow fields shown from their first character, the stacking of
// overlapping controls, flat buttons and a page's sunken edge.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/edit_text.h"
#include "tests/ui/controls_test_support.h"

namespace {

using K = ControlKind;
using namespace Style;

// A page with an input, a narrow result, a check box, a hidden and a
// disabled field and a flat compute button; labels overlap by one row.
const DialogTemplate kPage{
    9101,
    "",
    160,
    80,
    "宋体",
    9,
    WindowKind::ChildPage,
    {
        {K::GroupBox, -1, "框", 2, 1, 150, 70, None},
        {K::Static, -1, "上面的标签", 8, 10, 60, 8, None},
        {K::Static, -1, "----------------------------------", 8, 17, 120, 8, None},
        {K::Edit, 201, "", 70, 10, 30, 13, Border | AutoHScroll | TabStop},
        {K::Edit, 202, "", 70, 30, 20, 10, ReadOnly | TabStop},
        {K::CheckBox, 203, "选", 8, 30, 30, 10, TabStop},
        {K::Edit, 204, "", 8, 45, 30, 13, Border | TabStop | Hidden},
        {K::Edit, 205, "", 40, 45, 30, 13, Border | TabStop | Disabled},
        {K::PushButton, 206, "确 定", 100, 45, 38, 15, Flat | TabStop},
    }};

// The window that holds the page, with two buttons of its own.
const DialogTemplate kHost{9102,
                           "主窗口",
                           250,
                           100,
                           "宋体",
                           9,
                           WindowKind::ToolWindow,
                           {
                               {K::PushButton, 101, "甲", 5, 5, 40, 14, TabStop},
                               {K::PushButton, 102, "乙", 5, 25, 40, 14, TabStop},
                               {K::Static, 103, "", 60, 5, 170, 90, Hidden},
                           }};

class Page : public CDialog {
public:
    Page() : CDialog(kPage) {}
    float m_fInput = 123.456f;
    float m_fResult = 0;
    int computes = 0;
    int oks = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, 201, m_fInput);
        DDX_Text(pDX, 202, m_fResult);
    }
    void BuildMessageMap() override { On(206, Notify::Clicked, &Page::OnCompute); }
    void OnOK() override {
        ++oks;
        CDialog::OnOK();
    }

private:
    void OnCompute() {
        ++computes;
        UpdateData(true);
        m_fResult = 590806000.0f;  // "5.90806e+008": wider than its field
        UpdateData(false);
    }
};

class Host : public CDialog {
public:
    Host() : CDialog(kHost) {}
    Page page;
    int clicks101 = 0;
    int oks = 0;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        page.Create(this);
        page.setGeometry(GetDlgItem(103)->geometry());
        page.show();
        return true;
    }
    void BuildMessageMap() override { On(101, Notify::Clicked, &Host::On101); }
    void OnOK() override { ++oks; }

private:
    void On101() { ++clicks101; }
};

void Press(QWidget* target, int key, Qt::KeyboardModifiers held = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, held, key == Qt::Key_Space ? " " : "");
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, held, key == Qt::Key_Space ? " " : "");
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
}

// Types `text` key by key into the focused `edit`.
void TypeKeys(QLineEdit* edit, const QString& text) {
    for (QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &key);
    }
}

class ClassicDialog : public ::testing::Test {
protected:
    void SetUp() override {
        host.Create(nullptr);
        ShowActive(&host);
    }
    QWidget* Item(int id) { return id < 200 ? host.GetDlgItem(id) : host.page.GetDlgItem(id); }
    int Focused() { return ControlId(QApplication::focusWidget()); }
    Host host;
    BoxRecorder boxes;
};

TEST_F(ClassicDialog, EnterAndSpaceOnAFocusedButtonClickIt) {
    // (focused control, key, clicks of 101, computes, OKs of host and page,
    // page still shown)
    struct Row {
        int id;
        int key;
        int clicks, computes, hostOks, pageOks;
        bool pageShown;
    };
    const Row rows[] = {
        {101, Qt::Key_Return, 1, 0, 0, 0, true},  // the window's own button
        {101, Qt::Key_Enter, 1, 0, 0, 0, true},   // the keypad's Enter too
        {101, Qt::Key_Space, 1, 0, 0, 0, true},
        {206, Qt::Key_Return, 0, 1, 0, 0, true},  // the page's compute button
        {206, Qt::Key_Space, 0, 1, 0, 0, true},
        {203, Qt::Key_Return, 0, 0, 0, 1, false},  // a check box is no push button
        {201, Qt::Key_Return, 0, 0, 0, 1, false},  // typed in a field: the page's OK
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        host.clicks101 = host.oks = host.page.computes = host.page.oks = 0;
        host.page.show();
        Item(row.id)->setFocus();
        QApplication::processEvents();
        Press(Item(row.id), row.key);
        EXPECT_EQ(host.clicks101, row.clicks);
        EXPECT_EQ(host.page.computes, row.computes);
        EXPECT_EQ(host.oks, row.hostOks);
        EXPECT_EQ(host.page.oks, row.pageOks);
        EXPECT_EQ(host.page.isVisible(), row.pageShown);
        EXPECT_TRUE(host.isVisible());
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ClassicDialog, TabAndShiftTabCycleThroughTheWindowAndItsPage) {
    // The page is a control parent: its tab stops follow the window's own
    // in one cycle. Hidden and disabled fields are passed over.
    const std::pair<int, std::vector<int>> rows[] = {
        {101, {102, 201, 202, 203, 206, 101}},
        {201, {202, 203, 206, 101, 102, 201}},
    };
    for (const auto& [start, forward] : rows) {
        Item(start)->setFocus();
        QApplication::processEvents();
        std::vector<int> seen;
        for (std::size_t i = 0; i < forward.size(); ++i) {
            Press(QApplication::focusWidget(), Qt::Key_Tab);
            seen.push_back(Focused());
        }
        EXPECT_EQ(seen, forward) << start;
        // Back again with Shift+Tab, as the key arrives from the keyboard.
        std::vector<int> back;
        for (std::size_t i = 0; i < forward.size(); ++i) {
            Press(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            back.push_back(Focused());
        }
        std::vector<int> expected(forward.rbegin() + 1, forward.rend());
        expected.push_back(start);
        EXPECT_EQ(back, expected) << start;
    }
}

TEST_F(ClassicDialog, PutOutShowsEveryFieldFromItsFirstCharacter) {
    auto* input = qobject_cast<QLineEdit*>(Item(201));
    auto* result = qobject_cast<QLineEdit*>(Item(202));
    // The user types a number wider than the field: the field scrolls to
    // the caret at its end.
    input->setFocus();
    input->selectAll();
    TypeKeys(input, "123456.789012345");
    QApplication::processEvents();  // the field is painted as the user sees it
    ASSERT_GT(FirstShownCharacter(input), 0);
    // The compute button reads and writes every field.
    Item(206)->setFocus();
    qobject_cast<QPushButton*>(Item(206))->click();
    QApplication::processEvents();
    EXPECT_EQ(result->text(), "5.90806e+008");
    EXPECT_EQ(FirstShownCharacter(result), 0);
    EXPECT_EQ(input->text(), "123457");
    EXPECT_EQ(FirstShownCharacter(input), 0);

    // In the field being typed in an unchanged text keeps the caret.
    input->setFocus();
    input->selectAll();
    TypeKeys(input, "0.333333");
    const int caret = input->cursorPosition();
    host.page.m_fInput = 0.333333f;
    host.page.UpdateData(false);
    QApplication::processEvents();
    EXPECT_EQ(input->text(), "0.333333");
    EXPECT_EQ(input->cursorPosition(), caret);
    EXPECT_GT(FirstShownCharacter(input), 0);
}

TEST_F(ClassicDialog, LabelsLieUnderFieldsAndAnEarlierLabelOverALaterOne) {
    Page& page = host.page;
    QWidget* upper = page.ControlAt(1);
    QWidget* dashes = page.ControlAt(2);
    ASSERT_EQ(upper->geometry().bottom(), dashes->geometry().top());  // one shared row
    // Where the two labels share a row, the earlier one shows.
    EXPECT_EQ(page.childAt(QPoint(upper->geometry().left() + 2, upper->geometry().bottom())),
              upper);
    // Where a field overlaps a label, the field shows; the group box lies
    // beneath everything.
    const QRect field = Item(201)->geometry();
    ASSERT_TRUE(field.intersects(dashes->geometry()));
    EXPECT_EQ(page.childAt(field.intersected(dashes->geometry()).center()), Item(201));
    EXPECT_EQ(page.childAt(QPoint(upper->geometry().left() + 2, upper->geometry().top() + 2)),
              upper);
}

TEST_F(ClassicDialog, FlatButtonAndTheSunkenEdgeOfAPage) {
    const QImage button = Item(206)->grab().toImage();
    const QColor frame = PixelAt(button, 0, 0);
    const QColor face = PixelAt(button, 2, 2);
    EXPECT_NE(frame, face);
    // A flat button: one colour all round its edge (no light top-left and
    // dark bottom-right), a plain face just inside.
    for (int x = 0; x < button.width(); ++x) {
        EXPECT_EQ(PixelAt(button, x, 0), frame) << x;
        EXPECT_EQ(PixelAt(button, x, button.height() - 1), frame) << x;
        EXPECT_EQ(PixelAt(button, x, 1).rgb() == face.rgb() || x == 0 || x == button.width() - 1,
                  true)
            << x;
    }
    for (int y = 0; y < button.height(); ++y) {
        EXPECT_EQ(PixelAt(button, 0, y), frame) << y;
        EXPECT_EQ(PixelAt(button, button.width() - 1, y), frame) << y;
    }

    // The page's edge: dark on its outermost top and left pixels, light on
    // its outermost bottom and right ones, the page colour just inside.
    Page& page = host.page;
    const QImage image = page.grab().toImage();
    // As painted: eight bits a channel.
    const QColor dark = QColor(page.palette().color(QPalette::Dark).rgb());
    const QColor light = QColor(page.palette().color(QPalette::Light).rgb());
    const QColor background = QColor(page.palette().color(QPalette::Window).rgb());
    const int w = image.width(), h = image.height();
    EXPECT_EQ(PixelAt(image, w / 2, 0), dark);
    EXPECT_EQ(PixelAt(image, 0, h / 2), dark);
    EXPECT_EQ(PixelAt(image, w / 2, h - 1), light);
    EXPECT_EQ(PixelAt(image, w - 1, h / 2), light);
    EXPECT_EQ(PixelAt(image, w / 2, h - 2), background);
    EXPECT_EQ(PixelAt(image, w - 2, h / 2), background);
}

}  // namespace
