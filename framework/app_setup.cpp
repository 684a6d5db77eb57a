// SPDX-License-Identifier: MIT
#include "framework/app_setup.h"

#include <QApplication>
#include <clocale>

#include "framework/classic_style.h"
#include "gui/song_face.h"

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

    SubstituteSongFace();
}
