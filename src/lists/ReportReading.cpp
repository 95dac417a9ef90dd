#include "lists/ReportReading.h"

#include <vector>

#include "engine/LotteryNumber.h"
#include "lists/ReportFile.h"
#include "lists/TextLines.h"

namespace suoshui {

namespace {

constexpr std::string_view kCountMark = "注";
constexpr std::string_view kGroupHeaderMark = "的有";
constexpr std::string_view kCountLineStart = "符合条件的";
constexpr std::string_view kCountLineMark = "共有";

// "和值6的有12注", "奇偶比为2:1的有3注": a value's header in a grouped listing.
bool isGroupHeader(std::string_view line) {
    const std::size_t mark = line.rfind(kGroupHeaderMark);
    if (mark == std::string_view::npos || !line.ends_with(kCountMark))
        return false;
    return isDigitText(
        line.substr(mark + kGroupHeaderMark.size(),
                    line.size() - mark - kGroupHeaderMark.size() - kCountMark.size()));
}

// "符合条件的直选号    共有12注": the line the listing follows.
bool isCountLine(std::string_view line) {
    return line.substr(0, kCountLineStart.size()) == kCountLineStart &&
           line.find(kCountLineMark) != std::string_view::npos && line.ends_with(kCountMark);
}

// Numbers and blanks, nothing else: a line of a listing.
bool isNumberLine(std::string_view line) {
    bool anyDigit = false;
    for (char c : line) {
        if (!isAsciiDigit(c) && c != ' ')
            return false;
        anyDigit = anyDigit || isAsciiDigit(c);
    }
    return anyDigit;
}

// The listing that follows a count line: number lines, with the empty lines and the headers of
// a grouped listing between them. The first other line ends it.
std::string listingFrom(const std::vector<std::string_view>& lines, std::size_t& at) {
    std::string numbers;
    for (; at < lines.size(); ++at) {
        const std::string_view line = lines[at];
        if (isNumberLine(line))
            numbers.append(line.substr(0, line.find_last_not_of(' ') + 1)).push_back(' ');
        else if (!line.empty() && !isGroupHeader(line))
            break;
    }
    return numbers;
}

}  // namespace

std::optional<std::string> listingToStore(std::string_view report) {
    const std::size_t mark = report.find(kCountMark);
    if (mark == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = report.substr(mark + kCountMark.size());
    if (rest.empty())
        return std::nullopt;
    const std::vector<std::string_view> lines = linesOf(rest);
    std::size_t firstFilled = 1;  // line 0 is the rest of the count line
    while (firstFilled < lines.size() && lines[firstFilled].empty())
        ++firstFilled;
    if (lines.front().empty() && firstFilled < lines.size() && isGroupHeader(lines[firstFilled]))
        return listingFrom(lines, firstFilled);
    return std::string(rest.substr(0, rest.find(kCountMark)));
}

std::optional<std::string> savedFileListings(std::string_view fileText) {
    fileText = withoutByteOrderMark(fileText);
    if (!fileText.starts_with(kSavedFileTitle))
        return std::nullopt;
    const std::vector<std::string_view> lines = linesOf(fileText);
    std::string listings;
    std::size_t at = 0;
    while (at < lines.size()) {
        if (!isCountLine(lines[at++]))
            continue;
        const std::string listing = listingFrom(lines, at);
        if (!listing.empty())
            listings += listing + "\r\n";
    }
    return listings;
}

}  // namespace suoshui
