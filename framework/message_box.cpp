// SPDX-License-Identifier: MIT
#include "framework/message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
BoxHandler g_handler;
int g_openBoxes = 0;

QMessageBox::Icon IconOf(unsigned type) {
    switch (type & BoxType::IconMask) {
        case BoxType::IconError:
            return QMessageBox::Critical;
        case BoxType::IconQuestion:
            return QMessageBox::Question;
        case BoxType::IconExclamation:
            return QMessageBox::Warning;
        case BoxType::IconInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int ShowRealBox(QWidget* owner, const BoxRecord& record) {
    QMessageBox box(IconOf(record.type), record.caption, record.text, QMessageBox::NoButton, owner);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
    return kIdOk;
}
}  // namespace

QString ApplicationName() {
    return QStringLiteral("vek");
}

int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) {
    BoxRecord record{text, caption.isEmpty() ? ApplicationName() : caption, type};
    ++g_openBoxes;
    const int answer = g_handler ? g_handler(record) : ShowRealBox(owner, record);
    --g_openBoxes;
    return answer;
}

void SetMessageBoxHandler(BoxHandler handler) {
    g_handler = std::move(handler);
}

bool IsMessageBoxOpen() {
    return g_openBoxes > 0;
}
