#pragma once

#include "engine/LotteryNumber.h"
#include "features/FilterSettings.h"

namespace suoshui {

// The candidates of a filter run for the settings' "方式：" mode: every number ("定位"), every
// triple over the digit sequence ("不定位"), the banker and drag numbers ("胆拖"), or the numbers
// of the base list ("大底"), which may hold empty items between expanded blocks.
NumberList generateCandidates(const FilterSettings& settings);

}  // namespace suoshui
