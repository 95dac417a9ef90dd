#include "monkey/ReportListing.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string_view>

namespace suoshui::monkey {

namespace {

constexpr std::string_view kZeroResultText =
    "符合条件的号码共有0注\r\n条件太苛刻了！这是火星人登陆地球的条件。";
constexpr std::string_view kCountLineStart = "符合条件的";
constexpr std::string_view kCountLineMiddle = "号    共有";
constexpr std::string_view kCountLineEnd = "注\r\n";
constexpr std::string_view kHeaderMiddle = "的有";
constexpr std::string_view kLineEnd = "\r\n";

int digitSum(std::string_view number) {
    return number[0] + number[1] + number[2] - 3 * '0';
}

// Digits of the first class ":" digits of the other, as "奇偶比" and "大小比" count them.
std::string ratio(std::string_view number, bool (*firstClass)(int digit)) {
    const auto count = std::count_if(number.begin(), number.end(),
                                     [&](char digit) { return firstClass(digit - '0'); });
    return std::to_string(count) + ":" + std::to_string(3 - count);
}

// The value a grouped listing files a number under, by the heading's label, worked out here
// rather than asked of the program.
const std::map<std::string, std::function<std::string(std::string_view)>>& groupingValues() {
    static const std::map<std::string, std::function<std::string(std::string_view)>> table = {
        {"和值", [](std::string_view n) { return std::to_string(digitSum(n)); }},
        {"和尾", [](std::string_view n) { return std::to_string(digitSum(n) % 10); }},
        {"跨度",
         [](std::string_view n) {
             const auto [low, high] = std::minmax({n[0], n[1], n[2]});
             return std::to_string(high - low);
         }},
        {"奇偶比为", [](std::string_view n) { return ratio(n, [](int d) { return d % 2 == 1; }); }},
        {"大小比为", [](std::string_view n) { return ratio(n, [](int d) { return d >= 5; }); }},
    };
    return table;
}

bool isDecimal(std::string_view text) {
    if (text.empty() || text.size() > 18)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool isNumberText(std::string_view text) {
    return text.size() == 3 && isDecimal(text);
}

// "123 456 " : every number followed by exactly one blank.
bool readNumberLine(std::string_view line, NumberList& numbers) {
    while (!line.empty()) {
        if (line.size() < 4 || !isNumberText(line.substr(0, 3)) || line[3] != ' ')
            return false;
        numbers.emplace_back(line.substr(0, 3));
        line.remove_prefix(4);
    }
    return true;
}

// "和值6的有2注" into its label, value and count.
bool readHeader(std::string_view header, ListingBlock& block) {
    const std::size_t middle = header.find(kHeaderMiddle);
    if (middle == std::string_view::npos || !header.ends_with("注"))
        return false;
    const std::string_view head = header.substr(0, middle);
    std::string_view count = header.substr(middle + kHeaderMiddle.size());
    count.remove_suffix(std::string_view("注").size());
    for (const auto& [label, valueOf] : groupingValues()) {
        if (head.starts_with(label)) {
            block.label = label;
            block.value = head.substr(label.size());
        }
    }
    if (block.label.empty() || block.value.empty() || !isDecimal(count))
        return false;
    block.count = std::stoll(std::string(count));
    return true;
}

// Blocks of "\r\n" header "\r\n" numbers "\r\n", one after the other to the end.
void readGroupedListing(std::string_view listing, ResultReport& report) {
    report.grouped = true;
    while (!listing.empty()) {
        if (!listing.starts_with(kLineEnd)) {
            report.problems.push_back("grouped listing: a block does not start a new line");
            return;
        }
        listing.remove_prefix(kLineEnd.size());
        const std::size_t headerEnd = listing.find(kLineEnd);
        const std::size_t numbersEnd =
            headerEnd == std::string_view::npos ? headerEnd : listing.find(kLineEnd, headerEnd + 2);
        ListingBlock block;
        if (numbersEnd == std::string_view::npos ||
            !readHeader(listing.substr(0, headerEnd), block) ||
            !readNumberLine(listing.substr(headerEnd + 2, numbersEnd - headerEnd - 2),
                            block.numbers)) {
            report.problems.push_back("grouped listing: unreadable block: " +
                                      std::string(listing.substr(0, 80)));
            return;
        }
        report.numbers.insert(report.numbers.end(), block.numbers.begin(), block.numbers.end());
        report.blocks.push_back(std::move(block));
        listing.remove_prefix(numbersEnd + kLineEnd.size());
    }
}

void readListing(std::string_view listing, ResultReport& report) {
    if (listing.starts_with(kLineEnd)) {
        readGroupedListing(listing, report);
        return;
    }
    if (!readNumberLine(listing, report.numbers))
        report.problems.push_back("flat listing unreadable: " + std::string(listing.substr(0, 80)));
}

std::string joined(const NumberList& numbers, std::size_t limit = 12) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size() && i < limit; ++i)
        text += numbers[i] + " ";
    return numbers.size() > limit ? text + "..." : text;
}

void checkBlocks(const ResultReport& report, std::vector<std::string>& mismatches) {
    for (const ListingBlock& block : report.blocks) {
        if (block.count != static_cast<long long>(block.numbers.size()))
            mismatches.push_back("block " + block.label + block.value + " says " +
                                 std::to_string(block.count) + " but lists " +
                                 std::to_string(block.numbers.size()));
        const auto& valueOf = groupingValues().at(block.label);
        for (const std::string& number : block.numbers) {
            if (valueOf(number) != block.value)
                mismatches.push_back(number + " listed under " + block.label + block.value);
        }
    }
}

}  // namespace

