#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "history/DrawHistory.h"

namespace suoshui {

// How the draws of a history were put newest first.
enum class DrawOrder {
    ByIssue,  // every draw has an issue number
    ByDate,   // every draw has a date, some no issue
    ByLines,  // by the order of the lines, its direction taken from the issues or dates present
};

// One issue (or, without issues, one date) given different numbers: none of its lines is read.
struct ConflictingDraw {
    bool byIssue = true;
    std::string key;                 // the issue or the date
    std::vector<std::size_t> lines;  // 1-based, in file order
    std::vector<int> numbers;        // the number of each line
};

// A history read from a text, with what was left out and why.
struct ParsedHistory {
    DrawHistory draws;  // newest first
    bool tableHeader = false;
    // Lines with digits that gave no draw for certain, 1-based; the first few are named.
    std::size_t skippedCount = 0;
    std::vector<std::size_t> skippedLines;
    std::size_t repeats = 0;  // lines that repeated a draw already read, kept once
    std::vector<ConflictingDraw> conflicts;
    DrawOrder order = DrawOrder::ByLines;
    bool linesNewestFirst = false;  // with DrawOrder::ByLines: the first line was the newest
    std::string failure;            // why no draw was read; empty when some was
};

// How many skipped lines a reading names.
inline constexpr std::size_t kNamedSkippedLines = 100;

// Reads a draw history from text (UTF-8): a table with a header, or lines without one (see
// readPlainLine). A history without issue numbers and dates is taken to run from the oldest
// line to the newest, as a file grows.
ParsedHistory parseHistory(std::string_view text);

}  // namespace suoshui
