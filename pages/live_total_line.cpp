// SPDX-License-Identifier: MIT
#include "pages/live_total_line.h"

#include <optional>

#include "calc/decibel.h"
#include "framework/quiet_field.h"
#include "pages/calc_page.h"

void FollowLevels(CCalcPage* page, const LiveTotalLine& line) {
    float level = *line.level, background = *line.background;
    if (!ReadFieldQuietly(page, line.levelId, level) ||
        !ReadFieldQuietly(page, line.backgroundId, background))
        return;
    *line.level = level;
    *line.background = background;
    *line.total = PageDecibelSum(background, level);
    WriteFieldQuietly(page, line.totalId, *line.total);
    page->RecordTotalLine(line.levelSymbol, *line.level == *line.recordedLevel, background,
                          *line.total);
}

void FollowTotal(CCalcPage* page, const LiveTotalLine& line) {
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
    // The level now follows the total (or the total is not above the
    // background): "+ background = total" no longer adds up to the record.
    page->RecordTotalLine(line.levelSymbol, false, background, total);
}
