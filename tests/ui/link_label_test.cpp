// SPDX-License-Identifier: MIT
// The self-painting text label: blinking, embossing, fills, see-through
// painting and the mail and web links.
#include "controls/link_label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <functional>

#include "framework/platform_services.h"
#include "tests/ui/controls_test_support.h"

namespace {

const QColor kWindow(0, 166, 228);  // the main window's background
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlack(0, 0, 0);

const ControlTemplate kContact{ControlKind::Label, 1062, "vek@example.com", 317, 212, 61, 8,
                               Style::None};

// An owner window painted in the main window's colour, with one label.
struct LabelOnWindow {
    RecordingOwner owner;
    CLinkLabel* label;
    explicit LabelOnWindow(const char* text = "vek@example.com") {
        owner.setAutoFillBackground(true);
        QPalette p = owner.palette();
        p.setColor(QPalette::Window, kWindow);
        owner.setPalette(p);
        label = new CLinkLabel(&owner);
        label->setGeometry(20, 20, 150, 20);
        ControlTemplate control = kContact;
        control.text = text;
        label->PreSubclassWindow(control);
        label->SetLogFont(CrispFont(label->LabelFont()));
    }
    // What the user sees where the label lies.
    QImage Shown() { return owner.grab(label->geometry()).toImage(); }
};

class FakeServices : public PlatformServices {
public:
    FakeServices() { SetServices(this); }
    ~FakeServices() override { SetServices(nullptr); }
    void OpenUrl(const QString& target) override { opened.push_back(target); }
    std::vector<QString> opened;
};

}  // namespace

TEST(LinkLabel, BlinkingTextAlternatesEverySecond) {
    struct Row {
        const char* name;
        std::function<void(CLinkLabel&)> set;
        QColor offText;  // what the text shows in the off phase; invalid: nothing
    };
    const Row rows[] = {
        {"see-through, no fill", [](CLinkLabel& l) { l.SetSeeThrough(true); }, kBlack},
        {"unfilled", [](CLinkLabel&) {}, kBlack},
        {"filled", [](CLinkLabel& l) { l.SetFillColor(kWindow); }, QColor()},
    };
    for (const Row& row : rows) {
        LabelOnWindow w;
        row.set(*w.label);
        w.label->SetLabelColor(kRed);
        w.label->BlinkText(true);
        EXPECT_TRUE(w.label->BlinkTimer().isActive()) << row.name;
        EXPECT_EQ(w.label->BlinkTimer().interval(), 1000) << row.name;

        for (int tick = 0; tick < 4; ++tick) {
            const bool on = tick % 2 == 1;
            const QImage img = w.Shown();
            EXPECT_EQ(CountColor(img, kRed) > 0, on) << row.name << " tick " << tick;
            if (row.offText.isValid()) {
                EXPECT_EQ(CountColor(img, row.offText) > 0, !on) << row.name << " tick " << tick;
            } else if (!on) {
                EXPECT_EQ(CountColor(img, kWindow), img.width() * img.height()) << row.name;
            }
            w.label->OnTimer();
        }
        w.label->BlinkText(false);
        EXPECT_FALSE(w.label->BlinkTimer().isActive()) << row.name;
        EXPECT_GT(CountColor(w.Shown(), kRed), 0) << row.name << ": steady again";
    }
}

TEST(LinkLabel, EmbossedCopyLiesOnePixelOffTheText) {
    struct Row {
        const char* name;
        int direction;
        int offset;
    };
    const Row rows[] = {{"up and left", 0, -1}, {"down and right", 1, 1}};
    // Where the text's pixels lie when drawn alone, in green.
    LabelOnWindow plain;
    plain.label->SetFillColor(kWindow).SetLabelColor(kGreen);
    const QImage alone = plain.Shown();
    ASSERT_GT(CountColor(alone, kGreen), 0);

    for (const Row& row : rows) {
        LabelOnWindow w;
        w.label->SetFillColor(kWindow).SetLabelColor(kRed);
        w.label->SetEmbossed(true, row.direction).SetEmbossColor(kGreen);
        const QImage img = w.Shown();
        int checked = 0;
        for (int y = 1; y + 1 < alone.height(); ++y) {
            for (int x = 1; x + 1 < alone.width(); ++x) {
                if (PixelAt(alone, x, y) != kGreen)
                    continue;
                // The copy goes over the text; the text shows only where the
                // copy does not cover it.
                EXPECT_EQ(PixelAt(img, x + row.offset, y + row.offset), kGreen)
                    << row.name << " at " << x << "," << y;
                EXPECT_TRUE(PixelAt(img, x, y) == kRed || PixelAt(img, x, y) == kGreen);
                ++checked;
            }
        }
        EXPECT_GT(checked, 10) << row.name;
        EXPECT_GT(CountColor(img, kRed), 0) << row.name;
    }
}

