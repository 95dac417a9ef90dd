#include "lists/Scheme.h"

#include <map>
#include <vector>

#include "features/OptionCaptions.h"
#include "lists/TextLines.h"

namespace suoshui {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kColon = "：";
constexpr std::string_view kHalfWidthColon = ":";
constexpr std::string_view kClosingLine = "结束";

// Keys of the lines that are not condition groups.
constexpr std::string_view kType = "类型";
constexpr std::string_view kMode = "方式";
constexpr std::string_view kOption = "勾选";
constexpr std::string_view kDigitSequence = "不定位数字";
constexpr std::string_view kBanker = "胆拖胆码";
constexpr std::string_view kDrag = "胆拖拖码";
constexpr std::string_view kPosition = "胆码位置";
constexpr std::string_view kBaseList = "大底";
constexpr std::string_view kExcludeSet = "复式排除";  // followed by 1 to 4
constexpr std::string_view kSingles = "单式排除";
constexpr std::string_view kTargetCount = "选择注数";
constexpr std::string_view kGrouping = "结果分类";
constexpr std::string_view kTolerance = "容错";
constexpr std::string_view kIntersectCount = "取交集次数";

// A lone CR or LF inside a line of text (pasted into a one-line box, say) is written "\r" or
// "\n", and a backslash "\\", so that the file keeps one line per line and reads back exactly.
// Read back, a backslash before any other character stays as it is, as a person would mean it.
std::string escaped(std::string_view value) {
    std::string result;
    for (char c : value) {
        if (c == '\\')
            result += "\\\\";
        else if (c == '\r')
            result += "\\r";
        else if (c == '\n')
            result += "\\n";
        else
            result.push_back(c);
    }
    return result;
}

std::string unescaped(std::string_view value) {
    std::string result;
    for (std::size_t at = 0; at < value.size(); ++at) {
        const char next = at + 1 < value.size() ? value[at + 1] : '\0';
        if (value[at] != '\\' || (next != '\\' && next != 'r' && next != 'n')) {
            result.push_back(value[at]);
            continue;
        }
        result.push_back(next == 'r' ? '\r' : next == 'n' ? '\n' : '\\');
        ++at;
    }
    return result;
}

std::string line(std::string_view key, std::string_view value) {
    return std::string(key) + std::string(kColon) + escaped(value) + std::string(kLineEnd);
}

// A multi-line text as one line per text line, so that it comes back exactly.
std::string lines(std::string_view key, std::string_view text) {
    std::string written;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(kLineEnd, start);
        written += line(key, text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return written;
        start = end + kLineEnd.size();
    }
}

// Every summary line of the window, basic and extended: the groups as the player names them.
std::vector<SummaryLine> allSummaryLines() {
    std::vector<SummaryLine> all = basicSummaryLines();
    const auto& extended = extendedSummaryLines();
    all.insert(all.end(), extended.begin(), extended.end());
    return all;
}

std::string groupLines(const FilterSettings& settings) {
    std::string written;
    for (const SummaryLine& summary : allSummaryLines()) {
        const bool included = settings.isChecked(summary.include);
        std::string values;
        for (int tag = summary.tags.first; tag <= summary.tags.last; ++tag) {
            if (settings.boxes.ticked(tag))
                values += (values.empty() ? "" : " ") + settings.boxes.caption(tag);
        }
        const SelectAllToggleDef* toggle = toggleOfSpan(summary.tags);
        if (toggle && settings.boxes.ticked(toggle->tag))
            values += (values.empty() ? "" : " ") + std::string(kSelectAllCaption);
        // A ticked "包含" is kept even with nothing ticked in its group.
        if (!values.empty() || included) {
            const std::string_view label = included ? summary.labelIncluded : summary.label;
            written += line(label.substr(0, label.size() - kColon.size()), values);
        }
    }
    return written;
}

std::string excludeSetKey(std::size_t index) {
    return std::string(kExcludeSet) + std::to_string(index + 1);
}

// The typed texts, by key. Any of them may hold line breaks, so each is written a line per
// line of text and read back by joining its lines.
std::vector<std::pair<std::string, std::string*>> textFields(FilterSettings& settings) {
    std::vector<std::pair<std::string, std::string*>> fields = {
        {std::string(kDigitSequence), &settings.digitSequence},
        {std::string(kBanker), &settings.banker},
        {std::string(kDrag), &settings.drag},
        {std::string(kBaseList), &settings.baseList},
    };
    for (std::size_t i = 0; i < settings.excludeSets.size(); ++i)
        fields.emplace_back(excludeSetKey(i), &settings.excludeSets[i]);
    fields.emplace_back(std::string(kSingles), &settings.excludeSingles);
    fields.emplace_back(std::string(kTargetCount), &settings.targetCount);
    return fields;
}

std::string inputLines(FilterSettings settings) {
    std::string written;
    for (const auto& [key, text] : textFields(settings))
        written += lines(key, *text);
    const auto position = static_cast<std::size_t>(settings.bankerPosition);
    return written + line(kPosition, kBankerPositionCaptions.at(position % 4));
}

}  // namespace

