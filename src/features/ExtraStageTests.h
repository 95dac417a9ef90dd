#pragma once

#include <string_view>

#include "features/ConditionTable.h"
#include "features/FilterSettings.h"
#include "features/SumFeatures.h"

namespace suoshui {

// Tests of the extra stage; each passes everything while "启用银选" is unticked.

// A plain group: passes with nothing ticked or when a ticked caption equals the value.
bool matchExtraGroup(const FilterSettings& settings, TagSpan span, std::string_view value);

// The "高中低" forms: the first half of `shapes` holds the "组六" shapes, the second the "组三"
// shapes. Passes under a group-selection number type.
bool testHighLowShape(const FilterSettings& settings, TagSpan shapes, std::string_view candidate);

using PairFeature = int (*)(std::string_view number, PairSelector pair);

// The "任意" groups: passes when any of the three pairs has a ticked value.
bool matchAnyPair(const FilterSettings& settings, TagSpan span, std::string_view candidate,
                  PairFeature feature);

}  // namespace suoshui
