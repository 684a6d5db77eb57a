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
#include <QSet>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "res/accelerators.h"
#include "res/version_info.h"

namespace {

std::string ReadSourceFile(const std::string& relative) {
    const auto root = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    std::ifstream in(root / relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The number of pixels in `rows` (all rows by default) for which `test` holds.
template <typename Test>
int Count(const QImage& image, Test test, int firstRow = 0, int rows = -1) {
    int n = 0;
    const int end = rows < 0 ? image.height() : firstRow + rows;
    for (int y = firstRow; y < end; ++y) {
        for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
    }
    return n;
}

bool IsInk(QRgb p) {
    return qGray(p) < 128;
}
bool IsOpaque(QRgb p) {
    return qAlpha(p) > 0;
}
bool IsNotWhite(QRgb p) {
    return p != qRgb(255, 255, 255);
}

struct PictureCase {
    const char* name;
    int id;
    QSize natural;  // the picture control's size at the 9-point font
};

const PictureCase kPictures[] = {
    {"ProtectionDistanceFormula", 139, QSize(375, 81)},
    {"GreenFormula", 140, QSize(253, 85)},
    {"BarrierGeometry", 175, QSize(146, 88)},
};

}  // namespace

TEST(ResourceIcons, EachIconDrawsAtTheSizesWindowsUse) {
    for (int id : {128, 143, 144}) {
        SCOPED_TRACE(id);
        const QIcon icon = LoadIconResource(id);
        ASSERT_FALSE(icon.isNull());
        for (int side : {16, 32, 48}) {
            const QImage image = icon.pixmap(QSize(side, side)).toImage();
            EXPECT_EQ(image.size(), QSize(side, side));
            // Drawn, yet not a filled square: the ground stays transparent.
            EXPECT_GT(Count(image, IsOpaque), side * side / 5);
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        }
    }
    // The switch's two states must be told apart at 16 px.
    EXPECT_NE(LoadIconResource(143).pixmap(QSize(16, 16)).toImage(),
              LoadIconResource(144).pixmap(QSize(16, 16)).toImage());
}

TEST(ResourcePictures, NaturalScaledAndDenseSizes) {
    for (const PictureCase& c : kPictures) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BitmapResourceSize(c.id), c.natural);
        const QImage natural = LoadBitmapResource(c.id).toImage();
        ASSERT_EQ(natural.size(), c.natural);
        EXPECT_EQ(natural.pixel(0, 0), qRgb(255, 255, 255));  // white ground
        EXPECT_GT(Count(natural, IsInk), 200);
        EXPECT_EQ(LoadBitmapResource(c.id, c.natural * 2).size(), c.natural * 2);
        // A high-density screen: the same logical size, twice the pixels.
        const QPixmap dense = LoadBitmapResource(c.id, c.natural, 2.0);
        EXPECT_EQ(dense.deviceIndependentSize().toSize(), c.natural);
        EXPECT_EQ(dense.size(), c.natural * 2);
        // Every picture is wider than high: a square box leaves white bands
        // above and below it instead of stretching it.
        const QImage square = LoadBitmapResource(c.id, QSize(300, 300)).toImage();
        EXPECT_EQ(Count(square, IsNotWhite, 0, 3) + Count(square, IsNotWhite, 297, 3), 0);
        EXPECT_GT(Count(square, IsInk), 100);
    }
}