std::string schemeText(const Scheme& scheme) {
    const FilterSettings& settings = scheme.settings;
    std::string text = std::string(kSchemeHeading) + std::string(kLineEnd);
    text += line(kType, captionOf(kNumberTypeCaptions, settings.numberType));
    text += line(kMode, captionOf(kModeCaptions, settings.mode));
    for (const auto& [check, caption] : kOptionCaptions) {
        if (settings.isChecked(check))
            text += line(kOption, caption);
    }
    text += inputLines(settings);
    text += line(kGrouping, captionOf(kGroupingCaptions, scheme.grouping));
    if (settings.tolerance.on)
        text += line(kTolerance, settings.tolerance.rangeText());
    if (settings.intersectCount != kDefaultIntersectCount)
        text += line(kIntersectCount, std::to_string(settings.intersectCount));
    text += groupLines(settings);
    return text + std::string(kClosingLine) + std::string(kLineEnd);
}

namespace {

// Reads the lines of a scheme into a scheme, stopping at the first fault.
class SchemeReader {
  public:
    SchemeReading read(std::string_view text) {
        std::vector<std::string_view> lines = linesOf(text);
        if (lines.empty() || lines.front() != kSchemeHeading)
            return fail(0, headingFault(lines.empty() ? std::string_view() : lines.front()));
        bool closed = false;
        for (std::size_t at = 1; at < lines.size() && reading_.fault.empty(); ++at) {
            lineNumber_ = static_cast<int>(at) + 1;
            if (lines[at] == kClosingLine) {
                closed = true;
                break;
            }
            if (!lines[at].empty())
                readLine(lines[at]);
        }
        if (!reading_.fault.empty())
            return reading_;
        if (!closed)
            return fail(0, "方案文件不完整：没有最后的“" + std::string(kClosingLine) + "”一行");
        for (const auto& [key, field] : textFields(scheme_.settings)) {
            if (const auto found = textLines_.find(key); found != textLines_.end())
                *field = join(found->second);
        }
        reading_.scheme = scheme_;
        return reading_;
    }

  private:
    static std::string join(const std::vector<std::string>& parts) {
        std::string joined;
        for (std::size_t i = 0; i < parts.size(); ++i)
            joined += (i == 0 ? "" : std::string(kLineEnd)) + parts[i];
        return joined;
    }

    // A heading of a later version of the format names that version; anything else is no scheme.
    static std::string headingFault(std::string_view heading) {
        if (heading.starts_with(kSchemeTitle)) {
            const std::string_view version = heading.substr(kSchemeTitle.size());
            if (isDigitText(version) && leadingNumber(version) > kSchemeVersion)
                return "这个方案是新版本的程序存的（方案版本 " + std::string(version) +
                       "），这个程序只能读方案版本 " + std::to_string(kSchemeVersion) +
                       "：请用新版本打开";
        }
        return "这不是方案文件：第一行应是“" + std::string(kSchemeHeading) + "”";
    }

    SchemeReading fail(int line, std::string why) {
        reading_.faultLine = line;
        reading_.fault = std::move(why);
        return reading_;
    }

    void failHere(std::string why) { fail(lineNumber_, std::move(why)); }

    void readLine(std::string_view text) {
        const std::size_t wide = text.find(kColon);
        const std::size_t narrow = text.find(kHalfWidthColon);
        if (wide == std::string_view::npos && narrow == std::string_view::npos) {
            failHere("看不懂这一行：应是“名称：内容”，名称后面要有冒号");
            return;
        }
        const bool wideFirst = wide < narrow;
        const std::size_t colon = wideFirst ? wide : narrow;
        const std::string_view key = text.substr(0, colon);
        const std::string_view value =
            text.substr(colon + (wideFirst ? kColon.size() : kHalfWidthColon.size()));
        if (!readSetting(key, value) && !readGroup(key, value))
            failHere("没有叫“" + std::string(key) + "”的条件或选项");
    }

    template <typename Choice, std::size_t N>
    void choose(const std::array<std::pair<Choice, std::string_view>, N>& captions,
                std::string_view value, Choice& into, std::string_view key) {
        if (const Choice* choice = choiceOf(captions, value))
            into = *choice;
        else
            failHere("“" + std::string(key) + "”没有“" + std::string(value) + "”这一项");
    }

