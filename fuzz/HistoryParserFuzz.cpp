// Feeds arbitrary text to the draw history parser and checks what it returns: draws of three
// digits, newest first by their issues or dates, each issue once, a reason exactly when nothing
// was read, skipped lines in order and within the text; and the draws written back as plain
// lines read back the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "engine/LotteryNumber.h"
#include "history/DrawFields.h"
#include "history/HistoryLoadText.h"
#include "history/HistoryParser.h"

namespace {

using suoshui::fuzz::check;

using namespace suoshui;

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "2026-08-30"
bool isDate(std::string_view date) {
    return date.size() == 10 && date[4] == '-' && date[7] == '-' && allDigits(date.substr(0, 4)) &&
           allDigits(date.substr(5, 2)) && allDigits(date.substr(8, 2));
}

std::size_t lineCount(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n') +
                                    std::count(text.begin(), text.end(), '\r') + 1);
}

void checkDraws(const ParsedHistory& parsed) {
    std::set<std::string> issues;
    for (const Draw& draw : parsed.draws) {
        check(draw.number >= 0 && draw.number < kNumberCount);
        check(allDigits(draw.issue) && draw.issue.size() <= 12);
        check(draw.date.empty() || isDate(draw.date));
        if (!draw.issue.empty())
            check(issues.insert(issueSortKey(draw.issue)).second);
    }
    for (std::size_t i = 1; i < parsed.draws.size(); ++i) {
        const Draw& newer = parsed.draws[i - 1];
        const Draw& older = parsed.draws[i];
        if (parsed.order == DrawOrder::ByIssue)
            check(issueSortKey(newer.issue) > issueSortKey(older.issue));
        if (parsed.order == DrawOrder::ByDate)
            check(newer.date >= older.date);
    }
}

void checkSkipped(const ParsedHistory& parsed, std::string_view text) {
    check(parsed.skippedLines.size() <= parsed.skippedCount);
    check(parsed.skippedLines.size() <= kNamedSkippedLines);
    check(std::is_sorted(parsed.skippedLines.begin(), parsed.skippedLines.end()));
    for (std::size_t line : parsed.skippedLines)
        check(line >= 1 && line <= lineCount(text));
}

// Draws that all carry an issue, written as "第2026232期 2026-08-30 658", read back the same.
void checkRoundTrip(const ParsedHistory& parsed) {
    if (parsed.order != DrawOrder::ByIssue)
        return;
    std::string written;
    for (const Draw& draw : parsed.draws)
        written += "第" + draw.issue + "期 " + draw.date + " " + numberText(draw.number) + "\n";
    const ParsedHistory again = parseHistory(written);
    check(again.draws == parsed.draws);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParsedHistory parsed = parseHistory(text);
    check(parsed.draws.empty() == !parsed.failure.empty());
    checkDraws(parsed);
    checkSkipped(parsed, text);
    checkRoundTrip(parsed);
    check(!historyLoadText(parsed).empty());
    return 0;
}
