// SPDX-License-Identifier: MIT
// Every window's template, found by its number: one row per window, its
// table a function of its own file (template_NNN.cpp).
#include <utility>

#include "res/templates.h"

const DialogTemplate& AboutTemplate();
const DialogTemplate& MainWindowTemplate();
const DialogTemplate& SewagePageTemplate();
const DialogTemplate& FlueGasPageTemplate();
const DialogTemplate& ProtectionDistancePageTemplate();
const DialogTemplate& SolventPageTemplate();
const DialogTemplate& OdourPageTemplate();
const DialogTemplate& UnitConverterPageTemplate();
const DialogTemplate& WorkshopNoisePageTemplate();
const DialogTemplate& PathDifferenceTemplate();
const DialogTemplate& NoiseIndexPageTemplate();
const DialogTemplate& IndoorNoisePageTemplate();
const DialogTemplate& DecibelCalculatorTemplate();
const DialogTemplate& Lp1Template();

namespace {
using TemplateTable = const DialogTemplate& (*)();
const std::pair<int, TemplateTable> kTemplates[] = {
    {100, AboutTemplate},
    {102, MainWindowTemplate},
    {129, SewagePageTemplate},
    {130, FlueGasPageTemplate},
    {131, ProtectionDistancePageTemplate},
    {151, SolventPageTemplate},
    {152, OdourPageTemplate},
    {146, UnitConverterPageTemplate},
    {148, WorkshopNoisePageTemplate},
    {149, PathDifferenceTemplate},
    {150, NoiseIndexPageTemplate},
    {133, IndoorNoisePageTemplate},
    {145, DecibelCalculatorTemplate},
    {147, Lp1Template},
};
}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const auto& [number, table] : kTemplates)
        if (number == id)
            return &table();
    return nullptr;
}
