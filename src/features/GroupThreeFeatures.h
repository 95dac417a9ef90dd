#pragma once

#include <string>
#include <string_view>

namespace suoshui {

// For a "组三" number: the repeated digit ("复号"), the digit that occurs once ("单号"), and
// which of them is larger. Other numbers give "0", "0" and the empty text.
std::string pairDigit(std::string_view number);
std::string singleDigit(std::string_view number);
std::string groupThreeTrait(std::string_view number);  // "单号大" / "复号大"

}  // namespace suoshui
