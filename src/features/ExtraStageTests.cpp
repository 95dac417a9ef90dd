#include "features/ExtraStageTests.h"

#include <array>
#include <string>

#include "engine/LotteryNumber.h"
#include "features/HighLowShape.h"
#include "features/TickedCaptions.h"

namespace suoshui {

namespace {

bool extraEnabled(const FilterSettings& settings) {
    return settings.isChecked(Check::ExtraEnabled);
}

}  // namespace

bool matchExtraGroup(const FilterSettings& settings, TagSpan span, std::string_view value) {
    return !extraEnabled(settings) || noneTickedOrEqual(settings.boxes, span, value);
}

bool testHighLowShape(const FilterSettings& settings, TagSpan shapes, std::string_view candidate) {
    if (!extraEnabled(settings) || !anyTicked(settings.boxes, shapes) ||
        isGroupSelection(settings.numberType))
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
    return noneTickedOrEqual(settings.boxes, ownShapes, highLowShape(candidate));
}

bool matchAnyPair(const FilterSettings& settings, TagSpan span, std::string_view candidate,
                  PairFeature feature) {
    if (!extraEnabled(settings))
        return true;
    std::array<std::string, 3> values;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = decimalText(feature(candidate, kPairsInTryOrder[i]));
    return noneTickedOrAccepted(settings.boxes, span, [&values](std::string_view caption) {
        return caption == values[0] || caption == values[1] || caption == values[2];
    });
}

}  // namespace suoshui
