// SPDX-License-Identifier: MIT
// vek-drive's commands on a made-up window holding every kind of control the
// pages use: what a command does to the controls, what the window hears of
// it, and what it prints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>
#include <ostream>

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

const DialogTemplate kTrial{
    9001,
    "试验",
    200,
    120,
    "宋体",
    9,
    WindowKind::ToolWindow,
    {
        {K::Edit, 1001, "", 10, 10, 50, 12, Border | AutoHScroll | TabStop},
        {K::Edit, 1002, "", 10, 26, 50, 12, ReadOnly | TabStop},
        {K::ComboBox, 1003, "", 70, 10, 60, 60, TabStop | VScroll},
        {K::ComboBox, 1004, "", 70, 26, 60, 60, TabStop | VScroll | DropList},
        {K::PushButton, 1005, "算", 140, 10, 40, 14, TabStop},
        {K::CheckBox, 1006, "选", 140, 30, 40, 10, TabStop},
        {K::Edit, 1007, "", 10, 42, 50, 12, Border | TabStop | Hidden},
        {K::PushButton, 1008, "停", 140, 50, 40, 14, TabStop | Disabled},
        {K::GroupBox, -1, "组", 5, 60, 100, 40, None},
        {K::Static, -1, "标签", 10, 72, 40, 8, None},
    }};

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
        for (const char* item : {"乙", "甲", "丙"}) {
            static_cast<QComboBox*>(GetDlgItem(1003))->addItem(QString::fromUtf8(item));
            static_cast<QComboBox*>(GetDlgItem(1004))->addItem(QString::fromUtf8(item));
        }
        static_cast<QLineEdit*>(GetDlgItem(1002))->setText(QStringLiteral("0.5"));
        return true;
    }
    void BuildMessageMap() override {
        On(1001, Notify::Change, &TrialDialog::OnChange);
        On(1004, Notify::SelChange, &TrialDialog::OnSelChange);
        On(1005, Notify::Clicked, &TrialDialog::OnClicked);
    }

private:
    void OnChange() { ++changes1001; }
    void OnSelChange() { ++selections1004; }
    void OnClicked() { ++clicks1005; }
};

class DriveCommands : public ::testing::Test {
protected:
    void SetUp() override {
        drive::SetLineSink([this](const QString& line) { printed << line; });
        dialog.Create(nullptr);
        dialog.move(30, 40);
        dialog.show();
        dialog.activateWindow();
        QApplication::processEvents();
        windows.SetCurrent(&dialog);
    }
    void TearDown() override { drive::SetLineSink(nullptr); }

    // Runs one script line; returns the error it raised, empty when none.
    QString Run(const char* line) {
        drive::ScriptLine parsed;
        EXPECT_TRUE(drive::ParseLine(line, parsed)) << line;
        EXPECT_EQ(parsed.error, "") << line;
        try {
            runner.Run(parsed.command);
        } catch (const drive::DriveError& error) {
            return error.message;
        }
        return {};
    }
    QString Text(int id) const {
        QWidget* w = dialog.GetDlgItem(id);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            return combo->currentText();
        return static_cast<QLineEdit*>(w)->text();
    }

    TrialDialog dialog;
    drive::WindowTracker windows;
    drive::CommandRunner runner{windows};
    QStringList printed;
};

TEST_F(DriveCommands, TypeReplacesTheTextOneKeystrokeAtATime) {
    EXPECT_EQ(Run("type 1001 abc"), "");
    EXPECT_EQ(Run("type 1001 12.5"), "");
    EXPECT_EQ(Text(1001), "12.5");
    // The first keystroke replaces the selected text: one change a key.
    EXPECT_EQ(dialog.changes1001, 3 + 4);
    EXPECT_EQ(Run("type 1001 "), "");
    EXPECT_EQ(Text(1001), "");
    EXPECT_EQ(Run("type 1001 吨 t"), "");
    EXPECT_EQ(Text(1001), "吨 t");
}

TEST_F(DriveCommands, TypingIntoReadOnlyFieldChangesNothing) {
    EXPECT_EQ(Run("type 1002 7"), "");
    EXPECT_EQ(Run("type 1002 "), "");
    EXPECT_EQ(Text(1002), "0.5");
    EXPECT_EQ(Run("focused"), "");
    EXPECT_EQ(printed, QStringList{"focus=1002"});
}

TEST_F(DriveCommands, TypeIntoComboBoxUsesItsEditPartAndAddsNoItem) {
    EXPECT_EQ(Run("type 1003 丁"), "");
    EXPECT_EQ(Text(1003), "丁");
    EXPECT_EQ(static_cast<QComboBox*>(dialog.GetDlgItem(1003))->count(), 3);
    EXPECT_EQ(Run("focused"), "");
    EXPECT_EQ(printed, QStringList{"focus=1003"});
}

TEST_F(DriveCommands, ChooseShowsTheItemAndReportsOneSelection) {
    EXPECT_EQ(Run("choose 1004 2"), "");
    EXPECT_EQ(Text(1004), "丙");
    EXPECT_EQ(dialog.selections1004, 1);
    EXPECT_EQ(Run("items 1004"), "");
    EXPECT_EQ(printed, QStringList({"1004[0]=乙", "1004[1]=甲", "1004[2]=丙"}));
}

