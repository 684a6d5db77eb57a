// SPDX-License-Identifier: MIT
#pragma once
// Pop-up menu resources as data: each menu holds one pop-up, shown under the
// navigation button it is attached to. A chosen entry reaches the main window
// as its command id.

#include <vector>

struct MenuItemResource {
    int commandId;
    const char* text;  // UTF-8
};

struct MenuResource {
    int id;
    const char* popupTitle;  // UTF-8; the title of the one pop-up
    std::vector<MenuItemResource> items;
};

// Looks a menu up by its number; nullptr when there is none.
const MenuResource* FindMenuResource(int id);

// A toolbar resource: a strip of equal images, one per command, left to
// right. Menus take the image of an entry from the strip by its command id.
struct ToolbarResource {
    int id;
    int imageWidth, imageHeight;  // pixels
    std::vector<int> commands;
};

// Looks a toolbar up by its number; nullptr when there is none.
const ToolbarResource* FindToolbarResource(int id);
