#pragma once

#include <string>
#include <string_view>

#include "engine/LotteryNumber.h"
#include "features/FilterSettings.h"
#include "lists/ResultListing.h"

namespace suoshui {

// The report text when a run leaves no number.
inline constexpr std::string_view kNoResultText =
    "符合条件的号码共有0注\r\n条件太苛刻了！这是火星人登陆地球的条件。";

// One report line for a group: the label and the captions of its ticked boxes in tag order,
// or an empty text when none or all of its boxes are ticked.
std::string conditionLine(const BoxStates& boxes, TagSpan span, std::string_view label);

// The whole report for a result list under the settings: the exclusion line, the lines of the
// ticked conditions, the count line and the listing (flat or grouped).
std::string conditionSummaryText(const FilterSettings& settings, ResultGrouping grouping,
                                 const NumberList& results);

}  // namespace suoshui
