#include "run/RunRules.h"

#include "engine/NumberType.h"
#include "lists/NumberText.h"

namespace suoshui {

FilterSettings withDigitBoxesNormalised(FilterSettings settings) {
    for (std::string* box : {&settings.digitSequence, &settings.banker, &settings.drag})
        *box = normaliseDigitText(*box);
    if (settings.isChecked(Check::ExcludeSets)) {
        for (std::string& set : settings.excludeSets)
            set = normaliseDigitText(set);
    }
    return settings;
}

NumberSet excludedSingles(const FilterSettings& settings) {
    if (!settings.isChecked(Check::ExcludeSets))
        return {};
    const NumberSet singles = numbersIn(settings.excludeSingles);
    return isGroupSelection(settings.numberType) ? groupFormsOf(singles) : singles;
}

}  // namespace suoshui
