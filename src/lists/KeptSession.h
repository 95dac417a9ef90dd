#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/LotteryNumber.h"
#include "lists/Scheme.h"

namespace suoshui {

// What the window held when the program last ended: its conditions and base list (a scheme,
// as "存方案" writes it), and the last run's result, listed again from these when it comes back.
struct KeptSession {
    Scheme scheme;
    std::optional<NumberList> results;  // nothing when no run was made
};

inline constexpr std::string_view kKeptSessionHeading = "银罗盘选号缩水 上次的会话 版本 1";

// The text of a kept session, UTF-8 with CR LF line ends: the heading, the scheme, and the
// numbers of the result after a line "[选号结果]", as many a line as a report lists.
std::string keptSessionText(const KeptSession& session);

// A kept session read back, or why it cannot be, in the player's words.
struct KeptSessionReading {
    std::optional<KeptSession> session;
    std::string fault;
};

KeptSessionReading readKeptSession(std::string_view text);

}  // namespace suoshui
