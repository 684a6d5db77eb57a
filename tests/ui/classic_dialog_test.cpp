// SPDX-License-Identifier: MIT
// The framework as the calculator pages and tool windows need it, each rule
// on a made-up template: accelerators, tool windows built anew, quiet
// fields, colours after a read-only change, the focus bounce, combo boxes,
// focus lost with a box, statics and pictures, tooltips and box modality.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>
#include <optional>
#include <utility>
#include <vector>

#include "framework/accelerators.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/quiet_field.h"
#include "framework/resources.h"
#include "framework/tool_window.h"
#include "framework/tooltips.h"
#include "tests/ui/controls_test_support.h"

namespace {

using K = ControlKind;
using namespace Style;

const QColor kPage(159, 185, 245);

// A window that counts what its message map hears, by (id, notification).
class CountingDialog : public CDialog {
public:
    using CDialog::CDialog;
    int Count(int id, int code) const {
        int n = 0;
        for (const auto& [i, c] : heard) n += i == id && c == code;
        return n;
    }
    bool OnControlNotify(int id, int code) override {
        if (!InExchange() && !IsMessageBoxOpenOver(this))
            heard.emplace_back(id, code);
        return CDialog::OnControlNotify(id, code);
    }
    std::vector<std::pair<int, int>> heard;
    int oks = 0;

protected:
    void OnOK() override {
        ++oks;
        CDialog::OnOK();
    }
};

QPushButton* PushButton(CDialog& d, int id) {
    return qobject_cast<QPushButton*>(d.GetDlgItem(id));
}

QComboBox* Combo(CDialog& d, int id) {
    return qobject_cast<QComboBox*>(d.GetDlgItem(id));
}

// Where a control's centre lies in its top-level window.
QPoint CentreInWindow(QWidget* control) {
    return control->mapTo(control->window(), control->rect().center());
}

// Types `text` key by key, as vek-drive does (any character, not ASCII only).
void TypeKeys(QWidget* target, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(c.toUpper().unicode()),
                            QString(c), Qt::NoModifier);
}

void ClickInWindow(QWidget* control) {
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      CentreInWindow(control));
    QApplication::processEvents();
}

// --- accelerators -----------------------------------------------------------

const DialogTemplate kKeypad{9101,
                             "键盘",
                             100,
                             60,
                             "宋体",
                             9,
                             WindowKind::ToolWindow,
                             {
                                 {K::Edit, 601, "", 4, 4, 60, 12, Border | TabStop},
                                 {K::PushButton, 602, "0", 4, 20, 13, 11, TabStop},
                                 {K::PushButton, 603, "=", 22, 20, 13, 11, TabStop},
                                 {K::ComboBox, 604, "", 40, 20, 40, 40, TabStop},
                             }};

class KeypadDialog : public CountingDialog {
public:
    KeypadDialog() : CountingDialog(kKeypad) {}

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        // The character "0" and Enter, as a keypad's table holds them.
        LoadAccelerators(this, [](const QKeyEvent& e) -> std::optional<int> {
            if (e.text() == QLatin1String("0"))
                return 602;
            if (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter)
                return 603;
            return std::nullopt;
        });
        return true;
    }
    void BuildMessageMap() override {
        On(602, Notify::Clicked, &KeypadDialog::Nothing);
        On(603, Notify::Clicked, &KeypadDialog::Nothing);
    }
    void Nothing() {}
};

