// SPDX-License-Identifier: MIT
#include "framework/resources.h"

#include <QColor>
#include <QFont>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <QSvgRenderer>
#include <algorithm>
#include <iterator>

// The drawings are SVG files compiled into the program from res/vek.qrc. The
// paths below are the only place that knows them.

// The resources live in a static library, whose registration Qt cannot run by
// itself. Qt's macro must be used outside any namespace.
static void RegisterVekResources() {
    Q_INIT_RESOURCE(vek);
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

constexpr Drawing kPictures[] = {
    {139, ":/art/picture_139_protection_distance.svg"},
    {140, ":/art/picture_140_green_formula.svg"},
    {175, ":/art/picture_175_barrier.svg"},
};

constexpr int kHandCursorId = 135;
constexpr char kHandCursorPath[] = ":/art/cursor_135_hand.svg";
constexpr int kCursorSize = 32;
// The pixel at the top of the index finger's outline on the 32 x 32 grid.
constexpr int kHandHotX = 12;
constexpr int kHandHotY = 1;

constexpr int kToolbarStripId = 167;
constexpr char kToolbarStripPath[] = ":/art/toolbar_167.svg";

constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 128, 256};

// The drawings name their fonts as CSS family lists. Qt's SVG renderer takes
// such a list as one family name, so each list is registered as a font whose
// substitutes are its members, tried in the order written.
constexpr const char* kFamilyLists[] = {
    "AR PL UMing CN, SimSun, serif",
    "DejaVu Serif, Times New Roman, serif",
};

// Runs once, before the first drawing is read.
void EnsureDrawingsRegistered() {
    static const bool registered = [] {
        RegisterVekResources();
        for (const char* list : kFamilyLists) {
            QStringList members;
            for (const QString& name : QString::fromLatin1(list).split(u',', Qt::SkipEmptyParts)) {
                members << name.trimmed();
            }
            QFont::insertSubstitutions(QString::fromLatin1(list), members);
        }
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
const char* PicturePath(int id) {
    return FindPath(std::begin(kPictures), std::end(kPictures), id);
}

// Draws the SVG at `path` into a pixmap of `size` device-independent pixels,
// scaled to fit with its proportions kept and centred on `ground`.
QPixmap Render(const char* path, const QSize& size, qreal devicePixelRatio, const QColor& ground) {
    EnsureDrawingsRegistered();
    if (size.isEmpty() || !(devicePixelRatio > 0))
        return {};
    QSvgRenderer renderer(QString::fromLatin1(path));
    if (!renderer.isValid())
        return {};
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    const QSizeF natural = renderer.viewBoxF().size();
    if (pixels.isEmpty() || natural.isEmpty())
        return {};
    const qreal scale =
        std::min(pixels.width() / natural.width(), pixels.height() / natural.height());
    const QSizeF drawn = natural * scale;
    const QRectF target(
        QPointF((pixels.width() - drawn.width()) / 2, (pixels.height() - drawn.height()) / 2),
        drawn);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    {
        QPainter painter(&image);
        renderer.render(&painter, target);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QSize NaturalSize(const char* path) {
    EnsureDrawingsRegistered();
    QSvgRenderer renderer(QString::fromLatin1(path));
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

// An icon is its drawing at each of kIconSizes. Drawing all nine (up to
// 256 x 256) costs more than building every page, and most icons are never
// asked for a picture at all (a window icon on a desktop that shows none, a
// switch that is not on), so the nine pictures are drawn the first time any
// is wanted; the icon then answers exactly as one built from them at once.
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
        return Drawn().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Drawn().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // QIcon asks for `size` device pixels at `scale`; the same request
        // made of the drawn icon in device-independent pixels.
        return Drawn().pixmap(scale > 0 ? size / scale : size, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    const QIcon& Drawn() {
        if (drawn_.isNull())
            for (int side : kIconSizes)
                drawn_.addPixmap(Render(path_, QSize(side, side), 1.0, Qt::transparent));
        return drawn_;
    }

    const char* path_;
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
    const char* path = PicturePath(id);
    return path == nullptr ? QSize() : NaturalSize(path);
}

QPixmap LoadBitmapResource(int id) {
    const char* path = PicturePath(id);
    if (path == nullptr)
        return {};
    return Render(path, NaturalSize(path), 1.0, Qt::white);
}

QPixmap LoadBitmapResource(int id, const QSize& size, qreal devicePixelRatio) {
    const char* path = PicturePath(id);
    if (path == nullptr)
        return {};
    return Render(path, size, devicePixelRatio, Qt::white);
}

QPixmap LoadToolbarStrip(int id) {
    if (id != kToolbarStripId)
        return {};
    // Two 16 x 16 images side by side; (255, 0, 255) marks what is transparent.
    return Render(kToolbarStripPath, NaturalSize(kToolbarStripPath), 1.0, QColor(255, 0, 255));
}

QString LoadStringResource(int id) {
    switch (id) {
        case 101:  // the About entry of the system menu
            return QStringLiteral("关于 vek(&A)...");
        default:
            return {};
    }
}
