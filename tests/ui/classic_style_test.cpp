// SPDX-License-Identifier: MIT
// The program's style lays frames down as strips; every widget must look
// exactly as under Qt's Windows style, which strokes them.
#include "framework/classic_style.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QStyleFactory>
#include <memory>

#include "framework/dialog_font.h"
#include "framework/dialog_template.h"
#include "framework/hyphen_rule.h"

namespace {

QImage Drawn(QWidget& widget, QStyle* style, const QSize& size, const QPalette& palette,
             bool enabled) {
    widget.setStyle(style);
    widget.setFont(DialogFont("宋体", 9, 1.0));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
    widget.setEnabled(enabled);
    widget.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

}  // namespace

TEST(ClassicStyle, GroupBoxesAndFieldsLookExactlyAsUnderTheWindowsStyle) {
    ClassicStyle classic;
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    ASSERT_TRUE(windows);
    QPalette coloured;
    coloured.setColor(QPalette::Window, QColor(160, 180, 240));
    coloured.setColor(QPalette::WindowText, QColor(0, 0, 128));
    coloured.setColor(QPalette::Base, QColor(255, 255, 200));
    for (QSize size : {QSize(270, 90), QSize(60, 21), QSize(5, 5), QSize(3, 3), QSize(2, 2)})
        for (const QPalette& palette : {QPalette(), coloured})
            for (bool enabled : {true, false}) {
                const std::string what = std::to_string(size.width()) + "x" +
                                         std::to_string(size.height()) +
                                         (enabled ? "" : " disabled");
                for (const QString& title : {QStringLiteral("计算结果"), QString()}) {
                    QGroupBox ours(title), theirs(title);
                    EXPECT_EQ(Drawn(ours, &classic, size, palette, enabled),
                              Drawn(theirs, windows.get(), size, palette, enabled))
                        << "group box " << title.toStdString() << " " << what;
                }
                for (bool readOnly : {false, true}) {
                    QLineEdit ours(QStringLiteral("2.4")), theirs(QStringLiteral("2.4"));
                    ours.setReadOnly(readOnly);
                    theirs.setReadOnly(readOnly);
                    EXPECT_EQ(Drawn(ours, &classic, size, palette, enabled),
                              Drawn(theirs, windows.get(), size, palette, enabled))
                        << "field " << what << (readOnly ? " read-only" : "");
                }
            }
}

// The air pages' group boxes are flat: one line of the window-frame colour
// all round, with the page colour right inside it; the other pages keep the
// etched frame.
TEST(ClassicStyle, FlatGroupBoxIsOneLineAllRound) {
    ClassicStyle classic;
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(159, 185, 245));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0));
    QGroupBox box;
    box.setFlat(true);
    const QImage image = Drawn(box, &classic, QSize(60, 30), palette, true);
    const QColor line(0, 0, 0), page(159, 185, 245);
    for (const QPoint& p : {QPoint(0, 15), QPoint(59, 15), QPoint(30, 0), QPoint(30, 29)})
        EXPECT_EQ(image.pixelColor(p), line) << p.x() << "," << p.y();
    for (const QPoint& p : {QPoint(1, 15), QPoint(58, 15), QPoint(30, 1), QPoint(30, 28)})
        EXPECT_EQ(image.pixelColor(p), page) << p.x() << "," << p.y();

    for (const int id : {130, 131, 133, 151, 152}) {
        for (const ControlTemplate& c : FindDialogTemplate(id)->controls)
            if (c.kind == ControlKind::GroupBox) {
                EXPECT_EQ((c.style & Style::Flat) != 0, id != 133) << id << " " << c.text;
            }
    }
}

// A rule of hyphens between result rows runs the width of its control in
// any face (with the dialog face it keeps the template's 67, as the page
// scenarios show): as many as fit where a face's hyphen is narrower or wider.
TEST(ClassicStyle, HyphenRuleRunsTheWidthOfItsControl) {
    HyphenRule rule;
    rule.setText(QString(67, QLatin1Char('-')));
    rule.resize(404, 12);
    for (const int pixels : {8, 20, 30}) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixels);
        rule.setFont(font);
        const QFontMetricsF metrics(font);
        const qreal drawn = metrics.horizontalAdvance(QLatin1Char('-')) * rule.text().size();
        EXPECT_LE(drawn, 404) << pixels;
        EXPECT_GT(drawn + metrics.horizontalAdvance(QLatin1Char('-')), 404) << pixels;
    }
    EXPECT_FALSE(HyphenRule::IsRule(QStringLiteral("--x")));
}
