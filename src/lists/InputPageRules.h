#pragma once

#include <optional>

#include "features/Options.h"

namespace suoshui {

// The pages of the input page control, in the order the window builds them.
enum class InputPage { DigitSequence, BankerDrag, BaseList, Count, Exclusion };

// What the page control shows after a click: a page, or nothing (the control is hidden).
using ShownPage = std::optional<InputPage>;

// A mode shows its input page; "定位" needs none.
ShownPage pageOfMode(GenerationMode mode);

// "条件随机" brings the count page to the front; unticked, it hides the pages whatever the mode.
ShownPage pageAfterRandomCount(bool ticked);

// "排 除" brings the exclusion page to the front; unticked, the mode's page comes back.
ShownPage pageAfterExcludeSets(bool ticked, GenerationMode mode);

// "胆拖" and "不定位" take their digits from the page, so the position rows follow their toggles;
// "胆拖" also turns off the banker and waste rows, which would contradict the typed digits.
bool modeMatchesPositionRows(GenerationMode mode);
bool modeDisablesBankerAndWaste(GenerationMode mode);

}  // namespace suoshui
