// SPDX-License-Identifier: MIT
// The navigation button: state colours, hover, pressed and menu-open looks,
// the attached menu's command, toggle mode, icons and focus on disabling.
#include "controls/color_button.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "controls/icon_menu.h"
#include "tests/ui/controls_test_support.h"

namespace {

// State colours 0 to 4: face and text while over or pressed, face and text
// otherwise, face with the focus.
const QColor kOver(164, 196, 248), kTextIn(178, 0, 176), kNormal(152, 242, 196),
    kTextOut(200, 30, 0), kFocus(214, 244, 229);

// The platform's 3-D edge colours, as painted (8 bits a channel).
QColor SystemEdge(QPalette::ColorRole role) {
    return QColor(QApplication::palette().color(role).rgb());
}

CColorButton* Button(QWidget* owner, int y, int height = 28, bool coloured = true) {
    auto* b = new CColorButton(owner);
    b->setGeometry(10, y, 120, height);
    const QColor colours[] = {kOver, kTextIn, kNormal, kTextOut, kFocus};
    for (int i = 0; coloured && i < 5; ++i) b->SetStateColor(i, colours[i]);
    return b;
}

const ControlTemplate kCheckBox{ControlKind::CheckBox, 1065, "窗口总在最前面", 9, 194, 71, 12,
                                Style::TabStop};
const ControlTemplate kPushButton{ControlKind::PushButton, 1003, "噪声预测工具", 8, 48, 74, 17,
                                  Style::TabStop};

}  // namespace

TEST(ColorButton, StateColorIndexOutsideTheSixIsRefused) {
    for (auto [index, result] : {std::pair{0, 0}, {5, 0}, {6, 3}, {100, 3}, {-1, 3}}) {
        CColorButton b;
        std::vector<QColor> want;
        for (int i = 0; i < 6; ++i) want.push_back(i == index ? QColor(1, 2, 3) : b.StateColor(i));
        EXPECT_EQ(b.SetStateColor(index, QColor(1, 2, 3)), result) << index;
        for (int i = 0; i < 6; ++i) EXPECT_EQ(b.StateColor(i), want[size_t(i)]) << index;
    }
}

TEST(ColorButton, FaceEdgeAndTextColourFollowTheState) {
    using Enter = std::function<void(CColorButton&)>;
    const QColor light = SystemEdge(QPalette::Light), shadow = SystemEdge(QPalette::Dark);
    // name, how the state is entered, face, top-left and bottom-right edge, text
    const std::tuple<const char*, Enter, QColor, QColor, QColor, QColor> rows[] = {
        {"normal", [](CColorButton&) {}, kNormal, kNormal, kNormal, kTextOut},
        {"over", [](auto& b) { PointerEnters(&b, QPoint(20, 10)); }, kOver, light, shadow, kTextIn},
        {"pressed", [](auto& b) { b.setDown(true); }, kOver, shadow, light, kTextIn},
        {"focused", [](auto& b) { b.setFocus(); }, kFocus, kFocus, kFocus, kTextOut},
    };
    for (const auto& [name, enter, face, topLeft, bottomRight, text] : rows) {
        RecordingOwner owner;
        CColorButton* b = Button(&owner, 10, 30);
        CColorButton* other = Button(&owner, 50);  // holds the focus otherwise
        b->setText("AB");
        b->setFont(CrispFont(b->font()));
        b->SetFlatFocusRect(true);
        ShowActive(&owner);
        other->setFocus();
        enter(*b);
        const QImage img = b->grab().toImage();
        EXPECT_EQ(PixelAt(img, 5, 5), face) << name;
        EXPECT_EQ(PixelAt(img, 0, 0), topLeft) << name;
        EXPECT_EQ(PixelAt(img, 119, 29), bottomRight) << name;
        EXPECT_GT(CountColor(img, text), 0) << name;
        // The focus rectangle: dotted, 3 pixels in, inverting the face.
        const QColor inverted(255 - face.red(), 255 - face.green(), 255 - face.blue());
        EXPECT_EQ(PixelAt(img, 3, 3) == inverted, b->hasFocus()) << name;
    }
}