TEST(LinkLabel, ClickOpensMailOrWebOrTellsTheOwner) {
    struct Row {
        const char* name;
        std::function<void(CLinkLabel&)> set;
        std::vector<QString> opened;
        std::vector<std::pair<int, int>> notified;
    };
    const Row rows[] = {
        {"mail link",
         [](CLinkLabel& l) { l.SetMailtoLink(true, false); },
         {"mailto:vek@example.com"},
         {}},
        {"mail link telling the owner",
         [](CLinkLabel& l) { l.SetMailtoLink(true, true); },
         {},
         {{1062, 0x8200}}},
        {"web link to its text",
         [](CLinkLabel& l) { l.SetWebLink(true); },
         {"vek@example.com"},
         {}},
        {"web link to its target",
         [](CLinkLabel& l) { l.SetWebLink(true).SetLinkTarget("https://example.com/vek"); },
         {"https://example.com/vek"},
         {}},
        {"mail link switched off",
         [](CLinkLabel& l) { l.SetMailtoLink(true).SetMailtoLink(false); },
         {},
         {}},
    };
    for (const Row& row : rows) {
        FakeServices services;
        LabelOnWindow w;
        row.set(*w.label);
        // A label without a link lets clicks through to its window.
        EXPECT_EQ(w.label->testAttribute(Qt::WA_TransparentForMouseEvents),
                  w.label->LinkMode() == 0)
            << row.name;
        ClickAt(w.label, QPoint(10, 8));
        EXPECT_EQ(services.opened, row.opened) << row.name;
        EXPECT_EQ(w.owner.notifications, row.notified) << row.name;
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
    struct Row {
        const char* name;
        int width;
        std::vector<std::pair<int, int>> xToRed;  // pixel column -> red value
    };
    // 0 to 255 red: a step of (255 * 256) / n per band, a band colour of
    // step * i / 256, truncated.
    const Row rows[] = {
        // 100 bands of 2 pixels, step 652; the last band runs to the edge.
        {"wide", 250, {{0, 0}, {1, 0}, {2, 2}, {100, 127}, {198, 252}, {249, 252}}},
        // One band per pixel, step 1305.
        {"narrow", 50, {{0, 0}, {1, 5}, {25, 127}, {49, 249}}},
    };
    for (const Row& row : rows) {
        LabelOnWindow w("");
        w.label->resize(row.width, 10);
        w.label->SetFillColor(QColor(0, 0, 100), QColor(255, 0, 100), true);
        const QImage img = w.label->grab().toImage();
        for (const auto& [x, red] : row.xToRed) {
            EXPECT_EQ(PixelAt(img, x, 5), QColor(red, 0, 100)) << row.name << " x " << x;
        }
    }
}

TEST(LinkLabel, TakesTextIdFontAndAlignmentFromItsTemplate) {
    RecordingOwner owner;
    QFont dialogFont = CrispFont(owner.font());
    owner.setFont(dialogFont);
    auto textStart = [&](unsigned style) {
        auto* label = new CLinkLabel(&owner);
        label->setGeometry(0, 0, 200, 16);
        label->PreSubclassWindow({ControlKind::Label, 1113, "ab", 0, 0, 10, 10, style});
        EXPECT_EQ(label->Text(), "ab");
        EXPECT_EQ(ControlId(label), 1113);
        EXPECT_EQ(label->LabelFont(), dialogFont);
        label->SetLabelColor(kRed);
        const QImage img = label->grab().toImage();
        for (int x = 0; x < img.width(); ++x) {
            for (int y = 0; y < img.height(); ++y) {
                if (PixelAt(img, x, y) == kRed)
                    return x;
            }
        }
        return -1;
    };
    const int left = textStart(Style::None);
    const int centred = textStart(Style::Center);
    const int right = textStart(Style::Right);
    EXPECT_GE(left, 0);
    EXPECT_LT(left, 5);
    EXPECT_GT(centred, 85);
    EXPECT_LT(centred, 100);
    EXPECT_GT(right, 175);
}
