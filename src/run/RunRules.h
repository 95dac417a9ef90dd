#pragma once

#include "engine/NumberSet.h"
#include "features/FilterSettings.h"

namespace suoshui {

// The settings as a run reads them once it has written the digit boxes back: each digit box
// holds its distinct digits, ascending, and the "复式排除" sets do so only while "排 除" is ticked.
FilterSettings withDigitBoxesNormalised(FilterSettings settings);

// The "单式排除" numbers a run leaves out: none unless "排 除" is ticked; under the group types
// each stands for its whole group.
NumberSet excludedSingles(const FilterSettings& settings);

}  // namespace suoshui
