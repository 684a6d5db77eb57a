// SPDX-License-Identifier: MIT
#include "framework/svg_drawing.h"

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <QSvgRenderer>
#include <algorithm>

namespace {

constexpr const char* kFamilyLists[] = {
    "AR PL UMing CN, SimSun, serif",
    "DejaVu Serif, Times New Roman, serif",
};

}  // namespace

void RegisterDrawingFontLists() {
    static const bool registered = [] {
        for (const char* list : kFamilyLists) {
            QStringList members;
            for (const QString& name : QString::fromLatin1(list).split(u',', Qt::SkipEmptyParts))
                members << name.trimmed();
            QFont::insertSubstitutions(QString::fromLatin1(list), members);
        }
        return true;
    }();
    (void)registered;
}

QImage DrawSvg(const QString& path, const QSize& pixels, const QColor& ground) {
    RegisterDrawingFontLists();
    if (pixels.isEmpty())
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const QSizeF natural = renderer.viewBoxF().size();
    if (natural.isEmpty())
        return {};
    const qreal scale =
        std::min(pixels.width() / natural.width(), pixels.height() / natural.height());
    const QSizeF drawn = natural * scale;
    const QRectF target(
        QPointF((pixels.width() - drawn.width()) / 2, (pixels.height() - drawn.height()) / 2),
        drawn);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    QPainter painter(&image);
    renderer.render(&painter, target);
    return image;
}

QSize SvgNaturalSize(const QString& path) {
    RegisterDrawingFontLists();
    QSvgRenderer renderer(path);
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}
