#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace suoshui {

// The readers of the single fields of a draw, shared by the table columns and the plain lines.
// They read what is written and never guess: a field they do not recognise gives nothing.

// The longest issue number read: longer digit runs are no issue.
inline constexpr std::size_t kLongestIssue = 12;

// A run of ASCII digits in a text: [begin, end).
struct DigitRun {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t length() const { return end - begin; }
};

std::vector<DigitRun> digitRuns(std::string_view text);

// The text with blanks (ASCII, tabs and the full-width blank) cut from both ends.
std::string_view trimBlanks(std::string_view text);

// Whether the text holds only what may stand between the three digits of a drawn number:
// blanks, commas, "、", "|", "/" and "-".
bool onlyDigitSeparators(std::string_view text);

// The drawn number the runs from `first` to the last form: one run of three digits, or three
// single digits with only separators between them.
std::optional<int> numberFromRuns(std::string_view text, const std::vector<DigitRun>& runs,
                                  std::size_t first);

// A drawn number written as three digits together or as three single digits apart: "658",
// "6 5 8", "6,5,8", "６５８". Anything else (other characters, two or four digits) gives nothing.
std::optional<int> readNumberField(std::string_view field);

// One digit, blanks around it allowed.
std::optional<int> readDigitField(std::string_view field);

// An issue number: digits, also as "第2026232期" or "2026232期". An empty field gives "".
std::optional<std::string> readIssueField(std::string_view field);

// A date as "2026-08-30", "2026/8/30", "2026.08.30", "2026年8月30日" or "20260830", possibly
// followed by a weekday or a time of day; given as "2026-08-30". An empty field gives "".
std::optional<std::string> readDateField(std::string_view field);

// Where a date stands among the digit runs of a text: three runs from `firstRun`.
struct FoundDate {
    std::size_t firstRun = 0;
    std::string date;  // "2026-08-30"
};

// The first date written with separators ("2026-08-30", "2026/8/30", "2026.8.30",
// "2026年8月30日") among the runs.
std::optional<FoundDate> findDate(std::string_view text, const std::vector<DigitRun>& runs);

// Whether runs `first` and on form a time of day ("20:30", "20:30:00"); gives how many runs.
std::size_t timeRunsAt(std::string_view text, const std::vector<DigitRun>& runs, std::size_t first);

// Sorting key of an issue: five-digit issues ("26232") are written with the century
// ("2026232"), so that they compare with seven-digit ones; longer keys are later.
std::string issueSortKey(std::string_view issue);

}  // namespace suoshui
