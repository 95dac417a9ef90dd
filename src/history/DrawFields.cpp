#include "history/DrawFields.h"

#include <array>

#include "engine/LotteryNumber.h"

namespace suoshui {

namespace {

constexpr std::string_view kFullWidthBlank = "\u3000";

int runValue(std::string_view text, DigitRun run) {
    int value = 0;
    for (std::size_t at = run.begin; at < run.end && at < run.begin + 9; ++at)
        value = value * 10 + (text[at] - '0');
    return value;
}

std::string_view between(std::string_view text, DigitRun left, DigitRun right) {
    return text.substr(left.end, right.begin - left.end);
}

std::string twoDigits(int value) {
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// Years of these lotteries' draws; anything else is no date.
std::optional<std::string> dateText(int year, int month, int day) {
    if (year < 1900 || year > 2199 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return std::to_string(year) + "-" + twoDigits(month) + "-" + twoDigits(day);
}

bool isDateSeparatorPair(std::string_view first, std::string_view second, std::string_view after) {
    if (first == second && (first == "-" || first == "/" || first == "."))
        return true;
    return first == "年" && second == "月" && (after.empty() || after.starts_with("日"));
}

// Blanks, ASCII and full-width, and the separators players put between digits.
std::size_t separatorLength(std::string_view text) {
    static constexpr std::array<std::string_view, 10> kSeparators = {
        " ", "\t", ",", "|", "/", "-", "，", "、", "\u3000", "；"};
    for (std::string_view separator : kSeparators) {
        if (text.starts_with(separator))
            return separator.size();
    }
    return 0;
}

}  // namespace

std::vector<DigitRun> digitRuns(std::string_view text) {
    std::vector<DigitRun> runs;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!isAsciiDigit(text[at])) {
            ++at;
            continue;
        }
        DigitRun run{at, at};
        while (run.end < text.size() && isAsciiDigit(text[run.end]))
            ++run.end;
        runs.push_back(run);
        at = run.end;
    }
    return runs;
}

std::string_view trimBlanks(std::string_view text) {
    for (;;) {
        if (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        else if (text.starts_with(kFullWidthBlank))
            text.remove_prefix(kFullWidthBlank.size());
        else
            break;
    }
    for (;;) {
        if (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
        else if (text.ends_with(kFullWidthBlank))
            text.remove_suffix(kFullWidthBlank.size());
        else
            break;
    }
    return text;
}

bool onlyDigitSeparators(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = separatorLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::optional<int> numberFromRuns(std::string_view text, const std::vector<DigitRun>& runs,
                                  std::size_t first) {
    const std::size_t count = runs.size() - first;
    if (count == 1 && runs[first].length() == 3)
        return runValue(text, runs[first]);
    if (count != 3)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = first; i < runs.size(); ++i) {
        if (runs[i].length() != 1 ||
            (i > first && !onlyDigitSeparators(between(text, runs[i - 1], runs[i]))))
            return std::nullopt;
        value = value * 10 + runValue(text, runs[i]);
    }
    return value;
}

std::optional<int> readNumberField(std::string_view field) {
    const std::string text = withAsciiDigits(trimBlanks(field));
    const std::vector<DigitRun> runs = digitRuns(text);
    if (runs.empty() || runs.front().begin != 0 || runs.back().end != text.size())
        return std::nullopt;
    return numberFromRuns(text, runs, 0);
}

std::optional<int> readDigitField(std::string_view field) {
    const std::string text = withAsciiDigits(trimBlanks(field));
    if (text.size() != 1 || !isAsciiDigit(text[0]))
        return std::nullopt;
    return text[0] - '0';
}

std::optional<std::string> readIssueField(std::string_view field) {
    std::string_view text = trimBlanks(field);
    if (text.starts_with("第"))
        text.remove_prefix(std::string_view("第").size());
    if (text.ends_with("期"))
        text.remove_suffix(std::string_view("期").size());
    const std::string issue = withAsciiDigits(trimBlanks(text));
    if (issue.empty() && trimBlanks(field).empty())
        return std::string();
    if (!isDigitText(issue) || issue.size() > kLongestIssue)
        return std::nullopt;
    return issue;
}

std::optional<FoundDate> findDate(std::string_view text, const std::vector<DigitRun>& runs) {
    for (std::size_t i = 0; i + 2 < runs.size(); ++i) {
        const DigitRun year = runs[i];
        const DigitRun month = runs[i + 1];
        const DigitRun day = runs[i + 2];
        if (year.length() != 4 || month.length() > 2 || day.length() > 2)
            continue;
        if (!isDateSeparatorPair(between(text, year, month), between(text, month, day),
                                 text.substr(day.end)))
            continue;
        if (std::optional<std::string> date =
                dateText(runValue(text, year), runValue(text, month), runValue(text, day)))
            return FoundDate{i, std::move(*date)};
    }
    return std::nullopt;
}

std::size_t timeRunsAt(std::string_view text, const std::vector<DigitRun>& runs,
                       std::size_t first) {
    const auto pairAt = [&](std::size_t i, std::size_t leftMax) {
        return i + 1 < runs.size() && runs[i].length() <= leftMax && runs[i + 1].length() == 2 &&
               between(text, runs[i], runs[i + 1]) == ":";
    };
    if (!pairAt(first, 2) || runValue(text, runs[first]) > 23 ||
        runValue(text, runs[first + 1]) > 59)
        return 0;
    return pairAt(first + 1, 2) && runValue(text, runs[first + 2]) <= 59 ? 3 : 2;
}

std::optional<std::string> readDateField(std::string_view field) {
    const std::string text = withAsciiDigits(trimBlanks(field));
    if (text.empty())
        return std::string();
    const std::vector<DigitRun> runs = digitRuns(text);
    if (runs.empty() || runs[0].begin != 0)
        return std::nullopt;
    std::optional<std::string> date;
    std::size_t after = 0;
    if (runs[0].length() == 8) {
        const int compact = runValue(text, runs[0]);
        date = dateText(compact / 10000, compact / 100 % 100, compact % 100);
        after = 1;
    } else if (const std::optional<FoundDate> found = findDate(text, runs);
               found && found->firstRun == 0) {
        date = found->date;
        after = 3;
    }
    // A weekday or a time of day may follow; any other digits make the field no date.
    if (date && after < runs.size() && after + timeRunsAt(text, runs, after) != runs.size())
        return std::nullopt;
    return date;
}

std::string issueSortKey(std::string_view issue) {
    std::string key(issue);
    if (key.size() == 5)
        key = "20" + key;
    if (key.size() < kLongestIssue + 2)
        key.insert(0, kLongestIssue + 2 - key.size(), '0');
    return key;
}

}  // namespace suoshui