ResultReport readResultReport(const std::string& reportText) {
    ResultReport report;
    const std::string_view text = reportText;
    if (text == kZeroResultText) {
        report.zeroResult = true;
        return report;
    }
    // The listing holds only digits, blanks and headings, so the last count line is the one.
    const std::size_t start = text.rfind(kCountLineStart);
    const std::size_t middle =
        start == std::string_view::npos ? start : text.find(kCountLineMiddle, start);
    const std::size_t countStart =
        middle == std::string_view::npos ? middle : middle + kCountLineMiddle.size();
    const std::size_t end =
        countStart == std::string_view::npos ? countStart : text.find(kCountLineEnd, countStart);
    if (end == std::string_view::npos || !isDecimal(text.substr(countStart, end - countStart))) {
        report.problems.push_back("no count line in: " + std::string(text.substr(0, 200)));
        return report;
    }
    report.count = std::stoll(std::string(text.substr(countStart, end - countStart)));
    readListing(text.substr(end + kCountLineEnd.size()), report);
    return report;
}

std::vector<std::string> reportMismatches(const ResultReport& report, const NumberList& results,
                                          bool groupingTicked) {
    std::vector<std::string> mismatches = report.problems;
    if (!mismatches.empty())
        return mismatches;
    if (report.zeroResult != results.empty())
        mismatches.push_back("zero-result text is " + std::string(report.zeroResult ? "" : "not ") +
                             "shown for " + std::to_string(results.size()) + " results");
    if (report.zeroResult)
        return mismatches;
    if (report.count != static_cast<long long>(results.size()))
        mismatches.push_back("count line says " + std::to_string(report.count) + ", results hold " +
                             std::to_string(results.size()));
    // With no "结果分类：" radio ticked the listing is empty by design.
    const NumberList expected = groupingTicked ? results : NumberList{};
    if (!groupingTicked && !report.numbers.empty())
        mismatches.push_back("numbers listed while no grouping is ticked");
    if (report.numbers.size() != expected.size())
        mismatches.push_back("lists " + std::to_string(report.numbers.size()) + " numbers: " +
                             joined(report.numbers) + "; results: " + joined(expected));
    const std::set<std::string> listed(report.numbers.begin(), report.numbers.end());
    if (listed.size() != report.numbers.size())
        mismatches.push_back("a number is listed twice: " + joined(report.numbers));
    if (listed != std::set<std::string>(expected.begin(), expected.end()))
        mismatches.push_back("listed numbers differ from the results: " + joined(report.numbers) +
                             " / " + joined(expected));
    else if (!report.grouped && report.numbers != expected)
        mismatches.push_back("flat listing is not in result order");
    checkBlocks(report, mismatches);
    return mismatches;
}

}  // namespace suoshui::monkey
