// SPDX-License-Identifier: MIT
#include "calc/noise_index.h"

#include <charconv>
#include <cmath>

#include "calc/decibel.h"
#include "text/number_text.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number of a list: its digits read as a decimal number independent of the
// user's locale; an empty item (a missing interval) counts as 0.
double ValueOf(const std::string& item) {
    return vek::text::ParseDouble(item).value_or(0.0);
}

std::string Join(const std::vector<std::string>& items, std::size_t count) {
    std::string joined;
    for (std::size_t k = 0; k < count; ++k) {
        if (k > 0)
            joined += ',';
        if (k < items.size())
            joined += items[k];
    }
    return joined;
}

// "%.2f", or the words for "cannot be computed" when there is no number.
std::string TwoDecimals(float value) {
    if (!std::isfinite(value))
        return "无法计算";
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, double{value}, std::chars_format::fixed, 2);
    return std::string(buffer, end.ptr) + "dBA";
}

}  // namespace

std::vector<std::string> SplitDigitRuns(std::string_view text) {
    std::vector<std::string> numbers;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1])) {
            ++i;
            while (i < text.size() && IsDigit(text[i])) ++i;
        }
        numbers.emplace_back(text.substr(start, i - start));
    }
    return numbers;
}

LeqResult ComputeLeq(const LeqInput& in) {
    const std::vector<std::string> levels = SplitDigitRuns(in.levels);
    const std::vector<std::string> intervals = SplitDigitRuns(in.intervals);
    const std::size_t n = levels.size();

    // The energy sum and the total time are single-precision members,
    // rounded after every step.
    float energy = 0;
    float time = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const double e = LevelToEnergy(ValueOf(levels[k]));
        if (in.equalInterval) {
            energy = static_cast<float>(energy + e);
        } else {
            const double t = k < intervals.size() ? ValueOf(intervals[k]) : 0.0;
            energy = static_cast<float>(energy + t * e);
            time = static_cast<float>(time + t);
        }
    }
    const double divisor = in.equalInterval ? static_cast<double>(n) : double{time};
    const float leq = static_cast<float>(EnergyToLevel(energy / divisor));
    return {n, leq, Join(levels, n), Join(intervals, n)};
}

std::string LeqResultLine(const LeqResult& result) {
    return "总共有" + std::to_string(result.count) +
           "个数据;    等效连续A声级Leq:" + TwoDecimals(result.leq);
}

float ComputeLdn(const LdnInput& in) {
    const double night = std::pow(10.0, (double{in.nightLevel} + 10.0) * 0.1) * in.nightHours;
    const double day = std::pow(10.0, double{in.dayLevel} * 0.1) * in.dayHours;
    // 0.041666666666666664 is the double nearest to 1/24.
    return static_cast<float>(10.0 * std::log10((day + night) * 0.041666666666666664));
}

std::string LdnResultLine(float ldn) {
    return "昼夜等效声级Ldn:" + TwoDecimals(ldn);
}
