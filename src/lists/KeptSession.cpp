#include "lists/KeptSession.h"

namespace suoshui {

namespace {

constexpr std::string_view kResultsLine = "[选号结果]";
constexpr std::string_view kNoResultsLine = "[没有选号结果]";
constexpr std::size_t kNumbersPerLine = 10;

std::string_view withoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    return line;
}

}  // namespace

std::string keptSessionText(const KeptSession& session) {
    std::string text = std::string(kKeptSessionHeading) + "\r\n" + schemeText(session.scheme);
    if (!session.results) {
        text += std::string(kNoResultsLine) + "\r\n";
        return text;
    }
    text += std::string(kResultsLine) + "\r\n";
    for (std::size_t i = 0; i < session.results->size(); ++i) {
        text += (*session.results)[i];
        text += (i + 1) % kNumbersPerLine == 0 || i + 1 == session.results->size() ? "\r\n" : " ";
    }
    return text;
}

KeptSessionReading readKeptSession(std::string_view text) {
    const std::size_t headingEnd = text.find('\n');
    if (headingEnd == std::string_view::npos ||
        withoutLineEnd(text.substr(0, headingEnd)) != kKeptSessionHeading)
        return {std::nullopt, "不是本程序保存的会话"};
    const std::string_view rest = text.substr(headingEnd + 1);
    // The scheme's lines all begin with a label, never with "[": the first such line ends it.
    std::size_t schemeEnd = 0;
    while (schemeEnd < rest.size() && rest[schemeEnd] != '[') {
        const std::size_t next = rest.find('\n', schemeEnd);
        schemeEnd = next == std::string_view::npos ? rest.size() : next + 1;
    }
    const SchemeReading scheme = readScheme(rest.substr(0, schemeEnd));
    if (!scheme.scheme)
        return {std::nullopt, "其中的条件读不出：" + scheme.fault};
    const std::string_view tail = rest.substr(schemeEnd);
    const std::size_t markEnd = tail.find('\n');
    const std::string_view mark =
        withoutLineEnd(tail.substr(0, markEnd == std::string_view::npos ? tail.size() : markEnd));
    if (mark == kNoResultsLine)
        return {KeptSession{*scheme.scheme, std::nullopt}, {}};
    if (mark != kResultsLine)
        return {std::nullopt, "文件不完整：没有选号结果一节"};
    const std::string_view numbers =
        markEnd == std::string_view::npos ? std::string_view() : tail.substr(markEnd + 1);
    NumberList results;
    for (std::size_t at = 0; at < numbers.size();) {
        const std::size_t end = numbers.find_first_of(" \r\n", at);
        const std::string_view item =
            numbers.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        if (!item.empty()) {
            if (!isNumberText(item))
                return {std::nullopt, "选号结果里有不是三位数的“" + std::string(item) + "”"};
            results.emplace_back(item);
        }
        if (end == std::string_view::npos)
            break;
        at = end + 1;
    }
    return {KeptSession{*scheme.scheme, std::move(results)}, {}};
}

}  // namespace suoshui
