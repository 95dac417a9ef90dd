#pragma once

#include <string>
#include <vector>

#include "run/Session.h"

namespace suoshui::monkey {

// One block of a grouped listing: "和值6的有2注" and the numbers under it.
struct ListingBlock {
    std::string label;  // "和值", "和尾", "跨度", "奇偶比为" or "大小比为"
    std::string value;  // "6", "2:1", ...
    long long count = 0;
    NumberList numbers;
};

// What the result box says about the numbers of the last run.
struct ResultReport {
    bool zeroResult = false;  // the fixed text of an empty result
    long long count = 0;      // the number on the count line
    bool grouped = false;     // blocks under headings rather than one flat line
    NumberList numbers;       // every listed number, in listing order
    std::vector<ListingBlock> blocks;
    std::vector<std::string> problems;  // anything that does not read as a report
};

// Reads the count line and the listing after it; the condition lines before it are free text
// (the exclusion boxes are echoed verbatim) and are not read.
ResultReport readResultReport(const std::string& reportText);

// Every way in which the report disagrees with the run's result list: count, duplicates,
// listed numbers, block counts and the grouping value of each listed number.
std::vector<std::string> reportMismatches(const ResultReport& report, const NumberList& results,
                                          bool groupingTicked);

}  // namespace suoshui::monkey
