#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/LineReading.h"

namespace suoshui {

// The columns a table header names, in English or Chinese: the issue ("issue", "期号"), the
// date ("date", "日期", "开奖日期"), the number ("number", "号码", "开奖号码") or its three digits
// ("hundreds", "tens", "ones" / "百位", "十位", "个位"). Other columns are ignored.
struct CsvColumns {
    std::string separator;
    std::optional<std::size_t> issue;
    std::optional<std::size_t> date;
    std::optional<std::size_t> number;
    std::optional<std::size_t> hundreds;
    std::optional<std::size_t> tens;
    std::optional<std::size_t> ones;

    bool namesDigits() const { return hundreds && tens && ones; }
    bool namesNumber() const { return number || namesDigits(); }
};

// A header: a line split by commas, tabs, semicolons or "，" that names at least one known
// column. Nothing for any other line.
std::optional<CsvColumns> readCsvHeader(std::string_view line);

// The fields of a line; a field in double quotes may hold the separator, and "" in it is a quote.
std::vector<std::string> splitCsvFields(std::string_view line, std::string_view separator);

// A row under the header: blank rows hold nothing; a row whose number (or digits), issue or
// date cannot be read, or whose number column and digit columns disagree, is unreadable.
LineReading readCsvRow(std::string_view line, const CsvColumns& columns);

}  // namespace suoshui
