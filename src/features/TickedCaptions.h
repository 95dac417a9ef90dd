#pragma once

#include <string_view>

#include "features/FilterSettings.h"

namespace suoshui {

// The walks over a group's boxes that every condition test is made of.

// Whether any box of the span is ticked.
bool anyTicked(const BoxStates& boxes, TagSpan span);
// Whether every box of the span is ticked.
bool allTicked(const BoxStates& boxes, TagSpan span);

// Whether a ticked box's caption is accepted: `accepts(caption)` for the ticked boxes in tag
// order, stopping at the first that is.
template <typename Accepts>
bool anyTickedCaption(const BoxStates& boxes, TagSpan span, Accepts accepts) {
    for (int tag = span.first; tag <= span.last; ++tag) {
        if (boxes.ticked(tag) && accepts(boxes.caption(tag)))
            return true;
    }
    return false;
}

// The standard rule: passes with nothing ticked, or when a ticked caption is accepted.
template <typename Accepts>
bool noneTickedOrAccepted(const BoxStates& boxes, TagSpan span, Accepts accepts) {
    return !anyTicked(boxes, span) || anyTickedCaption(boxes, span, accepts);
}

// The standard rule with whole-text equality.
bool noneTickedOrEqual(const BoxStates& boxes, TagSpan span, std::string_view value);

}  // namespace suoshui
