// SPDX-License-Identifier: MIT
#include "framework/resources.h"

#include <QColor>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSet>
#include <iterator>

#include "framework/svg_drawing.h"

// The drawings are SVG files compiled into the program from res/vek.qrc. The
// paths below are the only place that knows them. The build also draws each
// of them ahead at the sizes the program asks for on ordinary screens (see
// DrawnAhead), so that it seldom draws an SVG itself.

// The resources live in a static library, whose registration Qt cannot run by
// itself. Qt's macro must be used outside any namespace.
static void RegisterVekResources() {
    Q_INIT_RESOURCE(vek);
    Q_INIT_RESOURCE(drawn_ahead);
}

namespace {

struct Drawing {
    int id;
    const char* path;
};

constexpr Drawing kIcons[] = {
    {128, ":/art/icon_128_vek.svg"},
    {143, ":/art/icon_143_topmost_on.svg"},   // always on top: switched on
    {144, ":/art/icon_144_topmost_off.svg"},  // always on top: switched off
};

// Each picture with its own size in pixels (its SVG's, kept here so that no
// drawing need be read to lay out a page).
struct Picture {
    int id;
    const char* path;
    int width;
    int height;
};

constexpr Picture kPictures[] = {
    {139, ":/art/picture_139_protection_distance.svg", 375, 75},
    {140, ":/art/picture_140_green_formula.svg", 253, 85},
    {175, ":/art/picture_175_barrier.svg", 146, 88},
};

constexpr int kHandCursorId = 135;
constexpr char kHandCursorPath[] = ":/art/cursor_135_hand.svg";
constexpr int kCursorSize = 32;
// The pixel at the top of the index finger's outline on the 32 x 32 grid.
constexpr int kHandHotX = 12;
constexpr int kHandHotY = 1;

constexpr int kToolbarStripId = 167;
constexpr char kToolbarStripPath[] = ":/art/toolbar_167.svg";
constexpr QSize kToolbarStripSize(32, 16);  // two 16 x 16 images side by side

constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 128, 256};

// Runs once, before the first drawing is read.
void EnsureDrawingsRegistered() {
    static const bool registered = [] {
        RegisterVekResources();
        RegisterDrawingFontLists();
        return true;
    }();
    (void)registered;
}

const char* FindPath(const Drawing* begin, const Drawing* end, int id) {
    for (const Drawing* d = begin; d != end; ++d) {
        if (d->id == id)
            return d->path;
    }
    return nullptr;
}

const char* IconPath(int id) {
    return FindPath(std::begin(kIcons), std::end(kIcons), id);
}
const Picture* FindPicture(int id) {
    for (const Picture& p : kPictures)
        if (p.id == id)
            return &p;
    return nullptr;
}

// The drawing at `path` as the build drew it ahead for `pixels` device
// pixels on `ground`, or null when it did not. The build stores each as bare
// pixels (rows of R, G, B, A bytes, premultiplied, top row first) in the
// resource :/drawn/NAME-WIDTHxHEIGHT-AARRGGBB.rgba, NAME being the SVG's file
// name without ".svg" and AARRGGBB the ground; the resource compiler
// compresses them. Drawing the formulas' text from SVG costs more than
// building all the pages.
QPixmap DrawnAhead(const char* path, const QSize& pixels, const QColor& ground) {
    const QString svg = QString::fromLatin1(path);
    const QString name = svg.mid(svg.lastIndexOf(u'/') + 1).chopped(4);
    const QResource resource(QStringLiteral(":/drawn/%1-%2x%3-%4.rgba")
                                 .arg(name)
                                 .arg(pixels.width())
                                 .arg(pixels.height())
                                 .arg(ground.rgba(), 8, 16, QLatin1Char('0')));
    if (!resource.isValid())
        return {};
    const QByteArray bytes = resource.uncompressedData();
    if (bytes.size() != qsizetype(pixels.width()) * pixels.height() * 4)
        return {};
    const QImage image(reinterpret_cast<const uchar*>(bytes.constData()), pixels.width(),
                       pixels.height(), pixels.width() * 4, QImage::Format_RGBA8888_Premultiplied);
    return QPixmap::fromImage(image);  // a copy, made while `bytes` lives
}

