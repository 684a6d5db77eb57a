// SPDX-License-Identifier: MIT
// The resource registry: every drawing loads at the sizes its users ask for,
// unknown ids give null objects, and the accelerator and version tables hold
// what the program relies on.
#include "framework/resources.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/svg_drawing.h"
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
         {std::pair{139, QSize(375, 75)}, {140, {253, 85}}, {175, {146, 88}}}) {
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

// The build draws every drawing ahead at the sizes the program asks for on
// ordinary screens; each must be the program's own drawing of its SVG, pixel
// for pixel, and the usual requests must find one.
TEST(ResourceDrawnAhead, EachEqualsTheProgramsOwnDrawingAndCoversTheUsualSizes) {
    LoadIconResource(128);  // registers the resources
    const QRegularExpression name(QStringLiteral("^(.+)-(\\d+)x(\\d+)-([0-9a-f]{8})\\.rgba$"));
    QSet<QString> drawn;
    for (const QString& file : QDir(QStringLiteral(":/drawn")).entryList()) {
        const QRegularExpressionMatch m = name.match(file);
        ASSERT_TRUE(m.hasMatch()) << file.toStdString();
        drawn.insert(file);
        const QSize size(m.captured(2).toInt(), m.captured(3).toInt());
        const QColor ground = QColor::fromRgba(m.captured(4).toUInt(nullptr, 16));
        const QByteArray bytes = QResource(QStringLiteral(":/drawn/") + file).uncompressedData();
        ASSERT_EQ(bytes.size(), size.width() * size.height() * 4) << file.toStdString();
        const QImage ahead =
            QImage(reinterpret_cast<const uchar*>(bytes.constData()), size.width(), size.height(),
                   size.width() * 4, QImage::Format_RGBA8888_Premultiplied)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage own = DrawSvg(QStringLiteral(":/art/%1.svg").arg(m.captured(1)), size, ground);
        EXPECT_EQ(ahead, own) << file.toStdString();
    }
    const auto has = [&drawn](const char* svg, int w, int h, const char* ground) {
        return drawn.contains(
            QStringLiteral("%1-%2x%3-%4.rgba").arg(svg).arg(w).arg(h).arg(ground));
    };
    for (const char* icon : {"icon_128_vek", "icon_143_topmost_on", "icon_144_topmost_off"})
        for (int side : {16, 20, 24, 32, 40, 48, 64, 128, 256})
            EXPECT_TRUE(has(icon, side, side, "00000000")) << icon << " " << side;
    for (auto [svg, id] : {std::pair{"picture_139_protection_distance", 139},
                           {"picture_140_green_formula", 140},
                           {"picture_175_barrier", 175}}) {
        const QSize natural = BitmapResourceSize(id);
        EXPECT_EQ(natural, SvgNaturalSize(QStringLiteral(":/art/%1.svg").arg(svg))) << id;
        for (int ratio : {1, 2})
            EXPECT_TRUE(has(svg, natural.width() * ratio, natural.height() * ratio, "ffffffff"))
                << id << " x" << ratio;
    }
    EXPECT_TRUE(has("cursor_135_hand", 32, 32, "00000000"));
    EXPECT_TRUE(has("toolbar_167", 32, 16, "ffff00ff"));
    EXPECT_EQ(SvgNaturalSize(QStringLiteral(":/art/toolbar_167.svg")), QSize(32, 16));
    EXPECT_EQ(drawn.size(), 35);
}

// An icon draws a size the first time a request picks it; every request must
// still get what an icon holding all nine sizes from the start gives.
TEST(ResourceIcons, DrawingSizesOnDemandAnswersAsAnIconOfAllSizes) {
    QIcon full;
    for (int side : {16, 20, 24, 32, 40, 48, 64, 128, 256})
        full.addPixmap(QPixmap::fromImage(
            DrawSvg(QStringLiteral(":/art/icon_128_vek.svg"), QSize(side, side), Qt::transparent)));
    const QIcon icon = LoadIconResource(128);
    for (QSize request : {QSize(1, 1), QSize(15, 15), QSize(16, 16), QSize(17, 17), QSize(48, 20),
                          QSize(100, 100), QSize(300, 300), QSize(0, 0)}) {
        EXPECT_EQ(icon.actualSize(request), full.actualSize(request)) << request.width();
        EXPECT_EQ(icon.pixmap(request).toImage(), full.pixmap(request).toImage())
            << request.width() << "x" << request.height();
        EXPECT_EQ(icon.pixmap(request, 2.0).toImage(), full.pixmap(request, 2.0).toImage())
            << request.width() << "x" << request.height() << " at 2x";
        EXPECT_EQ(icon.pixmap(request, QIcon::Disabled).toImage(),
                  full.pixmap(request, QIcon::Disabled).toImage())
            << request.width();
    }
    for (QSize canvas : {QSize(18, 18), QSize(40, 24)}) {
        QImage a(canvas, QImage::Format_ARGB32_Premultiplied), b = a;
        a.fill(Qt::transparent);
        b.fill(Qt::transparent);
        QPainter pa(&a), pb(&b);
        icon.paint(&pa, a.rect());
        full.paint(&pb, b.rect());
        pa.end();
        pb.end();
        EXPECT_EQ(a, b) << canvas.width();
    }
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
        {Qt::Key_Plus, shift, "+", 1063}, {Qt::Key_Minus, none, "-", 1064},
        {Qt::Key_Equal, none, "=", 1065}, {Qt::Key_Period, none, ".", 1052},
        {Qt::Key_Slash, none, "/", 0},    {Qt::Key_1, Qt::ControlModifier, "1", 0},
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
