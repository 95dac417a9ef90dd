#include "features/TickedCaptions.h"

namespace suoshui {

bool anyTicked(const BoxStates& boxes, TagSpan span) {
    for (int tag = span.first; tag <= span.last; ++tag) {
        if (boxes.ticked(tag))
            return true;
    }
    return false;
}

bool allTicked(const BoxStates& boxes, TagSpan span) {
    for (int tag = span.first; tag <= span.last; ++tag) {
        if (!boxes.ticked(tag))
            return false;
    }
    return true;
}

bool noneTickedOrEqual(const BoxStates& boxes, TagSpan span, std::string_view value) {
    return noneTickedOrAccepted(boxes, span,
                                [value](std::string_view caption) { return caption == value; });
}

}  // namespace suoshui
