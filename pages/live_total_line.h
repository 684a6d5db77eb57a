// SPDX-License-Identifier: MIT
#pragma once
// The live total line of the two noise pages: level + background = total,
// kept up to date as the user types. It reads only the fields it needs,
// without a box, and writes only the field it computes. While a field holds
// no number yet (empty, a lone "-") nothing changes, and the field being
// typed in is never rewritten, so "65." stays as typed on its way to 65.5.

class CDialog;

struct LiveTotalLine {
    int levelId;
    int backgroundId;
    int totalId;
    float* level;
    float* background;
    float* total;
};

// The level or the background was typed: the total follows.
void FollowLevels(CDialog* page, const LiveTotalLine& line);
// The total was typed: the level follows, when the total is above the
// background.
void FollowTotal(CDialog* page, const LiveTotalLine& line);
