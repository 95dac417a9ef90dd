#include "lists/NumberText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/LotteryNumber.h"

namespace suoshui {

namespace {

// Numbers are 000-999, so a table indexed by value replaces every search in the output text
// and keeps long pasted lists linear.
using Numbers = std::vector<std::uint16_t>;

// Every digit run is cut from its left end into three-digit numbers; a shorter rest is lost.
Numbers tokenise(std::string_view text) {
    Numbers tokens;
    tokens.reserve(text.size() / 4);
    int value = 0;
    int digits = 0;
    visitDigits(text, [&](int digit) {
        if (digit < 0) {
            value = 0;
            digits = 0;
            return;
        }
        value = value * 10 + digit;
        if (++digits == 3) {
            tokens.push_back(static_cast<std::uint16_t>(value));
            value = 0;
            digits = 0;
        }
    });
    return tokens;
}

Numbers firstOccurrences(const Numbers& tokens) {
    std::array<bool, kNumberCount> seen{};
    Numbers distinct;
    for (std::uint16_t n : tokens) {
        if (!seen[n])
            distinct.push_back(n);
        seen[n] = true;
    }
    return distinct;
}

// A number that occurs again later is taken at its first occurrence, so the intersection is
// every number seen at least `count` times, in order of first occurrence.
Numbers repeatedNumbers(const Numbers& tokens, int count) {
    std::array<int, kNumberCount> occurrences{};
    for (std::uint16_t n : tokens)
        occurrences[n] = std::min(occurrences[n] + 1, count);
    Numbers repeated;
    for (std::uint16_t n : tokens) {
        if (occurrences[n] == count)
            repeated.push_back(n);
        occurrences[n] = 0;
    }
    return repeated;
}

Numbers keptNumbers(const Numbers& tokens, const ListReading& reading) {
    return reading.intersect ? repeatedNumbers(tokens, std::max(reading.intersectCount, 1))
                             : firstOccurrences(tokens);
}

std::string listText(const Numbers& numbers) {
    std::string text;
    text.reserve(numbers.size() * 4);
    for (std::uint16_t n : numbers) {
        text += numberText(n);
        text.push_back(' ');
    }
    return text;
}

// Numbers with the same digits share one expansion, and an expansion block can only be found
// in the output where that same set of digits was already expanded, so each set of digits is
// expanded once, at its first member.
std::string expandedText(const Numbers& numbers) {
    std::array<bool, kNumberCount> expanded{};
    std::string text;
    for (std::uint16_t n : numbers) {
        const std::string number = numberText(n);
        const auto formValue = static_cast<std::size_t>(groupFormValue(n));
        if (expanded[formValue])
            continue;
        expanded[formValue] = true;
        text += expandGroupToDirect(number);
        text.push_back(' ');
    }
    return text;
}

std::string joined(std::initializer_list<std::string> numbers) {
    std::string text;
    for (const std::string& n : numbers)
        text += n + ' ';
    return text;
}

}  // namespace

ListReading listReadingOf(const FilterSettings& settings) {
    return {settings.isChecked(Check::Intersect), settings.intersectCount,
            settings.isChecked(Check::GroupToDirect)};
}

std::string normaliseNumberText(std::string_view text, const ListReading& reading) {
    const Numbers numbers = keptNumbers(tokenise(text), reading);
    return reading.groupToDirect ? expandedText(numbers) : listText(numbers);
}

NumberSet numbersIn(std::string_view text) {
    NumberSet numbers;
    for (std::uint16_t n : tokenise(text))
        numbers.add(n);
    return numbers;
}

NumberSet groupFormsOf(const NumberSet& numbers) {
    NumberSet forms;
    for (int value = 0; value < kNumberCount; ++value) {
        if (numbers.contains(value))
            forms.add(groupForm(numberText(value)));
    }
    return forms;
}

std::string expandGroupToDirect(std::string_view number) {
    std::array<char, 3> d = {static_cast<char>('0' + hundredsDigit(number)),
                             static_cast<char>('0' + tensDigit(number)),
                             static_cast<char>('0' + unitsDigit(number))};
    std::sort(d.begin(), d.end());
    const char a = d[0], b = d[1], c = d[2];
    if (a == c)
        return std::string(number);
    if (b == c)
        return joined({{b, a, b}, {b, b, a}, {a, b, b}});
    if (a == b)
        return joined({{a, a, c}, {c, a, a}, {a, c, a}});
    return joined({{a, b, c}, {a, c, b}, {b, a, c}, {b, c, a}, {c, a, b}, {c, b, a}});
}

namespace {

constexpr std::size_t kOddRunsShown = 3;
constexpr std::size_t kRunDigitsShown = 12;

// Collects the digit runs of a text that do not split into whole numbers.
class OddRunCollector {
  public:
    explicit OddRunCollector(NumberTextReading& reading) : reading_(reading) {}

