// SPDX-License-Identifier: MIT
// Every window as a keyboard-only or screen-reader user meets it, through
// Qt's accessibility interface (what the desktop's accessibility bus reads):
// names for every control, a keyboard path to every field, and a palette
// that keeps every text readable on a dark desktop.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <functional>
#include <memory>
#include <set>

#include "app/about_dlg.h"
#include "app/main_dlg.h"
#include "calc/field_table.h"
#include "controls/icon_menu.h"
#include "pages/decibel_calc_dlg.h"
#include "pages/lp1_dlg.h"
#include "pages/page_registry.h"
#include "pages/path_difference_dlg.h"
#include "tests/ui/ui_test_support.h"

namespace {

QString AccessibleText(QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(text) : QString();
}

// The main window with its nine pages, the About box and the three tool
// windows, each built as the program builds it.
struct Windows {
    Windows() {
        main.Create(nullptr);
        for (CDialog* tool : std::initializer_list<CDialog*>{&about, &decibel, &lp1, &path})
            tool->Create(nullptr);
    }
    std::vector<CDialog*> All() {
        std::vector<CDialog*> all{&main, &about, &decibel, &lp1, &path};
        for (int index = 1; index <= CMainDlg::kPageCount; ++index) all.push_back(main.Page(index));
        return all;
    }
    FakeServices services;
    CMainDlg main;
    CAboutDlg about;
    CDecibelCalcDlg decibel;
    CLp1Dlg lp1;
    CPathDifferenceDlg path;
};

std::vector<QWidget*> ControlsOf(const CDialog* window) {
    std::vector<QWidget*> controls;
    for (std::size_t i = 0; QWidget* control = window->ControlAt(i); ++i)
        controls.push_back(control);
    return controls;
}

bool IsField(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w);
}

TEST(Accessibility, EveryControlHasANameThatIsNotItsValue) {
    Windows windows;
    for (CDialog* window : windows.All()) {
        SCOPED_TRACE((window->accessibleName() + window->windowTitle()).toStdString());
        EXPECT_FALSE(AccessibleText(window, QAccessible::Name).isEmpty());
        const auto* page = dynamic_cast<const CCalcPage*>(window);
        for (QWidget* control : ControlsOf(window)) {
            if (control->focusPolicy() == Qt::NoFocus && !IsField(control))
                continue;
            SCOPED_TRACE(ControlId(control));
            const QString name = AccessibleText(control, QAccessible::Name);
            const QString value = AccessibleText(control, QAccessible::Value);
            EXPECT_FALSE(name.isEmpty());
            if (!value.isEmpty()) {
                EXPECT_NE(name, value);
            }
            // A field its table labels is named by that label.
            const Field* field =
                page && IsField(control) ? FindField(page->Fields(), ControlId(control)) : nullptr;
            if (field && *field->label) {
                EXPECT_EQ(name, QString::fromUtf8(field->label));
            }
        }
    }
}

TEST(Accessibility, NamesAsTheWindowsShowThem) {
    Windows windows;
    struct Case {
        QWidget* control;
        QAccessible::Role role;
        const char* name;
        const char* description;
    };
    CMainDlg& main = windows.main;
    const Case cases[] = {
        {main.Page(1), QAccessible::Dialog, "生活污水和垃圾", ""},
        {main.Page(2), QAccessible::Dialog, "燃煤(油)废气", ""},
        {main.Page(8)->GetDlgItem(1114), QAccessible::EditableText, "车间内风速", "u，m/s"},
        {main.Page(8)->GetDlgItem(1116), QAccessible::EditableText, "有机溶剂分子量", "M"},
        {main.Page(2)->GetDlgItem(1027), QAccessible::ComboBox, "原料", ""},
        {main.Page(5)->GetDlgItem(1029), QAccessible::ComboBox, "单位种类", ""},
        {main.Page(3)->GetDlgItem(1042), QAccessible::RadioButton, "无", ""},
        {&main.m_lblContact, QAccessible::Link, "vek@example.com",
         "联系我 Email:vek@example.com  QQ:10001"},
        {&main.m_lblClock, QAccessible::StaticText, "现在时间：09:05:07", ""},
        {windows.decibel.GetDlgItem(1061), QAccessible::Button, "退格", ""},
        {&windows.lp1, QAccessible::Dialog, "Lp1计算", ""},
    };
    for (const Case& c : cases) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(c.control);
        ASSERT_NE(iface, nullptr);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(iface->role(), c.role);
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(c.name));
        EXPECT_EQ(iface->text(QAccessible::Description), QString::fromUtf8(c.description));
    }
    // The link's press action opens a mail to its address.
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(&main.m_lblContact);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(windows.services.opened, QStringList{"mailto:vek@example.com"});
}

