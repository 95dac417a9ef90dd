#include "history/PlainLine.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/LotteryNumber.h"
#include "history/DrawFields.h"

namespace suoshui {

namespace {

constexpr std::size_t kShortestBareIssue = 5;

// The lotteries' names carry digits that are no part of a draw: each stands as a blank.
std::string withoutLotteryNames(std::string_view text) {
    static constexpr std::array<std::string_view, 6> kNames = {"福彩3D", "福彩3d", "排列3",
                                                               "排列三", "3D",     "3d"};
    std::string kept;
    kept.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const auto name = std::find_if(kNames.begin(), kNames.end(), [&](std::string_view n) {
            return text.substr(at, n.size()) == n;
        });
        if (name == kNames.end()) {
            kept.push_back(text[at++]);
        } else {
            kept.push_back(' ');
            at += name->size();
        }
    }
    return kept;
}

std::string_view textBefore(std::string_view text, const std::vector<DigitRun>& runs,
                            std::size_t index) {
    const std::size_t start = index == 0 ? 0 : runs[index - 1].end;
    return trimBlanks(text.substr(start, runs[index].begin - start));
}

std::string_view textAfter(std::string_view text, const std::vector<DigitRun>& runs,
                           std::size_t index) {
    const std::size_t end = index + 1 < runs.size() ? runs[index + 1].begin : text.size();
    return trimBlanks(text.substr(runs[index].end, end - runs[index].end));
}

// "第2026232期", "2026232期": an issue marked as such.
bool markedAsIssue(std::string_view text, const std::vector<DigitRun>& runs, std::size_t index) {
    return textBefore(text, runs, index).ends_with("第") ||
           textAfter(text, runs, index).starts_with("期");
}

// The runs that remain once the date and the times of day are taken out.
std::vector<DigitRun> withoutDateAndTimes(std::string_view text, const std::vector<DigitRun>& runs,
                                          std::string& date) {
    std::size_t dateRun = runs.size();
    if (const std::optional<FoundDate> found = findDate(text, runs)) {
        dateRun = found->firstRun;
        date = found->date;
    }
    std::vector<DigitRun> rest;
    for (std::size_t i = 0; i < runs.size();) {
        if (i == dateRun) {
            i += 3;
            continue;
        }
        if (const std::size_t time = timeRunsAt(text, runs, i); time > 0) {
            i += time;
            continue;
        }
        rest.push_back(runs[i++]);
    }
    return rest;
}

std::string runText(std::string_view text, DigitRun run) {
    return std::string(text.substr(run.begin, run.length()));
}

}  // namespace

LineReading readPlainLine(std::string_view line) {
    const std::string text = withoutLotteryNames(withAsciiDigits(line));
    const std::vector<DigitRun> runs = digitRuns(text);
    if (runs.empty())
        return LineReading::nothing();
    Draw draw;
    std::vector<DigitRun> rest = withoutDateAndTimes(text, runs, draw.date);
    std::size_t numberStart = 0;
    std::optional<std::size_t> marked;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (!markedAsIssue(text, rest, i))
            continue;
        if (marked)
            return LineReading::unreadable();  // two issues on one line
        marked = i;
    }
    if (marked) {
        draw.issue = runText(text, rest[*marked]);
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(*marked));
    } else if (rest.size() >= 2 && rest[0].length() >= kShortestBareIssue) {
        draw.issue = runText(text, rest[0]);
        numberStart = 1;
    }
    if (draw.issue.size() > kLongestIssue || rest.size() <= numberStart)
        return LineReading::unreadable();
    const std::optional<int> number = numberFromRuns(text, rest, numberStart);
    if (!number)
        return LineReading::unreadable();
    draw.number = *number;
    return LineReading::of(std::move(draw));
}

}  // namespace suoshui