TEST(ResourcePictures, DrawingsCarryTheirTexts) {
    // The texts are text elements of the drawings; a typo would show for good.
    const struct {
        const char* file;
        std::vector<std::string> texts;
    } cases[] = {
        {"res/art/picture_139_protection_distance.svg",
         {">卫生防护距离计算公式<", ">Qc-污染物无组织排放量,kg/h<", ">Cm-污染物标准浓度限值,mg/m3<",
          ">L-卫生防护距离,m<", ">r-生产单元的等效半径,m<",
          ">A、B、C、D-计算系数，从GB/T-13201-91中查取<", ">0.50<", "> + 0.25<"}},
        {"res/art/picture_140_green_formula.svg", {">格林公式<", ">TL<", ">lg<", ">11<", ">−<"}},
        {"res/art/picture_175_barrier.svg", {">S<", ">P<", ">O<", ">1<", ">2<", ">3<"}},
    };
    for (const auto& c : cases) {
        const std::string svg = ReadSourceFile(c.file);
        ASSERT_FALSE(svg.empty()) << c.file;
        for (const std::string& text : c.texts) {
            EXPECT_NE(svg.find(text), std::string::npos) << c.file << " " << text;
        }
    }
}

TEST(ResourceCursor, PointingHandWithItsHotSpotOnTheFingertip) {
    const QCursor cursor = LoadCursorResource(135);
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
    const QImage image = cursor.pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    const QPoint hot = cursor.hotSpot();
    ASSERT_TRUE(image.rect().contains(hot));
    EXPECT_GT(qAlpha(image.pixel(hot)), 0);         // on the outline of the finger
    EXPECT_EQ(qAlpha(image.pixel(hot.x(), 0)), 0);  // nothing above the tip
}

TEST(ResourceToolbar, TwoImagesOnThePureTransparentColour) {
    const QImage strip = LoadToolbarStrip(167).toImage();
    ASSERT_EQ(strip.size(), QSize(32, 16));
    const QRgb magenta = qRgb(255, 0, 255);
    EXPECT_EQ(strip.pixel(0, 0), magenta);
    // Only the drawing's own colours: a pixel blended with the transparent
    // colour would leave a purple fringe once that colour is masked out.
    const QSet<QRgb> palette = {magenta,          qRgb(0xa0, 0x52, 0x2d), qRgb(255, 255, 255),
                                qRgb(64, 64, 64), qRgb(0, 0, 0),          qRgb(0, 0, 128)};
    EXPECT_EQ(Count(strip, [&](QRgb p) { return !palette.contains(p | 0xff000000u); }), 0);
    EXPECT_GT(Count(strip.copy(0, 0, 16, 16), [&](QRgb p) { return p != magenta; }), 30);
    EXPECT_GT(Count(strip.copy(16, 0, 16, 16), [&](QRgb p) { return p != magenta; }), 30);
}

TEST(ResourceStrings, SystemMenuAboutEntry) {
    EXPECT_EQ(LoadStringResource(101), QStringLiteral("关于 vek(&A)..."));
}

TEST(ResourceUnknownIds, GiveNullObjects) {
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
    const Qt::KeyboardModifiers none = Qt::NoModifier, pad = Qt::KeypadModifier;
    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        std::optional<int> command;
    } cases[] = {
        {"main 0 by its character", Qt::Key_0, none, "0", 1051},
        {"keypad 0", Qt::Key_0, pad, "0", 1051},
        {"0 typed with Shift (AZERTY)", Qt::Key_0, Qt::ShiftModifier, "0", 1051},
        {"main 1", Qt::Key_1, none, "1", 1050},
        {"keypad 1", Qt::Key_1, pad, "1", 1050},
        {"main 9", Qt::Key_9, none, "9", 1060},
        {"keypad 5", Qt::Key_5, pad, "5", 1056},
        {"keypad +", Qt::Key_Plus, pad, "+", 1063},
        {"keypad -", Qt::Key_Minus, pad, "-", 1064},
        {"keypad decimal point", Qt::Key_Period, pad, ".", 1052},
        {"keypad decimal comma", Qt::Key_Comma, pad, ",", 1052},
        {"Enter", Qt::Key_Return, none, "\r", 1065},
        {"keypad Enter", Qt::Key_Enter, pad, "\r", 1065},
        {"Backspace", Qt::Key_Backspace, none, "\b", 1061},
        {"Clear (keypad 5 without Num Lock)", Qt::Key_Clear, pad, "", 1062},
        {"main +", Qt::Key_Plus, Qt::ShiftModifier, "+", std::nullopt},
        {"main -", Qt::Key_Minus, none, "-", std::nullopt},
        {"main .", Qt::Key_Period, none, ".", std::nullopt},
        {"main =", Qt::Key_Equal, none, "=", std::nullopt},
        {"Shift+1", Qt::Key_Exclam, Qt::ShiftModifier, "!", std::nullopt},
        {"Ctrl+1", Qt::Key_1, Qt::ControlModifier, "1", std::nullopt},
        {"Ctrl+0", Qt::Key_0, Qt::ControlModifier, "0", std::nullopt},
        {"Shift+Enter", Qt::Key_Return, Qt::ShiftModifier, "\r", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AcceleratorCommand(kDecibelCalculatorAccelerators, c.key, c.modifiers,
                                     QString::fromLatin1(c.text)),
                  c.command)
            << c.name;
    }
    const QKeyEvent keypad7(QEvent::KeyPress, Qt::Key_7, pad, QStringLiteral("7"));
    EXPECT_EQ(AcceleratorCommand(kDecibelCalculatorAccelerators, keypad7), 1058);
    EXPECT_EQ(AcceleratorCommand(147, keypad7), std::nullopt);  // no such table
}

