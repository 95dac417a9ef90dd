#include "features/ExtraStageTests.h"

#include <array>
#include <string>

#include "engine/LotteryNumber.h"
#include "features/HighLowShape.h"

namespace suoshui {

namespace {

// Passes with nothing ticked in first..last, or when `accepts` takes a ticked caption.
template <typename Accepts>
bool anyTickedAccepted(const TagTable& tags, int first, int last, Accepts accepts) {
    bool anyTicked = false;
    for (int tag = first; tag <= last; ++tag) {
        if (!tags.ticked(tag))
            continue;
        if (accepts(tags.caption(tag)))
            return true;
        anyTicked = true;
    }
    return !anyTicked;
}

bool anyTicked(const TagTable& tags, TagSpan span) {
    for (int tag = span.first; tag <= span.last; ++tag) {
        if (tags.ticked(tag))
            return true;
    }
    return false;
}

bool groupSelection(const Controls& controls) {
    return controls.isChecked(Radio::Group) || controls.isChecked(Radio::GroupSix) ||
           controls.isChecked(Radio::GroupThree);
}

}  // namespace

bool matchExtraGroup(Controls& controls, const TagTable& tags, int first, int last,
                     std::string_view value) {
    controls.processEvents();
    if (!controls.isChecked(Check::ExtraEnabled))
        return true;
    return anyTickedAccepted(tags, first, last,
                             [value](const std::string& caption) { return caption == value; });
}

bool testHighLowShape(Controls& controls, const TagTable& tags, TagSpan shapes,
                      std::string_view candidate) {
    if (!controls.isChecked(Check::ExtraEnabled))
        return true;
    if (!anyTicked(tags, shapes) || groupSelection(controls))
        return true;
    const int half = shapes.count() / 2;
    TagSpan ownShapes;
    switch (groupKind(candidate)) {
        case GroupKind::GroupSix:
            ownShapes = {shapes.first, shapes.first + half - 1};
            break;
        case GroupKind::GroupThree:
            ownShapes = {shapes.first + half, shapes.last};
            break;
        case GroupKind::Triple:
            return true;
    }
    const std::string shape = highLowShape(candidate);
    return anyTickedAccepted(tags, ownShapes.first, ownShapes.last,
                             [&shape](const std::string& caption) { return caption == shape; });
}

bool matchAnyPair(Controls& controls, const TagTable& tags, int first, int last,
                  std::string_view candidate, PairFeature feature) {
    controls.processEvents();
    if (!controls.isChecked(Check::ExtraEnabled))
        return true;
    std::array<std::string, 3> values;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = decimalText(feature(candidate, kPairsInTryOrder[i]));
    return anyTickedAccepted(tags, first, last, [&values](const std::string& caption) {
        return caption == values[0] || caption == values[1] || caption == values[2];
    });
}

}  // namespace suoshui
