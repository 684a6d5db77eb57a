// SPDX-License-Identifier: MIT
// The yardstick of vek's start-up benchmark: the least a Qt 6 program with a
// Chinese interface does - a dialog with one Chinese label, shown, painted
// once, closed. Linked with Qt Widgets alone.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

int main(int argc, char** argv) {
    // --no-paint: closed as soon as it is shown, before the window system
    // has it painted.
    const bool paint = !(argc > 1 && QByteArray(argv[1]) == "--no-paint");
    QApplication app(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("生活污水和垃圾"), &dialog));
    QTimer::singleShot(0, &dialog, [&dialog, paint] {
        if (paint) {
            // Painted once the window system has shown it, as a user sees it.
            QElapsedTimer waited;
            waited.start();
            while (!dialog.windowHandle()->isExposed() && waited.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            dialog.repaint();
        }
        dialog.done(0);
    });
    return dialog.exec();
}