TEST(Accelerators, SeeEveryKeyBeforeTheFocusedControl) {
    KeypadDialog dialog;
    dialog.Create(nullptr);
    ShowActive(&dialog);
    // focus, key, clicks of 602 and 603 after it, text of 601
    struct Row {
        int focus;
        Qt::Key key;
        int zeros, equals;
        const char* text;
    };
    const Row rows[] = {
        {601, Qt::Key_0, 1, 0, ""},        // the field never sees the digit
        {601, Qt::Key_Return, 1, 1, ""},   // Enter is "=", not the window's OK
        {601, Qt::Key_A, 1, 1, "a"},       // not in the table: the field types it
        {602, Qt::Key_Return, 1, 2, "a"},  // a focused button is not clicked
        {604, Qt::Key_0, 2, 2, "a"},       // the edit part of a combo box neither
        {603, Qt::Key_0, 3, 2, "a"},
    };
    for (const Row& row : rows) {
        QWidget* focus = dialog.GetDlgItem(row.focus);
        focus->setFocus();
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), row.key);
        EXPECT_EQ(dialog.Count(602, Notify::Clicked), row.zeros) << row.focus;
        EXPECT_EQ(dialog.Count(603, Notify::Clicked), row.equals) << row.focus;
        EXPECT_EQ(EditOf(&dialog, 601)->text(), row.text) << row.focus;
    }
    EXPECT_EQ(Combo(dialog, 604)->currentText(), "");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.oks, 0);
}

// --- tool windows -----------------------------------------------------------

const DialogTemplate kOwner{9102,
                            "主窗口",
                            160,
                            100,
                            "宋体",
                            9,
                            WindowKind::MainWindow,
                            {
                                {K::PushButton, 1201, "关于", 4, 4, 40, 14, TabStop},
                                {K::ComboBox, 1202, "", 4, 22, 40, 60, TabStop | DropList},
                            }};

const DialogTemplate kTool{9103,
                           "工具",
                           80,
                           40,
                           "宋体",
                           9,
                           WindowKind::ToolWindow,
                           {
                               {K::Edit, 701, "", 4, 4, 60, 12, Border | TabStop},
                               {K::PushButton, 702, "结果", 4, 20, 40, 14, TabStop},
                           }};

class ToolDialog : public CountingDialog {
public:
    ToolDialog() : CountingDialog(kTool) {}
    int starts = 0;
    float m_fValue = 0;
    CWndRef m_edit;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        ++starts;
        m_fValue = 4;
        UpdateData(false);
        return true;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 701, m_edit);
        DDX_Text(pDX, 701, m_fValue);
    }
    void BuildMessageMap() override { On(702, Notify::Clicked, &ToolDialog::Nothing); }
    void Nothing() {}
};

class ToolWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.Create(nullptr);
        ShowActive(&owner);
    }
    CountingDialog owner{kOwner};
    ToolDialog tool;  // after the owner, so it goes first
};

TEST_F(ToolWindowTest, IsBuiltAnewAtEachOpeningAndComesToTheFrontWhileOpen) {
    OpenToolWindow(tool, owner.GetDlgItem(1201));
    QApplication::processEvents();
    ASSERT_TRUE(tool.isVisible());
    EXPECT_EQ(tool.starts, 1);
    EXPECT_EQ(tool.m_edit.widget(), tool.GetDlgItem(701));
    EditOf(&tool, 701)->setText("12");
    const QPointer<QWidget> firstEdit = tool.GetDlgItem(701);

    // While open: to the front, unchanged.
    ShowActive(&owner);
    OpenToolWindow(tool, &owner);
    QApplication::processEvents();
    EXPECT_EQ(tool.starts, 1);
    EXPECT_EQ(EditOf(&tool, 701)->text(), "12");
    EXPECT_EQ(QApplication::activeWindow(), &tool);

    // Closing only hides; the next opening builds it again from its template.
    tool.close();
    QApplication::processEvents();
    EXPECT_FALSE(tool.isVisible());
    EXPECT_FALSE(firstEdit.isNull());
    OpenToolWindow(tool, &owner);
    QApplication::processEvents();
    EXPECT_EQ(tool.starts, 2);
    EXPECT_TRUE(firstEdit.isNull());
    EXPECT_EQ(EditOf(&tool, 701)->text(), "4");
    EXPECT_EQ(tool.m_edit.widget(), tool.GetDlgItem(701));  // the handle is bound again
    PushButton(tool, 702)->click();
    EXPECT_EQ(tool.Count(702, Notify::Clicked), 1);  // one message map, not two
}

