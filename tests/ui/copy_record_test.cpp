// SPDX-License-Identifier: MIT
// "复制计算过程" in the main window's context menu: the record of the
// visible page's last computation goes to the clipboard as HTML and plain
// text; a page that has not computed offers nothing to copy.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "app/main_dlg.h"
#include "controls/icon_menu.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kCopyRecord = 57634;

class CopyRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        dlg.Create(nullptr);
        ShowActive(&dlg);
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override {
        ClearPopupMenuChoices();
        SetPopupMenuHook({});
    }
    // A right click on the window's background.
    void RightClick() {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                dlg.mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(&dlg, &event);
    }
    // The context menu, answered with the entry.
    void ContextMenu(int command) {
        QueuePopupMenuChoice(command);
        RightClick();
    }
    // Whether the menu that opens now offers the copy, enabled.
    bool CopyEnabled() {
        int enabled = -1;
        SetPopupMenuHook([&](const IconMenu& menu, const QPoint&) {
            for (const QAction* action : menu.Popup()->actions())
                if (action->data().toInt() == kCopyRecord && action->text() == "复制计算过程")
                    enabled = action->isEnabled();
            return 0;
        });
        RightClick();
        SetPopupMenuHook({});
        EXPECT_NE(enabled, -1) << "no copy entry";
        return enabled == 1;
    }
    void Type(int page, int id, const char* text) {
        EditOf(dlg.Page(page), id)->setText(QString::fromUtf8(text));
    }
    void Click(int page, int id) {
        qobject_cast<QAbstractButton*>(dlg.Page(page)->GetDlgItem(id))->click();
    }
    // What the clipboard holds; an empty clipboard may hold no data at all.
    static QStringList Formats() {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data ? data->formats() : QStringList();
    }
    static QString Text() { return QGuiApplication::clipboard()->text(); }
    static QString Html() {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data ? data->html() : QString();
    }

    FakeServices services;
    BoxRecorder boxes;
    CMainDlg dlg;
};

TEST_F(CopyRecordTest, APageThatHasNotComputedCopiesNothing) {
    EXPECT_FALSE(CopyEnabled());
    ContextMenu(kCopyRecord);
    EXPECT_TRUE(Formats().isEmpty());
}

TEST_F(CopyRecordTest, CopiesTheVisiblePagesLastComputationAsHtmlAndText) {
    Type(1, 1005, "100");
    Type(1, 1006, "20");
    Type(1, 1007, "300");
    Click(1, 1026);
    ASSERT_TRUE(CopyEnabled());
    ContextMenu(kCopyRecord);
    EXPECT_TRUE(Formats().contains("text/html") && Formats().contains("text/plain"));
    const QString text = Text();
    const QString html = Html();
    EXPECT_TRUE(text.startsWith("计算过程：生活污水和垃圾\n公式：\n")) << text.toStdString();
    for (const char* line : {"  工人数：100\n", "  工作天数：300\n", "  年排放量：2880 吨\n",
                             "  生活垃圾日产量：60 千克\n"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(html.startsWith("<meta charset=\"utf-8\">")) << html.toStdString();
    EXPECT_TRUE(html.contains("<tr><td>年排放量</td><td></td><td>2880</td><td>吨</td></tr>"));

    // Another page that has not computed offers nothing, and the clipboard
    // keeps what it holds.
    dlg.ShowPage(2);
    EXPECT_FALSE(CopyEnabled());
    ContextMenu(kCopyRecord);
    EXPECT_EQ(Text(), text);

    // A computation its check stops is recorded with the box text.
    dlg.ShowPage(1);
    Type(1, 1006, "200");
    Click(1, 1026);
    ContextMenu(kCopyRecord);
    EXPECT_TRUE(Text().endsWith("结果：\n  计算中止：逻辑常识错误，请重新输入\n"))
        << Text().toStdString();
}

}  // namespace
