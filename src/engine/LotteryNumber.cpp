#include "engine/LotteryNumber.h"

#include <algorithm>
#include <array>
#include <limits>

namespace suoshui {

namespace {

int digitAt(std::string_view number, std::size_t index) {
    return index < number.size() ? digitValue(number[index]) : 0;
}

}  // namespace

int digitValue(char c) {
    return isAsciiDigit(c) ? c - '0' : 0;
}

int hundredsDigit(std::string_view number) {
    return digitAt(number, 0);
}
int tensDigit(std::string_view number) {
    return digitAt(number, 1);
}
int unitsDigit(std::string_view number) {
    return digitAt(number, 2);
}

int numberValue(std::string_view number) {
    return hundredsDigit(number) * 100 + tensDigit(number) * 10 + unitsDigit(number);
}

std::string numberText(int value) {
    return {static_cast<char>('0' + value / 100 % 10), static_cast<char>('0' + value / 10 % 10),
            static_cast<char>('0' + value % 10)};
}

bool isDigitText(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isAsciiDigit);
}

bool isNumberText(std::string_view text) {
    return text.size() == 3 && isDigitText(text);
}

GroupKind groupKind(std::string_view number) {
    const int h = hundredsDigit(number);
    const int t = tensDigit(number);
    const int u = unitsDigit(number);
    if (h == t && t == u)
        return GroupKind::Triple;
    if (h == t || t == u || h == u)
        return GroupKind::GroupThree;
    return GroupKind::GroupSix;
}

std::string_view groupKindText(GroupKind kind) {
    switch (kind) {
        case GroupKind::Triple:
            return "豹子";
        case GroupKind::GroupThree:
            return "组三";
        case GroupKind::GroupSix:
            return "组六";
    }
    return "组六";
}

std::string groupForm(std::string_view number) {
    std::string form(number.substr(0, 3));
    std::sort(form.begin(), form.end());
    return form;
}

int groupFormValue(int value) {
    int digits[] = {value / 100, value / 10 % 10, value % 10};
    std::sort(std::begin(digits), std::end(digits));
    return digits[0] * 100 + digits[1] * 10 + digits[2];
}

std::string withAsciiDigits(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const int digit = fullWidthDigitAt(text, at);
        ascii.push_back(digit >= 0 ? static_cast<char>('0' + digit) : text[at]);
        if (digit >= 0)
            at += kFullWidthDigitBytes - 1;
    }
    return ascii;
}

std::string normaliseDigitText(std::string_view text) {
    std::array<bool, 10> present{};
    visitDigits(text, [&present](int digit) {
        if (digit >= 0)
            present[static_cast<std::size_t>(digit)] = true;
    });
    std::string digits;
    for (int d = 0; d < 10; ++d) {
        if (present[static_cast<std::size_t>(d)])
            digits.push_back(static_cast<char>('0' + d));
    }
    return digits;
}

long long leadingNumber(std::string_view text) {
    const std::string ascii = withAsciiDigits(text);
    std::size_t i = ascii.find_first_not_of(' ');
    if (i == std::string::npos)
        return 0;
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; i < ascii.size() && isAsciiDigit(ascii[i]); ++i) {
        const int digit = ascii[i] - '0';
        if (value > (kMax - digit) / 10)
            return kMax;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace suoshui
