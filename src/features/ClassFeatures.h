#pragma once

#include <string>
#include <string_view>

namespace suoshui {

// One-letter class texts of a digit value 0-9.
std::string_view parityClass(int digit);  // "奇" / "偶"
std::string_view sizeClass(int digit);    // "大" (5-9) / "小"
std::string_view size3Class(int digit);   // "小" (0-2) / "中" (3-6) / "大" (7-9)
std::string_view primeClass(int digit);   // "质" (1, 2, 3, 5, 7) / "合"
std::string_view mod3Class(int digit);    // "0" / "1" / "2"

// Class letters of hundreds, tens and units, in this order ("奇偶奇").
std::string parityPattern(std::string_view number);
std::string sizePattern(std::string_view number);
std::string primePattern(std::string_view number);
std::string size3Pattern(std::string_view number);
std::string mod3Pattern(std::string_view number);

// Counts per class joined by ":" ("2:1", "1:0:2").
std::string parityRatio(std::string_view number);  // odd : even
std::string sizeRatio(std::string_view number);    // big : small
std::string primeRatio(std::string_view number);   // prime : composite
std::string mod3Ratio(std::string_view number);    // remainder 0 : 1 : 2
std::string size3Ratio(std::string_view number);   // big : middle : small

}  // namespace suoshui
