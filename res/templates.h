// SPDX-License-Identifier: MIT
#pragma once
// The dialog templates of every window, one table each (template_NNN.cpp).

#include "framework/dialog_template.h"

const DialogTemplate& AboutTemplate();       // 100
const DialogTemplate& MainWindowTemplate();  // 102
const DialogTemplate& SewagePageTemplate();  // 129