TEST(ResourceVersion, WindowsResourceMatchesTheProgramsOwnValues) {
    const std::string rc = ReadSourceFile("res/vek.rc");
    std::map<std::string, std::string> values;
    const QRegularExpression value(QString::fromLatin1(R"re(VALUE\s+"(\w+)",\s+"([^"]*)")re"));
    for (auto it = value.globalMatch(QString::fromStdString(rc)); it.hasNext();) {
        const auto m = it.next();
        values[m.captured(1).toStdString()] = m.captured(2).toStdString();
    }
    const std::map<std::string, std::string> expected = {
        {"Comments", kVekComments},
        {"CompanyName", kVekCompanyName},
        {"FileDescription", kVekFileDescription},
        {"FileVersion", kVekFileVersion},
        {"InternalName", kVekInternalName},
        {"LegalCopyright", kVekLegalCopyright},
        {"OriginalFilename", kVekOriginalFilename},
        {"ProductName", kVekProductName},
        {"ProductVersion", kVekProductVersion},
    };
    EXPECT_EQ(values, expected);
    EXPECT_NE(rc.find("FILEVERSION 1,0,0,3"), std::string::npos);
    EXPECT_NE(rc.find("PRODUCTVERSION 1,0,0,3"), std::string::npos);
}

// Not a check: writes every drawing as PNG for a person to look at.
TEST(ResourcePreview, WritesImagesWhenAsked) {
    const QString dir = qEnvironmentVariable("VEK_ART_PREVIEW_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set VEK_ART_PREVIEW_DIR to write preview images";
    ASSERT_TRUE(QDir().mkpath(dir));
    const auto save = [&](const QImage& image, const QString& name) {
        EXPECT_TRUE(image.save(dir + u'/' + name + QStringLiteral(".png")));
    };
    for (const PictureCase& c : kPictures) {
        save(LoadBitmapResource(c.id).toImage(), QStringLiteral("picture_%1").arg(c.id));
        save(LoadBitmapResource(c.id, c.natural * 3).toImage(),
             QStringLiteral("picture_%1_x3").arg(c.id));
    }
    for (int id : {128, 143, 144}) {
        for (int side : {16, 32, 128}) {
            QImage image(side, side, QImage::Format_ARGB32);
            image.fill(QColor(0, 166, 228));  // the main window's colour, behind the switch
            QPainter painter(&image);
            LoadIconResource(id).paint(&painter, image.rect());
            painter.end();
            save(image, QStringLiteral("icon_%1_%2").arg(id).arg(side));
        }
    }
    save(LoadCursorResource(135).pixmap().toImage(), QStringLiteral("cursor_135"));
    save(LoadToolbarStrip(167).toImage().scaled(320, 160), QStringLiteral("toolbar_167_x10"));
}
