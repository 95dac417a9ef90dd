#include "history/FetchedDraws.h"

#include <map>

namespace suoshui {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isDate(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return false;
    for (std::size_t at : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
        if (!isDigit(date[at]))
            return false;
    }
    const int month = (date[5] - '0') * 10 + (date[6] - '0');
    const int day = (date[8] - '0') * 10 + (date[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

}  // namespace

Draw fetchedDraw(std::string issue, std::string date, std::string_view number) {
    Draw draw{std::move(issue), date.substr(0, std::min<std::size_t>(date.size(), 10)), -1};
    std::string digits;
    for (char c : number) {
        if (isDigit(c))
            digits += c;
        else if (c != ',' && c != ' ')
            return draw;  // letters or other marks: not a number of this lottery
    }
    if (digits.size() == 3)
        draw.number = std::stoi(digits);
    // A wrong length is kept as it came, so that the fault can name it.
    else if (!digits.empty() && digits.size() <= 9)
        draw.number = -static_cast<int>(digits.size()) - 1;
    return draw;
}

std::string repeatedIssueFault(const DrawHistory& draws) {
    std::map<std::string, int> numbers;
    for (const Draw& draw : draws) {
        const auto [kept, isNew] = numbers.emplace(draw.issue, draw.number);
        if (!isNew && kept->second != draw.number)
            return "期号 " + draw.issue + " 出现两次，号码不同";
    }
    return {};
}

std::string fetchedDrawsFault(const DrawHistory& draws, Lottery lottery) {
    const std::string name(lotteryName(lottery));
    for (const Draw& draw : draws) {
        if (!issueFitsLottery(draw.issue, lottery))
            return "期号 " + draw.issue + " 不是" + name + "的期号";
        if (draw.number < 0 || draw.number > 999)
            return "期号 " + draw.issue + " 的号码不是三位数";
        if (!isDate(draw.date))
            return "期号 " + draw.issue + " 的日期“" + draw.date + "”读不出";
    }
    return repeatedIssueFault(draws);
}

}  // namespace suoshui
