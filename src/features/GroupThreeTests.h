#pragma once

#include <string_view>

#include "engine/Controls.h"
#include "engine/TagTable.h"
#include "features/WindowTable.h"

namespace suoshui {

// The group-three row tests; every "组六" number passes them. `tags` is the row's tag span
// ("组三对码" or "组三单码"), `include` the row's "包含" box. They let the window process
// pending events first.
bool testPairDigitGroup(Controls& controls, const TagTable& tags, TagSpan row,
                        std::string_view candidate);
bool testSingleDigitGroup(Controls& controls, const TagTable& tags, TagSpan row,
                          std::string_view candidate);

// "单号大" / "复号大" on a span of two boxes: ticking both counts as ticking neither. Only
// "组三" numbers can be rejected.
bool testGroupThreeTrait(const TagTable& tags, TagSpan traitBoxes, std::string_view candidate);

}  // namespace suoshui
