#pragma once

#include <string>

#include "history/HistoryParser.h"

namespace suoshui {

// What a load did, in the player's words: "读入 8765 期，跳过 3 行：第 12、57、90 行；...", with
// the repeats, the contradicting issues and how the draws were ordered; or why nothing was read.
std::string historyLoadText(const ParsedHistory& parsed);

}  // namespace suoshui
