#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "features/FilterSettings.h"
#include "lists/ResultListing.h"

namespace suoshui {

// A set of conditions the player keeps to use again ("方案"): the settings and the result
// grouping, written as a text a person can read and edit. Every line is "label：values" in the
// words of the window ("和值：10 11 12", "包含二码：12 34"); groups are named by their labels and
// boxes by their captions, never by tags, so that a file stays valid when the window changes.
// Typed texts take a line per line of text; a lone CR or LF within a line is written "\r" or
// "\n", a backslash "\\".
struct Scheme {
    FilterSettings settings;
    ResultGrouping grouping = ResultGrouping::Flat;
};

// The first line of every scheme file: the title and the version of the format.
inline constexpr std::string_view kSchemeTitle = "银罗盘选号缩水方案 版本 ";
inline constexpr int kSchemeVersion = 1;
inline constexpr std::string_view kSchemeHeading = "银罗盘选号缩水方案 版本 1";

// The text of a scheme, UTF-8 with CR LF line ends, ending with its closing line.
std::string schemeText(const Scheme& scheme);

// A scheme read back, or why it cannot be: the 1-based line at fault (0 for the whole file) and
// the reason in the player's words.
struct SchemeReading {
    std::optional<Scheme> scheme;
    int faultLine = 0;
    std::string fault;
};

// Reads a scheme text. Only a whole, well-formed scheme is read: a file that is not a scheme, was
// written by a newer version, names a group or value the window does not have, or is cut off
// gives its fault and nothing else. Captions and labels are compared as written; a label ends at
// its first colon, full-width "：" or ":"; lines may end with CR LF or LF.
SchemeReading readScheme(std::string_view text);

}  // namespace suoshui
