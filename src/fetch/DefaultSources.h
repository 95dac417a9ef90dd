#pragma once

#include <vector>

#include "fetch/DrawSource.h"

namespace suoshui::fetch {

// The sources sources.ini starts with, in the order tried: the official sites of the two
// lotteries. A player adds a text source of his own in the file.
std::vector<DrawSource> defaultSources();

}  // namespace suoshui::fetch
