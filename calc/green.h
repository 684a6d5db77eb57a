// SPDX-License-Identifier: MIT
#pragma once
// Noise of a source inside a workshop heard outside it (Green formula):
//   Lp3 = Lp1 - TL + 10 lg(F / l^2) - 11
// and the level near the inner wall, Lp1, from the source's sound power and
// the room. Inputs are single-precision fields; the arithmetic is double and
// each result is rounded to single precision as its field stores it.

// The indoor-source page's inputs, with its start-up values.
struct GreenInput {
    float lp1 = 0;         // dB, level 1 m inside the wall
    float wallTL = 25;     // dB, sound insulation of the wall
    float wallArea = 0;    // m^2, outer wall facing the receiver
    float distance = 0;    // m, workshop to receiver (input of the level)
    float level = 0;       // dB, Lp3 at the receiver (input of the distance)
    float background = 0;  // dB, background level of the total line
    float total = 0;       // dB, total of level and background
};

// The spreading term 10 lg(F / l^2) (dB) at in.distance, and the one the
// level in.level requires, Lp3 + TL + 11 - Lp1.
double GreenSpreadTerm(const GreenInput& in);
double GreenRequiredSpreadTerm(const GreenInput& in);

// Lp3 at in.distance; exactly 0 when the distance is exactly 0.
float ComputeGreenLevel(const GreenInput& in);
// The distance l at which the level in.level is reached.
float ComputeGreenDistance(const GreenInput& in);

// The Lp1 window's inputs, with its start-up values.
struct Lp1Input {
    float soundPower = 90;     // dB, Lw of the source
    float directivity = 1;     // Q
    float roomArea = 300;      // m^2, inner surface, roof and floor included
    float absorption = 0.01f;  // absorption coefficient a of the walls
    float distance = 2;        // m, source to the Lp1 point
};

struct Lp1Result {
    double roomConstant;  // R = S a / (1 - a), m^2
    float lp1;            // dB
};

// Lp1 = 10 lg(Q / (4 pi r^2) + 4 / R) + Lw.
Lp1Result ComputeLp1(const Lp1Input& in);
