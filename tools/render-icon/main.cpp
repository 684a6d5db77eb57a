// SPDX-License-Identifier: MIT
// render-icon: draws the program's SVG icon at the sizes a desktop's icon
// theme asks for, so that menus and docks that do not scale SVG themselves
// still show a crisp picture.
//
//   render-icon SVG OUTDIR NAME SIZE...   writes OUTDIR/SIZExSIZE/apps/NAME.png
//
// It also draws the program's drawings ahead, with the program's own drawing
// routine, so that the program seldom draws an SVG itself:
//
//   render-icon --draw SVG OUT WIDTHxHEIGHT AARRGGBB
//
// writes the SVG scaled to fit WIDTH x HEIGHT pixels on the ground AARRGGBB
// as bare pixels: rows of R, G, B, A bytes (premultiplied), top row first.
//
// Used by the build only; it is not installed.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

#include "framework/svg_drawing.h"

namespace {

int DrawAhead(const QStringList& args) {
    const QStringList size = args.size() == 6 ? args.at(4).split(u'x') : QStringList();
    bool wide = false, high = false, coloured = false;
    const int width = size.size() == 2 ? size.at(0).toInt(&wide) : 0;
    const int height = size.size() == 2 ? size.at(1).toInt(&high) : 0;
    const uint ground = args.size() == 6 ? args.at(5).toUInt(&coloured, 16) : 0;
    if (!wide || !high || !coloured || width < 1 || height < 1 || width > 4096 || height > 4096) {
        std::fprintf(stderr, "usage: render-icon --draw SVG OUT WIDTHxHEIGHT AARRGGBB\n");
        return 2;
    }
    const QImage image = DrawSvg(args.at(2), QSize(width, height), QColor::fromRgba(ground));
    if (image.isNull()) {
        std::fprintf(stderr, "render-icon: cannot read %s\n", qPrintable(args.at(2)));
        return 1;
    }
    // Bare pixels in a byte order of their own, so the program shows them
    // without decoding anything.
    const QImage pixels = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QFile out(args.at(3));
    bool written = out.open(QIODevice::WriteOnly);
    for (int y = 0; written && y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const char*>(pixels.constScanLine(y));
        written = out.write(row, qint64(width) * 4) == qint64(width) * 4;
    }
    if (!written || !out.flush()) {
        std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--draw") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return DrawAhead(app.arguments());
    }
    if (argc < 5) {
        std::fprintf(stderr, "usage: render-icon SVG OUTDIR NAME SIZE...\n");
        return 2;
    }
    // No window is shown: the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size < 1 || size > 4096) {
            std::fprintf(stderr, "render-icon: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            svg.render(&painter, QRectF(0, 0, size, size));
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, args.at(3));
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
