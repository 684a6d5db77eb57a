// SPDX-License-Identifier: MIT
// The navigation button: state colours, hover, pressed and menu-open looks,
// the attached menu's command, toggle mode, icons and focus on disabling.
#include "controls/color_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <functional>
#include <string>

#include "controls/icon_menu.h"
#include "framework/resources.h"
#include "tests/ui/controls_test_support.h"

namespace {

const QColor kOver(164, 196, 248);    // colour 0
const QColor kNormal(152, 242, 196);  // colour 2
const QColor kFocus(214, 244, 229);   // colour 4
const QColor kTextIn(178, 0, 176);    // colour 1
const QColor kTextOut(200, 30, 0);    // colour 3

// The platform's 3-D edge colours, as painted (8 bits a channel).
QColor SystemLight() {
    return QColor(QApplication::palette().color(QPalette::Light).rgb());
}
QColor SystemShadow() {
    return QColor(QApplication::palette().color(QPalette::Dark).rgb());
}

void Colour(CColorButton& b) {
    b.SetStateColor(CColorButton::BkOut, kNormal);
    b.SetStateColor(CColorButton::BkFocus, kFocus);
    b.SetStateColor(CColorButton::BkIn, kOver);
    b.SetStateColor(CColorButton::FgIn, kTextIn);
    b.SetStateColor(CColorButton::FgOut, kTextOut);
}

const ControlTemplate kCheckBox{ControlKind::CheckBox, 1065, "窗口总在最前面", 9, 194, 71, 12,
                                Style::TabStop};
const ControlTemplate kPushButton{ControlKind::PushButton, 1003, "噪声预测工具", 8, 48, 74, 17,
                                  Style::TabStop};

// Clears the pop-up answers a test left behind.
struct PopupGuard {
    ~PopupGuard() {
        SetPopupMenuHook(nullptr);
        ClearPopupMenuChoices();
    }
};

}  // namespace

TEST(ColorButton, StateColorIndexOutsideTheSixIsRefused) {
    struct Row {
        const char* name;
        int index;
        int result;
    };
    const Row rows[] = {{"first", 0, 0},
                        {"last", 5, 0},
                        {"one past the end", 6, 3},
                        {"far past", 100, 3},
                        {"negative", -1, 3}};
    for (const Row& row : rows) {
        CColorButton b;
        std::vector<QColor> before;
        for (int i = 0; i < 6; ++i) before.push_back(b.StateColor(i));
        EXPECT_EQ(b.SetStateColor(row.index, QColor(1, 2, 3)), row.result) << row.name;
        for (int i = 0; i < 6; ++i) {
            const QColor want = i == row.index ? QColor(1, 2, 3) : before[size_t(i)];
            EXPECT_EQ(b.StateColor(i), want) << row.name << " index " << i;
        }
    }
    CColorButton b;
    Colour(b);
    b.ResetColors();
    const QPalette system = QApplication::palette();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(b.StateColor(i), system.color(i % 2 ? QPalette::ButtonText : QPalette::Button));
    }
}