    void digit(int value) {
        if (shown_.size() < kRunDigitsShown)
            shown_.push_back(static_cast<char>('0' + value));
        last_.push_back(static_cast<char>('0' + value));
        if (last_.size() == 3) {
            if (taken_.size() < kRunDigitsShown)
                taken_ += (taken_.empty() ? "" : " ") + last_;
            last_.clear();
        }
        ++length_;
    }

    void endRun() {
        if (length_ % 3 != 0) {
            ++reading_.oddRuns;
            if (reading_.firstOddRuns.size() < kOddRunsShown) {
                const bool cut = length_ > kRunDigitsShown;
                reading_.firstOddRuns.push_back({shown_ + (cut ? "…" : ""), taken_, last_});
            }
        }
        shown_.clear();
        taken_.clear();
        last_.clear();
        length_ = 0;
    }

  private:
    NumberTextReading& reading_;
    std::string shown_;
    std::string taken_;
    std::string last_;
    std::size_t length_ = 0;
};

std::size_t countNumbers(const std::string& numberText) {
    std::size_t count = 0;
    for (std::size_t at = 0; at + 3 <= numberText.size(); ++at) {
        if (isNumberText(std::string_view(numberText).substr(at, 3))) {
            ++count;
            at += 2;
        }
    }
    return count;
}

}  // namespace

NumberTextReading readNumberText(std::string_view text, const ListReading& options) {
    NumberTextReading reading;
    reading.options = options;
    OddRunCollector odd(reading);
    visitDigits(text, [&odd](int digit) {
        if (digit < 0)
            odd.endRun();
        else
            odd.digit(digit);
    });
    odd.endRun();
    const Numbers tokens = tokenise(text);
    reading.found = tokens.size();
    const Numbers distinct = firstOccurrences(tokens);
    reading.distinct = distinct.size();
    const Numbers kept = options.intersect ? keptNumbers(tokens, options) : distinct;
    reading.kept = kept.size();
    if (options.groupToDirect)
        reading.expanded = countNumbers(expandedText(kept));
    return reading;
}

namespace {

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where to end a piece of a long line that starts at `from`: after the last separator within
// `longest` bytes, else after the last whole three digits of the run that fills the piece.
std::size_t pieceEnd(std::string_view line, std::size_t from, std::size_t longest) {
    const std::size_t limit = std::min(line.size(), from + longest);
    if (limit == line.size())
        return limit;
    for (std::size_t at = limit; at > from; --at) {
        // After a separator, and never inside a character of several bytes.
        const bool continuesACharacter = (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80;
        if (!isAsciiDigit(line[at - 1]) && !continuesACharacter)
            return at;
    }
    // One run of digits from `from` on (a piece always starts a run, or after a separator).
    const std::size_t whole = (limit - from) / 3 * 3;
    return whole == 0 ? limit : from + whole;
}

}  // namespace

std::string withShortLines(std::string_view text, std::size_t longest) {
    longest = std::max<std::size_t>(longest, 3);
    std::string out;
    out.reserve(text.size() + text.size() / longest + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        const std::string_view line = text.substr(start, end - start);
        for (std::size_t from = 0; from < line.size();) {
            const std::size_t to = pieceEnd(line, from, longest);
            out.append(line.substr(from, to - from));
            if (to < line.size())
                out += '\n';
            from = to;
        }
        if (newline != std::string_view::npos)
            out += '\n';
        start = end + 1;
    }
    return out;
}

std::string baseListImportProblem(std::string_view text) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return "文件是空的";
    if (text.find('\0') != std::string_view::npos)
        return "含有二进制数据，不是文本文件";
    // What the decoder could not read became U+FFFD.
    if (text.find("\xEF\xBF\xBD") != std::string_view::npos)
        return "有无法识别的字节，不是 GBK、UTF-8 或 UTF-16 的文本";
    if (readNumberText(text, {}).found == 0)
        return "文件里没有三位数的号码";
    return {};
}

std::string readBackText(const NumberTextReading& reading) {
    std::string text = "读到 " + std::to_string(reading.found) + " 个号码，不同的 " +
                       std::to_string(reading.distinct) + " 注";
    if (reading.options.intersect)
        text += "；取交集（至少出现 " + std::to_string(reading.options.intersectCount) + " 次）" +
                std::to_string(reading.kept) + " 注";
    if (reading.options.groupToDirect)
        text += "，转直后 " + std::to_string(reading.expanded) + " 注";
    // A run of digits is cut into numbers from its left; what is left over at its end is lost.
    for (const OddDigitRun& run : reading.firstOddRuns) {
        text += "；" + run.digits;
        if (!run.taken.empty())
            text += " 拆成 " + run.taken + "，末尾的 " + run.dropped + " 没用上";
        else
            text += " 不足三位，没用上";
    }
    if (reading.oddRuns > reading.firstOddRuns.size())
        text += "（共 " + std::to_string(reading.oddRuns) + " 处数字没用上）";
    return text;
}

}  // namespace suoshui
