#include "history/HistoryParser.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "history/CsvTable.h"
#include "history/DrawFields.h"
#include "history/PlainLine.h"
#include "lists/TextLines.h"

namespace suoshui {

namespace {

// Lines end with LF, CR LF or a lone CR.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\n' && text[at] != '\r')
            continue;
        lines.push_back(text.substr(start, at - start));
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        start = at + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

struct ReadDraw {
    Draw draw;
    std::size_t line = 0;  // 1-based
};

// A header stands among the first lines, before any line that reads as a draw; title lines
// ("福彩3D开奖号码") may come before it.
constexpr std::size_t kHeaderSearchLines = 20;

// Where the rows start: after the header, when there is one.
std::optional<std::pair<std::size_t, CsvColumns>> findHeader(
    const std::vector<std::string_view>& lines) {
    for (std::size_t index = 0; index < lines.size() && index < kHeaderSearchLines; ++index) {
        if (std::optional<CsvColumns> header = readCsvHeader(lines[index]))
            return std::pair{index, std::move(*header)};
        if (readPlainLine(lines[index]).kind == LineReading::Kind::Draw)
            break;
    }
    return std::nullopt;
}

class Reader {
  public:
    explicit Reader(ParsedHistory& parsed) : parsed_(parsed) {}

    std::vector<ReadDraw> readLines(const std::vector<std::string_view>& lines) {
        const auto header = findHeader(lines);
        parsed_.tableHeader = header.has_value();
        if (header && !header->second.namesNumber()) {
            parsed_.failure =
                "表头没有号码列：需要“号码”（或“开奖号码”、number）一列，或“百位、十位、个位”三列";
            return {};
        }
        const std::size_t first = header ? header->first + 1 : 0;
        std::vector<ReadDraw> draws;
        draws.reserve(lines.size() - std::min(first, lines.size()));
        for (std::size_t index = first; index < lines.size(); ++index) {
            const LineReading reading =
                header ? readCsvRow(lines[index], header->second) : readPlainLine(lines[index]);
            if (reading.kind == LineReading::Kind::Draw)
                draws.push_back({reading.draw, index + 1});
            else if (reading.kind == LineReading::Kind::Unreadable)
                skip(index + 1);
            else
                continue;
            rows_ = true;
        }
        return draws;
    }

    bool readRows() const { return rows_; }

  private:
    void skip(std::size_t line) {
        ++parsed_.skippedCount;
        if (parsed_.skippedLines.size() < kNamedSkippedLines)
            parsed_.skippedLines.push_back(line);
    }

