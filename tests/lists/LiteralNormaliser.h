#pragma once

#include <string>
#include <string_view>

#include "lists/NumberText.h"

namespace suoshui::testing {

// The number text normaliser done the slow, literal way (accumulator, pairwise comparison,
// substring searches in the growing output), as the reference the fast one must equal.
std::string literalNormaliseNumberText(std::string_view text, const ListReading& reading);

}  // namespace suoshui::testing
