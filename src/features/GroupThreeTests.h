#pragma once

#include <string_view>

#include "features/ConditionTable.h"
#include "features/FilterSettings.h"

namespace suoshui {

// The group-three row tests; every "组六" number passes them. `group` is "组三对码" or "组三单码",
// whose "包含" box switches between keeping and throwing out the ticked values.
bool testPairDigitGroup(const FilterSettings& settings, const ConditionGroup& group,
                        std::string_view candidate);
bool testSingleDigitGroup(const FilterSettings& settings, const ConditionGroup& group,
                          std::string_view candidate);

// "单号大" / "复号大" on a span of two boxes: ticking both counts as ticking neither. Only
// "组三" numbers can be rejected.
bool testGroupThreeTrait(const BoxStates& boxes, TagSpan traitBoxes, std::string_view candidate);

}  // namespace suoshui