TEST(ColorButton, FaceEdgeAndTextColourFollowTheState) {
    struct Row {
        const char* name;
        std::function<void(CColorButton&)> enter;
        QColor face, topLeft, bottomRight, text;
    };
    const Row rows[] = {
        {"normal", [](CColorButton&) {}, kNormal, kNormal, kNormal, kTextOut},
        {"pointer over", [](CColorButton& b) { PointerEnters(&b, QPoint(20, 10)); }, kOver,
         SystemLight(), SystemShadow(), kTextIn},
        {"pressed", [](CColorButton& b) { b.setDown(true); }, kOver, SystemShadow(), SystemLight(),
         kTextIn},
        {"focused", [](CColorButton& b) { b.setFocus(); }, kFocus, kFocus, kFocus, kTextOut},
    };
    for (const Row& row : rows) {
        RecordingOwner owner;
        auto* b = new CColorButton(&owner);
        auto* other = new CColorButton(&owner);  // holds the focus otherwise
        b->setGeometry(10, 10, 120, 30);
        other->setGeometry(10, 50, 120, 30);
        b->setText("AB");
        b->setFont(CrispFont(b->font()));
        Colour(*b);
        b->SetFlatFocusRect(true);
        ASSERT_TRUE(ShowActive(owner));
        other->setFocus();
        row.enter(*b);
        const QImage img = b->grab().toImage();
        EXPECT_EQ(PixelAt(img, 5, 5), row.face) << row.name;
        EXPECT_EQ(PixelAt(img, 0, 0), row.topLeft) << row.name;
        EXPECT_EQ(PixelAt(img, 119, 29), row.bottomRight) << row.name;
        EXPECT_GT(CountColor(img, row.text), 0) << row.name;
        // The focus rectangle: dotted, 3 pixels in, inverting the face.
        const QColor inverted(255 - row.face.red(), 255 - row.face.green(), 255 - row.face.blue());
        EXPECT_EQ(PixelAt(img, 3, 3) == inverted, b->hasFocus()) << row.name;
    }
}

TEST(ColorButton, MenuCommandIsPostedOnceAfterTheMenuClosesAndTheClickStillArrives) {
    PopupGuard guard;
    struct Row {
        const char* name;
        int choice;  // what the user picks in the menu, 0 = closes it without a choice
        std::vector<int> posted;
    };
    const Row rows[] = {{"entry chosen", 32772, {32772}},
                        {"menu dismissed", 0, {}},
                        {"command of another menu", 32786, {}}};
    for (const Row& row : rows) {
        RecordingOwner owner;
        auto* b = new CColorButton(&owner);
        b->setGeometry(10, 48, 120, 28);
        Colour(*b);
        ASSERT_EQ(b->AttachMenu(149, &owner), 0);
        ASSERT_TRUE(ShowActive(owner));

        std::vector<std::string> seen;
        QObject::connect(b, &QAbstractButton::clicked, &owner,
                         [&] { seen.push_back(b->IsMenuOpen() ? "click, menu open" : "click"); });
        QPoint openedAt;
        SetPopupMenuHook([&](const IconMenu& menu, const QPoint& topLeft) {
            openedAt = topLeft;
            seen.push_back("menu " + std::to_string(menu.MenuId()));
            EXPECT_TRUE(b->IsMenuOpen());
            const QImage img = b->grab().toImage();  // drawn pressed meanwhile
            EXPECT_EQ(PixelAt(img, 5, 5), kOver);
            EXPECT_EQ(PixelAt(img, 0, 0), SystemShadow());
            EXPECT_TRUE(owner.commands.empty());
            for (const QAction* a : menu.Popup()->actions()) {
                if (a->data().toInt() == row.choice)
                    return row.choice;
            }
            return 0;
        });
        ClickAt(b, QPoint(30, 10));
        EXPECT_FALSE(b->IsMenuOpen()) << row.name;
        EXPECT_EQ(b->focusWidget(), b) << row.name;
        EXPECT_EQ(seen, (std::vector<std::string>{"menu 149", "click"})) << row.name;
        EXPECT_EQ(openedAt, b->mapToGlobal(QPoint(0, 28))) << row.name;
        EXPECT_TRUE(owner.commands.empty()) << row.name << ": posted, not sent";
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(owner.commands, row.posted) << row.name;
    }
}

