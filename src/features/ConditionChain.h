#pragma once

#include <string_view>

#include "engine/Controls.h"
#include "engine/TagTable.h"
#include "features/WindowTable.h"

namespace suoshui {

// One condition group's test for a candidate, as bound in the window table.
bool passesGroup(Controls& controls, const TagTable& tags, const ConditionGroupDef& group,
                 std::string_view candidate);

// Orders 1-23 in order; the first failing group stops.
bool passesBasicStage(Controls& controls, const TagTable& tags, std::string_view candidate);

// Orders 24-40. The filter calls it only while "启用银选" is ticked.
bool passesExtraStage(Controls& controls, const TagTable& tags, std::string_view candidate);

}  // namespace suoshui