    bool readSetting(std::string_view key, std::string_view value) {
        FilterSettings& settings = scheme_.settings;
        if (key == kType)
            choose(kNumberTypeCaptions, value, settings.numberType, key);
        else if (key == kMode)
            choose(kModeCaptions, value, settings.mode, key);
        else if (key == kGrouping)
            choose(kGroupingCaptions, value, scheme_.grouping, key);
        else if (key == kOption)
            readOption(value);
        else if (key == kPosition)
            readPosition(value);
        else if (key == kTolerance)
            readTolerance(value);
        else if (key == kIntersectCount)
            readIntersectCount(value);
        else if (!readText(key, value))
            return false;
        return true;
    }

    bool readText(std::string_view key, std::string_view value) {
        for (const auto& [field, text] : textFields(scheme_.settings)) {
            if (field == key) {
                textLines_[field].push_back(unescaped(value));
                return true;
            }
        }
        return false;
    }

    void readOption(std::string_view value) {
        Check check{};
        choose(kOptionCaptions, value, check, kOption);
        if (reading_.fault.empty())
            scheme_.settings.setChecked(check);
    }

    void readPosition(std::string_view value) {
        for (std::size_t i = 0; i < kBankerPositionCaptions.size(); ++i) {
            if (kBankerPositionCaptions[i] == value) {
                scheme_.settings.bankerPosition = static_cast<int>(i);
                return;
            }
        }
        failHere("“胆码位置”没有“" + std::string(value) + "”这一项");
    }

    // One or two ASCII digits, else -1.
    static int smallNumber(std::string_view digits) {
        if (digits.empty() || digits.size() > 2 || !isDigitText(digits))
            return -1;
        return std::stoi(std::string(digits));
    }

    // "取交集次数：n", 2 ≤ n ≤ 99.
    void readIntersectCount(std::string_view value) {
        const int count = smallNumber(value);
        if (count < kDefaultIntersectCount || count > kMostIntersectCount) {
            failHere("“取交集次数”应是 2 到 99 的整数");
            return;
        }
        scheme_.settings.intersectCount = count;
    }

    // "容错：a-b", 0 ≤ a ≤ b ≤ the number of tested groups.
    void readTolerance(std::string_view value) {
        const std::size_t dash = value.find('-');
        const int fewest = dash == std::string_view::npos ? -1 : smallNumber(value.substr(0, dash));
        const int most = dash == std::string_view::npos ? -1 : smallNumber(value.substr(dash + 1));
        if (fewest < 0 || most < fewest || most > kTestedGroupCount) {
            failHere("“容错”应写成“最少-最多”，例如“容错：0-2”");
            return;
        }
        scheme_.settings.tolerance = {true, fewest, most};
    }

    // A group line: its label switches its "包含" box, its values tick boxes by caption.
    bool readGroup(std::string_view key, std::string_view value) {
        const std::string label = std::string(key) + std::string(kColon);
        for (const SummaryLine& summary : allSummaryLines()) {
            const bool included = summary.labelIncluded == label;
            if (!included && summary.label != label)
                continue;
            if (summary.include)
                scheme_.settings.setChecked(*summary.include, included);
            tickCaptions(summary, key, value);
            return true;
        }
        return false;
    }

    void tickCaptions(const SummaryLine& summary, std::string_view key, std::string_view value) {
        std::size_t start = 0;
        while (start < value.size() && reading_.fault.empty()) {
            const std::size_t end = std::min(value.find(' ', start), value.size());
            const std::string_view caption = value.substr(start, end - start);
            start = end + 1;
            if (!caption.empty() && !tickCaption(summary, caption))
                failHere("“" + std::string(key) + "”没有“" + std::string(caption) + "”这个值");
        }
    }

    bool tickCaption(const SummaryLine& summary, std::string_view caption) {
        BoxStates& boxes = scheme_.settings.boxes;
        if (caption == kSelectAllCaption) {
            const SelectAllToggleDef* toggle = toggleOfSpan(summary.tags);
            if (toggle)
                boxes.setTicked(toggle->tag);
            return toggle != nullptr;
        }
        for (int tag = summary.tags.first; tag <= summary.tags.last; ++tag) {
            if (boxes.caption(tag) == caption) {
                boxes.setTicked(tag);
                return true;
            }
        }
        return false;
    }

    SchemeReading reading_;
    Scheme scheme_;
    std::map<std::string, std::vector<std::string>> textLines_;
    int lineNumber_ = 0;
};

}  // namespace

SchemeReading readScheme(std::string_view text) {
    return SchemeReader().read(text);
}

}  // namespace suoshui
