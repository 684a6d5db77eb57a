// SPDX-License-Identifier: MIT
#pragma once
// Text set into an edit field by the program, as a classic edit shows it:
// from its first character. (Qt's line edit puts the caret at the end of a
// new text and scrolls there, so a wide number would show only its tail.)

#include <QString>

class QLineEdit;

// Sets `text` into `edit`. A new text shows from its first character, caret
// at the start. An unchanged text is left alone in the field that has the
// focus (the user typing there keeps the caret); any other field shows it
// from its first character again.
void SetEditText(QLineEdit* edit, const QString& text);

// The index of the first character `edit` shows (0 when it shows the start
// of its text).
int FirstShownCharacter(const QLineEdit* edit);
