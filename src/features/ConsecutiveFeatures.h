#pragma once

#include <string>
#include <string_view>

namespace suoshui {

// The value of the positional consecutive features for a number that is not "连号".
inline constexpr std::string_view kNoConsecutivePair = "lll";

// "无连", "连号" or "三连"; 9 and 0 count as neighbours.
std::string consecutiveKind(std::string_view number);

// Where the first adjacent pair sits and how it looks; "lll" unless the number is "连号".
std::string consecutivePosition(std::string_view number);  // "百十", "百个", "十个"
std::string consecutiveParity(std::string_view number);    // "奇偶", "偶奇"
std::string consecutiveHighLow(std::string_view number);   // "高低", "低高"

}  // namespace suoshui
