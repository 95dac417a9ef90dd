#pragma once

#include <string>

#include "history/DrawHistory.h"
#include "history/Lottery.h"

namespace suoshui {

// Why draws a source sent for the lottery cannot be kept, in the player's words ("号码 12 不是
// 三位数", "期号 26167 不是福彩3D的期号"); empty when every draw is whole: an issue of the
// lottery's form, three digits, a date "YYYY-MM-DD" (a weekday may follow), and no issue twice
// with different numbers. Nothing of a page with a fault is kept.
std::string fetchedDrawsFault(const DrawHistory& draws, Lottery lottery);

// "期号 2026201 出现两次，号码不同" for the first issue the draws give two numbers; empty when
// none.
std::string repeatedIssueFault(const DrawHistory& draws);

// The draw of a source's fields as they come: "3,7,7", "3 7 7" or "377" for the number, a date
// with or without "(六)" after it. Fills what it can read; the fault check says what is wrong.
Draw fetchedDraw(std::string issue, std::string date, std::string_view number);

}  // namespace suoshui
