#include "lists/ResultListing.h"

#include <functional>
#include <string_view>
#include <vector>

#include "features/ClassFeatures.h"
#include "features/SumFeatures.h"

namespace suoshui {

namespace {

// How one "结果分类：" radio groups the numbers: the header label, every value in output
// order, and the value of a number.
struct Grouping {
    ResultGrouping grouping;
    std::string_view label;
    std::vector<std::string> values;
    std::function<std::string(std::string_view)> valueOf;
};

std::vector<std::string> decimalValues(int last) {
    std::vector<std::string> values;
    for (int value = 0; value <= last; ++value)
        values.push_back(std::to_string(value));
    return values;
}

const std::vector<std::string> kTwoClassRatios = {"3:0", "2:1", "1:2", "0:3"};

const std::vector<Grouping>& groupings() {
    static const std::vector<Grouping> table = {
        {ResultGrouping::BySum, "和值", decimalValues(27),
         [](std::string_view n) { return std::to_string(digitSum(n)); }},
        {ResultGrouping::BySumTail, "和尾", decimalValues(9),
         [](std::string_view n) { return std::to_string(sumTail(n)); }},
        {ResultGrouping::BySpan, "跨度", decimalValues(9),
         [](std::string_view n) { return std::to_string(span(n)); }},
        {ResultGrouping::ByParity, "奇偶比为", kTwoClassRatios,
         [](std::string_view n) { return parityRatio(n); }},
        {ResultGrouping::BySizeRatio, "大小比为", kTwoClassRatios,
         [](std::string_view n) { return sizeRatio(n); }},
    };
    return table;
}

std::string flatListing(const NumberList& results) {
    std::string text;
    text.reserve(results.size() * 4);
    for (const std::string& number : results)
        text += number + " ";
    return text;
}

std::string groupedListing(const Grouping& grouping, const NumberList& results) {
    std::vector<std::string> texts(grouping.values.size());
    std::vector<int> counts(grouping.values.size(), 0);
    for (const std::string& number : results) {
        const std::string value = grouping.valueOf(number);
        for (std::size_t i = 0; i < grouping.values.size(); ++i) {
            if (grouping.values[i] != value)
                continue;
            texts[i] += number + " ";
            ++counts[i];
        }
    }
    std::string listing;
    for (std::size_t i = 0; i < grouping.values.size(); ++i) {
        if (texts[i].empty())
            continue;
        listing += "\r\n" + std::string(grouping.label) + grouping.values[i] + "的有" +
                   std::to_string(counts[i]) + "注\r\n" + texts[i] + "\r\n";
    }
    return listing;
}

}  // namespace

std::string resultListing(ResultGrouping chosen, const NumberList& results) {
    for (const Grouping& grouping : groupings()) {
        if (grouping.grouping == chosen)
            return groupedListing(grouping, results);
    }
    return flatListing(results);
}

}  // namespace suoshui
