// SPDX-License-Identifier: MIT
#pragma once
// The noise formulas: Green (a source inside a workshop) with Lp1, Stueber
// (a whole workshop, with barrier attenuation), the barrier path differences,
// and the evaluation quantities Leq and Ldn. The decibel arithmetic they share
// is in calc/decibel.h.

#include "calc/decibel.h"
#include "calc/green.h"
#include "calc/noise_index.h"
#include "calc/path_difference.h"
#include "calc/stueber.h"
