#include "features/ConsecutiveFeatures.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

#include "engine/LotteryNumber.h"
#include "features/ClassFeatures.h"

namespace suoshui {

namespace {

bool adjacent(int a, int b) {
    const int distance = std::abs(a - b);
    return distance == 1 || distance == 9;
}

// The first adjacent pair of positions, left digit being the higher position.
struct AdjacentPair {
    std::string_view position;
    int left;
    int right;
};

std::optional<AdjacentPair> firstAdjacentPair(std::string_view number) {
    if (consecutiveKind(number) != "连号")
        return std::nullopt;
    const int h = hundredsDigit(number);
    const int t = tensDigit(number);
    const int u = unitsDigit(number);
    if (adjacent(h, t))
        return AdjacentPair{"百十", h, t};
    if (adjacent(h, u))
        return AdjacentPair{"百个", h, u};
    if (adjacent(t, u))
        return AdjacentPair{"十个", t, u};
    return std::nullopt;
}

}  // namespace

std::string consecutiveKind(std::string_view number) {
    std::array<int, 3> s{hundredsDigit(number), tensDigit(number), unitsDigit(number)};
    std::sort(s.begin(), s.end());
    const int lowMiddle = std::abs(s[0] - s[1]);
    const int middleHigh = std::abs(s[2] - s[1]);
    const int lowHigh = std::abs(s[0] - s[2]);
    const bool zeroEightNine = s[0] == 0 && s[1] == 8 && s[2] == 9;
    if (zeroEightNine || (lowMiddle == 1 && middleHigh == 1) || (lowMiddle == 1 && lowHigh == 9))
        return "三连";
    if (lowMiddle == 1 || lowHigh == 1 || middleHigh == 1 || lowHigh == 9 || middleHigh == 9)
        return "连号";
    return "无连";
}

std::string consecutivePosition(std::string_view number) {
    const auto pair = firstAdjacentPair(number);
    return pair ? std::string(pair->position) : std::string(kNoConsecutivePair);
}

std::string consecutiveParity(std::string_view number) {
    const auto pair = firstAdjacentPair(number);
    if (!pair)
        return std::string(kNoConsecutivePair);
    return std::string(parityClass(pair->left)) + std::string(parityClass(pair->right));
}

std::string consecutiveHighLow(std::string_view number) {
    const auto pair = firstAdjacentPair(number);
    if (!pair)
        return std::string(kNoConsecutivePair);
    return pair->left > pair->right ? "高低" : "低高";
}

}  // namespace suoshui
