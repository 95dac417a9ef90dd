#include "features/FeatureText.h"

#include "engine/LotteryNumber.h"
#include "features/ClassFeatures.h"
#include "features/ConsecutiveFeatures.h"
#include "features/GroupThreeFeatures.h"
#include "features/HighLowShape.h"
#include "features/SumFeatures.h"

namespace suoshui {

namespace {

std::string pairText(int (*feature)(std::string_view, PairSelector), std::string_view candidate,
                     PairSelector pair) {
    return decimalText(feature(candidate, pair));
}

std::string digitFeatureText(Feature feature, std::string_view candidate) {
    switch (feature) {
        case Feature::Hundreds:
            return decimalText(hundredsDigit(candidate));
        case Feature::Tens:
            return decimalText(tensDigit(candidate));
        case Feature::Units:
            return decimalText(unitsDigit(candidate));
        case Feature::SumTail:
            return decimalText(sumTail(candidate));
        case Feature::Span:
            return decimalText(span(candidate));
        case Feature::DigitSum:
            return decimalText(digitSum(candidate));
        case Feature::Spread:
            return decimalText(spread(candidate));
        default:
            return std::string(candidate);
    }
}

std::string classFeatureText(Feature feature, std::string_view candidate) {
    switch (feature) {
        case Feature::Mod3Pattern:
            return mod3Pattern(candidate);
        case Feature::Mod3Ratio:
            return mod3Ratio(candidate);
        case Feature::Size3Pattern:
            return size3Pattern(candidate);
        case Feature::Size3Ratio:
            return size3Ratio(candidate);
        case Feature::ParityPattern:
            return parityPattern(candidate);
        case Feature::SizePattern:
            return sizePattern(candidate);
        case Feature::PrimePattern:
            return primePattern(candidate);
        case Feature::ParityRatio:
            return parityRatio(candidate);
        case Feature::SizeRatio:
            return sizeRatio(candidate);
        case Feature::PrimeRatio:
            return primeRatio(candidate);
        default:
            return digitFeatureText(feature, candidate);
    }
}

std::string shapeFeatureText(Feature feature, std::string_view candidate) {
    switch (feature) {
        case Feature::ConsecutiveKind:
            return consecutiveKind(candidate);
        case Feature::ConsecutivePosition:
            return consecutivePosition(candidate);
        case Feature::ConsecutiveParity:
            return consecutiveParity(candidate);
        case Feature::ConsecutiveHighLow:
            return consecutiveHighLow(candidate);
        case Feature::HighLowShape:
            return highLowShape(candidate);
        case Feature::PairDigitTwice:
            return pairDigit(candidate) + pairDigit(candidate);
        case Feature::SingleDigit:
            return singleDigit(candidate);
        case Feature::GroupThreeTrait:
            return groupThreeTrait(candidate);
        default:
            return classFeatureText(feature, candidate);
    }
}

}  // namespace

std::string featureText(Feature feature, std::string_view candidate) {
    switch (feature) {
        case Feature::PairSumTailHundredsTens:
            return pairText(pairSumTail, candidate, PairSelector::HundredsTens);
        case Feature::PairSumTailTensUnits:
            return pairText(pairSumTail, candidate, PairSelector::TensUnits);
        case Feature::PairSumTailHundredsUnits:
            return pairText(pairSumTail, candidate, PairSelector::HundredsUnits);
        case Feature::PairDifferenceHundredsTens:
            return pairText(pairDifference, candidate, PairSelector::HundredsTens);
        case Feature::PairDifferenceTensUnits:
            return pairText(pairDifference, candidate, PairSelector::TensUnits);
        case Feature::PairDifferenceHundredsUnits:
            return pairText(pairDifference, candidate, PairSelector::HundredsUnits);
        case Feature::PairSumHundredsTens:
            return pairText(pairSum, candidate, PairSelector::HundredsTens);
        case Feature::PairSumTensUnits:
            return pairText(pairSum, candidate, PairSelector::TensUnits);
        case Feature::PairSumHundredsUnits:
            return pairText(pairSum, candidate, PairSelector::HundredsUnits);
        default:
            return shapeFeatureText(feature, candidate);
    }
}

}  // namespace suoshui
