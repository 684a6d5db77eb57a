// SPDX-License-Identifier: MIT
#include "tools/vek-calc/offscreen_pdf.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <optional>

#include "gui/book_pdf.h"
#include "gui/song_face.h"

namespace {

// Qt's notes on its surroundings (no XDG_RUNTIME_DIR, no session bus) are
// not problems of the book: standard error keeps vek-calc's one line per
// problem, and only what stops Qt reaches it.
void ReportQtFaultsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "vek-calc: Qt: %s\n", message.toStdString().c_str());
}

// For as long as it lives, including the application's end.
struct QtFaultsOnly {
    QtMessageHandler previous = qInstallMessageHandler(ReportQtFaultsOnly);
    ~QtFaultsOnly() { qInstallMessageHandler(previous); }
};

}  // namespace

std::string OffscreenBookPdf(const std::string& html, const std::string& title) {
    const QtFaultsOnly quiet;
#if !defined(_WIN32)
    // No display server is needed unless the caller asks for a platform.
    // (Windows' own platform needs none, and is the one windeployqt ships.)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    int argc = 1;
    char name[] = "vek-calc";
    char* argv[] = {name, nullptr};
    std::optional<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        app.emplace(argc, argv);
        // Qt takes the C library's locale from the environment; vek-calc
        // prints its numbers with a decimal point whatever it is.
        std::setlocale(LC_NUMERIC, "C");
        SubstituteSongFace();
    }
    return BookPdf(html, QString::fromStdString(title)).toStdString();
}
