#include "LiteralNormaliser.h"

#include <algorithm>
#include <vector>

#include "lists/NumberText.h"

namespace suoshui::testing {

namespace {

constexpr std::string_view kDigitSet = "0123456789";

std::vector<std::string> literalTokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string accumulator;
    int counter = 0;
    for (char c : text) {
        if (kDigitSet.find(c) == std::string_view::npos) {
            accumulator.clear();
            counter = 0;
            continue;
        }
        accumulator += c;
        if (++counter == 3) {
            tokens.push_back(accumulator);
            accumulator.clear();
            counter = 0;
        }
    }
    return tokens;
}

void appendUnlessContained(std::string& output, const std::string& token) {
    if (output.find(token) == std::string::npos)
        output += token + ' ';
}

std::string literalDistinct(const std::vector<std::string>& tokens) {
    std::string output;
    for (const std::string& token : tokens)
        appendUnlessContained(output, token);
    return output;
}

std::string literalIntersection(const std::vector<std::string>& tokens, int count) {
    std::string output;
    for (const std::string& token : tokens) {
        if (std::count(tokens.begin(), tokens.end(), token) >= count)
            appendUnlessContained(output, token);
    }
    return output;
}

std::vector<std::string> splitAtBlanks(const std::string& text) {
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == ' ')
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

std::string literalExpansion(const std::string& list) {
    std::string output;
    // The empty piece after the final blank expands to itself, which every text contains.
    for (const std::string& number : splitAtBlanks(list))
        appendUnlessContained(output, expandGroupToDirect(number));
    return output;
}

// Full-width digits, as Chinese input types them, are digits too.
std::string withHalfWidthDigits(std::string_view text) {
    static const char* const kFullWidth[] = {"０", "１", "２", "３", "４",
                                             "５", "６", "７", "８", "９"};
    std::string replaced(text);
    for (int digit = 0; digit < 10; ++digit) {
        const std::string wide = kFullWidth[digit];
        for (std::size_t at = replaced.find(wide); at != std::string::npos;
             at = replaced.find(wide, at + 1))
            replaced.replace(at, wide.size(), 1, static_cast<char>('0' + digit));
    }
    return replaced;
}

}  // namespace

std::string literalNormaliseNumberText(std::string_view text, const ListReading& reading) {
    const std::vector<std::string> tokens = literalTokens(withHalfWidthDigits(text));
    const std::string list = reading.intersect ? literalIntersection(tokens, reading.intersectCount)
                                               : literalDistinct(tokens);
    return reading.groupToDirect ? literalExpansion(list) : list;
}

}  // namespace suoshui::testing
