// SPDX-License-Identifier: MIT
#pragma once
// A window's inputs as a project file keeps them: the text of each input
// field and each choice, read from the controls as they stand (a text the
// page would refuse is kept as typed), and put back as a user would put
// them: the choices first, each running the page's own handler (choosing a
// fuel fills its figures), then the texts in the page's exchange order, each
// exactly as saved. Nothing is computed.

#include <string>
#include <vector>

#include "calc/calculator_index.h"
#include "calc/project_file.h"
#include "pages/calc_page.h"

// The calculator a window is saved under: the one that computed last, else
// the first that works on its fields.
const KnownCalculator* WindowCalculator(const CCalcPage& window);

// Whether the window works on the fields of the calculator.
bool ShowsCalculator(const CCalcPage& window, const KnownCalculator& calculator);

ProjectEntry SavedInputs(CCalcPage& window);

// Puts the entry's texts and choices into the window; what cannot be put
// (a unit the catalogue does not have) is skipped and told in `problems`.
void FillInputs(CCalcPage& window, const ProjectEntry& entry, std::vector<std::string>& problems);