TEST_F(ToolWindowTest, IsOwnedByTheMainWindowAndGivesItBackTheActivation) {
    OpenToolWindow(tool, owner.GetDlgItem(1201));
    QApplication::processEvents();
    ASSERT_NE(tool.windowHandle(), nullptr);
    // Owned: a dialog-type window with the main window as its transient
    // parent has no taskbar entry and stays above it.
    EXPECT_EQ(tool.windowType(), Qt::Dialog);
    EXPECT_EQ(tool.windowHandle()->transientParent(), owner.windowHandle());
    EXPECT_TRUE(tool.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(ToolWindowOpener(tool), owner.GetDlgItem(1201));  // who opened it

    // The main window kept on top keeps its owned window above it.
    owner.windowHandle()->setFlags(owner.windowFlags() | Qt::WindowStaysOnTopHint);
    QApplication::processEvents();
    EXPECT_EQ(tool.windowHandle()->transientParent(), owner.windowHandle());

    EXPECT_EQ(QApplication::activeWindow(), &tool);
    QTest::keyClick(EditOf(&tool, 701), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(tool.isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &owner);
}

// --- one field quietly ------------------------------------------------------

const DialogTemplate kLiveLine{9104,
                               "",
                               160,
                               40,
                               "宋体",
                               9,
                               WindowKind::ToolWindow,
                               {
                                   {K::Edit, 801, "", 4, 4, 40, 12, Border | TabStop},
                                   {K::Edit, 802, "50", 50, 4, 40, 12, Border | TabStop},
                                   {K::Edit, 803, "", 96, 4, 40, 12, Border | TabStop},
                               }};

// A live total line: the level or the background typed gives the total, the
// total typed gives the level.
class LiveLineDialog : public CountingDialog {
public:
    LiveLineDialog() : CountingDialog(kLiveLine) {}
    float m_fLevel = 0, m_fBackground = 0, m_fTotal = 0;

protected:
    void BuildMessageMap() override {
        On(801, Notify::Change, &LiveLineDialog::OnChangeLevels);
        On(802, Notify::Change, &LiveLineDialog::OnChangeLevels);
        On(803, Notify::Change, &LiveLineDialog::OnChangeTotal);
    }
    void OnChangeLevels() {
        if (ReadFieldQuietly(this, 801, m_fLevel) && ReadFieldQuietly(this, 802, m_fBackground)) {
            m_fTotal = m_fLevel + m_fBackground;
            WriteFieldQuietly(this, 803, m_fTotal);
        }
    }
    void OnChangeTotal() {
        if (ReadFieldQuietly(this, 803, m_fTotal) && ReadFieldQuietly(this, 802, m_fBackground)) {
            m_fLevel = m_fTotal - m_fBackground;
            WriteFieldQuietly(this, 801, m_fLevel);
        }
    }
};

TEST(QuietField, TypingKeepsTheFieldAndEachHandlerRunsOncePerKey) {
    BoxRecorder boxes;
    LiveLineDialog dialog;
    dialog.Create(nullptr);
    ShowActive(&dialog);
    QLineEdit* level = EditOf(&dialog, 801);
    level->setFocus();
    QTest::keyClicks(level, "65.5");
    EXPECT_EQ(level->text(), "65.5");
    EXPECT_EQ(EditOf(&dialog, 803)->text(), "115.5");
    EXPECT_EQ(dialog.Count(801, Notify::Change), 4);
    EXPECT_EQ(dialog.Count(803, Notify::Change), 0);
    // A lone minus sign is no number: nothing changes, no box.
    level->selectAll();
    QTest::keyClicks(level, "-");
    EXPECT_EQ(EditOf(&dialog, 803)->text(), "115.5");
    EXPECT_EQ(dialog.m_fLevel, 65.5f);
    // Typing the total writes the level once per key.
    QLineEdit* total = EditOf(&dialog, 803);
    total->setFocus();
    total->selectAll();
    QTest::keyClicks(total, "60");
    EXPECT_EQ(total->text(), "60");
    EXPECT_EQ(level->text(), "10");
    EXPECT_EQ(dialog.Count(803, Notify::Change), 2);
    EXPECT_EQ(dialog.Count(801, Notify::Change), 5);
    EXPECT_TRUE(boxes.boxes.empty());
}

// --- colours after a read-only change ---------------------------------------

const DialogTemplate kColours{9105,
                              "",
                              100,
                              30,
                              "宋体",
                              9,
                              WindowKind::ToolWindow,
                              {
                                  {K::Edit, 901, "", 4, 4, 60, 14, Border | ReadOnly | TabStop},
                              }};

class ColourDialog : public CDialog {
public:
    ColourDialog() : CDialog(kColours) {}

protected:
    CtlColor OnCtlColor(QWidget*, CtlColorKind kind) override {
        if (kind == CtlColorKind::Dialog || kind == CtlColorKind::Static)
            return CtlColor::Solid(kPage);
        return CtlColor::Default();
    }
};

TEST(Colours, FollowAReadOnlyOrEnabledChangeAtOnce) {
    ColourDialog dialog;
    dialog.Create(nullptr);
    ShowActive(&dialog);
    auto* edit = EditOf(&dialog, 901);
    auto inside = [&] {
        return PixelAt(edit->grab().toImage(), edit->width() / 2, edit->height() / 2);
    };
    EXPECT_EQ(inside(), kPage);
    edit->setReadOnly(false);
    EXPECT_EQ(inside(), QColor(Qt::white));
    edit->setEnabled(false);
    EXPECT_EQ(inside(), kPage);
    edit->setEnabled(true);
    EXPECT_EQ(inside(), QColor(Qt::white));
    edit->setReadOnly(true);
    EXPECT_EQ(inside(), kPage);
}

// --- focus bounce -----------------------------------------------------------

const DialogTemplate kBounce{9106,
                             "",
                             100,
                             60,
                             "宋体",
                             9,
                             WindowKind::ToolWindow,
                             {
                                 {K::Edit, 1001, "", 4, 4, 60, 12, Border | TabStop},
                                 {K::Edit, 1002, "123", 4, 20, 60, 12, Border | TabStop},
                                 {K::PushButton, 1003, "0", 4, 36, 20, 12, TabStop},
                             }};

// The display of a keypad: the focus never stays in it.
class BounceDialog : public CountingDialog {
public:
    BounceDialog() : CountingDialog(kBounce) {}

protected:
    void BuildMessageMap() override {
        On(1002, Notify::SetFocus, &BounceDialog::OnSetfocusDisplay);
    }
    void OnSetfocusDisplay() { GetDlgItem(1003)->setFocus(Qt::OtherFocusReason); }
};

TEST(FocusBounce, LeavesNoCaretAndNoSelectionInTheField) {
    BounceDialog dialog;
    dialog.Create(nullptr);
    ShowActive(&dialog);
    QLineEdit* display = EditOf(&dialog, 1002);
    const QImage before = display->grab().toImage();
    for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::MouseFocusReason}) {
        EditOf(&dialog, 1001)->setFocus();
        QApplication::processEvents();
        if (reason == Qt::TabFocusReason)
            QTest::keyClick(EditOf(&dialog, 1001), Qt::Key_Tab);
        else
            ClickInWindow(display);
        RunFor(50);
        EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(1003)) << reason;
        EXPECT_FALSE(display->hasSelectedText()) << reason;
        EXPECT_EQ(display->grab().toImage(), before) << reason;  // no caret either
    }
    EXPECT_EQ(dialog.Count(1002, Notify::SetFocus), 2);
}

