#pragma once

#include <string_view>

#include "features/ConditionTable.h"
#include "features/FilterSettings.h"

namespace suoshui {

// One condition group's test for a candidate, as bound in the condition table.
bool passesGroup(const FilterSettings& settings, const ConditionGroup& group,
                 std::string_view candidate);

// Orders 1-23 in order; the first failing group stops.
bool passesBasicStage(const FilterSettings& settings, std::string_view candidate);

// Orders 24-40. The filter calls it only while "启用银选" is ticked.
bool passesExtraStage(const FilterSettings& settings, std::string_view candidate);

}  // namespace suoshui