    ParsedHistory& parsed_;
    bool rows_ = false;
};

// The same issue (or date) again: with the same number it is kept once; with another number
// every line of it is left out, since which one is right cannot be told.
std::vector<ReadDraw> withoutRepeats(std::vector<ReadDraw> draws, ParsedHistory& parsed) {
    std::unordered_map<std::string, std::size_t> conflictOfKey;
    std::unordered_map<std::string, std::size_t> firstOfKey;
    firstOfKey.reserve(draws.size());
    std::vector<bool> dropped(draws.size(), false);
    for (std::size_t index = 0; index < draws.size(); ++index) {
        const Draw& draw = draws[index].draw;
        if (draw.issue.empty() && draw.date.empty())
            continue;
        const bool byIssue = !draw.issue.empty();
        std::string key(1, byIssue ? 'I' : 'D');
        key += byIssue ? issueSortKey(draw.issue) : draw.date;
        const auto [first, isNew] = firstOfKey.emplace(key, index);
        if (isNew)
            continue;
        const ReadDraw& earlier = draws[first->second];
        const auto conflict = conflictOfKey.find(key);
        if (conflict == conflictOfKey.end() && earlier.draw.number == draw.number) {
            ++parsed.repeats;
            dropped[index] = true;
            continue;
        }
        if (conflict == conflictOfKey.end()) {
            conflictOfKey.emplace(key, parsed.conflicts.size());
            parsed.conflicts.push_back({byIssue,
                                        byIssue ? earlier.draw.issue : earlier.draw.date,
                                        {earlier.line},
                                        {earlier.draw.number}});
            dropped[first->second] = true;
        }
        ConflictingDraw& record = parsed.conflicts[conflictOfKey.at(key)];
        record.lines.push_back(draws[index].line);
        record.numbers.push_back(draw.number);
        dropped[index] = true;
    }
    std::vector<ReadDraw> kept;
    kept.reserve(draws.size());
    for (std::size_t index = 0; index < draws.size(); ++index) {
        if (!dropped[index])
            kept.push_back(std::move(draws[index]));
    }
    return kept;
}

// Whether the keys of the draws that have one fall from the first line to the last; nothing
// when fewer than two differ.
template <typename Key>
std::optional<bool> fallingAlongLines(const std::vector<ReadDraw>& draws, Key key) {
    std::optional<std::string> first;
    std::optional<std::string> last;
    for (const ReadDraw& read : draws) {
        std::string value = key(read.draw);
        if (value.empty())
            continue;
        if (!first)
            first = value;
        last = std::move(value);
    }
    if (!first || *first == *last)
        return std::nullopt;
    return *first > *last;
}

// Whether the lines run newest first: by the issues present, else by the dates present, else
// taken to run oldest first.
bool linesRunNewestFirst(const std::vector<ReadDraw>& draws) {
    const std::optional<bool> byIssue = fallingAlongLines(draws, [](const Draw& draw) {
        return draw.issue.empty() ? std::string() : issueSortKey(draw.issue);
    });
    if (byIssue)
        return *byIssue;
    return fallingAlongLines(draws, [](const Draw& draw) { return draw.date; }).value_or(false);
}

// Sorts by a key made once per draw, the greatest first; equal keys keep their order.
template <typename Key>
void sortNewestFirst(std::vector<ReadDraw>& draws, Key key) {
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(draws.size());
    for (std::size_t index = 0; index < draws.size(); ++index)
        keyed.emplace_back(key(draws[index]), index);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<ReadDraw> sorted;
    sorted.reserve(draws.size());
    for (const auto& [sortKey, index] : keyed)
        sorted.push_back(std::move(draws[index]));
    draws = std::move(sorted);
}

void putNewestFirst(std::vector<ReadDraw>& draws, ParsedHistory& parsed) {
    const auto allHave = [&draws](auto field) {
        return std::all_of(draws.begin(), draws.end(),
                           [field](const ReadDraw& read) { return !(read.draw.*field).empty(); });
    };
    if (allHave(&Draw::issue)) {
        parsed.order = DrawOrder::ByIssue;
        sortNewestFirst(draws, [](const ReadDraw& read) { return issueSortKey(read.draw.issue); });
    } else if (allHave(&Draw::date)) {
        parsed.order = DrawOrder::ByDate;
        sortNewestFirst(draws, [](const ReadDraw& read) { return read.draw.date; });
    } else {
        parsed.order = DrawOrder::ByLines;
        parsed.linesNewestFirst = linesRunNewestFirst(draws);
        if (!parsed.linesNewestFirst)
            std::reverse(draws.begin(), draws.end());
    }
}

std::string failureOf(const ParsedHistory& parsed, bool readRows, bool anyLine) {
    if (!parsed.failure.empty())
        return parsed.failure;
    if (!anyLine)
        return "内容是空的";
    if (parsed.tableHeader && !readRows)
        return "只有表头，没有开奖号码";
    if (!parsed.conflicts.empty() && parsed.skippedCount == 0)
        return "每一期的号码都有互相矛盾的记录";
    return "没有一行能读出开奖号码";
}

}  // namespace

ParsedHistory parseHistory(std::string_view text) {
    ParsedHistory parsed;
    text = withoutByteOrderMark(text);
    if (text.find('\0') != std::string_view::npos) {
        parsed.failure = "含有二进制数据，不是文本文件（或是没有字节顺序标记的 UTF-16 文件）";
        return parsed;
    }
    const std::vector<std::string_view> lines = splitLines(text);
    Reader reader(parsed);
    std::vector<ReadDraw> draws = withoutRepeats(reader.readLines(lines), parsed);
    if (draws.empty()) {
        const bool anyLine = std::any_of(lines.begin(), lines.end(), [](std::string_view line) {
            return !trimBlanks(line).empty();
        });
        parsed.failure = failureOf(parsed, reader.readRows(), anyLine);
        return parsed;
    }
    putNewestFirst(draws, parsed);
    parsed.draws.reserve(draws.size());
    for (ReadDraw& read : draws)
        parsed.draws.push_back(std::move(read.draw));
    return parsed;
}

}  // namespace suoshui
