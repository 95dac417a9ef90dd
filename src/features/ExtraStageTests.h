#pragma once

#include <string_view>

#include "engine/Controls.h"
#include "engine/TagTable.h"
#include "features/SumFeatures.h"
#include "features/WindowTable.h"

namespace suoshui {

// Tests of the extra stage; each passes everything while "启用银选" is unticked.

// A plain group: passes with nothing ticked or when a ticked caption equals the value.
// Lets the window process pending events first.
bool matchExtraGroup(Controls& controls, const TagTable& tags, int first, int last,
                     std::string_view value);

// The "高中低" forms: the first half of `shapes` holds the "组六" shapes, the second the "组三"
// shapes. Passes under a group-selection number type.
bool testHighLowShape(Controls& controls, const TagTable& tags, TagSpan shapes,
                      std::string_view candidate);

using PairFeature = int (*)(std::string_view number, PairSelector pair);

// The "任意" groups: passes when any of the three pairs has a ticked value.
// Lets the window process pending events first.
bool matchAnyPair(Controls& controls, const TagTable& tags, int first, int last,
                  std::string_view candidate, PairFeature feature);

}  // namespace suoshui
