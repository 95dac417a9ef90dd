#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace suoshui {

// An ordered list of number texts (candidates or results).
using NumberList = std::vector<std::string>;

// There are a thousand numbers, 000 to 999; tables indexed by a number's value have this size.
inline constexpr int kNumberCount = 1000;

// Digit value of one character: '0'-'9' give their digit, every other byte gives 0.
int digitValue(char c);

// Digit values of the hundreds, tens and units characters; a missing character gives 0.
int hundredsDigit(std::string_view number);
int tensDigit(std::string_view number);
int unitsDigit(std::string_view number);

// The value 0-999 of a number text, from its first three characters read as digit values.
int numberValue(std::string_view number);

// The three-digit text of a value 0-999 ("027").
std::string numberText(int value);

// Exactly three ASCII digits.
bool isNumberText(std::string_view text);

enum class GroupKind { Triple, GroupThree, GroupSix };

// "豹子" for three equal digits, "组三" for exactly two equal, "组六" for all different.
GroupKind groupKind(std::string_view number);
std::string_view groupKindText(GroupKind kind);

// The three characters sorted ascending: the form in which group results are listed.
std::string groupForm(std::string_view number);

// The distinct digit values of every byte of the text, ascending; non-digits count as 0.
std::string normaliseDigitText(std::string_view text);

// The leading decimal number of a text (after leading blanks), 0 if there is none.
// Saturates instead of overflowing.
long long leadingNumber(std::string_view text);

}  // namespace suoshui