// --- combo boxes ------------------------------------------------------------

const DialogTemplate kCombos{9107,
                             "",
                             160,
                             80,
                             "宋体",
                             9,
                             WindowKind::ToolWindow,
                             {
                                 {K::ComboBox, 1101, "", 4, 4, 60, 60, TabStop | VScroll},
                                 {K::ComboBox, 1102, "", 70, 4, 60, 60, TabStop | DropList},
                                 {K::Edit, 1103, "", 4, 40, 60, 12, Border | TabStop},
                             }};

class ComboDialog : public CountingDialog {
public:
    ComboDialog() : CountingDialog(kCombos) {}

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        for (int id : {1101, 1102}) Combo(*this, id)->addItems({"苯", "甲苯", "丙酮"});
        return true;
    }
    void BuildMessageMap() override {
        On(1101, Notify::SelChange, &ComboDialog::Nothing);
        On(1102, Notify::SelChange, &ComboDialog::Nothing);
    }
    void Nothing() {}
};

void Wheel(QWidget* widget, int notches) {
    QWheelEvent wheel(
        QPointF(widget->rect().center()), widget->mapToGlobal(widget->rect().center()), QPoint(),
        QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

TEST(ComboBoxes, WheelTurnsOnlyTheFocusedBoxAndNothingCompletes) {
    ComboDialog dialog;
    dialog.Create(nullptr);
    ShowActive(&dialog);
    EditOf(&dialog, 1103)->setFocus();
    QApplication::processEvents();
    for (int id : {1101, 1102}) {
        Wheel(Combo(dialog, id), -1);
        EXPECT_EQ(Combo(dialog, id)->currentIndex(), 0) << id;
        EXPECT_EQ(dialog.Count(id, Notify::SelChange), 0) << id;
    }
    // With the focus, the wheel chooses, as the arrow keys do.
    Combo(dialog, 1102)->setFocus();
    QApplication::processEvents();
    Wheel(Combo(dialog, 1102), -1);
    EXPECT_EQ(Combo(dialog, 1102)->currentIndex(), 1);
    EXPECT_EQ(dialog.Count(1102, Notify::SelChange), 1);

    // Typed text is not completed from the list.
    QComboBox* editable = Combo(dialog, 1101);
    editable->setFocus();
    editable->lineEdit()->selectAll();
    TypeKeys(QApplication::focusWidget(), QStringLiteral("甲"));
    EXPECT_EQ(editable->currentText(), "甲");
    EXPECT_EQ(editable->count(), 3);

    // Enter after an item's exact text chooses nothing and reaches OK.
    editable->lineEdit()->selectAll();
    TypeKeys(QApplication::focusWidget(), QStringLiteral("丙酮"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialog.Count(1101, Notify::SelChange), 0);
    EXPECT_EQ(editable->currentIndex(), 0);
    EXPECT_EQ(dialog.oks, 1);
}

// --- focus lost and a box ---------------------------------------------------

const DialogTemplate kInnerPage{9108,
                                "",
                                100,
                                40,
                                "宋体",
                                9,
                                WindowKind::ChildPage,
                                {
                                    {K::Edit, 1301, "", 4, 4, 60, 12, Border | TabStop},
                                    {K::Edit, 1302, "", 4, 20, 60, 12, Border | TabStop},
                                }};

class InnerPage : public CountingDialog {
public:
    InnerPage() : CountingDialog(kInnerPage) {}
    bool boxOnKillFocus = false;

protected:
    void BuildMessageMap() override { On(1301, Notify::KillFocus, &InnerPage::OnKillfocusValue); }
    void OnKillfocusValue() {
        if (boxOnKillFocus)
            MessageBox(QStringLiteral("请输入一个数。"));
    }
};

class FocusLostTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.Create(nullptr);
        Combo(owner, 1202)->addItems({"一", "二"});
        page.Create(&owner);
        page.move(owner.width() - page.width() - 2, owner.height() - page.height() - 2);
        page.show();
        ShowActive(&owner);
        Field()->setFocus();
        QApplication::processEvents();
    }
    QLineEdit* Field() { return EditOf(&page, 1301); }
    int Lost() const { return page.Count(1301, Notify::KillFocus); }
    CountingDialog owner{kOwner};
    InnerPage page;
};

TEST_F(FocusLostTest, CountsWhenAMainWindowControlTakesTheFocus) {
    ClickInWindow(owner.GetDlgItem(1201));
    EXPECT_EQ(Lost(), 1);
    EXPECT_EQ(owner.Count(1201, Notify::Clicked), 1);  // no box: the click goes on
    EXPECT_EQ(QApplication::focusWidget(), owner.GetDlgItem(1201));

    Field()->setFocus();
    QApplication::processEvents();
    QWidget other;
    ShowActive(&other);  // deactivation is no focus change inside the window
    EXPECT_EQ(Lost(), 1);
}

TEST_F(FocusLostTest, BoxFromTheHandlerSwallowsThePressThatMovedTheFocus) {
    BoxRecorder boxes;
    page.boxOnKillFocus = true;
    ClickInWindow(owner.GetDlgItem(1201));
    EXPECT_EQ(Lost(), 1);
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(owner.Count(1201, Notify::Clicked), 0);
    EXPECT_FALSE(PushButton(owner, 1201)->isDown());
    EXPECT_EQ(QApplication::focusWidget(), Field());

    ClickInWindow(Combo(owner, 1202));
    EXPECT_EQ(Lost(), 2);
    EXPECT_FALSE(Combo(owner, 1202)->view()->isVisible());  // no list opened
    EXPECT_EQ(QApplication::focusWidget(), Field());

    // Tab: no press to swallow; the focus comes back all the same.
    QTest::keyClick(Field(), Qt::Key_Tab);
    EXPECT_EQ(Lost(), 3);
    EXPECT_EQ(QApplication::focusWidget(), Field());

    // The next click is the user's own again.
    page.boxOnKillFocus = false;
    ClickInWindow(owner.GetDlgItem(1201));
    EXPECT_EQ(owner.Count(1201, Notify::Clicked), 1);
}

TEST_F(FocusLostTest, RealBoxFromTheHandlerStartsNoChainAndSwallowsThePress) {
    page.boxOnKillFocus = true;
    int boxesSeen = 0;
    QTimer closer;  // the user reads each box and presses OK
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                ++boxesSeen;
                box->accept();
            }
        }
    });
    closer.start(20);
    ClickInWindow(owner.GetDlgItem(1201));
    RunFor(200);
    closer.stop();
    EXPECT_EQ(boxesSeen, 1);
    EXPECT_EQ(Lost(), 1);
    EXPECT_EQ(owner.Count(1201, Notify::Clicked), 0);
    EXPECT_FALSE(PushButton(owner, 1201)->isDown());
    EXPECT_EQ(QApplication::focusWidget(), Field());
}

