// SPDX-License-Identifier: MIT
#include "framework/dialog_template.h"
#include "res/templates.h"

const DialogTemplate* FindDialogTemplate(int id) {
    switch (id) {
        case 100:
            return &AboutTemplate();
        case 102:
            return &MainWindowTemplate();
        case 129:
            return &SewagePageTemplate();
        default:
            return nullptr;
    }
}
