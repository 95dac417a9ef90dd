#include "features/ClassFeatures.h"

#include <array>

#include "engine/LotteryNumber.h"

namespace suoshui {

namespace {

using Classifier = std::string_view (*)(int);

std::array<int, 3> digitsOf(std::string_view number) {
    return {hundredsDigit(number), tensDigit(number), unitsDigit(number)};
}

// A count of digits, 0 to 3, as its one decimal character.
char countChar(int count) {
    return static_cast<char>('0' + count);
}

std::string patternOf(std::string_view number, Classifier classify) {
    std::string pattern;
    pattern.reserve(9);  // three letters of up to three bytes each
    for (int digit : digitsOf(number))
        pattern += classify(digit);
    return pattern;
}

std::string twoWayRatio(std::string_view number, Classifier classify, std::string_view first) {
    int count = 0;
    for (int digit : digitsOf(number)) {
        if (classify(digit) == first)
            ++count;
    }
    return {countChar(count), ':', countChar(3 - count)};
}

// `bandOf` maps a digit to its counter, 0 to 2, in the order the ratio is written.
std::string threeWayRatio(std::string_view number, int (*bandOf)(int)) {
    std::array<int, 3> counts{};
    for (int digit : digitsOf(number))
        ++counts[static_cast<std::size_t>(bandOf(digit))];
    return {countChar(counts[0]), ':', countChar(counts[1]), ':', countChar(counts[2])};
}

int size3Band(int digit) {
    if (digit >= 7)
        return 0;
    return digit >= 3 ? 1 : 2;
}

int mod3Band(int digit) {
    return digit % 3;
}

}  // namespace

std::string_view parityClass(int digit) {
    return digit % 2 == 0 ? "偶" : "奇";
}

std::string_view sizeClass(int digit) {
    return digit >= 5 ? "大" : "小";
}

std::string_view size3Class(int digit) {
    static constexpr std::string_view kBands[] = {"大", "中", "小"};
    return kBands[size3Band(digit)];
}

std::string_view primeClass(int digit) {
    const bool prime = digit == 1 || digit == 2 || digit == 3 || digit == 5 || digit == 7;
    return prime ? "质" : "合";
}

std::string_view mod3Class(int digit) {
    static constexpr std::string_view kRemainders[] = {"0", "1", "2"};
    return kRemainders[mod3Band(digit)];
}

std::string parityPattern(std::string_view number) {
    return patternOf(number, parityClass);
}
std::string sizePattern(std::string_view number) {
    return patternOf(number, sizeClass);
}
std::string primePattern(std::string_view number) {
    return patternOf(number, primeClass);
}
std::string size3Pattern(std::string_view number) {
    return patternOf(number, size3Class);
}
std::string mod3Pattern(std::string_view number) {
    return patternOf(number, mod3Class);
}

std::string parityRatio(std::string_view number) {
    return twoWayRatio(number, parityClass, "奇");
}
std::string sizeRatio(std::string_view number) {
    return twoWayRatio(number, sizeClass, "大");
}
std::string primeRatio(std::string_view number) {
    return twoWayRatio(number, primeClass, "质");
}
std::string mod3Ratio(std::string_view number) {
    return threeWayRatio(number, mod3Band);
}
std::string size3Ratio(std::string_view number) {
    return threeWayRatio(number, size3Band);
}

}  // namespace suoshui
