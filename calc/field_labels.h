// SPDX-License-Identifier: MIT
#pragma once
// The label of a window's field as its calculators' records give it (the
// page's wording, without symbol and unit), for whoever names the field to
// a user: the records, and the screen reader's name of the field.

#include "calc/field_table.h"
#include "calc/record.h"

// The record label of the field with control id `id` in `table`, from the
// first calculator of that window that labels it; nullptr when none does.
const RecordLabel* FieldRecordLabel(FieldTable table, int id);
