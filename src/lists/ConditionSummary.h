#pragma once

#include <string>
#include <string_view>

#include "engine/Controls.h"
#include "engine/Session.h"

namespace suoshui {

// One report line for a group: the label and the captions of its ticked boxes in tag order,
// or an empty text when none or all of its boxes are ticked.
std::string conditionLine(const TagTable& tags, int first, int last, std::string_view label);

// The whole report for a result list under the current ticks: the exclusion line, the lines
// of the ticked conditions, the count line and the listing (flat or grouped).
std::string conditionSummaryText(Controls& controls, const TagTable& tags,
                                 const NumberList& results);

// Rewrites the result box with the report of the last run's results.
void buildConditionSummary(Controls& controls, const Session& session);

}  // namespace suoshui
