#pragma once

#include <string_view>

#include "history/LineReading.h"

namespace suoshui {

// A line of a history without a table header, in one of the forms players keep and paste:
//   "2026232 658", "26232 658", "2026232,2026-08-30,658", "2026232期 6 5 8",
//   "第2026232期 开奖号码：6 5 8", "658".
// A date ("2026-08-30", "2026年8月30日") and a time of day may stand anywhere; an issue is
// marked by "第"/"期" or is a first run of five to twelve digits; what remains must be the
// three digits of the draw. A line without digits holds nothing; any other line (two numbers,
// four digits, an issue of three digits) is unreadable.
LineReading readPlainLine(std::string_view line);

}  // namespace suoshui
