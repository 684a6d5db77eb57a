// SPDX-License-Identifier: MIT
// A navigation button whose owner is disabled (not the button itself) keeps
// its hover light and moves no focus: only its own disabling hands the focus
// on and ends the hover.
#include <gtest/gtest.h>

#include "controls/color_button.h"
#include "tests/ui/controls_test_support.h"

TEST(ColorButtonOwner, DisabledOwnerKeepsHoverAndMovesNoFocus) {
    QWidget window;
    window.resize(300, 200);
    auto* owner = new RecordingOwner;
    owner->setParent(&window);
    auto* first = new CColorButton(owner);
    first->setGeometry(10, 10, 120, 28);
    auto* second = new CColorButton(owner);
    second->setGeometry(10, 40, 120, 28);
    auto* outside = new CColorButton(&window);  // a tab stop beyond the owner
    outside->setGeometry(150, 10, 120, 28);
    ShowActive(&window);
    first->setFocus();
    PointerEnters(second, QPoint(5, 5));
    ASSERT_TRUE(second->IsHover());

    owner->setEnabled(false);
    EXPECT_TRUE(second->IsHover());
    // The buttons do not hand the focus on to a tab stop of their own.
    EXPECT_NE(QApplication::focusWidget(), second);
    EXPECT_NE(QApplication::focusWidget(), outside);

    owner->setEnabled(true);
    first->setFocus();
    second->setEnabled(false);  // the button's own disabling
    EXPECT_FALSE(second->IsHover());
    EXPECT_EQ(QApplication::focusWidget(), first);
}
