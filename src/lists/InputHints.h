#pragma once

#include <string_view>

namespace suoshui {

// The texts the digit sequence box and the base list box start with, to show the player what
// to type there. The base list's hint has CR LF line ends, as every multi-line text here.
inline constexpr std::string_view kDigitSequenceHint = "格式如：0245689      ";
inline constexpr std::string_view kBaseListHint =
    "例如：  123  235  262  687  （只能用空格分开）\r\n也可以把号码直接粘贴在这里\r\n";

}  // namespace suoshui
