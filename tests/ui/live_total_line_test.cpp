// SPDX-License-Identifier: MIT
// The live total line of both noise pages, typed key by key: whichever of
// level, background and total the user types into keeps every keystroke,
// the decimal point included, on its way to 65.5.
#include <gtest/gtest.h>

#include <QTest>

#include "pages/indoor_noise_page.h"
#include "pages/workshop_noise_page.h"
#include "tests/ui/ui_test_support.h"

namespace {

// The level, background and total fields of a page's line.
template <class Page>
void ExpectEachFieldKeepsWhatIsTyped(std::initializer_list<int> fields) {
    BoxRecorder boxes;
    QWidget host;
    Page page;
    page.Create(&host);
    page.show();
    ShowActive(&host);
    for (int id : fields) {
        QLineEdit* edit = EditOf(&page, id);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "65.5");
        EXPECT_EQ(edit->text().toStdString(), "65.5") << id;
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(LiveTotalLine, TypedFieldKeepsItsDecimalPoint) {
    ExpectEachFieldKeepsWhatIsTyped<CIndoorNoisePage>({1058, 1061, 1062});
    ExpectEachFieldKeepsWhatIsTyped<CWorkshopNoisePage>({1090, 1054, 1091});
}

}  // namespace
