#pragma once

#include <string>
#include <string_view>

namespace suoshui {

// Digit value of one character: '0'-'9' give their digit, every other byte gives 0.
int digitValue(char c);

// Digit values of the hundreds, tens and units characters; a missing character gives 0.
int hundredsDigit(std::string_view number);
int tensDigit(std::string_view number);
int unitsDigit(std::string_view number);

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
