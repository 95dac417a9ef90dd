#pragma once

#include <string>
#include <string_view>

#include "engine/NumberSet.h"

namespace suoshui {

// Turns any text into number text: every three consecutive ASCII digits (cut from the left end
// of each digit run) is a number, each followed by one blank. Without `intersect` every number
// is kept once, in order of first occurrence; with it only numbers that occur at least twice.
// With `groupToDirect` each set of digits is then replaced, once, by its direct numbers.
std::string normaliseNumberText(std::string_view text, bool intersect, bool groupToDirect);

// Every number that occurs anywhere in the text as three consecutive ASCII digits, overlapping
// ones included: "1234" holds 123 and 234. The "单式排除" box excludes these.
NumberSet numbersAnywhereIn(std::string_view text);

// All direct numbers with the digits of a number: "555" gives "555" (no blank), "122" gives
// "212 221 122 ", "231" gives "123 132 213 231 312 321 ".
std::string expandGroupToDirect(std::string_view number);

}  // namespace suoshui
