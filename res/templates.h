// SPDX-License-Identifier: MIT
#pragma once
// What a window's template table (template_NNN.cpp) is written with. The
// tables are found by number through the list in dialog_templates.cpp.

#include "framework/dialog_template.h"
