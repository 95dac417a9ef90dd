#pragma once

#include <string>
#include <string_view>

#include "features/ConditionTable.h"

namespace suoshui {

// The text a condition group's feature yields for a candidate, as compared with captions.
// Features that are tried pair by pair ("任意") and `Feature::None` give the candidate itself.
std::string featureText(Feature feature, std::string_view candidate);

}  // namespace suoshui
