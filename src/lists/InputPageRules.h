#pragma once

#include <optional>

#include "engine/Controls.h"

namespace suoshui {

// The pages of the input page control, in the order the window builds them.
enum class InputPage { DigitSequence, BankerDrag, BaseList, Count, Exclusion };

// What the page control shows after a click: a page, or nothing (the control is hidden).
using ShownPage = std::optional<InputPage>;

// A mode shows its input page; "定位" needs none.
ShownPage pageOfMode(Radio mode);

// "条件随机" brings the count page to the front; unticked, it hides the pages whatever the mode.
ShownPage pageAfterRandomCount(bool ticked);

// "排 除" brings the exclusion page to the front; unticked, the mode's page comes back.
ShownPage pageAfterExcludeSets(bool ticked, Radio mode);

// "胆拖" and "不定位" take their digits from the page, so the position rows follow their toggles;
// "胆拖" also turns off the banker and waste rows, which would contradict the typed digits.
bool modeMatchesPositionRows(Radio mode);
bool modeDisablesBankerAndWaste(Radio mode);

}  // namespace suoshui
