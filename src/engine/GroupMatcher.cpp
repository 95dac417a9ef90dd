#include "engine/GroupMatcher.h"

namespace suoshui {

namespace {

bool contains(std::string_view value, std::string_view part) {
    return value.find(part) != std::string_view::npos;
}

// A pair caption matches when both its first and its last character occur anywhere in the
// number, in any order.
bool containsBothEnds(std::string_view value, std::string_view caption) {
    if (caption.empty())
        return false;
    return value.find(caption.front()) != std::string_view::npos &&
           value.find(caption.back()) != std::string_view::npos;
}

bool matchExcludedDigits(const TagTable& tags, int first, int last, std::string_view value) {
    for (int tag = first; tag <= last; ++tag) {
        if (tags.ticked(tag) && contains(value, tags.caption(tag)))
            return false;
    }
    return true;
}

bool excludePairs(const TagTable& tags, int first, int last, std::string_view value) {
    for (int tag = first; tag <= last; ++tag) {
        if (tags.ticked(tag) && containsBothEnds(value, tags.caption(tag)))
            return false;
    }
    return true;
}

// Passes on a ticked pair in the number, and also when every box is ticked.
bool includePairs(const TagTable& tags, int first, int last, std::string_view value) {
    bool allTicked = true;
    for (int tag = first; tag <= last; ++tag) {
        if (!tags.ticked(tag)) {
            allTicked = false;
            continue;
        }
        if (containsBothEnds(value, tags.caption(tag)))
            return true;
    }
    return allTicked;
}

bool matchDigitPairs(Controls& controls, const TagTable& tags, int first, int last,
                     std::string_view value) {
    const bool include = controls.isChecked(Check::IncludePairs);
    const ValueBoxView* selectAll = controls.findTag(kDigitPairsSelectAllTag);
    if (selectAll == nullptr)
        throw TagNotFound(kDigitPairsSelectAllTag);
    if (selectAll->ticked())
        return include;
    return include ? includePairs(tags, first, last, value)
                   : excludePairs(tags, first, last, value);
}

// Passes with nothing ticked, or when a ticked digit occurs in the number.
bool matchBankerDigits(Controls& controls, const TagTable& tags, int first, int last,
                       std::string_view value) {
    if (controls.isChecked(Radio::BankerDrag))
        return true;
    bool anyTicked = false;
    for (int tag = first; tag <= last; ++tag) {
        if (!tags.ticked(tag))
            continue;
        if (contains(value, tags.caption(tag)))
            return true;
        anyTicked = true;
    }
    return !anyTicked;
}

// Passes with nothing ticked, or when a ticked caption equals the value.
bool matchGeneral(const TagTable& tags, int first, int last, std::string_view value) {
    bool anyTicked = false;
    for (int tag = first; tag <= last; ++tag) {
        if (!tags.ticked(tag))
            continue;
        if (tags.caption(tag) == value)
            return true;
        anyTicked = true;
    }
    return !anyTicked;
}

}  // namespace

bool matchGroup(Controls& controls, const TagTable& tags, int first, int last,
                std::string_view value) {
    controls.processEvents();
    switch (first) {
        case kExcludedDigitsFirst:
            return matchExcludedDigits(tags, first, last, value);
        case kDigitPairsFirst:
            return matchDigitPairs(controls, tags, first, last, value);
        case kBankerDigitsFirst:
            return matchBankerDigits(controls, tags, first, last, value);
        default:
            return matchGeneral(tags, first, last, value);
    }
}

}  // namespace suoshui
