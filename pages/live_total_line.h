// SPDX-License-Identifier: MIT
#pragma once
// The live total line of the two noise pages: level + background = total,
// kept up to date as the user types. It reads only the fields it needs,
// without a box, and writes only the field it computes. While a field holds
// no number yet (empty, a lone "-") nothing changes, and the field being
// typed in is never rewritten, so "65." stays as typed on its way to 65.5.
//
// The page's record of its last computation follows the line: it shows
// "+ background = total" while the level is the one that computation
// recorded, and drops it once a typed total has set the level instead.

class CCalcPage;

struct LiveTotalLine {
    int levelId;
    int backgroundId;
    int totalId;
    float* level;
    float* background;
    float* total;
    const char* levelSymbol;     // "Lp3", "Lp": the level in the record's formulas
    const float* recordedLevel;  // the level the last computation left
};

// The level or the background was typed: the total follows.
void FollowLevels(CCalcPage* page, const LiveTotalLine& line);
// The total was typed: the level follows, when the total is above the
// background.
void FollowTotal(CCalcPage* page, const LiveTotalLine& line);