TEST_F(DriveCommands, KeysGoToTheFocusedControl) {
    EXPECT_EQ(Run("focus 1001"), "");
    for (const char* line : {"key 7", "key NumDecimal", "key Num5", "key Backspace", "key 0"})
        EXPECT_EQ(Run(line), "") << line;
    EXPECT_EQ(Text(1001), "7.0");
    EXPECT_EQ(Run("key Tab"), "");
    EXPECT_EQ(Run("focused"), "");
    EXPECT_EQ(printed, QStringList{"focus=1002"});
}

TEST_F(DriveCommands, ClicksAndDoubleClicksAreClicks) {
    EXPECT_EQ(Run("click 1005"), "");
    EXPECT_EQ(dialog.clicks1005, 1);
    EXPECT_EQ(Run("dblclick 1005"), "");
    EXPECT_EQ(dialog.clicks1005, 3);
    EXPECT_EQ(Run("click 1006"), "");
    EXPECT_EQ(Run("state 1006"), "");
    EXPECT_EQ(Run("state 1002"), "");
    EXPECT_EQ(Run("state 1007"), "");
    EXPECT_EQ(printed, QStringList({"1006 visible=1 enabled=1 readonly=0 checked=1",
                                    "1002 visible=1 enabled=1 readonly=1 checked=0",
                                    "1007 visible=0 enabled=1 readonly=0 checked=0"}));
}

TEST_F(DriveCommands, RefusesWhatAUserCannotDo) {
    const std::pair<const char*, const char*> refused[] = {
        {"click 4242", "unknown control 4242"},
        {"click 1007", "control 1007 is hidden"},
        {"type 1007 1", "control 1007 is hidden"},
        {"click 1008", "control 1008 is disabled"},
        {"focus 1008", "control 1008 is disabled"},
        {"type 1004 甲", "combo box 1004 has no edit part"},
        {"type 1005 1", "control 1005 is not an edit field"},
        {"choose 1004 3", "combo box 1004 has no item 3 (it has 3)"},
        {"choose 1001 0", "control 1001 is not a combo box"},
        {"items 1001", "control 1001 has no list"},
    };
    for (const auto& [line, error] : refused)
        EXPECT_EQ(Run(line), QString::fromUtf8(error)) << line;
    EXPECT_EQ(dialog.clicks1005, 0);
}

TEST_F(DriveCommands, GetReadsEveryKindOfControl) {
    static_cast<QLineEdit*>(dialog.GetDlgItem(1001))->setText(QStringLiteral("a\nb"));
    for (const char* line : {"get 1001", "get 1002", "get 1004", "get 1005", "get 1006"})
        EXPECT_EQ(Run(line), "") << line;
    EXPECT_EQ(printed, QStringList({"1001=a\\nb", "1002=0.5", "1004=乙", "1005=算", "1006=选"}));
}

TEST_F(DriveCommands, GeometryIsTheWindowOnScreen) {
    EXPECT_EQ(Run("geometry"), "");
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(Run("geometry"), "");
    // The window's own area, without the frame the window system adds.
    const QRect r = dialog.geometry();
    const QString place =
        QStringLiteral("geometry=%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    EXPECT_EQ(printed,
              QStringList({place + " topmost=0 visible=1", place + " topmost=1 visible=1"}));
}

TEST_F(DriveCommands, DumpListsTheTemplateInOrderWithWhereEachControlIs) {
    EXPECT_EQ(Run("dump"), "");
    ASSERT_EQ(printed.size(), static_cast<qsizetype>(kTrial.controls.size()));
    auto px = [this](size_t i) {
        const QRect r = dialog.TemplateRectPixels(kTrial.controls[i]);
        return QStringLiteral("px=%1,%2,%3,%4")
            .arg(r.x())
            .arg(r.y())
            .arg(r.width())
            .arg(r.height());
    };
    EXPECT_EQ(printed[0],
              "1001 edit dlu=10,10,50,12 " + px(0) + " visible=1 enabled=1 readonly=0 text=");
    EXPECT_EQ(printed[1],
              "1002 edit dlu=10,26,50,12 " + px(1) + " visible=1 enabled=1 readonly=1 text=0.5");
    EXPECT_TRUE(printed[3].startsWith("1004 combo dlu=70,26,60,60 px="))
        << printed[3].toStdString();
    EXPECT_TRUE(printed[3].endsWith(" visible=1 enabled=1 readonly=0 text=乙"))
        << printed[3].toStdString();
    EXPECT_EQ(printed[5],
              "1006 check dlu=140,30,40,10 " + px(5) + " visible=1 enabled=1 readonly=0 text=选");
    EXPECT_EQ(printed[6],
              "1007 edit dlu=10,42,50,12 " + px(6) + " visible=0 enabled=1 readonly=0 text=");
    EXPECT_EQ(printed[7],
              "1008 button dlu=140,50,40,14 " + px(7) + " visible=1 enabled=0 readonly=0 text=停");
    EXPECT_EQ(printed[8],
              "-1 group dlu=5,60,100,40 " + px(8) + " visible=1 enabled=1 readonly=0 text=组");
    EXPECT_EQ(printed[9],
              "-1 static dlu=10,72,40,8 " + px(9) + " visible=1 enabled=1 readonly=0 text=标签");
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
