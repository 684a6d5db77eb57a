// SPDX-License-Identifier: MIT
// vek-drive's commands on a made-up window holding every kind of control the
// pages use: what a command does to the controls, what the window hears of
// it, and what it prints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "framework/app_setup.h"
#include "framework/dialog.h"
#include "tools/vek-drive/commands.h"
#include "tools/vek-drive/output.h"
#include "tools/vek-drive/script.h"
#include "tools/vek-drive/windows.h"

// Readable failures for texts.
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

using K = ControlKind;
using namespace Style;

// Every kind of control the pages use, one hidden and one disabled.
const std::vector<ControlTemplate> kControls{
    {K::Edit, 1001, "", 10, 10, 50, 12, Border | AutoHScroll | TabStop},
    {K::Edit, 1002, "", 10, 26, 50, 12, ReadOnly | TabStop},
    {K::ComboBox, 1003, "", 70, 10, 60, 60, TabStop | VScroll},
    {K::ComboBox, 1004, "", 70, 26, 60, 60, TabStop | VScroll | DropList},
    {K::PushButton, 1005, "算", 140, 10, 40, 14, TabStop},
    {K::CheckBox, 1006, "选", 140, 30, 40, 10, TabStop},
    {K::Edit, 1007, "", 10, 42, 50, 12, Border | TabStop | Hidden},
    {K::PushButton, 1008, "停", 140, 50, 40, 14, TabStop | Disabled},
    {K::GroupBox, -1, "组", 5, 60, 100, 40, None},
    {K::Static, -1, "标签", 10, 72, 40, 8, None}};
const DialogTemplate kTrial{9001, "试验", 200, 120, "宋体", 9, WindowKind::ToolWindow, kControls};

// Counts what the window hears, by (id, notification).
class TrialDialog : public CDialog {
public:
    TrialDialog() : CDialog(kTrial) {}
    int changes1001 = 0;
    int selections1004 = 0;
    int clicks1005 = 0;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        for (int id : {1003, 1004})
            static_cast<QComboBox*>(GetDlgItem(id))->addItems({"乙", "甲", "丙"});
        static_cast<QLineEdit*>(GetDlgItem(1002))->setText(QStringLiteral("0.5"));
        return true;
    }
    void BuildMessageMap() override {
        On(1001, Notify::Change, &TrialDialog::OnChange);
        On(1004, Notify::SelChange, &TrialDialog::OnSelChange);
        On(1005, Notify::Clicked, &TrialDialog::OnClicked);
    }
    void OnChange() { ++changes1001; }
    void OnSelChange() { ++selections1004; }
    void OnClicked() { ++clicks1005; }
};

class DriveCommands : public ::testing::Test {
protected:
    void SetUp() override {
        drive::SetLineSink([this](const QString& line) { printed << line; });
        dialog.Create(nullptr);
        dialog.show();
        dialog.activateWindow();
        QApplication::processEvents();
        windows.SetCurrent(&dialog);
    }
    void TearDown() override { drive::SetLineSink(nullptr); }

    // Runs one script line; a refused line prints "refused: " and the reason.
    void Run(const QString& line) {
        drive::ScriptLine parsed;
        const std::string text = line.toStdString();
        EXPECT_TRUE(drive::ParseLine(text, parsed)) << text;
        EXPECT_EQ(parsed.error, "") << text;
        try {
            runner.Run(parsed.command);
        } catch (const drive::DriveError& error) {
            printed << "refused: " + error.message;
        }
    }
    TrialDialog dialog;
    drive::WindowTracker windows;
    drive::CommandRunner runner{windows};
    QStringList printed;
};

