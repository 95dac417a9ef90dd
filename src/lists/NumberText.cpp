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

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Every digit run is cut from its left end into three-digit numbers; a shorter rest is lost.
Numbers tokenise(std::string_view text) {
    Numbers tokens;
    tokens.reserve(text.size() / 4);
    int value = 0;
    int digits = 0;
    for (char c : text) {
        if (!isDigit(c)) {
            value = 0;
            digits = 0;
            continue;
        }
        value = value * 10 + (c - '0');
        if (++digits == 3) {
            tokens.push_back(static_cast<std::uint16_t>(value));
            value = 0;
            digits = 0;
        }
    }
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
// every number seen at least twice, in order of first occurrence.
Numbers repeatedNumbers(const Numbers& tokens) {
    std::array<int, kNumberCount> occurrences{};
    for (std::uint16_t n : tokens)
        occurrences[n] = std::min(occurrences[n] + 1, 2);
    Numbers repeated;
    for (std::uint16_t n : tokens) {
        if (occurrences[n] == 2)
            repeated.push_back(n);
        occurrences[n] = 0;
    }
    return repeated;
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
        const int formValue = numberValue(groupForm(number));
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

std::string normaliseNumberText(std::string_view text, bool intersect, bool groupToDirect) {
    const Numbers tokens = tokenise(text);
    const Numbers numbers = intersect ? repeatedNumbers(tokens) : firstOccurrences(tokens);
    return groupToDirect ? expandedText(numbers) : listText(numbers);
}

NumberSet numbersAnywhereIn(std::string_view text) {
    NumberSet numbers;
    for (std::size_t at = 0; at + 3 <= text.size(); ++at) {
        const std::string_view three = text.substr(at, 3);
        if (isNumberText(three))
            numbers.add(three);
    }
    return numbers;
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

}  // namespace suoshui
