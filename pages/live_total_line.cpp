// SPDX-License-Identifier: MIT
#include "pages/live_total_line.h"

#include <optional>

#include "calc/decibel.h"
#include "framework/quiet_field.h"

void FollowLevels(CDialog* page, const LiveTotalLine& line) {
    float level = *line.level, background = *line.background;
    if (!ReadFieldQuietly(page, line.levelId, level) ||
        !ReadFieldQuietly(page, line.backgroundId, background))
        return;
    *line.level = level;
    *line.background = background;
    *line.total = PageDecibelSum(background, level);
    WriteFieldQuietly(page, line.totalId, *line.total);
}

void FollowTotal(CDialog* page, const LiveTotalLine& line) {
    float total = *line.total, background = *line.background;
    if (!ReadFieldQuietly(page, line.totalId, total) ||
        !ReadFieldQuietly(page, line.backgroundId, background))
        return;
    *line.total = total;
    *line.background = background;
    // A total not above the background leaves the level as it was.
    if (const std::optional<float> level = PageDecibelDifference(total, background)) {
        *line.level = *level;
        WriteFieldQuietly(page, line.levelId, *level);
    }
}
