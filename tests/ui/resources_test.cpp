// SPDX-License-Identifier: MIT
// The resource registry: every drawing loads at the sizes its users ask for,
// unknown ids give null objects, and the accelerator and version tables hold
// what the program relies on.
#include "framework/resources.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QSet>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "res/accelerators.h"
#include "res/version_info.h"

namespace {

// The number of pixels in rows [firstRow, endRow) for which `test` holds.
template <typename Test>
int Count(const QImage& image, Test test, int firstRow = 0, int endRow = -1) {
    int n = 0;
    for (int y = firstRow; y < (endRow < 0 ? image.height() : endRow); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool IsInk(QRgb p) {
    return qGray(p) < 128;
}
bool IsNotWhite(QRgb p) {
    return p != qRgb(255, 255, 255);
}

}  // namespace

TEST(ResourceIcons, EachIconDrawsAtTheSizesWindowsUse) {
    for (int id : {128, 143, 144}) {
        ASSERT_FALSE(LoadIconResource(id).isNull()) << id;
        for (int side : {16, 32, 48}) {
            const QImage image = LoadIconResource(id).pixmap(QSize(side, side)).toImage();
            EXPECT_EQ(image.size(), QSize(side, side)) << id;
            // Drawn, yet not a filled square: the ground stays transparent.
            EXPECT_GT(Count(image, [](QRgb p) { return qAlpha(p) > 0; }), side * side / 5) << id;
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << id;
        }
    }
    // The switch's two states must be told apart at 16 px.
    EXPECT_NE(LoadIconResource(143).pixmap(QSize(16, 16)).toImage(),
              LoadIconResource(144).pixmap(QSize(16, 16)).toImage());
}

TEST(ResourcePictures, NaturalScaledAndDenseSizes) {
    // Id and the picture control's size at the 9-point font.
    for (auto [id, natural] :
         {std::pair{139, QSize(375, 81)}, {140, {253, 85}}, {175, {146, 88}}}) {
        EXPECT_EQ(BitmapResourceSize(id), natural);
        const QImage image = LoadBitmapResource(id).toImage();
        ASSERT_EQ(image.size(), natural);
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)) << id;  // white ground
        EXPECT_GT(Count(image, IsInk), 200) << id;
        // A high-density screen: the same logical size, twice the pixels.
        const QPixmap dense = LoadBitmapResource(id, natural, 2.0);
        EXPECT_EQ(dense.deviceIndependentSize().toSize(), natural);
        EXPECT_EQ(dense.size(), natural * 2);
        // Every picture is wider than high: a square box leaves white bands
        // above and below it instead of stretching it.
        const QImage square = LoadBitmapResource(id, QSize(300, 300)).toImage();
        EXPECT_EQ(Count(square, IsNotWhite, 0, 3) + Count(square, IsNotWhite, 297, 300), 0) << id;
        EXPECT_GT(Count(square, IsInk), 100) << id;
    }
}

TEST(ResourceCursorAndToolbar, HandHotSpotOnTheFingertipAndTwoImagesOnPureMagenta) {
    const QCursor cursor = LoadCursorResource(135);
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
    const QImage hand = cursor.pixmap().toImage();
    ASSERT_EQ(hand.size(), QSize(32, 32));
    const QPoint hot = cursor.hotSpot();
    ASSERT_TRUE(hand.rect().contains(hot));
    EXPECT_GT(qAlpha(hand.pixel(hot)), 0);         // on the outline of the finger
    EXPECT_EQ(qAlpha(hand.pixel(hot.x(), 0)), 0);  // nothing above the tip

    const QImage strip = LoadToolbarStrip(167).toImage();
    ASSERT_EQ(strip.size(), QSize(32, 16));
    const QRgb magenta = qRgb(255, 0, 255);
    EXPECT_EQ(strip.pixel(0, 0), magenta);
    // Only the drawing's own colours: a pixel blended with the transparent
    // colour would leave a purple fringe once that colour is masked out.
    const QSet<QRgb> palette = {magenta,          qRgb(0xa0, 0x52, 0x2d), qRgb(255, 255, 255),
                                qRgb(64, 64, 64), qRgb(0, 0, 0),          qRgb(0, 0, 128)};
    EXPECT_EQ(Count(strip, [&](QRgb p) { return !palette.contains(p | 0xff000000u); }), 0);
    for (int x : {0, 16})
        EXPECT_GT(Count(strip.copy(x, 0, 16, 16), [&](QRgb p) { return p != magenta; }), 30);
}