// Each row runs script lines (separated by "; ") and gives what they print.
TEST_F(DriveCommands, CommandsActAsAUserWould) {
    static_cast<QLineEdit*>(dialog.GetDlgItem(1001))->setText(QStringLiteral("a\nb"));
    dialog.changes1001 = 0;
    const std::pair<const char*, const char*> rows[] = {
        {"get 1001", "1001=a\\nb"},
        // The first keystroke replaces the selected text; an empty TEXT deletes it.
        {"type 1001 abc; type 1001 12.5; get 1001", "1001=12.5"},
        {"type 1001 吨 t; get 1001; type 1001 ; get 1001", "1001=吨 t | 1001="},
        {"focus 1001; key 7; key NumDecimal; key Num5; key Backspace; key 0; get 1001", "1001=7.0"},
        {"key Tab; focused", "focus=1002"},
        {"key Shift+Tab; focused; key Shift+Tab; focused", "focus=1001 | focus=1006"},
        // Space on a focused button clicks it (a third click below).
        {"focus 1005; key Space; focused", "focus=1005"},
        // Where a field's shown text begins: a put-out shows the start, the
        // caret of the field being typed in stays at the end of its text.
        {"type 1001 123456789012345678901234567890; state 1001",
         "1001 visible=1 enabled=1 readonly=0 checked=0 first=19"},
        {"state 1002; state 1005",
         "1002 visible=1 enabled=1 readonly=1 checked=0 first=0 | "
         "1005 visible=1 enabled=1 readonly=0 checked=0"},
        // Key by key into a read-only field: nothing changes.
        {"type 1002 7; type 1002 ; get 1002; focused", "1002=0.5 | focus=1002"},
        // Into the edit part of a combo box; its list gains no item.
        {"type 1003 丁; get 1003; items 1003", "1003=丁 | 1003[0]=乙 | 1003[1]=甲 | 1003[2]=丙"},
        {"choose 1004 2; get 1004", "1004=丙"},
        {"click 1005; dblclick 1005; get 1005", "1005=算"},
        {"click 1007; type 1007 1",
         "refused: control 1007 is hidden | refused: control 1007 is hidden"},
        {"click 1008; focus 1008",
         "refused: control 1008 is disabled | refused: control 1008 is disabled"},
        {"type 1004 甲", "refused: combo box 1004 has no edit part"},
        {"type 1005 1", "refused: control 1005 is not an edit field"},
        {"choose 1004 3", "refused: combo box 1004 has no item 3 (it has 3)"},
        {"choose 1001 0", "refused: control 1001 is not a combo box"},
        {"items 1001", "refused: control 1001 has no list"},
    };
    for (const auto& [lines, out] : rows) {
        printed.clear();
        for (const QString& line : QString::fromUtf8(lines).split(QStringLiteral("; "))) Run(line);
        EXPECT_EQ(printed.join(" | "), QString::fromUtf8(out)) << lines;
    }
    // One change a keystroke (abc, 12.5, 吨 t, the delete, the five keys, the
    // thirty digits), one selection for the choice, one click for Space, one
    // for click and two for dblclick.
    EXPECT_EQ(dialog.changes1001, 3 + 4 + 3 + 1 + 5 + 30);
    EXPECT_EQ(dialog.selections1004, 1);
    EXPECT_EQ(dialog.clicks1005, 4);
}

TEST_F(DriveCommands, WheelTurnsOverAControlWithoutClicking) {
    const std::pair<const char*, const char*> rows[] = {
        // Over a list without the focus: nothing changes, the focus stays.
        {"focus 1001; wheel 1004 -1; wheel 1003 2; get 1004; get 1003; focused",
         "1004=乙 | 1003=乙 | focus=1001"},
        // The focused list turns a notch at a time, either way.
        {"focus 1004; wheel 1004 -2; get 1004; wheel 1004 1; get 1004", "1004=丙 | 1004=甲"},
        {"wheel 1007 1; wheel 1008 -1",
         "refused: control 1007 is hidden | refused: control 1008 is disabled"},
    };
    for (const auto& [lines, out] : rows) {
        printed.clear();
        for (const QString& line : QString::fromUtf8(lines).split(QStringLiteral("; "))) Run(line);
        EXPECT_EQ(printed.join(" | "), QString::fromUtf8(out)) << lines;
    }
    EXPECT_EQ(dialog.selections1004, 3);
}

TEST_F(DriveCommands, DumpListsTheTemplateInOrderWithKindNames) {
    Run("dump");
    const char* rows[] = {
        "1001 edit dlu=10,10,50,12 visible=1 enabled=1 readonly=0 text=",
        "1002 edit dlu=10,26,50,12 visible=1 enabled=1 readonly=1 text=0.5",
        "1003 combo dlu=70,10,60,60 visible=1 enabled=1 readonly=0 text=乙",
        "1004 combo dlu=70,26,60,60 visible=1 enabled=1 readonly=0 text=乙",
        "1005 button dlu=140,10,40,14 visible=1 enabled=1 readonly=0 text=算",
        "1006 check dlu=140,30,40,10 visible=1 enabled=1 readonly=0 text=选",
        "1007 edit dlu=10,42,50,12 visible=0 enabled=1 readonly=0 text=",
        "1008 button dlu=140,50,40,14 visible=1 enabled=0 readonly=0 text=停",
        "-1 group dlu=5,60,100,40 visible=1 enabled=1 readonly=0 text=组",
        "-1 static dlu=10,72,40,8 visible=1 enabled=1 readonly=0 text=标签",
    };
    ASSERT_EQ(printed.size(), static_cast<qsizetype>(std::size(rows)));
    // Where each control is in pixels, the layout scenario shows.
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(printed[i].remove(QRegularExpression(" px=\\S+")), QString::fromUtf8(rows[i]));
}

TEST_F(DriveCommands, ModalWindowBecomesCurrentAndGivesItBack) {
    TrialDialog modal;
    modal.Create(&dialog);
    bool sawModal = false;
    QTimer::singleShot(0, &modal, [&] {
        windows.Sync();
        sawModal = windows.Current() == &modal;
        modal.EndDialog(IDOK);
    });
    modal.setModal(true);
    modal.exec();
    windows.Sync();
    EXPECT_TRUE(sawModal);
    EXPECT_EQ(windows.Current(), &dialog);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
