#include "features/GroupThreeTests.h"

#include <string>

#include "engine/LotteryNumber.h"
#include "features/GroupThreeFeatures.h"

namespace suoshui {

namespace {

bool tickedCaptionEquals(const TagTable& tags, TagSpan row, std::string_view value) {
    for (int tag = row.first; tag <= row.last; ++tag) {
        if (tags.ticked(tag) && tags.caption(tag) == value)
            return true;
    }
    return false;
}

// Excluding, a ticked value rejects; including, only a ticked value passes.
bool testDigitRow(Controls& controls, const TagTable& tags, TagSpan row, std::string_view candidate,
                  Check include, std::string (*valueOf)(std::string_view)) {
    controls.processEvents();
    if (groupKind(candidate) == GroupKind::GroupSix)
        return true;
    const std::string value = valueOf(candidate);
    const bool found = tickedCaptionEquals(tags, row, value);
    return controls.isChecked(include) ? found : !found;
}

std::string pairDigitTwice(std::string_view candidate) {
    const std::string digit = pairDigit(candidate);
    return digit + digit;
}

}  // namespace

bool testPairDigitGroup(Controls& controls, const TagTable& tags, TagSpan row,
                        std::string_view candidate) {
    return testDigitRow(controls, tags, row, candidate, Check::IncludePairDigit, pairDigitTwice);
}

bool testSingleDigitGroup(Controls& controls, const TagTable& tags, TagSpan row,
                          std::string_view candidate) {
    return testDigitRow(controls, tags, row, candidate, Check::IncludeSingleDigit, singleDigit);
}

bool testGroupThreeTrait(const TagTable& tags, TagSpan traitBoxes, std::string_view candidate) {
    if (groupKind(candidate) != GroupKind::GroupThree)
        return true;
    const bool firstTicked = tags.ticked(traitBoxes.first);
    const bool lastTicked = tags.ticked(traitBoxes.last);
    if (firstTicked == lastTicked)
        return true;
    const int tickedTag = firstTicked ? traitBoxes.first : traitBoxes.last;
    return groupThreeTrait(candidate) == tags.caption(tickedTag);
}

}  // namespace suoshui
