// SPDX-License-Identifier: MIT
#include "framework/quiet_field.h"

#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/window_text.h"
#include "text/number_text.h"

namespace {

template <class T, class Parse>
bool Read(CDialog* dialog, int id, T& value, Parse parse) {
    QWidget* control = dialog ? dialog->GetDlgItem(id) : nullptr;
    if (!control)
        return false;
    const auto parsed = parse(WindowText(control).toStdString());
    if (!parsed)
        return false;
    value = *parsed;
    return true;
}

// A put-out of one field, through the same exchange as every other put-out
// (so the field looks the same), with the window's notifications dropped.
template <class T>
void Write(CDialog* dialog, int id, T value) {
    if (!dialog)
        return;
    CDialog::QuietScope quiet(*dialog);
    CDataExchange dx(dialog, false);
    DDX_Text(&dx, id, value);
}

}  // namespace

bool ReadFieldQuietly(CDialog* dialog, int id, float& value) {
    return Read(dialog, id, value, vek::text::ParseFloat);
}

bool ReadFieldQuietly(CDialog* dialog, int id, double& value) {
    return Read(dialog, id, value, vek::text::ParseDouble);
}

bool ReadFieldQuietly(CDialog* dialog, int id, int& value) {
    return Read(dialog, id, value, vek::text::ParseInt);
}

void WriteFieldQuietly(CDialog* dialog, int id, float value) {
    Write(dialog, id, value);
}

void WriteFieldQuietly(CDialog* dialog, int id, double value) {
    Write(dialog, id, value);
}

void WriteFieldQuietly(CDialog* dialog, int id, int value) {
    Write(dialog, id, value);
}

void WriteFieldQuietly(CDialog* dialog, int id, const QString& value) {
    Write(dialog, id, value);
}
