// SPDX-License-Identifier: MIT
// Dialog text in a Song face is drawn from the face's bitmap strike where it
// has one at the size (AR PL UMing: 11 to 16 px), as the classic desktop does;
// other sizes and faces keep Qt's smoothed outlines.
#include "framework/dialog_font.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSet>

#include "framework/bitmap_strikes.h"

namespace {

bool HasUMing() {
    // Qt keeps substitutes in lower case; font names match regardless.
    return QFont::substitutes(QStringLiteral("宋体"))
               .value(0)
               .compare(QStringLiteral("AR PL UMing CN"), Qt::CaseInsensitive) == 0;
}

// The number of distinct colours of `text` drawn in black on white.
int InkShades(const QFont& font, const QString& text) {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignCenter, text);
    }
    QSet<QRgb> shades;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) shades.insert(image.pixel(x, y));
    return static_cast<int>(shades.size());
}

}  // namespace

TEST(DialogFont, SongAtDialogSizesIsDrawnFromItsStrikeInBlackAndWhite) {
    if (!HasUMing())
        GTEST_SKIP() << "AR PL UMing is not the face for 宋体 here";
    // 9 pt is 12 px, 11 pt (the decibel calculator) 15 px: both have strikes.
    for (int points : {9, 11}) {
        const QFont font = DialogFont("宋体", points, 1.0);
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("AR PL UMing CN")) << points;
        EXPECT_EQ(font.pointSize(), points);
        EXPECT_TRUE(font.styleStrategy() & QFont::NoAntialias) << points;
        EXPECT_TRUE(font.styleStrategy() & QFont::PreferNoShaping) << points;
        EXPECT_EQ(InkShades(font, QStringLiteral("生活污水 SO2 mg/L")), 2) << points;
    }
    // 20 pt (27 px) has none, nor has 9 pt on a screen of two pixels per
    // pixel (24 px): smoothed outlines, with grey at their edges.
    for (auto [points, ratio] : {std::pair{20, 1.0}, {9, 2.0}}) {
        const QFont font = DialogFont("宋体", points, ratio);
        EXPECT_FALSE(font.styleStrategy() & QFont::NoAntialias) << points << " " << ratio;
    }
    EXPECT_GT(InkShades(DialogFont("宋体", 20, 1.0), QStringLiteral("生活污水")), 2);
}

TEST(DialogFont, FacesWithoutStrikesAndUnknownNamesKeepTheirSmoothing) {
    QFont sans(QStringLiteral("DejaVu Sans"));
    sans.setPointSize(9);
    if (QFontInfo(sans).family() == QStringLiteral("DejaVu Sans")) {
        EXPECT_FALSE(HasBitmapStrike(sans));
    }
    // A face no font carries and no substitute stands for keeps its name.
    const QFont unknown = DialogFont("No Such Face 42", 9, 1.0);
    EXPECT_EQ(unknown.family(), QStringLiteral("No Such Face 42"));
    // A font that already asks for no smoothing keeps asking.
    QFont plain(QStringLiteral("DejaVu Sans"));
    plain.setStyleStrategy(QFont::NoAntialias);
    EXPECT_TRUE(PreferBitmapStrike(plain).styleStrategy() & QFont::NoAntialias);
}