// --- statics and pictures ---------------------------------------------------

const DialogTemplate kStatics{
    9109,
    "",
    300,
    160,
    "宋体",
    9,
    WindowKind::ToolWindow,
    {
        {K::Static, 1501, "等效连续A声级等效连续A声级等效连续A声级", 4, 4, 40, 24, None},
        {K::Static, 1502, "等效连续A声级等效连续A声级等效连续A声级", 50, 4, 40, 24, Center},
        {K::Picture, 1503, "175", 4, 40, 200, 110, None},  // larger than the bitmap
        {K::Picture, 1504, "175", 210, 4, 20, 10, None},   // smaller
    }};

int InkRows(const QImage& image, QColor ground) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width(); ++x) ink = ink || QColor(image.pixel(x, y)) != ground;
        rows += ink;
    }
    return rows;
}

TEST(StaticsAndPictures, LeftTextWrapsAndPicturesShowAtTheirOwnSize) {
    CDialog dialog(kStatics);
    dialog.Create(nullptr);
    ShowActive(&dialog);
    const QColor ground = dialog.palette().color(QPalette::Window);
    const int oneLine = dialog.BaseUnits().height * 3 / 2;
    // The left text takes further lines; the centred one stays on one.
    EXPECT_GT(InkRows(dialog.GetDlgItem(1501)->grab().toImage(), ground), oneLine);
    EXPECT_LE(InkRows(dialog.GetDlgItem(1502)->grab().toImage(), ground), oneLine);

    const QSize own = BitmapResourceSize(175);
    ASSERT_TRUE(own.isValid());
    const QPixmap drawn = LoadBitmapResource(175);
    for (int id : {1503, 1504}) {
        auto* picture = qobject_cast<QLabel*>(dialog.GetDlgItem(id));
        const ControlTemplate* t = dialog.TemplateOf(id);
        EXPECT_EQ(picture->geometry(), QRect(dialog.TemplateRectPixels(*t).topLeft(), own)) << id;
        EXPECT_EQ(picture->pixmap().deviceIndependentSize().toSize(), own) << id;
        EXPECT_EQ(picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
                  drawn.toImage().convertToFormat(QImage::Format_RGB32))
            << id;
    }
}

