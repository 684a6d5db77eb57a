// SPDX-License-Identifier: MIT
#include "pages/record_window.h"

#include <QContextMenuEvent>
#include <QWidget>

void OpenOwnerMenu(QWidget* window, const CRecordWindow& record, QContextMenuEvent* event) {
    auto* owner = dynamic_cast<CWindowMenuOwner*>(window->parentWidget());
    if (!owner) {
        event->ignore();
        return;
    }
    event->accept();
    owner->OpenWindowMenu(event->globalPos(), record);
}
