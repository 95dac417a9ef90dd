#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace suoshui {

// An ordered list of number texts (candidates or results).
using NumberList = std::vector<std::string>;

// There are a thousand numbers, 000 to 999; tables indexed by a number's value have this size.
inline constexpr int kNumberCount = 1000;

// '0' to '9'.
constexpr bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

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

// One or more ASCII digits and nothing else.
bool isDigitText(std::string_view text);

// Exactly three ASCII digits.
bool isNumberText(std::string_view text);

enum class GroupKind { Triple, GroupThree, GroupSix };

// "豹子" for three equal digits, "组三" for exactly two equal, "组六" for all different.
GroupKind groupKind(std::string_view number);
std::string_view groupKindText(GroupKind kind);

// The three characters sorted ascending: the form in which group results are listed.
std::string groupForm(std::string_view number);
// The value of the group form of the number with the value 0-999.
int groupFormValue(int value);

// A full-width digit is U+FF10 to U+FF19: EF BC 90 to EF BC 99 in UTF-8.
inline constexpr std::size_t kFullWidthDigitBytes = 3;

// The value of the full-width digit that starts at `at`, or -1.
inline int fullWidthDigitAt(std::string_view text, std::size_t at) {
    const bool fullWidth = at + 2 < text.size() && text[at] == '\xEF' && text[at + 1] == '\xBC' &&
                           text[at + 2] >= '\x90' && text[at + 2] <= '\x99';
    return fullWidth ? text[at + 2] - '\x90' : -1;
}

// Walks a text as the player typed it: `visit(d)` with the digit's value for every digit, ASCII or
// full-width ("０" to "９", as Chinese input types them in full-width mode), and `visit(-1)` for
// every other byte, so that anything else separates numbers.
template <typename Visit>
void visitDigits(std::string_view text, Visit visit) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (isAsciiDigit(text[at])) {
            visit(text[at] - '0');
        } else if (const int digit = fullWidthDigitAt(text, at); digit >= 0) {
            visit(digit);
            at += kFullWidthDigitBytes - 1;
        } else {
            visit(-1);
        }
    }
}

// The text with its full-width digits written as ASCII digits; everything else stays.
std::string withAsciiDigits(std::string_view text);

// The distinct digits of the text, ascending; every other character is ignored, so "1 3",
// "1,3", "1，3" and "１３" all give "13".
std::string normaliseDigitText(std::string_view text);

// The leading decimal number of a text (after leading blanks), 0 if there is none; full-width
// digits count. Saturates instead of overflowing.
long long leadingNumber(std::string_view text);

}  // namespace suoshui
