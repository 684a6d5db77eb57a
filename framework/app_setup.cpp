// SPDX-License-Identifier: MIT
#include "framework/app_setup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <clocale>

#include "framework/classic_style.h"

void SetUpApplication(QApplication& app) {
    app.setApplicationName("vek");
    // The name of the installed menu entry (io.github.vek.desktop): Wayland
    // desktops match the windows to it by this id, for its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vek"));
    // The classic look the pages were laid out for: etched group boxes,
    // sunken fields, plain push buttons; the same on every desktop.
    app.setStyle(new ClassicStyle);
    // Its own light colours too (menus, boxes and tooltips included), so a
    // dark desktop theme leaves every text readable.
    QApplication::setPalette(ClassicPalette());
    // Qt sets the C library's locale from the environment at start-up; numbers
    // must never take a decimal comma from it.
    std::setlocale(LC_NUMERIC, "C");

    // "宋体" is SimSun where installed, else AR PL UMing (same 6 x 12 px
    // metrics at 9 pt), else any CJK face.
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