// Draws the SVG at `path` into a pixmap of `size` device-independent pixels,
// scaled to fit with its proportions kept and centred on `ground`.
QPixmap Render(const char* path, const QSize& size, qreal devicePixelRatio, const QColor& ground) {
    EnsureDrawingsRegistered();
    if (size.isEmpty() || !(devicePixelRatio > 0))
        return {};
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    QPixmap pixmap = DrawnAhead(path, pixels, ground);
    if (pixmap.isNull()) {
        const QImage image = DrawSvg(QString::fromLatin1(path), pixels, ground);
        if (image.isNull())
            return {};
        pixmap = QPixmap::fromImage(image);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

// An icon is its drawing at each of kIconSizes. Drawing all nine (up to
// 256 x 256) costs more than building every page, and most requests want one
// small size, so each size is drawn the first time a request would pick it.
// A request picks what Qt's own icon picks from a set of pictures: the
// smallest whose area is at least the requested one, else the largest. Since
// the pictures drawn so far always include that one, the icon answers exactly
// as one built from all nine at once.
class DrawingIconEngine : public QIconEngine {
public:
    explicit DrawingIconEngine(const char* path) : path_(path) {}

    QIconEngine* clone() const override { return new DrawingIconEngine(path_); }
    QString key() const override { return QStringLiteral("vek-drawing"); }
    bool isNull() override { return false; }

    // Known without drawing: one picture at each size, in the Normal mode
    // and Off state (the others are derived from those when asked for).
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (int side : kIconSizes) sizes << QSize(side, side);
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return DrawnFor(size).actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return DrawnFor(size).pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // QIcon asks for `size` device pixels at `scale`; the same request
        // made of the drawn icon in device-independent pixels.
        return DrawnFor(size).pixmap(scale > 0 ? size / scale : size, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const QPaintDevice* device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : 1.0;
        DrawnFor(rect.size() * ratio).paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    // The drawn icon, holding at least the picture a request for `pixels`
    // device pixels picks.
    const QIcon& DrawnFor(const QSize& pixels) {
        const qint64 wanted = qint64(pixels.width()) * pixels.height();
        int side = kIconSizes[std::size(kIconSizes) - 1];
        for (int candidate : kIconSizes)
            if (qint64(candidate) * candidate >= wanted) {
                side = candidate;
                break;
            }
        if (!drawnSides_.contains(side)) {
            drawnSides_.insert(side);
            drawn_.addPixmap(Render(path_, QSize(side, side), 1.0, Qt::transparent));
        }
        return drawn_;
    }

    const char* path_;
    QSet<int> drawnSides_;
    QIcon drawn_;
};

}  // namespace

QIcon LoadIconResource(int id) {
    const char* path = IconPath(id);
    if (path == nullptr)
        return {};
    return QIcon(new DrawingIconEngine(path));
}

QCursor LoadCursorResource(int id) {
    if (id != kHandCursorId)
        return QCursor();
    const QPixmap pixmap =
        Render(kHandCursorPath, QSize(kCursorSize, kCursorSize), 1.0, Qt::transparent);
    if (pixmap.isNull())
        return QCursor();
    return QCursor(pixmap, kHandHotX, kHandHotY);
}

QSize BitmapResourceSize(int id) {
    const Picture* picture = FindPicture(id);
    return picture == nullptr ? QSize() : QSize(picture->width, picture->height);
}

QPixmap LoadBitmapResource(int id) {
    return LoadBitmapResource(id, BitmapResourceSize(id), 1.0);
}

QPixmap LoadBitmapResource(int id, const QSize& size, qreal devicePixelRatio) {
    const Picture* picture = FindPicture(id);
    if (picture == nullptr)
        return {};
    return Render(picture->path, size, devicePixelRatio, Qt::white);
}

QPixmap LoadToolbarStrip(int id) {
    if (id != kToolbarStripId)
        return {};
    // (255, 0, 255) marks what is transparent.
    return Render(kToolbarStripPath, kToolbarStripSize, 1.0, QColor(255, 0, 255));
}

QString LoadStringResource(int id) {
    switch (id) {
        case 101:  // the About entry of the system menu
            return QStringLiteral("关于 vek(&A)...");
        default:
            return {};
    }
}
