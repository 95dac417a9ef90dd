#pragma once

#include <string_view>

#include "features/ConditionTable.h"
#include "features/FilterSettings.h"

namespace suoshui {

// The group-three digit rows "组三对码" and "组三单码": the value is the group's feature (the
// pair digit twice, or the single digit); its "包含" box switches between throwing out and
// keeping only the ticked values. Every "组六" number passes.
bool testGroupThreeDigitRow(const FilterSettings& settings, const ConditionGroup& group,
                            std::string_view candidate);

// "单号大" / "复号大" on a span of two boxes: ticking both counts as ticking neither. Only
// "组三" numbers can be rejected.
bool testGroupThreeTrait(const BoxStates& boxes, TagSpan traitBoxes, std::string_view candidate);

}  // namespace suoshui
