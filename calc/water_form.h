// SPDX-License-Identifier: MIT
#pragma once
// The domestic sewage and refuse page: its fields and its calculator.

#include "calc/calculator.h"
#include "calc/water.h"

// The fields of the page (dialog 129).
FieldTable SewageFieldTable();

// The negative and consistency checks with the box each raises.
std::optional<CheckBox> CheckSewage(const SewageInput& in);
Answer<SewageResult> RunSewage(const SewageInput& in);

const CalculatorDef<SewageInput, SewageResult>& SewageCalculator();
