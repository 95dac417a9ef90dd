#pragma once

#include <string_view>

namespace suoshui {

// The texts the digit sequence box and the base list box start with, to show the player what
// to type there. The base list's hint has CR LF line ends, as every multi-line text here; it
// says what the reading does: any character that is not a digit separates numbers.
inline constexpr std::string_view kDigitSequenceHint = "格式如：0245689      ";
inline constexpr std::string_view kBaseListHint =
    "例如：  123  235  262  687\r\n也可以把号码直接粘贴在这里：每三个相连的数字是一注，"
    "空格、逗号、换行或其他文字都能把号码分开\r\n";

}  // namespace suoshui
