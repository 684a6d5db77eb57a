// SPDX-License-Identifier: MIT
// The decibel calculator's keypad, the indoor-noise page's live total line
// and its two tool windows, as a user drives them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "framework/tool_window.h"
#include "pages/decibel_calc_dlg.h"
#include "pages/indoor_noise_page.h"
#include "pages/lp1_dlg.h"
#include "tests/ui/ui_test_support.h"

namespace {

void Click(CDialog& dlg, int id) {
    auto* button = qobject_cast<QAbstractButton*>(dlg.GetDlgItem(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

// Keys of the keypad by what they show: digits, ". + - = C(E) <(backspace)".
void Press(CDialog& dlg, const std::string& keys) {
    static constexpr int kDigitIds[] = {1051, 1050, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1060};
    for (char key : keys) {
        switch (key) {
            case '.':
                Click(dlg, 1052);
                break;
            case '+':
                Click(dlg, 1063);
                break;
            case '-':
                Click(dlg, 1064);
                break;
            case '=':
                Click(dlg, 1065);
                break;
            case 'C':
                Click(dlg, 1062);
                break;
            case '<':
                Click(dlg, 1061);
                break;
            case ' ':
                break;
            default:
                Click(dlg, kDigitIds[key - '0']);
        }
    }
}

class DecibelCalculatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.resize(300, 200);
        ShowActive(&owner);
        OpenToolWindow(calc, &owner);
        QApplication::processEvents();
    }
    QString Display() { return EditOf(&calc, 1066)->text(); }

    QWidget owner;
    CDecibelCalcDlg calc;
};

struct KeypadCase {
    const char* name;
    const char* keys;
    const char* display;
};

// Each row starts from a fresh window whose pending operator is "+".
const KeypadCase kKeypadCases[] = {
    {"sum", "60+60=", "63.0102999566398"},
    {"repeat", "60+60==", "64.7712125471966"},
    {"repeat twice", "60+60===", "66.0205999132796"},
    {"operator shows 0", "60+", "0"},
    {"intermediate result", "60+70+", "70.4139268515823"},
    {"chain", "60+70+80=", "80.4532297878666"},
    {"difference", "70-60=", "69.5424250943933"},
    {"equal levels", "60-60=", "-inf"},
    {"larger second level", "60-70=", "nan"},
    {"result plus a level", "60+60=+60=", "64.7712125471966"},
    {"operator then equals after a result", "60+60=+=", "63.0102999566398"},
    {"new number after a result is kept", "60+60=70=", "70.4139268515823"},
    {"its repeat", "60+60=70==", "70.7918124604763"},
    {"operator after the new number", "60+60=70+60=", "70.4139268515823"},
    {"missing second operand copies the first", "60=", "63.0102999566398"},
    {"closing a pair clears the second entry", "60+70.5+80=", "80.5007097855341"},
    {"point shows nothing yet", "60.", "60"},
    {"fraction", "60.5", "60.5"},
    {"trailing zero", "60.50", "60.5"},
    {"second point ignored", "60..5", "60.5"},
    {"backspace", "123<", "12"},
    {"backspace to zero", "5<", "0"},
    {"backspace a fraction digit exactly", "0.30<", "0.3"},
    {"backspace the last fraction digit drops the point", "0.3<5", "5"},
    {"backspace a bare point", "60.<5", "605"},
    {"backspace a long fraction", "1.123456789<", "1.12345678"},
    {"backspace after ten digits", "2147483648<", "214748364"},
    {"backspace on twenty digits", "12345678901234567890<", "1.23456789012346e+018"},
    {"sixteen digits switch to exponent form", "1234567890123456", "1.23456789012346e+015"},
    {"equals after clear", "C=", "3.01029995663981"},
    {"clear keeps nothing typed", "60+60C70=", "73.0102999566398"},
    {"difference carried on", "60-60=+60=", "60"},
};

class KeypadTest : public DecibelCalculatorTest,
                   public ::testing::WithParamInterface<KeypadCase> {};

TEST_P(KeypadTest, ShowsWhatTheKeysGive) {
    Press(calc, "1+C");  // leaves "+" pending
    Press(calc, GetParam().keys);
    EXPECT_EQ(Display(), QString::fromUtf8(GetParam().display));
}

INSTANTIATE_TEST_SUITE_P(Sequences, KeypadTest, ::testing::ValuesIn(kKeypadCases),
                         [](const auto& info) {
                             std::string name;
                             for (char c : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST_F(DecibelCalculatorTest, EqualsBeforeAnyOperatorShowsTheNumberTyped) {
    Press(calc, "60=");
    EXPECT_EQ(Display(), "60");
    Press(calc, "=");
    EXPECT_EQ(Display(), "60");
    Press(calc, "+60=");
    EXPECT_EQ(Display(), "63.0102999566398");
}

TEST_F(DecibelCalculatorTest, KeyboardGoesThroughTheKeypadAndEnterNeverCloses) {
    EXPECT_EQ(QApplication::focusWidget(), calc.GetDlgItem(1051));
    // Focus on the display bounces to "0".
    calc.GetDlgItem(1066)->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), calc.GetDlgItem(1051));

    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus, Qt::Key_6);
    QTest::keyClick(focus, Qt::Key_0, Qt::KeypadModifier);
    QTest::keyClick(focus, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(focus, Qt::Key_6);
    QTest::keyClick(focus, Qt::Key_0);
    QTest::keyClick(focus, Qt::Key_Return);
    EXPECT_EQ(Display(), "63.0102999566398");
    EXPECT_TRUE(calc.isVisible());
    QTest::keyClick(focus, Qt::Key_Backspace);  // on a result: operand 1 is empty
    EXPECT_EQ(Display(), "0");
    QTest::keyClick(focus, Qt::Key_Minus);  // the main keyboard's "-" presses nothing
    QTest::keyClick(focus, Qt::Key_5);
    EXPECT_EQ(Display(), "5");
}

TEST_F(DecibelCalculatorTest, ReopeningStartsAfreshButKeepsThePendingOperator) {
    Press(calc, "70-60");
    calc.close();
    QApplication::processEvents();
    EXPECT_FALSE(calc.isVisible());
    OpenToolWindow(calc, &owner);
    QApplication::processEvents();
    EXPECT_EQ(Display(), "0");
    EXPECT_EQ(QApplication::focusWidget(), calc.GetDlgItem(1051));
    Press(calc, "70=");  // the missing operand copies 70: 70 - 70
    EXPECT_EQ(Display(), "-inf");

    // While open, the button brings it to the front unchanged.
    Press(calc, "C55");
    OpenToolWindow(calc, &owner);
    QApplication::processEvents();
    EXPECT_EQ(Display(), "55");
}

TEST_F(DecibelCalculatorTest, ColoursOfTheWindowAndTheDisplay) {
    const QImage image = calc.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(2, image.height() - 2)), QColor(84, 188, 214));
    QLineEdit* display = EditOf(&calc, 1066);
    EXPECT_EQ(display->palette().color(QPalette::Text), QColor(255, 0, 0));
    const QImage inside = display->grab().toImage();
    EXPECT_EQ(QColor(inside.pixel(inside.width() - 4, inside.height() / 2)), QColor(84, 188, 214));
}

class IndoorNoisePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(480, 360);
        page.Create(&host);
        page.show();
        ShowActive(&host);
    }
    // Typed key by key, as a user does, after selecting the field's text.
    void TypeKeys(int id, const char* text) {
        QLineEdit* edit = EditOf(&page, id);
        edit->setFocus();
        edit->selectAll();
        if (!*text)
            QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
    QString Text(int id) { return EditOf(&page, id)->text(); }

    QWidget host;
    CIndoorNoisePage page;
    BoxRecorder boxes;
};