TEST(ColorButton, RealMenuOpensUnderTheButtonAndAnswersKeys) {
    struct Row {
        const char* name;
        std::vector<Qt::Key> keys;
        std::vector<int> posted;
    };
    const Row rows[] = {{"first entry", {Qt::Key_Down, Qt::Key_Return}, {32771}},
                        {"second entry", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, {32772}},
                        {"escape", {Qt::Key_Escape}, {}}};
    for (const Row& row : rows) {
        RecordingOwner owner;
        auto* b = new CColorButton(&owner);
        b->setGeometry(10, 48, 120, 28);
        ASSERT_EQ(b->AttachMenu(149, &owner), 0);
        ASSERT_TRUE(ShowActive(owner));
        QPoint shownAt;
        QTimer::singleShot(0, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr);
            shownAt = popup->pos();
            for (Qt::Key key : row.keys) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QCoreApplication::sendEvent(popup, &press);
            }
        });
        b->click();
        EXPECT_EQ(shownAt, b->mapToGlobal(QPoint(0, 28))) << row.name;
        QApplication::processEvents();
        EXPECT_EQ(owner.commands, row.posted) << row.name;
    }
}

TEST(ColorButton, ScriptedChoicesAnswerTheNextMenusInTurn) {
    PopupGuard guard;
    RecordingOwner owner;
    auto* b = new CColorButton(&owner);
    b->setGeometry(10, 30, 120, 28);
    ASSERT_EQ(b->AttachMenu(150, &owner), 0);
    QueuePopupMenuChoice(32788);
    QueuePopupMenuChoice(0);
    QueuePopupMenuChoice(32790);
    // A double click is two clicks: two menus.
    DoubleClickAt(b, QPoint(30, 10));
    EXPECT_EQ(PendingPopupMenuChoices(), 1);
    b->click();
    QApplication::processEvents();
    EXPECT_EQ(owner.commands, (std::vector<int>{32788, 32790}));
}

