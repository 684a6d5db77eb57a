// SPDX-License-Identifier: MIT
#include "framework/bitmap_strikes.h"

#include <QByteArray>
#include <QFontInfo>
#include <QHash>
#include <QRawFont>
#include <cmath>

namespace {

// The strikes of a TrueType face are listed in its EBLC table: a header of
// version (4 bytes) and count (4 bytes), then one 48-byte record per strike
// whose bytes 44 and 45 are its horizontal and vertical size in pixels.
bool TableHasStrike(const QByteArray& eblc, int pixels) {
    constexpr int kHeader = 8;
    constexpr int kRecord = 48;
    constexpr int kPpemY = 45;
    if (eblc.size() < kHeader)
        return false;
    const auto byte = [&eblc](qsizetype at) { return static_cast<unsigned char>(eblc.at(at)); };
    const quint32 count = (quint32(byte(4)) << 24) | (quint32(byte(5)) << 16) |
                          (quint32(byte(6)) << 8) | quint32(byte(7));
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype record = kHeader + qsizetype(i) * kRecord;
        if (record + kRecord > eblc.size())
            break;
        if (byte(record + kPpemY) == pixels)
            return true;
    }
    return false;
}

}  // namespace

bool HasBitmapStrike(const QFont& font, qreal devicePixelRatio) {
    const QFontInfo info(font);
    const int pixels = static_cast<int>(std::lround(info.pixelSize() * devicePixelRatio));
    if (pixels <= 0)
        return false;
    // A few fonts serve every window; the table is read once for each.
    static QHash<QString, bool> known;
    const QString key = info.family() + u'/' + info.styleName() + u'/' + QString::number(pixels);
    if (const auto found = known.constFind(key); found != known.constEnd())
        return *found;
    const QRawFont raw = QRawFont::fromFont(font);
    const bool has = raw.isValid() && TableHasStrike(raw.fontTable("EBLC"), pixels);
    known.insert(key, has);
    return has;
}

QFont PreferBitmapStrike(QFont font, qreal devicePixelRatio) {
    // Asked of the font as it will be used, so Qt prepares one face for it,
    // not one for the question and another for the answer.
    const QFont::StyleStrategy own = font.styleStrategy();
    font.setStyleStrategy(QFont::StyleStrategy(own | QFont::NoAntialias));
    if (!HasBitmapStrike(font, devicePixelRatio))
        font.setStyleStrategy(own);
    return font;
}
