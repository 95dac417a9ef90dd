#include "lists/InputPageRules.h"

namespace suoshui {

ShownPage pageOfMode(Radio mode) {
    switch (mode) {
        case Radio::DigitSet:
            return InputPage::DigitSequence;
        case Radio::BankerDrag:
            return InputPage::BankerDrag;
        case Radio::BaseList:
            return InputPage::BaseList;
        default:
            return std::nullopt;
    }
}

ShownPage pageAfterRandomCount(bool ticked) {
    return ticked ? ShownPage(InputPage::Count) : std::nullopt;
}

ShownPage pageAfterExcludeSets(bool ticked, Radio mode) {
    return ticked ? ShownPage(InputPage::Exclusion) : pageOfMode(mode);
}

bool modeMatchesPositionRows(Radio mode) {
    return mode == Radio::DigitSet || mode == Radio::BankerDrag;
}

bool modeDisablesBankerAndWaste(Radio mode) {
    return mode == Radio::BankerDrag;
}

}  // namespace suoshui
