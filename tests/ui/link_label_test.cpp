// SPDX-License-Identifier: MIT
// The self-painting text label: blinking, embossing, fills, see-through
// painting and the mail and web links.
#include "controls/link_label.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/ui/controls_test_support.h"

namespace {

const QColor kWindow(0, 166, 228);  // the main window's background
const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlack(0, 0, 0);

using Set = std::function<void(CLinkLabel&)>;

// An owner window painted in the main window's colour, with one label.
struct LabelOnWindow {
    RecordingOwner owner;
    CLinkLabel* label = new CLinkLabel(&owner);
    explicit LabelOnWindow(const char* text = "vek@example.com") {
        owner.setAutoFillBackground(true);
        QPalette p = owner.palette();
        p.setColor(QPalette::Window, kWindow);
        owner.setPalette(p);
        label->setGeometry(20, 20, 150, 20);
        label->setFont(CrispFont(label->font()));  // the label takes it as its own
        label->PreSubclassWindow({ControlKind::Label, 1062, text, 317, 212, 61, 8, Style::None});
    }
    // What the user sees where the label lies.
    QImage Shown() { return owner.grab(label->geometry()).toImage(); }
};

}  // namespace

TEST(LinkLabel, BlinkingTextAlternatesEverySecond) {
    // What the text shows in the off phase; invalid: nothing but the fill.
    const std::pair<Set, QColor> rows[] = {
        {[](CLinkLabel& l) { l.SetSeeThrough(true); }, kBlack},
        {[](CLinkLabel&) {}, kBlack},
        {[](CLinkLabel& l) { l.SetFillColor(kWindow); }, QColor()},
    };
    int row = 0;
    for (const auto& [set, offText] : rows) {
        LabelOnWindow w;
        SCOPED_TRACE(row++);
        set(w.label->SetLabelColor(kRed));
        w.label->BlinkText(true);
        EXPECT_EQ(w.label->BlinkTimer().interval(), 1000);
        for (int tick = 0; tick < 4; ++tick, w.label->OnTimer()) {
            const bool on = tick % 2 == 1;
            const QImage img = w.Shown();
            EXPECT_EQ(CountColor(img, kRed) > 0, on) << tick;
            if (offText.isValid()) {
                EXPECT_EQ(CountColor(img, offText) > 0, !on) << tick;
            } else if (!on) {
                EXPECT_EQ(CountColor(img, kWindow), img.width() * img.height()) << tick;
            }
        }
        w.label->BlinkText(false);
        EXPECT_FALSE(w.label->BlinkTimer().isActive());
        EXPECT_GT(CountColor(w.Shown(), kRed), 0) << "steady again";
    }
}

TEST(LinkLabel, EmbossedCopyLiesOnePixelOffTheText) {
    // Where the text's pixels lie when drawn alone, in green.
    LabelOnWindow plain;
    plain.label->SetFillColor(kWindow).SetLabelColor(kGreen);
    const QImage alone = plain.Shown();
    ASSERT_GT(CountColor(alone, kGreen), 10);
    for (auto [direction, offset] : {std::pair{0, -1}, {1, 1}}) {  // up-left, down-right
        LabelOnWindow w;
        w.label->SetFillColor(kWindow).SetLabelColor(kRed);
        w.label->SetEmbossed(true, direction).SetEmbossColor(kGreen);
        const QImage img = w.Shown();
        EXPECT_GT(CountColor(img, kRed), 0) << direction;
        // The copy goes over the text; the text shows where it is not covered.
        for (int y = 1; y + 1 < alone.height(); ++y)
            for (int x = 1; x + 1 < alone.width(); ++x)
                if (PixelAt(alone, x, y) == kGreen) {
                    EXPECT_EQ(PixelAt(img, x + offset, y + offset), kGreen) << x << "," << y;
                    EXPECT_TRUE(PixelAt(img, x, y) == kRed || PixelAt(img, x, y) == kGreen);
                }
    }
}

TEST(LinkLabel, ClickOpensMailOrWebOrTellsTheOwner) {
    using Notes = std::vector<std::pair<int, int>>;
    // How the link is set, what the shell opens, what the owner is told.
    const std::tuple<Set, QStringList, Notes> rows[] = {
        {[](CLinkLabel& l) { l.SetMailtoLink(true, false); }, {"mailto:vek@example.com"}, {}},
        {[](CLinkLabel& l) { l.SetMailtoLink(true, true); }, {}, {{1062, 0x8200}}},
        {[](CLinkLabel& l) { l.SetWebLink(true); }, {"vek@example.com"}, {}},
        {[](CLinkLabel& l) { l.SetMailtoLink(true).SetMailtoLink(false); }, {}, {}},
    };
    int row = 0;
    for (const auto& [set, opened, notified] : rows) {
        FakeServices services;
        LabelOnWindow w;
        set(*w.label);
        // A label without a link lets clicks through to its window.
        EXPECT_EQ(w.label->testAttribute(Qt::WA_TransparentForMouseEvents),
                  w.label->LinkMode() == 0);
        ClickAt(w.label, QPoint(10, 8));
        EXPECT_EQ(services.opened, opened) << "row " << row;
        EXPECT_EQ(w.owner.notifications, notified) << "row " << row++;
    }
}

TEST(LinkLabel, NewTextOfASeeThroughLabelLeavesNoTrace) {
    LabelOnWindow w("WWWWWWWW");
    w.label->SetSeeThrough(true).SetLabelColor(kRed);
    ASSERT_GT(CountColor(w.Shown(), kRed), 0);
    w.label->SetLabelText("");
    const QImage img = w.Shown();
    EXPECT_EQ(CountColor(img, kWindow), img.width() * img.height());
    w.label->SetLabelText("i");
    EXPECT_LT(CountColor(w.Shown(), kRed), 40);
}

TEST(LinkLabel, GradientBandsStepInWholeSixtyFourthsOfAColour) {
    // 0 to 255 red: a step of (255 * 256) / n per band, a band colour of
    // step * i / 256, truncated. 250 px: 100 bands of 2 pixels, step 652, the
    // last band running to the edge; 50 px: one band per pixel, step 1305.
    using XToRed = std::vector<std::pair<int, int>>;
    const std::pair<int, XToRed> rows[] = {
        {250, {{0, 0}, {1, 0}, {2, 2}, {100, 127}, {198, 252}, {249, 252}}},
        {50, {{0, 0}, {1, 5}, {25, 127}, {49, 249}}},
    };
    for (const auto& [width, xToRed] : rows) {
        LabelOnWindow w("");
        w.label->resize(width, 10);
        w.label->SetFillColor(QColor(0, 0, 100), QColor(255, 0, 100), true);
        const QImage img = w.label->grab().toImage();
        for (auto [x, red] : xToRed)
            EXPECT_EQ(PixelAt(img, x, 5), QColor(red, 0, 100)) << width << " x " << x;
    }
}

TEST(LinkLabel, DoubleClickOpensOneMail) {
    // The label acts on the press; the second press of a double click comes
    // as a double click and does nothing.
    for (bool notify : {false, true}) {
        FakeServices services;
        LabelOnWindow w;
        w.label->SetMailtoLink(true, notify);
        ClickAt(w.label, QPoint(10, 8), true);
        EXPECT_EQ(services.opened.size(), notify ? 0 : 1) << notify;
        EXPECT_EQ(w.owner.notifications.size(), notify ? 1u : 0u) << notify;
    }
}
