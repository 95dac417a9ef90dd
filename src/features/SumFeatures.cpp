#include "features/SumFeatures.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "engine/LotteryNumber.h"

namespace suoshui {

namespace {

std::array<int, 3> sortedDigits(std::string_view number) {
    std::array<int, 3> digits{hundredsDigit(number), tensDigit(number), unitsDigit(number)};
    std::sort(digits.begin(), digits.end());
    return digits;
}

std::array<int, 2> pairDigits(std::string_view number, PairSelector pair) {
    switch (pair) {
        case PairSelector::TensUnits:
            return {tensDigit(number), unitsDigit(number)};
        case PairSelector::HundredsUnits:
            return {hundredsDigit(number), unitsDigit(number)};
        case PairSelector::HundredsTens:
            break;
    }
    return {hundredsDigit(number), tensDigit(number)};
}

}  // namespace

int digitSum(std::string_view number) {
    return hundredsDigit(number) + tensDigit(number) + unitsDigit(number);
}

// The last decimal digit of a non-negative sum is its remainder by ten.
int sumTail(std::string_view number) {
    return digitSum(number) % 10;
}

int span(std::string_view number) {
    const auto digits = sortedDigits(number);
    return digits[2] - digits[0];
}

int spread(std::string_view number) {
    const auto digits = sortedDigits(number);
    return digits[1] - digits[0];
}

int pairSumTail(std::string_view number, PairSelector pair) {
    return pairSum(number, pair) % 10;
}

int pairDifference(std::string_view number, PairSelector pair) {
    const auto digits = pairDigits(number, pair);
    return std::abs(digits[0] - digits[1]);
}

int pairSum(std::string_view number, PairSelector pair) {
    const auto digits = pairDigits(number, pair);
    return digits[0] + digits[1];
}

std::string decimalText(int value) {
    return std::to_string(value);
}

}  // namespace suoshui
