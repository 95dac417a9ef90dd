#pragma once

#include <string_view>

#include "features/ConditionTable.h"
#include "features/FilterSettings.h"

namespace suoshui {

// Whether a value passes one group of the basic stage under the settings, by the rule of the
// group's test: `TestKind::General` compares whole texts; "废码", "胆码" and "二  码" look for
// their captions inside `value`, which is then the candidate itself.
bool matchGroup(const FilterSettings& settings, const ConditionGroup& group,
                std::string_view value);

}  // namespace suoshui