TEST(ColorButton, MenuCommandIsPostedOnceAfterTheMenuClosesAndTheClickStillArrives) {
    std::shared_ptr<void> unhook(nullptr, [](void*) { SetPopupMenuHook(nullptr); });
    // The entry the user picks (0: the menu is dismissed) and what is posted;
    // 32786 belongs to another menu.
    for (auto [choice, posted] :
         {std::pair{32772, std::vector<int>{32772}}, {0, {}}, {32786, {}}}) {
        RecordingOwner owner;
        CColorButton* b = Button(&owner, 48);
        ASSERT_EQ(b->AttachMenu(149, &owner), 0);
        ShowActive(&owner);
        std::vector<std::string> seen;
        QObject::connect(b, &QAbstractButton::clicked, &owner,
                         [&] { seen.push_back(b->IsMenuOpen() ? "click, menu open" : "click"); });
        QPoint openedAt;
        SetPopupMenuHook([&, choice = choice](const IconMenu& menu, const QPoint& topLeft) {
            openedAt = topLeft;
            seen.push_back("menu " + std::to_string(menu.MenuId()));
            const QImage img = b->grab().toImage();  // drawn pressed meanwhile
            EXPECT_EQ(PixelAt(img, 5, 5), kOver);
            EXPECT_EQ(PixelAt(img, 0, 0), SystemEdge(QPalette::Dark));
            EXPECT_TRUE(owner.commands.empty());
            for (const QAction* a : menu.Popup()->actions())
                if (a->data().toInt() == choice)
                    return choice;
            return 0;
        });
        ClickAt(b, QPoint(30, 10));
        EXPECT_FALSE(b->IsMenuOpen()) << choice;
        EXPECT_EQ(b->focusWidget(), b) << choice;
        EXPECT_EQ(seen, (std::vector<std::string>{"menu 149", "click"})) << choice;
        EXPECT_EQ(openedAt, b->mapToGlobal(QPoint(0, 28))) << choice;
        EXPECT_TRUE(owner.commands.empty()) << choice << ": posted, not sent";
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(owner.commands, posted) << choice;
    }
}

TEST(ColorButton, RealMenuOpensUnderTheButtonAndAnswersKeys) {
    RecordingOwner owner;
    CColorButton* b = Button(&owner, 48);
    ASSERT_EQ(b->AttachMenu(149, &owner), 0);
    ShowActive(&owner);
    QPoint shownAt;
    QTimer::singleShot(0, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        shownAt = popup->pos();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(popup, &press);
        }
    });
    b->click();
    EXPECT_EQ(shownAt, b->mapToGlobal(QPoint(0, 28)));
    QApplication::processEvents();
    EXPECT_EQ(owner.commands, std::vector<int>{32772});  // the second entry
}

TEST(ColorButton, MenuThatCannotBeLoadedLeavesAPlainButton) {
    RecordingOwner owner;
    CColorButton* b = Button(&owner, 30);
    ASSERT_EQ(b->AttachMenu(150, &owner), 0);
    EXPECT_EQ(b->AttachMenu(999, &owner), 1);
    EXPECT_FALSE(b->HasMenu());
    QueuePopupMenuChoice(32791);  // would answer a menu, were one opened
    int clicks = 0;
    QObject::connect(b, &QAbstractButton::clicked, [&] { ++clicks; });
    ClickAt(b, QPoint(30, 10));
    QApplication::processEvents();
    EXPECT_EQ(PendingPopupMenuChoices(), 1);
    ClearPopupMenuChoices();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(owner.commands.empty());
}

