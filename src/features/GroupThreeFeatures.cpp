#include "features/GroupThreeFeatures.h"

#include <algorithm>
#include <array>

#include "engine/LotteryNumber.h"

namespace suoshui {

namespace {

std::array<char, 3> sortedDigitChars(std::string_view number) {
    std::array<char, 3> digits{static_cast<char>('0' + hundredsDigit(number)),
                               static_cast<char>('0' + tensDigit(number)),
                               static_cast<char>('0' + unitsDigit(number))};
    std::sort(digits.begin(), digits.end());
    return digits;
}

}  // namespace

// In sorted order the repeated digit of a "组三" number is always the middle one.
std::string pairDigit(std::string_view number) {
    if (groupKind(number) != GroupKind::GroupThree)
        return "0";
    return std::string(1, sortedDigitChars(number)[1]);
}

std::string singleDigit(std::string_view number) {
    if (groupKind(number) != GroupKind::GroupThree)
        return "0";
    const auto g = sortedDigitChars(number);
    return std::string(1, g[0] != g[1] ? g[0] : g[2]);
}

std::string groupThreeTrait(std::string_view number) {
    if (groupKind(number) != GroupKind::GroupThree)
        return {};
    return pairDigit(number) < singleDigit(number) ? "单号大" : "复号大";
}

}  // namespace suoshui
