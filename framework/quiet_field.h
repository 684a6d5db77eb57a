// SPDX-License-Identifier: MIT
#pragma once
// One field at a time, quietly: for handlers that follow the user's typing
// (a live total line), where a whole exchange would rewrite the field being
// typed in and a failed take-in would raise a box at every keystroke.
//
// ReadFieldQuietly reads one field into its member the way a take-in does,
// but a text that is not a number leaves the member alone, without a box,
// and returns false. WriteFieldQuietly writes one member into its field the
// way a put-out does, outside an exchange, and the field's own text-changed
// notification does not reach the window.

class CDialog;

bool ReadFieldQuietly(CDialog* dialog, int id, float& value);
void WriteFieldQuietly(CDialog* dialog, int id, float value);