// --- tooltips and box modality ----------------------------------------------

const DialogTemplate kTipped{9110,
                             "",
                             160,
                             40,
                             "宋体",
                             9,
                             WindowKind::ToolWindow,
                             {
                                 {K::Edit, 1401, "", 4, 4, 40, 12, Border | TabStop},
                                 {K::PushButton, 1402, "计算", 50, 4, 40, 14, TabStop},
                                 {K::Edit, 1403, "", 96, 4, 40, 12, Border | TabStop},
                                 {K::ComboBox, 1404, "", 4, 20, 40, 40, TabStop},
                             }};

class TippedDialog : public CDialog {
public:
    TippedDialog() : CDialog(kTipped) {}
    std::vector<int> asked;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        EnableToolTips(this, [this](int id) {
            asked.push_back(id);
            switch (id) {
                case 1401:
                    return QStringLiteral("无组织排放源所在生产单元的面积");
                case 1402:
                    return QStringLiteral("已知无组织排放量计算卫生防护距离的值");
                case 1404:
                    return QStringLiteral("选项里没有的污染因子");
                default:
                    return QString();
            }
        });
        return true;
    }
};

// What shows after the pointer rests on `control`.
QString TipOver(QWidget* control) {
    QToolTip::hideText();
    RunFor(400, [] { return !QToolTip::isVisible(); });
    const QPoint centre = control->rect().center();
    QHelpEvent help(QEvent::ToolTip, centre, control->mapToGlobal(centre));
    QApplication::sendEvent(control, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST(ToolTips, ComeFromTheWindowPerControlAndNoneElsewhere) {
    TippedDialog dialog;
    dialog.Create(nullptr);
    ShowActive(&dialog);
    EXPECT_EQ(TipOver(dialog.GetDlgItem(1403)), "");
    EXPECT_EQ(TipOver(dialog.GetDlgItem(1401)), "无组织排放源所在生产单元的面积");
    EXPECT_EQ(TipOver(dialog.GetDlgItem(1402)), "已知无组织排放量计算卫生防护距离的值");
    EXPECT_EQ(TipOver(Combo(dialog, 1404)->lineEdit()), "选项里没有的污染因子");
    EXPECT_EQ(dialog.asked, (std::vector<int>{1403, 1401, 1402, 1404}));
    QToolTip::hideText();
}

TEST_F(ToolWindowTest, MessageBoxBlocksItsOwnWindowOnly) {
    OpenToolWindow(tool, &owner);
    QApplication::processEvents();
    // While a real box of the main window is open, the user clicks in both.
    bool blockedOwner = false, freeTool = false, boxSeen = false;
    QTimer::singleShot(50, [&] {
        blockedOwner = IsMessageBoxOpenOver(&owner);
        freeTool = !IsMessageBoxOpenOver(&tool);
        ClickInWindow(tool.GetDlgItem(702));
        ClickInWindow(owner.GetDlgItem(1201));
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                boxSeen = true;
                box->accept();
            }
        }
    });
    ShowMessageBox(&owner, QStringLiteral("声波可直达,声程差为0"));
    EXPECT_TRUE(boxSeen);
    EXPECT_TRUE(blockedOwner);
    EXPECT_TRUE(freeTool);
    EXPECT_EQ(tool.Count(702, Notify::Clicked), 1);
    EXPECT_EQ(owner.Count(1201, Notify::Clicked), 0);
    ClickInWindow(owner.GetDlgItem(1201));  // usable again once the box is gone
    EXPECT_EQ(owner.Count(1201, Notify::Clicked), 1);
}

}  // namespace
