#pragma once

#include <string>

#include "engine/Controls.h"
#include "engine/Session.h"

namespace suoshui {

// The listing of the result numbers under the ticked "结果分类：" radio: one flat line, or
// one block per value of the sum, sum tail, span, odd-even ratio or big-small ratio.
std::string resultListing(const Controls& controls, const NumberList& results);

}  // namespace suoshui
