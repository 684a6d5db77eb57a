// SPDX-License-Identifier: MIT
#include "framework/quiet_field.h"

#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/window_text.h"
#include "text/number_text.h"

bool ReadFieldQuietly(CDialog* dialog, int id, float& value) {
    QWidget* control = dialog ? dialog->GetDlgItem(id) : nullptr;
    if (!control)
        return false;
    const auto parsed = vek::text::ParseFloat(WindowText(control).toStdString());
    if (!parsed)
        return false;
    value = *parsed;
    return true;
}

// A put-out of one field, through the same exchange as every other put-out
// (so the field looks the same), with the window's notifications dropped.
void WriteFieldQuietly(CDialog* dialog, int id, float value) {
    if (!dialog)
        return;
    CDialog::QuietScope quiet(*dialog);
    CDataExchange dx(dialog, false);
    DDX_Text(&dx, id, value);
}