TEST(ColorButton, DoubleClickActsAsTwoClicksAndTheOwnerSeesTheNewState) {
    for (const ControlTemplate* control : {&kCheckBox, &kPushButton}) {
        const bool toggle = control == &kCheckBox;
        RecordingOwner owner;
        CColorButton* b = Button(&owner, 10, 20, false);
        b->PreSubclassWindow(*control);
        EXPECT_EQ(b->IsToggle(), toggle);
        std::vector<bool> seen;
        QObject::connect(b, &QAbstractButton::clicked, [&] { seen.push_back(b->IsChecked()); });
        ClickAt(b, QPoint(30, 10), true);
        EXPECT_EQ(seen, (std::vector<bool>{toggle, false})) << control->id;
        b->SetChecked(true);
        EXPECT_EQ(b->IsChecked(), toggle) << "SetChecked only in toggle mode";
    }
}

TEST(ColorButton, HoverFollowsThePointerFromOneButtonToTheNext) {
    RecordingOwner owner;
    CColorButton* first = Button(&owner, 10, 20);
    CColorButton* second = Button(&owner, 30, 20);
    ShowActive(&owner);
    QEvent leave(QEvent::Leave);
    PointerEnters(first, QPoint(5, 5));
    EXPECT_TRUE(first->IsHover());
    QCoreApplication::sendEvent(first, &leave);
    PointerEnters(second, QPoint(5, 1));
    EXPECT_FALSE(first->IsHover());
    EXPECT_TRUE(second->IsHover());
    EXPECT_EQ(PixelAt(second->grab().toImage(), 5, 5), kOver);
    // Pressed elsewhere and dragged over: no light.
    QCoreApplication::sendEvent(second, &leave);
    SendMouse(first, QEvent::MouseMove, QPoint(6, 6), Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(first->IsHover());
}

TEST(ColorButton, ToggleShowsTheCheckedIconWhileOnOrPressed) {
    // Reference faces: one button that can only show 143, one only 144.
    auto make = [](int checkedId, int normalId) {
        auto b = std::make_unique<CColorButton>();
        b->PreSubclassWindow(kCheckBox);
        b->setGeometry(0, 0, 140, 24);
        EXPECT_EQ(b->SetIcons(checkedId, normalId), 0);
        return b;
    };
    auto only143 = make(143, 0), only144 = make(144, 0), toggle = make(143, 144);
    auto face = [](auto& b) { return b->grab().toImage(); };
    ASSERT_NE(face(only143), face(only144));
    EXPECT_EQ(face(toggle), face(only144)) << "unchecked";
    for (auto* b : {toggle.get(), only143.get()}) b->SetChecked(true);
    EXPECT_EQ(face(toggle), face(only143)) << "checked";
    for (auto* b : {toggle.get(), only143.get()}) b->SetChecked(false), b->setDown(true);
    EXPECT_EQ(face(toggle), face(only143)) << "pressed";
    for (int normal : {0, 9998}) {  // an icon that cannot be loaded leaves none
        EXPECT_EQ(toggle->SetIcons(9999, normal), 1);
        EXPECT_TRUE(toggle->ShownIcon().isNull());
    }
}

TEST(ColorButton, DisablingMovesTheFocusToTheNextTabStop) {
    RecordingOwner owner;
    CColorButton* buttons[3] = {Button(&owner, 10), Button(&owner, 40), Button(&owner, 70)};
    (new QWidget(&owner))->setGeometry(150, 10, 50, 20);  // takes no focus
    ShowActive(&owner);
    buttons[0]->setFocus();
    buttons[1]->setEnabled(false);  // not the focused one
    EXPECT_EQ(owner.focusWidget(), buttons[2]);
    buttons[2]->setEnabled(false);  // the focused one; wraps round past the disabled
    EXPECT_EQ(owner.focusWidget(), buttons[0]);
    buttons[0]->setEnabled(false);  // no tab stop left: the parent
    EXPECT_EQ(owner.focusWidget(), &owner);
}
