#pragma once

#include "engine/Controls.h"
#include "engine/Session.h"

namespace suoshui {

// The candidates of a filter run for the selected "方式：" mode: "定位", "不定位", "胆拖" or
// "大底". No mode selected gives none. Lets the window process pending events once first.
NumberList generateCandidates(Controls& controls);

}  // namespace suoshui
