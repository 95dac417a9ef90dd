#include "features/ConditionChain.h"

#include "engine/GroupMatcher.h"
#include "features/ExtraStageTests.h"
#include "features/FeatureText.h"
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

bool passesStage(Controls& controls, const TagTable& tags, Stage stage,
                 std::string_view candidate) {
    for (const ConditionGroupDef* group : stageGroups(stage)) {
        if (!passesGroup(controls, tags, *group, candidate))
            return false;
    }
    return true;
}

}  // namespace

bool passesGroup(Controls& controls, const TagTable& tags, const ConditionGroupDef& group,
                 std::string_view candidate) {
    const TagSpan span = group.tags;
    switch (group.test) {
        case Test::MatchGroup:
            // The digit and pair rules look inside the number itself: no copy needed.
            if (group.feature == Feature::Candidate)
                return matchGroup(controls, tags, span.first, span.last, candidate);
            return matchGroup(controls, tags, span.first, span.last,
                              featureText(group.feature, candidate));
        case Test::PairDigitGroup:
            return testPairDigitGroup(controls, tags, span, candidate);
        case Test::SingleDigitGroup:
            return testSingleDigitGroup(controls, tags, span, candidate);
        case Test::GroupThreeTrait:
            return testGroupThreeTrait(tags, span, candidate);
        case Test::ExtraGroup:
            return matchExtraGroup(controls, tags, span.first, span.last,
                                   featureText(group.feature, candidate));
        case Test::HighLowShape:
            return testHighLowShape(controls, tags, span, candidate);
        case Test::AnyPair:
            return matchAnyPair(controls, tags, span.first, span.last, candidate,
                                anyPairFeature(group.feature));
        case Test::None:
            break;
    }
    return true;
}

bool passesBasicStage(Controls& controls, const TagTable& tags, std::string_view candidate) {
    return passesStage(controls, tags, Stage::Basic, candidate);
}

bool passesExtraStage(Controls& controls, const TagTable& tags, std::string_view candidate) {
    return passesStage(controls, tags, Stage::Extra, candidate);
}

}  // namespace suoshui
