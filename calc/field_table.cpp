// SPDX-License-Identifier: MIT
#include "calc/field_table.h"

const Field* FindField(FieldTable table, int id) {
    if (id == 0)
        return nullptr;
    for (const Field& field : table)
        if (field.id == id)
            return &field;
    return nullptr;
}

const Field* FindField(FieldTable table, std::string_view name) {
    for (const Field& field : table)
        if (field.name == name)
            return &field;
    return nullptr;
}
