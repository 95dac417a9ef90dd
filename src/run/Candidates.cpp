#include "run/Candidates.h"

#include <string>
#include <string_view>

#include "engine/LotteryNumber.h"
#include "lists/NumberText.h"

namespace suoshui {

namespace {

NumberList allNumbers() {
    NumberList numbers;
    numbers.reserve(kNumberCount);
    for (int value = 0; value < kNumberCount; ++value)
        numbers.push_back(numberText(value));
    return numbers;
}

// The characters of the text in order of first occurrence, each once.
std::string distinctCharacters(std::string_view text) {
    std::string distinct;
    for (char c : text) {
        if (distinct.find(c) == std::string::npos)
            distinct.push_back(c);
    }
    return distinct;
}

// Every triple over the characters, the first position outermost.
NumberList triplesOver(std::string_view characters) {
    NumberList triples;
    triples.reserve(characters.size() * characters.size() * characters.size());
    for (char h : characters) {
        for (char t : characters) {
            for (char u : characters)
                triples.push_back({h, t, u});
        }
    }
    return triples;
}

bool containsAnyOf(std::string_view number, std::string_view characters) {
    return number.find_first_of(characters) != std::string_view::npos;
}

// Index 0 of the position drop-down lets the banker digit stand anywhere; 1-3 pin it to the
// hundreds, tens or units place.
bool bankerInPosition(std::string_view number, char banker, int positionIndex) {
    if (positionIndex >= 1 && positionIndex <= 3)
        return number[static_cast<std::size_t>(positionIndex - 1)] == banker;
    return positionIndex == 0 && number.find(banker) != std::string_view::npos;
}

bool acceptsBankerDrag(std::string_view number, std::string_view bankers, std::string_view drags,
                       int positionIndex) {
    if (!containsAnyOf(number, drags) || groupKind(number) == GroupKind::Triple)
        return false;
    for (char banker : bankers) {
        if (bankerInPosition(number, banker, positionIndex))
            return true;
    }
    return false;
}

NumberList bankerDragNumbers(const FilterSettings& settings) {
    const std::string& bankers = settings.banker;
    const std::string& drags = settings.drag;
    if (bankers.empty() || drags.empty())
        return {};
    const int positionIndex = settings.bankerPosition;
    NumberList accepted;
    for (const std::string& number : triplesOver(distinctCharacters(bankers + drags))) {
        if (acceptsBankerDrag(number, bankers, drags, positionIndex))
            accepted.push_back(number);
    }
    return accepted;
}

// Split at single blanks: two blanks in a row make an empty item, a final blank makes none.
NumberList splitAtBlanks(std::string_view text) {
    NumberList items;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t blank = text.find(' ', start);
        if (blank == std::string_view::npos) {
            items.emplace_back(text.substr(start));
            break;
        }
        items.emplace_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    return items;
}

NumberList baseListNumbers(const FilterSettings& settings) {
    return splitAtBlanks(normaliseNumberText(settings.baseList, listReadingOf(settings)));
}

}  // namespace

NumberList generateCandidates(const FilterSettings& settings) {
    switch (settings.mode) {
        case GenerationMode::Positional:
            return allNumbers();
        case GenerationMode::DigitSet:
            return triplesOver(distinctCharacters(settings.digitSequence));
        case GenerationMode::BankerDrag:
            return bankerDragNumbers(settings);
        case GenerationMode::BaseList:
            return baseListNumbers(settings);
    }
    return {};
}

}  // namespace suoshui