TEST_F(IndoorNoisePageTest, GreenLevelAndDistance) {
    TypeKeys(1054, "80");
    TypeKeys(1056, "20");
    TypeKeys(1057, "10");
    Click(page, 1060);
    EXPECT_EQ(Text(1058), "37.0103");
    EXPECT_EQ(Text(1062), "0");  // the total follows edits only
    TypeKeys(1057, "0");
    Click(page, 1059);
    EXPECT_EQ(Text(1057), "10");
    TypeKeys(1057, "0");
    Click(page, 1060);
    EXPECT_EQ(Text(1058), "0");
}

TEST_F(IndoorNoisePageTest, LiveLineKeepsWhatIsTypedAndRaisesNoBox) {
    TypeKeys(1058, "50");
    TypeKeys(1061, "50");
    EXPECT_EQ(Text(1062), "53.0103");
    TypeKeys(1062, "53.0103");
    EXPECT_EQ(Text(1062), "53.0103");
    EXPECT_EQ(Text(1058).left(4), "50");
    TypeKeys(1062, "40");  // not above the background: the level stays
    EXPECT_EQ(Text(1062), "40");
    const QString level = Text(1058);
    TypeKeys(1061, "65.5");
    EXPECT_EQ(Text(1061), "65.5");
    const QString total = Text(1062);
    TypeKeys(1061, "-");
    EXPECT_EQ(Text(1061), "-");
    TypeKeys(1061, "");
    EXPECT_EQ(Text(1061), "");
    EXPECT_EQ(Text(1062), total);
    EXPECT_EQ(Text(1058), level);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(IndoorNoisePageTest, ToolWindowsOpenBesideThePage) {
    Click(page, 1075);
    QApplication::processEvents();
    ASSERT_TRUE(page.m_dlgLp1.isVisible());
    Click(page.m_dlgLp1, 1081);
    EXPECT_EQ(EditOf(&page.m_dlgLp1, 1054)->text(), "91.2707");
    EXPECT_EQ(Text(1054), "0");  // nothing comes back to the page
    EditOf(&page.m_dlgLp1, 1080)->setText("0.5");
    Click(page.m_dlgLp1, 1081);
    EXPECT_EQ(EditOf(&page.m_dlgLp1, 1054)->text(), "75.215");

    // Built anew after a close: inputs and result start again.
    page.m_dlgLp1.close();
    QApplication::processEvents();
    Click(page, 1075);
    QApplication::processEvents();
    EXPECT_EQ(EditOf(&page.m_dlgLp1, 1080)->text(), "0.01");
    EXPECT_EQ(EditOf(&page.m_dlgLp1, 1054)->text(), "0");

    Click(page, 1063);
    QApplication::processEvents();
    EXPECT_TRUE(page.m_dlgDecibel.isVisible());
    EXPECT_EQ(page.m_dlgDecibel.windowTitle(), QString::fromUtf8("分贝计算器"));
    EXPECT_EQ(page.m_dlgLp1.windowTitle(), QString::fromUtf8("Lp1计算"));
}

}  // namespace
