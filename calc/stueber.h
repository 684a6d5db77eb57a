// SPDX-License-Identifier: MIT
#pragma once
// Noise of a whole workshop at a distance (Stueber formula): the workshop is
// one source of mean interior level LR radiating through its envelope,
//   Lp = 10 lg A + LR - dLR - Adiv - Abar,
// with A the radiating envelope area from length, width and mean source
// height, Adiv = 10 lg(2 pi r^2) the hemispherical divergence and Abar the
// attenuation of a finite barrier from three path differences.
// Inputs are single-precision fields, the arithmetic is double, and every
// term that the page keeps in a single-precision member is rounded as stored.

// The workshop page's inputs, with its start-up values.
struct StueberInput {
    float lr = 90;               // dB, mean level inside the workshop
    float screenLR = 0;          // dB, mean screening attenuation inside
    float sourceHeight = 1;      // m, H
    float length = 10;           // m, L
    float width = 10;            // m, W
    float frequency = 1000;      // Hz
    float delta1 = 0.63f;        // m, path difference over the barrier's top
    float delta2 = 1.2f;         // m, around its far end
    float delta3 = 1.58f;        // m, around its near end
    float soundSpeed = 340.29f;  // m/s; fixed, no field changes it
    float distance = 0;          // m, r (input of the level)
    float level = 0;             // dB, Lp (input of the distance)
    float background = 0;        // dB, background level of the total line
    float total = 0;             // dB, total of level and background
};

struct BarrierAttenuation {
    // Fresnel numbers N = 2 delta f / c as the page stores them; the
    // attenuation is formed from the unrounded values.
    float fresnel1, fresnel2, fresnel3;
    float barrier;  // dB, Abar
};

BarrierAttenuation ComputeBarrierAttenuation(float delta1, float delta2, float delta3,
                                             float frequency, float soundSpeed);

// Radiating envelope area A (m^2) of a workshop L x W with sources at mean
// height H: (H + 0.0255 sqrt(LW)) 2(L + W) + 2 LW.
double ComputeEnvelopeArea(float sourceHeight, float length, float width);

struct StueberResult {
    float value;       // dB for the level, m for the distance
    float divergence;  // dB, Adiv of this computation
    BarrierAttenuation barrier;
};

// Lp at in.distance; exactly LR when the distance is exactly 0.
StueberResult ComputeStueberLevel(const StueberInput& in);
// The distance r at which the level in.level is reached.
StueberResult ComputeStueberDistance(const StueberInput& in);
