#pragma once

#include <random>
#include <string>

#include "features/ConditionTable.h"
#include "features/FilterSettings.h"

namespace suoshui::testing {

// Settings a player could leave in the window, drawn at random: any number type and mode with
// inputs of its own (digits with separators, a base list), exclusions with and without "排 除",
// a few boxes ticked in some groups of both stages, and the include options either way.
class RandomSettings {
  public:
    explicit RandomSettings(unsigned seed) : generator_(seed) {}

    FilterSettings next() {
        FilterSettings settings;
        settings.numberType = static_cast<NumberType>(below(6));
        settings.mode = static_cast<GenerationMode>(below(4));
        settings.digitSequence = digitsWithBlanks(below(8));
        settings.banker = digitsWithBlanks(below(3));
        settings.drag = digitsWithBlanks(below(6));
        settings.bankerPosition = below(4);
        settings.baseList = baseList();
        for (std::string& set : settings.excludeSets)
            set = digitsWithBlanks(below(7));
        settings.excludeSingles = baseList();
        for (Check check :
             {Check::ExcludeSets, Check::ExtraEnabled, Check::Intersect, Check::GroupToDirect})
            settings.setChecked(check, below(2) == 1);
        // With no box ticked, a "包含" box rejects whole kinds of numbers: ticked now and then.
        for (Check check :
             {Check::IncludePairs, Check::IncludePairDigit, Check::IncludeSingleDigit})
            settings.setChecked(check, below(6) == 0);
        tickSomeBoxes(settings);
        // "容错" now and then, over a range that reaches past the groups with a tick.
        if (below(4) == 0) {
            const int fewest = below(3);
            settings.tolerance = {true, fewest, fewest + below(4)};
        }
        return settings;
    }

  private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(generator_); }

    std::string digitsWithBlanks(int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += std::string(1, static_cast<char>('0' + below(10))) + (below(3) == 0 ? " " : "");
        return text;
    }

    std::string baseList() {
        std::string text;
        const int count = below(4) == 0 ? 0 : below(120);
        for (int i = 0; i < count; ++i)
            text += std::to_string(100 + below(900)) + (below(5) == 0 ? "\r\n" : " ");
        return text;
    }

    // Now and then a tested group has boxes ticked, about half of them, so that some numbers
    // pass most settings.
    void tickSomeBoxes(FilterSettings& settings) {
        for (const ConditionGroup* group : testedGroups()) {
            if (below(8) != 0)
                continue;
            const int ticks = 1 + group->tags.count() / 2 + below(group->tags.count());
            for (int i = 0; i < ticks; ++i)
                settings.boxes.setTicked(group->tags.first + below(group->tags.count()));
        }
    }

    std::mt19937 generator_;
};

}  // namespace suoshui::testing
