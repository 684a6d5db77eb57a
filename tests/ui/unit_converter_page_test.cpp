// SPDX-License-Identifier: MIT
// Page 5 over a catalogue file in the test's working directory: a second
// opener while the first holds the file, the file let go, the colours.
#include "pages/unit_converter_page.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>

#include "framework/window_text.h"
#include "pages/page_colors.h"
#include "tests/ui/ui_test_support.h"

namespace {

QByteArray ReadFile() {
    QFile file(QStringLiteral("data.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QByteArray& bytes) {
    QFile file(QStringLiteral("data.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList Items(CDialog& page, int id) {
    QStringList items;
    const auto* list = qobject_cast<QComboBox*>(page.GetDlgItem(id));
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

// A page of its own, shown in a host window, closed (its file let go) at
// the end.
struct OpenPage {
    OpenPage() {
        host.resize(480, 360);
        page.Create(&host);
        page.show();
        ShowActive(&host);
    }
    ~OpenPage() { page.close(); }
    void Type(int id, const char* text) { EditOf(&page, id)->setText(QString::fromUtf8(text)); }
    QString Text(int id) { return EditOf(&page, id)->text(); }
    void Add() { qobject_cast<QAbstractButton*>(page.GetDlgItem(1072))->click(); }
    QWidget host;
    CUnitConverterPage page;
};

class UnitConverterPageTest : public ::testing::Test {
protected:
    void SetUp() override { QFile::remove(QStringLiteral("data.ini")); }
    void TearDown() override { QFile::remove(QStringLiteral("data.ini")); }
    BoxRecorder boxes;
};

TEST_F(UnitConverterPageTest, SecondOpenerFindsTheFileBusyAndWritesNothing) {
    WriteFile("[长度][1][米]=[100][厘米]\r\n");
    OpenPage first;
    first.Type(1070, "1000");
    first.Type(1071, "毫米");
    first.Add();
    ASSERT_TRUE(boxes.boxes.empty());
    const QByteArray afterFirst = ReadFile();
    EXPECT_TRUE(afterFirst.endsWith("[长度][1][米]=[1000][毫米]\r\n"));

    {
        OpenPage second;
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].caption, QStringLiteral("vek"));
        EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("data.ini 正被其他程序使用，无法打开。"));
        // Empty, as with an empty catalogue: no kinds, no units, values 0.
        EXPECT_TRUE(Items(second.page, 1029).isEmpty());
        EXPECT_TRUE(Items(second.page, 1074).isEmpty());
        EXPECT_TRUE(Items(second.page, 1028).isEmpty());
        EXPECT_EQ(second.Text(1073), "0");
        EXPECT_EQ(second.Text(1067), "0");
        EXPECT_EQ(second.Text(1075), "");
        // Its add is refused with the same box; the row stays as typed.
        second.Type(1075, "质量");
        second.Type(1070, "1000");
        second.Type(1071, "克");
        second.Add();
        ASSERT_EQ(boxes.boxes.size(), 2u);
        EXPECT_EQ(boxes.boxes[1].text, QStringLiteral("data.ini 正被其他程序使用，无法打开。"));
        EXPECT_EQ(second.Text(1070), "1000");
        EXPECT_EQ(second.Text(1071), "克");
        EXPECT_EQ(ReadFile(), afterFirst);
    }
    // The first page still holds the file and its addition.
    EXPECT_EQ(Items(first.page, 1074), QStringList({"米", "厘米", "毫米"}));
    first.Type(1070, "0.001");
    first.Type(1071, "千米");
    first.Add();
    EXPECT_EQ(boxes.boxes.size(), 2u);
    EXPECT_TRUE(ReadFile().endsWith("[1000][毫米]\r\n[长度][1][米]=[0.001][千米]\r\n"));
}

TEST_F(UnitConverterPageTest, ClosingLetsTheFileGo) {
    WriteFile("[长度][1][米]=[100][厘米]\r\n");
    {
        OpenPage first;
        first.page.close();
        OpenPage second;  // no busy box: the first let the file go
        EXPECT_TRUE(boxes.boxes.empty());
        EXPECT_EQ(Items(second.page, 1029), QStringList({"长度"}));
    }
}

// The note under the add row names "data.ini"; its tooltip says which file
// (in the build tree, the current folder's).
TEST_F(UnitConverterPageTest, NoteShowsTheCataloguePathAsItsTooltip) {
    WriteFile("[长度][1][米]=[100][厘米]\r\n");
    OpenPage open;
    QWidget* note = open.page.ControlAt(open.page.Template().controls.size() - 1);
    ASSERT_TRUE(note);
    EXPECT_TRUE(WindowText(note).startsWith(QStringLiteral("如需修改相应值或单位")));
    EXPECT_EQ(note->toolTip(), QDir::toNativeSeparators(
                                   QDir::current().absoluteFilePath(QStringLiteral("data.ini"))));
}

TEST_F(UnitConverterPageTest, ReadOnlyFieldsShowThePageColour) {
    WriteFile("[长度][1][米]=[100][厘米]\r\n");
    OpenPage page;
    const QImage image = page.page.grab().toImage();
    const auto centre = [&](int id) {
        QWidget* field = page.page.GetDlgItem(id);
        return image.pixelColor(field->geometry().center() + QPoint(field->width() / 3, 0));
    };
    EXPECT_EQ(centre(1068), kPageColor);  // bordered read-only
    EXPECT_EQ(centre(1069), kPageColor);
    EXPECT_EQ(centre(1073), QColor(Qt::white));
    EXPECT_EQ(centre(1070), QColor(Qt::white));
}

}  // namespace