TEST(ColorButton, MenuThatCannotBeLoadedLeavesAPlainButton) {
    PopupGuard guard;
    RecordingOwner owner;
    auto* b = new CColorButton(&owner);
    b->setGeometry(10, 30, 120, 28);
    ASSERT_EQ(b->AttachMenu(148, &owner), 0);
    EXPECT_EQ(b->AttachMenu(999, &owner), 1);
    EXPECT_FALSE(b->HasMenu());
    int menus = 0;
    SetPopupMenuHook([&](const IconMenu&, const QPoint&) { return ++menus, 32791; });
    int clicks = 0;
    QObject::connect(b, &QAbstractButton::clicked, [&] { ++clicks; });
    ClickAt(b, QPoint(30, 10));
    QApplication::processEvents();
    EXPECT_EQ(menus, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(owner.commands.empty());
}

TEST(ColorButton, DoubleClickActsAsTwoClicksAndTheOwnerSeesTheNewState) {
    struct Row {
        const char* name;
        const ControlTemplate* control;
        bool toggle;
    };
    const Row rows[] = {{"check box", &kCheckBox, true}, {"push button", &kPushButton, false}};
    for (const Row& row : rows) {
        RecordingOwner owner;
        auto* b = new CColorButton(&owner);
        b->PreSubclassWindow(*row.control);
        b->setGeometry(10, 10, 120, 20);
        EXPECT_EQ(b->text(), QString::fromUtf8(row.control->text)) << row.name;
        EXPECT_EQ(ControlId(b), row.control->id) << row.name;
        EXPECT_EQ(b->IsToggle(), row.toggle) << row.name;
        b->SetChecked(false);
        std::vector<bool> statesSeenByOwner;
        QObject::connect(b, &QAbstractButton::clicked,
                         [&] { statesSeenByOwner.push_back(b->IsChecked()); });
        DoubleClickAt(b, QPoint(30, 10));
        const std::vector<bool> flips =
            row.toggle ? std::vector<bool>{true, false} : std::vector<bool>{false, false};
        EXPECT_EQ(statesSeenByOwner, flips) << row.name;
        b->SetChecked(true);
        EXPECT_EQ(b->IsChecked(), row.toggle) << row.name << ": SetChecked only in toggle mode";
    }
}

TEST(ColorButton, HoverFollowsThePointerFromOneButtonToTheNext) {
    RecordingOwner owner;
    auto* first = new CColorButton(&owner);
    auto* second = new CColorButton(&owner);
    first->setGeometry(10, 10, 120, 20);
    second->setGeometry(10, 30, 120, 20);
    owner.show();

    PointerEnters(first, QPoint(5, 5));
    EXPECT_TRUE(first->IsHover());
    PointerLeaves(first);
    PointerEnters(second, QPoint(5, 1));
    EXPECT_FALSE(first->IsHover());
    EXPECT_TRUE(second->IsHover());
    EXPECT_EQ(PixelAt(second->grab().toImage(), 5, 5), second->StateColor(0));

    // Pressed elsewhere and dragged over: no light.
    PointerLeaves(second);
    SendMouse(first, QEvent::MouseMove, QPoint(6, 6), Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(first->IsHover());
    // Lit, then the button is pressed and the pointer dragged off it while
    // the button keeps the mouse.
    SendMouse(first, QEvent::MouseMove, QPoint(6, 6), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(first->IsHover());
    SendMouse(first, QEvent::MouseMove, QPoint(6, 40), Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(first->IsHover());
    // Losing the focus ends the light too.
    ASSERT_TRUE(ShowActive(owner));
    first->setFocus();
    SendMouse(first, QEvent::MouseMove, QPoint(6, 6), Qt::NoButton, Qt::NoButton);
    second->setFocus();
    EXPECT_FALSE(first->IsHover());
}

TEST(ColorButton, ToggleShowsTheCheckedIconWhileOnOrPressed) {
    CColorButton probe;
    if (LoadIconResource(143).isNull() || LoadIconResource(144).isNull()) {
        GTEST_SKIP() << "icons 143 and 144 are not in the registry";
    }
    // Reference faces: one button that can only show 143, one only 144.
    auto make = [](int checkedId, int normalId) {
        auto b = std::make_unique<CColorButton>();
        b->PreSubclassWindow(kCheckBox);
        b->setGeometry(0, 0, 140, 24);
        EXPECT_EQ(b->SetIcons(checkedId, normalId), 0);
        return b;
    };
    auto only143 = make(143, 0);
    auto only144 = make(144, 0);
    auto toggle = make(143, 144);
    auto face = [](CColorButton& b) { return b.grab().toImage(); };
    ASSERT_NE(face(*only143), face(*only144));

    EXPECT_EQ(face(*toggle), face(*only144)) << "unchecked";
    toggle->SetChecked(true);
    only143->SetChecked(true);
    EXPECT_EQ(face(*toggle), face(*only143)) << "checked";
    toggle->SetChecked(false);
    only143->SetChecked(false);
    toggle->setDown(true);
    only143->setDown(true);
    EXPECT_EQ(face(*toggle), face(*only143)) << "pressed";
}

TEST(ColorButton, IconThatCannotBeLoadedLeavesNoIcon) {
    CColorButton b;
    b.PreSubclassWindow(kCheckBox);
    EXPECT_EQ(b.SetIcons(9999, 0), 1);
    EXPECT_TRUE(b.ShownIcon().isNull());
    EXPECT_EQ(b.SetIcons(9999, 9998), 1);
    EXPECT_TRUE(b.ShownIcon().isNull());
}

TEST(ColorButton, DisablingMovesTheFocusToTheNextTabStop) {
    RecordingOwner owner;
    CColorButton* buttons[3];
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new CColorButton(&owner);
        buttons[i]->setGeometry(10, 10 + 25 * i, 100, 20);
    }
    auto* outside = new QWidget(&owner);  // takes no focus
    outside->setGeometry(150, 10, 50, 20);
    ASSERT_TRUE(ShowActive(owner));

    buttons[0]->setFocus();
    buttons[1]->setEnabled(false);  // not the focused one
    EXPECT_EQ(owner.focusWidget(), buttons[2]);
    buttons[2]->setEnabled(false);  // the focused one; wraps round past the disabled
    EXPECT_EQ(owner.focusWidget(), buttons[0]);
    buttons[0]->setEnabled(false);  // no tab stop left: the parent
    EXPECT_EQ(owner.focusWidget(), &owner);
}
