#pragma once

#include <string>
#include <string_view>

namespace suoshui {

// The three pairs of positions, numbered in the order the "任意" tests try them.
enum class PairSelector {
    TensUnits = 1,      // "十个"
    HundredsUnits = 2,  // "百个"
    HundredsTens = 3,   // "百十"
};

inline constexpr PairSelector kPairsInTryOrder[] = {
    PairSelector::TensUnits, PairSelector::HundredsUnits, PairSelector::HundredsTens};

// Arithmetic features of a number; a non-digit character counts as 0.
int digitSum(std::string_view number);
int sumTail(std::string_view number);
int span(std::string_view number);    // largest digit minus the smallest
int spread(std::string_view number);  // middle digit minus the smallest
int pairSumTail(std::string_view number, PairSelector pair);
int pairDifference(std::string_view number, PairSelector pair);
int pairSum(std::string_view number, PairSelector pair);

// A feature value as it is compared with captions: plain decimal, no sign or leading zero.
std::string decimalText(int value);

}  // namespace suoshui
