#pragma once

#include <string_view>

#include "features/ConditionTable.h"
#include "features/FilterSettings.h"

namespace suoshui {

// One condition group's test for a candidate, as bound in the condition table.
bool passesGroup(const FilterSettings& settings, const ConditionGroup& group,
                 std::string_view candidate);

}  // namespace suoshui
