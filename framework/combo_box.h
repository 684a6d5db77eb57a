// SPDX-License-Identifier: MIT
#pragma once
// Combo boxes behave as classic ones: the mouse wheel turns only the combo
// box that has the keyboard focus (one passed over while scrolling changes
// nothing), typed text is never completed from the list, and Enter in the
// edit part chooses nothing: it goes on to the window (its OK), like Enter
// in any field.

class QComboBox;

// Applied to every combo box a template creates.
void MakeClassicComboBox(QComboBox* combo);
