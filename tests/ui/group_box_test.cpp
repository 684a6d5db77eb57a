// SPDX-License-Identifier: MIT
// The templates' group box draws its own frame; it must look exactly as the
// classic style's group box does.
#include "framework/group_box.h"

#include <gtest/gtest.h>

#include <QImage>

#include "framework/dialog_font.h"

namespace {

QImage Drawn(QGroupBox& box, const QSize& size, const QPalette& palette, bool enabled) {
    box.setFont(DialogFont("宋体", 9, 1.0));
    box.setPalette(palette);
    box.setAutoFillBackground(palette.color(QPalette::Window).alpha() == 255);
    box.setEnabled(enabled);
    box.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    box.render(&image);
    return image;
}

}  // namespace

TEST(ClassicGroupBox, LooksExactlyAsTheStylesGroupBox) {
    QPalette coloured;
    coloured.setColor(QPalette::Window, QColor(160, 180, 240));
    coloured.setColor(QPalette::WindowText, QColor(0, 0, 128));
    QPalette seeThrough;  // drawn over whatever lies beneath
    seeThrough.setColor(QPalette::Window, Qt::transparent);
    for (const QString& title : {QStringLiteral("计算结果"), QStringLiteral("单位自行添加 &A"),
                                 QString()})
        for (QSize size : {QSize(270, 90), QSize(40, 20), QSize(3, 3)})
            for (const QPalette& palette : {QPalette(), coloured, seeThrough})
                for (bool enabled : {true, false}) {
                    ClassicGroupBox ours(title);
                    QGroupBox style(title);
                    EXPECT_EQ(Drawn(ours, size, palette, enabled),
                              Drawn(style, size, palette, enabled))
                        << title.toStdString() << " " << size.width() << "x" << size.height()
                        << (enabled ? "" : " disabled");
                }
}
