// SPDX-License-Identifier: MIT
#include "calc/stueber.h"

#include <cmath>

namespace {

double EnvelopeTerm(const StueberInput& in) {
    return 10.0 * std::log10(ComputeEnvelopeArea(in.sourceHeight, in.length, in.width));
}

BarrierAttenuation BarrierOf(const StueberInput& in) {
    return ComputeBarrierAttenuation(in.delta1, in.delta2, in.delta3, in.frequency, in.soundSpeed);
}

}  // namespace

BarrierAttenuation ComputeBarrierAttenuation(float delta1, float delta2, float delta3,
                                             float frequency, float soundSpeed) {
    const auto fresnel = [&](float delta) {
        return (double{delta} * frequency) * 2.0 / soundSpeed;
    };
    const double n1 = fresnel(delta1), n2 = fresnel(delta2), n3 = fresnel(delta3);
    const double sum =
        (1.0 / (3.0 + 20.0 * n3) + 1.0 / (3.0 + 20.0 * n2)) + 1.0 / (3.0 + 20.0 * n1);
    return {static_cast<float>(n1), static_cast<float>(n2), static_cast<float>(n3),
            static_cast<float>(-10.0 * std::log10(sum))};
}

double ComputeEnvelopeArea(float sourceHeight, float length, float width) {
    const double s = double{length} * width;
    // The root is taken from the exact product, the floor-and-roof term from
    // the product as the page stores it in single precision.
    const double rounded = static_cast<float>(s);
    return (sourceHeight + 0.0255 * std::pow(s, 0.5)) * (2.0 * (double{length} + width)) +
           2.0 * rounded;
}

StueberResult ComputeStueberLevel(const StueberInput& in) {
    // 6.28318 stands for 2 pi with exactly these digits.
    const float divergence =
        static_cast<float>(10.0 * std::log10(std::pow(double{in.distance}, 2) * 6.28318));
    const BarrierAttenuation barrier = BarrierOf(in);
    if (in.distance == 0)
        return {in.lr, divergence, barrier};
    const double level =
        EnvelopeTerm(in) + (((double{in.lr} - in.screenLR) - divergence) - barrier.barrier);
    return {static_cast<float>(level), divergence, barrier};
}

StueberResult ComputeStueberDistance(const StueberInput& in) {
    const BarrierAttenuation barrier = BarrierOf(in);
    const float divergence = static_cast<float>(
        EnvelopeTerm(in) + (((double{in.lr} - in.screenLR) - in.level) - barrier.barrier));
    // 0.15915507752443828 is 1 / 6.28318; the exponent uses the float 0.1f.
    const double r = std::pow(
        std::pow(10.0, double{divergence} * static_cast<double>(0.1f)) * 0.15915507752443828, 0.5);
    return {static_cast<float>(r), divergence, barrier};
}
