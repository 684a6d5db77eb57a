// SPDX-License-Identifier: MIT
#pragma once
// Evaluation quantities of environmental noise: the equivalent continuous
// A-weighted level Leq of a series of measured levels, and the day-night
// equivalent level Ldn with its 10 dB penalty on the night.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The numbers of a typed list, as typed, in order. A number is a run of the
// digits 0-9 that may hold one decimal point between two digits ("70.5");
// every other character (comma, blank, semicolon, minus sign, a second or a
// trailing point, a letter, a full-width character) separates numbers, so a
// list is never refused. There is no limit on the count.
std::vector<std::string> SplitDigitRuns(std::string_view text);

// The Leq inputs of the page, with its start-up values.
struct LeqInput {
    std::string levels = "70,65,60";     // dBA, instantaneous A levels
    std::string intervals = "20,30,40";  // interval lengths, any time unit
    bool equalInterval = false;          // equal-interval sampling: intervals unused
};

struct LeqResult {
    std::size_t count;      // number of levels n
    float leq;              // dBA; not finite when there is nothing to average
    std::string levels;     // the levels rewritten as "a,b,c"
    std::string intervals;  // the first n intervals, empty items for missing ones
};

// Leq = 10 lg(sum(t_k 10^(0.1 L_k)) / sum(t_k)), or with equal-interval
// sampling 10 lg(sum(10^(0.1 L_k)) / n). The k-th interval belongs to the
// k-th level; a level without an interval counts with 0.
LeqResult ComputeLeq(const LeqInput& in);

// "总共有3个数据;    等效连续A声级Leq:65.71dBA", or "...Leq:无法计算" when Leq
// is not a finite number.
std::string LeqResultLine(const LeqResult& result);

// The Ldn inputs of the page, with its start-up values: day 7:00-22:00
// (15 h), night 22:00-7:00 (9 h).
struct LdnInput {
    float dayLevel = 70;    // dBA, Ld
    float nightLevel = 65;  // dBA, Ln
    float dayHours = 15;    // h, Td
    float nightHours = 9;   // h, Tn
};

// Ldn = 10 lg((Td 10^(0.1 Ld) + Tn 10^(0.1 (Ln + 10))) / 24); the sum is
// always divided by 24 hours, whatever Td + Tn are.
float ComputeLdn(const LdnInput& in);

// "昼夜等效声级Ldn:73.71dBA", or "昼夜等效声级Ldn:无法计算" when Ldn is not a
// finite number.
std::string LdnResultLine(float ldn);
