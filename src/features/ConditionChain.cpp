#include "features/ConditionChain.h"

#include "features/ExtraStageTests.h"
#include "features/FeatureText.h"
#include "features/GroupMatcher.h"
#include "features/GroupThreeTests.h"
#include "features/SumFeatures.h"

namespace suoshui {

namespace {

PairFeature anyPairFeature(Feature feature) {
    switch (feature) {
        case Feature::AnyPairDifference:
            return pairDifference;
        case Feature::AnyPairSum:
            return pairSum;
        default:
            return pairSumTail;
    }
}

}  // namespace

bool passesGroup(const FilterSettings& settings, const ConditionGroup& group,
                 std::string_view candidate) {
    switch (group.test) {
        case TestKind::General:
            return matchGroup(settings, group, featureText(group.feature, candidate));
        case TestKind::ExcludedDigits:
        case TestKind::BankerDigits:
        case TestKind::DigitPairs:
            // These rules look inside the number itself.
            return matchGroup(settings, group, candidate);
        case TestKind::PairDigitGroup:
        case TestKind::SingleDigitGroup:
            return testGroupThreeDigitRow(settings, group, candidate);
        case TestKind::GroupThreeTrait:
            return testGroupThreeTrait(settings.boxes, group.tags, candidate);
        case TestKind::ExtraGroup:
            return matchExtraGroup(settings, group.tags, featureText(group.feature, candidate));
        case TestKind::HighLowShape:
            return testHighLowShape(settings, group.tags, candidate);
        case TestKind::AnyPair:
            return matchAnyPair(settings, group.tags, candidate, anyPairFeature(group.feature));
        case TestKind::None:
            break;
    }
    return true;
}

}  // namespace suoshui
