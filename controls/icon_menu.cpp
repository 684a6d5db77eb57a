// SPDX-License-Identifier: MIT
#include "controls/icon_menu.h"

#include <QAction>
#include <QBitmap>
#include <QMenu>
#include <QPixmap>
#include <deque>

#include "framework/resources.h"
#include "res/menus.h"

namespace {

PopupMenuHook& Hook() {
    static PopupMenuHook hook;
    return hook;
}

std::deque<int>& Choices() {
    static std::deque<int> choices;
    return choices;
}

}  // namespace

void SetPopupMenuHook(PopupMenuHook hook) {
    Hook() = std::move(hook);
}
void QueuePopupMenuChoice(int commandId) {
    Choices().push_back(commandId);
}
void ClearPopupMenuChoices() {
    Choices().clear();
}
int PendingPopupMenuChoices() {
    return static_cast<int>(Choices().size());
}

IconMenu::IconMenu() = default;
IconMenu::~IconMenu() = default;

bool IconMenu::LoadMenu(int menuId) {
    DestroyMenu();
    const MenuResource* resource = FindMenuResource(menuId);
    if (!resource)
        return false;
    popup_ = std::make_unique<QMenu>(QString::fromUtf8(resource->popupTitle));
    for (const MenuItemResource& item : resource->items) {
        QAction* action = popup_->addAction(QString::fromUtf8(item.text));
        action->setData(item.commandId);
    }
    menuId_ = menuId;
    return true;
}

void IconMenu::LoadEntries(const QString& title,
                           const std::vector<std::pair<int, QString>>& entries) {
    DestroyMenu();
    popup_ = std::make_unique<QMenu>(title);
    for (const auto& [command, text] : entries) popup_->addAction(text)->setData(command);
}

bool IconMenu::LoadToolbar(int toolbarId, QSize imageSize, QColor transparent) {
    const ToolbarResource* toolbar = FindToolbarResource(toolbarId);
    if (!toolbar || imageSize.isEmpty())
        return false;
    QPixmap strip = LoadToolbarStrip(toolbarId);
    if (strip.isNull())
        return false;
    strip.setMask(strip.createMaskFromColor(transparent));
    if (!popup_)
        return true;
    for (QAction* action : popup_->actions()) {
        const int command = action->data().toInt();
        for (size_t i = 0; i < toolbar->commands.size(); ++i) {
            if (toolbar->commands[i] != command)
                continue;
            const int x = static_cast<int>(i) * imageSize.width();
            if (x + imageSize.width() <= strip.width()) {
                action->setIcon(QIcon(strip.copy(QRect(QPoint(x, 0), imageSize))));
            }
        }
    }
    return true;
}

void IconMenu::DestroyMenu() {
    popup_.reset();
    menuId_ = 0;
}

int IconMenu::TrackPopup(const QPoint& topLeft) {
    if (!popup_)
        return 0;
    if (!Choices().empty()) {
        const int choice = Choices().front();
        Choices().pop_front();
        for (const QAction* action : popup_->actions()) {
            if (action->isEnabled() && !action->isSeparator() && action->data().toInt() == choice) {
                return choice;
            }
        }
        return 0;
    }
    if (Hook())
        return Hook()(*this, topLeft);
    const QAction* chosen = popup_->exec(topLeft);
    return chosen ? chosen->data().toInt() : 0;
}
