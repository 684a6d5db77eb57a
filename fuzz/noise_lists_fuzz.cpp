// SPDX-License-Identifier: MIT
// Any text typed into the Leq level and interval lists, and any four Ldn
// numbers: the lists keep every number as typed, the result line is a number
// with two decimals or says it cannot be computed, and nothing crashes.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/noise_index.h"
#include "text/number_text.h"

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    LeqInput leq;
    leq.equalInterval = in.ConsumeBool();
    leq.levels = in.ConsumeRandomLengthString();
    leq.intervals = in.ConsumeRandomLengthString();
    LdnInput ldn;
    ldn.dayLevel = in.ConsumeFloatingPoint<float>();
    ldn.nightLevel = in.ConsumeFloatingPoint<float>();
    ldn.dayHours = in.ConsumeFloatingPoint<float>();
    ldn.nightHours = in.ConsumeFloatingPoint<float>();

    const auto levels = SplitDigitRuns(leq.levels);
    const auto intervals = SplitDigitRuns(leq.intervals);
    for (const auto& number : levels) Require(vek::text::ParseDouble(number).has_value());

    const LeqResult result = ComputeLeq(leq);
    Require(result.count == levels.size());
    // The rewritten lists hold the same numbers, as typed.
    Require(SplitDigitRuns(result.levels) == levels);
    const auto kept = SplitDigitRuns(result.intervals);
    Require(kept.size() == std::min(intervals.size(), levels.size()));
    for (std::size_t k = 0; k < kept.size(); ++k) Require(kept[k] == intervals[k]);
    // Reading the rewritten lists again computes the same result.
    LeqInput again = leq;
    again.levels = result.levels;
    again.intervals = result.intervals;
    const LeqResult second = ComputeLeq(again);
    Require(LeqResultLine(second) == LeqResultLine(result));

    const std::string line = LeqResultLine(result);
    Require(std::isfinite(result.leq) ? EndsWith(line, "dBA") : EndsWith(line, "无法计算"));
    const float value = ComputeLdn(ldn);
    const std::string ldnLine = LdnResultLine(value);
    Require(std::isfinite(value) ? EndsWith(ldnLine, "dBA") : EndsWith(ldnLine, "无法计算"));
    return 0;
}
