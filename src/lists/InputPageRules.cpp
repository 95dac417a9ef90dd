#include "lists/InputPageRules.h"

namespace suoshui {

ShownPage pageOfMode(GenerationMode mode) {
    switch (mode) {
        case GenerationMode::DigitSet:
            return InputPage::DigitSequence;
        case GenerationMode::BankerDrag:
            return InputPage::BankerDrag;
        case GenerationMode::BaseList:
            return InputPage::BaseList;
        default:
            return std::nullopt;
    }
}

ShownPage pageAfterRandomCount(bool ticked) {
    return ticked ? ShownPage(InputPage::Count) : std::nullopt;
}

ShownPage pageAfterExcludeSets(bool ticked, GenerationMode mode) {
    return ticked ? ShownPage(InputPage::Exclusion) : pageOfMode(mode);
}

bool modeMatchesPositionRows(GenerationMode mode) {
    return mode == GenerationMode::DigitSet || mode == GenerationMode::BankerDrag;
}

bool modeDisablesBankerAndWaste(GenerationMode mode) {
    return mode == GenerationMode::BankerDrag;
}

}  // namespace suoshui
