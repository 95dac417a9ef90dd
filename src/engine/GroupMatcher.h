#pragma once

#include <string_view>

#include "engine/Controls.h"
#include "engine/TagTable.h"

namespace suoshui {

// First tags of the groups whose rule looks inside the candidate text instead of comparing
// whole texts.
inline constexpr int kExcludedDigitsFirst = 240;  // "废码"
inline constexpr int kBankerDigitsFirst = 250;    // "胆码"
inline constexpr int kDigitPairsFirst = 177;      // "二  码"
inline constexpr int kDigitPairsSelectAllTag = 1017;

// Whether a candidate passes one group of the basic stage, reading the boxes first..last live.
// `value` is the feature text, or the candidate itself for "废码", "胆码" and "二  码".
// Lets the window process pending events first.
bool matchGroup(Controls& controls, const TagTable& tags, int first, int last,
                std::string_view value);

}  // namespace suoshui