TEST(ResourceStrings, SystemMenuAboutEntryAndUnknownIdsGiveNullObjects) {
    EXPECT_EQ(LoadStringResource(101), QStringLiteral("关于 vek(&A)..."));
    for (int id : {0, -1, 129, 139}) EXPECT_TRUE(LoadIconResource(id).isNull()) << id;
    for (int id : {0, 128, 167}) {
        EXPECT_TRUE(LoadBitmapResource(id).isNull()) << id;
        EXPECT_TRUE(LoadBitmapResource(id, QSize(50, 50)).isNull()) << id;
        EXPECT_FALSE(BitmapResourceSize(id).isValid()) << id;
    }
    for (int id : {0, 166, 168}) EXPECT_TRUE(LoadToolbarStrip(id).isNull()) << id;
    for (int id : {0, 100, 102}) EXPECT_TRUE(LoadStringResource(id).isNull()) << id;
    EXPECT_EQ(LoadCursorResource(136).shape(), Qt::ArrowCursor);
    EXPECT_TRUE(LoadBitmapResource(139, QSize(0, 10)).isNull());
}

TEST(ResourceAccelerators, DecibelCalculatorKeys) {
    const Qt::KeyboardModifiers none = Qt::NoModifier, pad = Qt::KeypadModifier,
                                shift = Qt::ShiftModifier;
    // Key, modifiers, typed text, the button pressed (0: none).
    const std::tuple<int, Qt::KeyboardModifiers, const char*, int> rows[] = {
        {Qt::Key_0, none, "0", 1051},     {Qt::Key_0, shift, "0", 1051},  // AZERTY
        {Qt::Key_5, pad, "5", 1056},      {Qt::Key_Comma, pad, ",", 1052},
        {Qt::Key_Enter, pad, "\r", 1065}, {Qt::Key_Clear, pad, "", 1062},
        {Qt::Key_Plus, shift, "+", 0},    {Qt::Key_1, Qt::ControlModifier, "1", 0},
    };
    for (const auto& [key, modifiers, text, command] : rows) {
        EXPECT_EQ(AcceleratorCommand(kDecibelCalculatorAccelerators, key, modifiers,
                                     QString::fromLatin1(text))
                      .value_or(0),
                  command)
            << std::hex << key << " " << modifiers.toInt();
    }
    const QKeyEvent keypad7(QEvent::KeyPress, Qt::Key_7, pad, QStringLiteral("7"));
    EXPECT_EQ(AcceleratorCommand(kDecibelCalculatorAccelerators, keypad7), 1058);
    EXPECT_EQ(AcceleratorCommand(147, keypad7), std::nullopt);  // no such table
}

TEST(ResourceVersion, WindowsResourceMatchesTheProgramsOwnValues) {
    const auto root = std::filesystem::path(VEK_SOURCE_DIR);
    std::ostringstream text;
    text << std::ifstream(root / "res/vek.rc", std::ios::binary).rdbuf();
    const std::string rc = text.str();
    EXPECT_NE(rc.find("FILEVERSION 1,0,0,3"), std::string::npos);
    EXPECT_NE(rc.find("PRODUCTVERSION 1,0,0,3"), std::string::npos);
    const std::string values[] = {kVekComments,         kVekCompanyName,  kVekFileDescription,
                                  kVekFileVersion,      kVekInternalName, kVekLegalCopyright,
                                  kVekOriginalFilename, kVekProductName,  kVekProductVersion};
    for (const std::string& value : values)  // as `VALUE "Name", "value"`
        EXPECT_NE(rc.find(", \"" + value + "\"\n"), std::string::npos) << value;
}
