#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/Controls.h"
#include "engine/Session.h"

namespace suoshui {

// The group forms already listed by this run, so that each group is listed once.
class SeenGroups {
  public:
    void add(std::string_view number);
    bool contains(std::string_view number) const;

  private:
    std::array<bool, 1000> seen_{};
};

// The texts of the exclusion page, read once at the start of the walk over the candidates.
struct ExclusionTexts {
    std::array<std::string, 4> sets;  // "复式排除", in reading order
    std::string singles;              // "单式排除"

    static ExclusionTexts read(const Controls& controls);
};

// Every three-digit number that occurs somewhere in a text as three consecutive digits:
// the "单式排除" box excludes a result when the box text contains it.
class SinglesFilter {
  public:
    explicit SinglesFilter(std::string_view text);
    bool excludes(std::string_view number) const;

  private:
    std::array<bool, 1000> present_{};
};

// Whether the number type drops the candidate before any condition is tested.
bool skipByNumberType(const Controls& controls, std::string_view candidate, const SeenGroups& seen);

// True when each of the number's three digit characters occurs in the digit text.
bool coversNumber(std::string_view digits, std::string_view number);

// Whether the candidate survives the "复式排除" digit sets.
bool excludeBySets(const Controls& controls, const ExclusionTexts& exclusions,
                   std::string_view candidate);

// The handler of "选号结果": generates the candidates, walks them through the number type,
// the exclusion sets and the condition chain, thins the result at random when asked, and
// writes the report. A call while a run is in progress returns at once.
void runFilter(Controls& controls, Session& session);

}  // namespace suoshui