// From start-up, the keyboard alone: Tab to a page's button, Enter on it
// (a menu entry chosen from its menu), then Tab through the page and on
// round to 生活污水和垃圾.
TEST(Accessibility, KeyboardWalkReachesEveryInputFieldAndComesBack) {
    FakeServices services;
    BoxRecorder boxes;
    CMainDlg main;
    main.Create(nullptr);
    ShowActive(&main);
    ASSERT_EQ(QApplication::focusWidget(), main.GetDlgItem(1000));
    auto tab = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    for (const PageRow& row : PageRegistry()) {
        SCOPED_TRACE(row.index);
        QWidget* button = main.NavigationButton(row.index);
        for (int step = 0; step < 10 && QApplication::focusWidget() != button; ++step) tab();
        ASSERT_EQ(QApplication::focusWidget(), button);
        if (button != main.GetDlgItem(row.command))
            QueuePopupMenuChoice(row.command);
        QTest::keyClick(button, Qt::Key_Return);
        QApplication::processEvents();
        ASSERT_EQ(main.VisiblePage(), main.Page(row.index));
        std::set<QWidget*> reached{tab()};
        for (int step = 0; step < 100 && QApplication::focusWidget() != main.GetDlgItem(1000);
             ++step)
            reached.insert(tab());
        ASSERT_EQ(QApplication::focusWidget(), main.GetDlgItem(1000));
        const CCalcPage* page = static_cast<const CCalcPage*>(main.Page(row.index));
        for (const Field& field : page->Fields()) {
            auto* edit = qobject_cast<QLineEdit*>(page->GetDlgItem(field.id));
            if (field.role == FieldRole::Input && edit && edit->isVisible() &&
                !edit->isReadOnly()) {
                EXPECT_TRUE(reached.count(edit)) << field.id;
            }
        }
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

double Luminance(const QColor& c) {
    auto channel = [](double v) {
        v /= 255;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a control's text stands on: its own fill, else what shows through
// from the widgets under it.
QColor Behind(const QWidget* w, QPalette::ColorRole role) {
    for (; w; w = w->parentWidget()) {
        const QColor fill = w->palette().color(role);
        if (fill.alpha() == 255 &&
            (w->autoFillBackground() || w->isWindow() || role != QPalette::Window))
            return fill;
        role = QPalette::Window;
    }
    return Qt::white;
}

// A desktop theme's dark palette, set before the windows are built.
TEST(Accessibility, EveryTextStaysReadableUnderADarkDesktopPalette) {
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(53, 53, 53));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    QApplication::setPalette(dark);
    {
        Windows windows;
        ShowActive(&windows.main);
        std::vector<CDialog*> checked{&windows.lp1, &windows.path, &windows.about};
        for (int index = 1; index <= CMainDlg::kPageCount; ++index)
            checked.push_back(windows.main.Page(index));
        for (CDialog* window : checked) {
            for (QWidget* w : ControlsOf(window)) {
                SCOPED_TRACE(ControlId(w));
                QColor text, back;
                if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
                    text = w->palette().color(QPalette::Text);
                    back = Behind(w, QPalette::Base);
                } else if (qobject_cast<QPushButton*>(w)) {
                    text = w->palette().color(QPalette::ButtonText);
                    back = Behind(w, QPalette::Button);
                } else if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                           qobject_cast<QGroupBox*>(w)) {
                    text = w->palette().color(QPalette::WindowText);
                    back = Behind(w, QPalette::Window);
                } else {
                    continue;
                }
                EXPECT_GE(Contrast(text, back), 4.5)
                    << text.name().toStdString() << " on " << back.name().toStdString();
            }
        }
        // The navigation buttons draw their text over their state colours.
        for (int id : {1000, 1001, 1003, 1005, 1007, 1006}) {
            auto* button = static_cast<CColorButton*>(windows.main.GetDlgItem(id));
            for (auto [face, text] : {std::pair{CColorButton::BkOut, CColorButton::FgOut},
                                      {CColorButton::BkFocus, CColorButton::FgFocus},
                                      {CColorButton::BkIn, CColorButton::FgIn}})
                EXPECT_GE(Contrast(button->StateColor(text), button->StateColor(face)), 4.5) << id;
        }
    }
    QApplication::setPalette(before);
}

}  // namespace
