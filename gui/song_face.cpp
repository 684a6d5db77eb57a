// SPDX-License-Identifier: MIT
#include "gui/song_face.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void SubstituteSongFace() {
    const QStringList families = QFontDatabase::families();
    QStringList substitutes;
    for (const char* name : {"SimSun", "AR PL UMing CN", "AR PL UMing TW", "Noto Serif CJK SC",
                             "Noto Sans CJK SC", "WenQuanYi Zen Hei"}) {
        if (families.contains(QString::fromUtf8(name)))
            substitutes << QString::fromUtf8(name);
    }
    if (!substitutes.isEmpty())
        QFont::insertSubstitutions(QStringLiteral("宋体"), substitutes);
}
