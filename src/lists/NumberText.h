#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/NumberSet.h"
#include "features/FilterSettings.h"

namespace suoshui {

// How the base list is read, by its two options.
struct ListReading {
    // "取交集": keep only the numbers that occur at least `intersectCount` times in the text; a
    // number repeated within one pasted line counts each time. With stored results that are
    // each listed once, the count of stored results keeps the numbers in every one of them.
    bool intersect = false;
    int intersectCount = kDefaultIntersectCount;
    // "组选转直": each set of digits replaced, once, by its direct numbers.
    bool groupToDirect = false;
};

// The reading the settings' options ask for.
ListReading listReadingOf(const FilterSettings& settings);

// Turns any text into number text: every three consecutive digits, ASCII or full-width (cut
// from the left end of each digit run), is a number, each followed by one blank. Every number is
// kept once, in order of first occurrence; with the intersection only those that occur often
// enough; with the expansion each set of digits then becomes its direct numbers.
std::string normaliseNumberText(std::string_view text, const ListReading& reading);

// A run of digits that does not split into whole numbers: "2024123" gives 202 and 412, and its
// last digit is lost. Very long runs keep only their start for showing.
struct OddDigitRun {
    std::string digits;   // the run as typed, shortened to its start when long
    std::string taken;    // the numbers it gave, "202 412"
    std::string dropped;  // the digits lost at its end, "3"
};

// What a text holds for the base list, so that the player sees what was read from it.
struct NumberTextReading {
    ListReading options;
    std::size_t found = 0;     // numbers read, repeats included
    std::size_t distinct = 0;  // distinct numbers
    std::size_t kept = 0;      // distinct numbers, or with the intersection those that repeat
    std::size_t expanded = 0;  // numbers after "组选转直", when it is ticked
    std::size_t oddRuns = 0;   // digit runs whose length is no multiple of three
    std::vector<OddDigitRun> firstOddRuns;  // the first few of them
};

NumberTextReading readNumberText(std::string_view text, const ListReading& options);

// The reading in words: "读到 12 个号码，不同的 10 注；2024123 拆成 202 412，末尾的 3 没用上";
// with the intersection "取交集（至少出现 2 次）3 注".
std::string readBackText(const NumberTextReading& reading);

// The text with every line longer than `longest` bytes broken into shorter ones, so that a box
// never lays out a line of megabytes; what the base list reads from it stays the same. A line is
// broken after a separator, or, inside a run of digits, after a whole number of three digits.
std::string withShortLines(std::string_view text, std::size_t longest);

// Why an imported text (decoded to UTF-8) cannot be a base list: empty, binary, not decodable,
// or without a single number; empty when it can. The box keeps what it held when this is said.
std::string baseListImportProblem(std::string_view text);

// The numbers of a text read as the base list reads them, as a set: "123456" holds 123 and
// 456, "1234" only 123.
NumberSet numbersIn(std::string_view text);

// The group forms of the numbers: "654" stands for the group 456.
NumberSet groupFormsOf(const NumberSet& numbers);

// All direct numbers with the digits of a number: "555" gives "555" (no blank), "122" gives
// "212 221 122 ", "231" gives "123 132 213 231 312 321 ".
std::string expandGroupToDirect(std::string_view number);

}  // namespace suoshui
