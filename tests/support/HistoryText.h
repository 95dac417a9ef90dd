#pragma once

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace suoshui::testing {

// The shapes of draw history files a player brings, for benchmarks and the window's timing.
enum class HistoryShape {
    EnglishCsv,       // issue,date,number,sales with a quoted column of figures in some rows
    ChineseCsv,       // 期号,开奖日期,开奖号码,试机号 oldest first, "6,5,8" quoted
    DigitColumnsCsv,  // 期号,日期,百位,十位,个位
    IssueNumber,      // 2026232 658
    IssueDateNumber,  // 2026232,2026-08-30,658
    IssueMark,        // 2026232期 6 5 8
    ChineseLabel,     // 第2026232期 开奖号码：6 5 8
    FiveDigitIssue,   // 26232 658
    BareNumbers,      // 658
};

inline const std::vector<HistoryShape>& allHistoryShapes() {
    static const std::vector<HistoryShape> shapes = {
        HistoryShape::EnglishCsv,   HistoryShape::ChineseCsv,      HistoryShape::DigitColumnsCsv,
        HistoryShape::IssueNumber,  HistoryShape::IssueDateNumber, HistoryShape::IssueMark,
        HistoryShape::ChineseLabel, HistoryShape::FiveDigitIssue,  HistoryShape::BareNumbers};
    return shapes;
}

inline const char* historyShapeName(HistoryShape shape) {
    static const char* const kNames[] = {"EnglishCsv",   "ChineseCsv",      "DigitColumnsCsv",
                                         "IssueNumber",  "IssueDateNumber", "IssueMark",
                                         "ChineseLabel", "FiveDigitIssue",  "BareNumbers"};
    return kNames[static_cast<int>(shape)];
}

// A made-up history of `draws` draws in the shape, 336 draws a year from 2001; the numbers are
// random but fixed by the seed.
inline std::string historyText(HistoryShape shape, int draws, unsigned seed = 1) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> digit(0, 9);
    const auto two = [](int value) {
        return std::string(value < 10 ? "0" : "") + std::to_string(value);
    };
    std::vector<std::string> lines;
    for (int k = 0; k < draws; ++k) {
        const int year = 2001 + k / 336;
        const std::string seq = std::to_string(1000 + k % 336 + 1).substr(1);
        const std::string issue = std::to_string(year) + seq;
        const std::string shortIssue = two(year % 100) + seq;
        const std::string date =
            std::to_string(year) + "-" + two(k / 28 % 12 + 1) + "-" + two(k % 28 + 1);
        const int h = digit(generator), t = digit(generator), u = digit(generator);
        const std::string joined = std::to_string(h) + std::to_string(t) + std::to_string(u);
        const std::string apart =
            std::to_string(h) + " " + std::to_string(t) + " " + std::to_string(u);
        switch (shape) {
            case HistoryShape::EnglishCsv: {
                const std::string sales = "7 2 0 1 5 6 1 1 110475534 0 1040 0 346 0 173";
                lines.push_back(issue + "," + date + "," + joined + "," +
                                (k % 2 ? "\"" + sales + "\"" : sales));
                break;
            }
            case HistoryShape::ChineseCsv:
                lines.push_back(issue + "," + date + ",\"" + std::to_string(h) + "," +
                                std::to_string(t) + "," + std::to_string(u) + "\",123,35210462");
                break;
            case HistoryShape::DigitColumnsCsv:
                lines.push_back(issue + "," + date + "," + std::to_string(h) + "," +
                                std::to_string(t) + "," + std::to_string(u));
                break;
            case HistoryShape::IssueNumber:
                lines.push_back(issue + " " + joined);
                break;
            case HistoryShape::IssueDateNumber:
                lines.push_back(issue + "," + date + "," + joined);
                break;
            case HistoryShape::IssueMark:
                lines.push_back(issue + "期 " + apart);
                break;
            case HistoryShape::ChineseLabel:
                lines.push_back("第" + issue + "期 开奖号码：" + apart);
                break;
            case HistoryShape::FiveDigitIssue:
                lines.push_back(shortIssue + " " + joined);
                break;
            case HistoryShape::BareNumbers:
                lines.push_back(joined);
                break;
        }
    }
    std::string text;
    switch (shape) {
        case HistoryShape::EnglishCsv:
            text = "issue,date,number,sales\n";
            break;
        case HistoryShape::ChineseCsv:
            text = "期号,开奖日期,开奖号码,试机号,销售额\n";
            break;
        case HistoryShape::DigitColumnsCsv:
            text = "期号,日期,百位,十位,个位\n";
            break;
        default:
            break;
    }
    // The English table and the issue lines come newest first, the others oldest first.
    const bool newestFirst = shape == HistoryShape::EnglishCsv ||
                             shape == HistoryShape::IssueNumber ||
                             shape == HistoryShape::ChineseLabel;
    if (newestFirst)
        std::reverse(lines.begin(), lines.end());
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

}  // namespace suoshui::testing
